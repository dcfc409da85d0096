// SPDX-License-Identifier: MIT
#pragma once

#include "description.h"

#include <windows.h>

// The dots per inch a window is shown at: its monitor's on Windows 10 and later, the system's
// before that.
UINT dpiOf(HWND window);

// A length of the window description in a screen's pixels at the given dpi.
inline int pixelsAt(Twips twips, UINT dpi)
{
    return MulDiv(twips, int(dpi), TwipsPerInch);
}

// The outer size of a window whose client area is width x height pixels at the given dpi.
SIZE windowSizeFor(int width, int height, DWORD style, DWORD extendedStyle, UINT dpi);
