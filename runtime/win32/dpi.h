// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

// The dots per inch a window is shown at: its monitor's on Windows 10 and later, the system's
// before that.
UINT dpiOf(HWND window);

// The outer size of a window whose client area is width x height pixels at the given dpi.
SIZE windowSizeFor(int width, int height, DWORD style, DWORD extendedStyle, UINT dpi);
