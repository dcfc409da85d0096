// SPDX-License-Identifier: MIT
#include "scrolling.h"

#include <algorithm>
#include <stdexcept>
#include <string>

int heldToRange(const ScrollSettings &settings, int requested)
{
    return std::clamp(requested, settings.minimum, settings.maximum);
}

int afterMove(const ScrollSettings &settings, int value, ScrollMove move)
{
    switch (move) {
    case ScrollMove::ArrowLess:
        return heldToRange(settings, value - settings.arrowStep);
    case ScrollMove::ArrowMore:
        return heldToRange(settings, value + settings.arrowStep);
    case ScrollMove::PageLess:
        return heldToRange(settings, value - settings.pageStep);
    case ScrollMove::PageMore:
        return heldToRange(settings, value + settings.pageStep);
    case ScrollMove::ToMinimum:
        return settings.minimum;
    case ScrollMove::ToMaximum:
        return settings.maximum;
    }
    throw std::invalid_argument("No scroll bar moves " + std::to_string(int(move)) + ".");
}

int afterWheelTurn(
    WheelSteps &wheel, const ScrollSettings &settings, int value, int delta, int stepsPerNotch)
{
    return heldToRange(
        settings, value + wheel.take(delta, settings.arrowStep, settings.pageStep, stepsPerNotch));
}
