// SPDX-License-Identifier: MIT
#include "scrolling.h"

#include <algorithm>

int heldToRange(const ScrollSettings &settings, int requested)
{
    return std::clamp(requested, settings.minimum, settings.maximum);
}

int afterWheelTurn(
    WheelSteps &wheel, const ScrollSettings &settings, int value, int delta, int stepsPerNotch)
{
    return heldToRange(
        settings, value + wheel.take(delta, settings.arrowStep, settings.pageStep, stepsPerNotch));
}
