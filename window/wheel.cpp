// SPDX-License-Identifier: MIT
#include "wheel.h"

#include <algorithm>

int WheelSteps::take(int delta, int arrowStep, int pageStep, int stepsPerNotch)
{
    const double move = -double(delta) / UnitsPerNotch * stepsPerNotch * arrowStep;
    // A turn the other way forgets what the last direction left over.
    if (move * m_pending < 0)
        m_pending = 0;
    m_pending += move;
    const int whole = int(m_pending);
    m_pending -= whole;
    return std::clamp(whole, -pageStep, pageStep);
}
