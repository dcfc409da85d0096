// SPDX-License-Identifier: MIT
#pragma once

// Turns a mouse wheel's turns into a scroll bar's steps, as the Linux desktop does: a notch (120
// units) moves three arrow steps, a turn towards the player moving the value up; the parts of a
// notch that a fine-grained wheel sends add up; no turn moves more than a page. One per scroll bar.
class WheelSteps
{
public:
    static constexpr int UnitsPerNotch = 120;
    static constexpr int StepsPerNotch = 3;

    // How far the value moves for a turn of delta units (negative: towards the player).
    int take(int delta, int arrowStep, int pageStep, int stepsPerNotch = StepsPerNotch);

private:
    double m_pending = 0; // what turned too little to move yet
};
