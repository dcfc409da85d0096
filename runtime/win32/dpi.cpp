// SPDX-License-Identifier: MIT
#include "dpi.h"

namespace {

// Functions that only Windows 10 (1607) and later have, looked up so that the game still starts
// on older Windows.
template<typename Function>
Function *user32Function(const char *name)
{
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
    return reinterpret_cast<Function *>(reinterpret_cast<void (*)()>(found));
}

using GetDpiForWindowFunction = UINT WINAPI(HWND);
using AdjustWindowRectExForDpiFunction = BOOL WINAPI(RECT *, DWORD, BOOL, DWORD, UINT);

} // namespace

UINT dpiOf(HWND window)
{
    static auto *const getDpiForWindow = user32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow)
        return getDpiForWindow(window);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return UINT(dpi);
}

SIZE windowSizeFor(int width, int height, DWORD style, DWORD extendedStyle, UINT dpi)
{
    static auto *const adjustForDpi
        = user32Function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
    RECT frame { 0, 0, width, height };
    if (adjustForDpi)
        adjustForDpi(&frame, style, FALSE, extendedStyle, dpi);
    else
        AdjustWindowRectEx(&frame, style, FALSE, extendedStyle);
    return { frame.right - frame.left, frame.bottom - frame.top };
}
