// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <windows.h>

// Tells the player, in a message box over the owner window, that the game cannot go on and why.
void reportError(HWND owner, const std::string &reason);
