// SPDX-License-Identifier: MIT
#pragma once

#include "form1.h"
#include "wheel.h"

// What a scroll bar does with a request, the same in every front end whose toolkit leaves it to
// the program: where the request lands, and how a value the program sets reaches the game.

// The value a request gives a scroll bar: held to its range.
int heldToRange(const ScrollSettings &settings, int requested);

// What an arrow, a click in the track or a key asks of a scroll bar. The page's scroll bars name
// them by these numbers (scrollbar.js).
enum class ScrollMove { ArrowLess, ArrowMore, PageLess, PageMore, ToMinimum, ToMaximum };

// Where a move takes a scroll bar standing at value: a step, a page or an end, held to its range.
int afterMove(const ScrollSettings &settings, int value, ScrollMove move);

// Where a turn of the wheel by delta units (120 a notch) takes a scroll bar standing at value.
int afterWheelTurn(WheelSteps &wheel, const ScrollSettings &settings, int value, int delta,
    int stepsPerNotch = WheelSteps::StepsPerNotch);

// Sets a scroll bar whose toolkit tells nobody of a value the program sets: unless it shows that
// value already, show(wanted) puts it on the screen and the change handler runs at once, nested,
// as it does when the player moves the bar.
template<typename Show>
void setAndRaiseChange(Form1 &form, Control scrollBar, int shown, int wanted, Show show)
{
    if (shown == wanted)
        return;
    show(wanted);
    form.scrollChanged(scrollBar);
}
