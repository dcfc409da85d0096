// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <windows.h>

// What a screen reader reads of the window, through Windows' accessibility interface (MSAA).
// The controls are real windows, which Windows describes itself; the coins are painted, so the
// window adds one element for each of them to its client area's standard description.

// One painted coin as a screen reader learns of it.
struct AccessibleCoin
{
    RECT place; // in the window's client area
    const char *face; // what it showed at the last flip; nullptr before the first
};

// Finds coin 1 to 10 of a window: nothing if it is not shown, or if the window has gone.
using CoinFinder = std::optional<AccessibleCoin> (*)(HWND window, int coin);

// Whether a WM_GETOBJECT asks for a window's client area, the only request answered here.
bool asksForClientArea(LPARAM objectId);

// Answers WM_GETOBJECT for the game window's client area: the standard description of its
// controls, followed by the coins as graphics named by the window description.
LRESULT answerClientArea(HWND window, WPARAM flags, CoinFinder findCoin);

// Answers WM_GETOBJECT for a control's client area with the standard description under a name of
// the game's own; Windows would call a scroll bar "Horizontal".
LRESULT answerNamedControl(HWND control, WPARAM flags, const char *name);

// Tells screen readers that a coin shows a new face, even the same one again.
void announceCoinFace(HWND window, int coin);
