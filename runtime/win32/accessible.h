// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <windows.h>

// What a screen reader reads of the window, through Windows' accessibility interface (MSAA).
// The controls are real windows, which Windows describes itself; the coins are painted, so the
// window adds one element for each of them to its client area's standard description.

// Whether a WM_GETOBJECT asks for a window's client area, the only request answered here.
bool asksForClientArea(LPARAM objectId);

class PaintedCoins;

// Answers WM_GETOBJECT for the game window's client area: the standard description of its
// controls, followed by its painted coins as graphics named by the window description. A screen
// reader may hold the answer longer than the window lives: then the coins are no longer there.
LRESULT answerClientArea(HWND window, WPARAM flags, std::weak_ptr<const PaintedCoins> coins);

// Answers WM_GETOBJECT for a control's client area with the standard description in the game's
// own words, where it has any: a name (Windows would call a scroll bar "Horizontal"), and a
// description (what the control last told a screen reader).
LRESULT answerControl(HWND control, WPARAM flags, const char *name, const std::string &description);

// Tells screen readers that a control has a new description: they read out the focused control's
// at once.
void announceDescription(HWND control);

// Tells screen readers that a coin shows a new face, even the same one again.
void announceCoinFace(HWND window, int coin);
