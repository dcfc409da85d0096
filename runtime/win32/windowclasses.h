// SPDX-License-Identifier: MIT
#pragma once

#include "description.h"

#include <windows.h>

// The window's class and its controls' Windows classes: what CreateWindowExW is asked for.

inline constexpr wchar_t WindowClass[] = L"TenCoinsForm1";

// Registers the game window's class, with the program's icon; again is harmless.
void registerWindowClass(HINSTANCE instance, WNDPROC procedure);

// A control's Windows class and the style that makes it the control described.
struct ControlClass
{
    const wchar_t *name;
    DWORD style;
};

ControlClass controlClass(const ControlDescription &description);

// Throws what failed, with Windows' last error.
[[noreturn]] void throwLastError(const char *what);
