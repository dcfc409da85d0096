// SPDX-License-Identifier: MIT
// The game's window seen from inside its own process, where these checks must stand:
//   window_check play FLIPS    flips and repaints the window FLIPS times; fails if it then holds
//                              more GDI or USER objects than after the first flip, or if the coins
//                              are not painted in the faces the title counts
//   window_check layout [DPI]  prints the window's layout, at the start or after its screen changed
//                              to DPI: client size, each control's rectangle and font height, and a
//                              digest of the coins' pixels (tests/dpichange.sh compares two)

#include "form1window.h"
#include "randomsource.h"
#include "windowclasses.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace {

[[noreturn]] void fail(const std::string &why)
{
    std::printf("FAIL: %s\n", why.c_str());
    std::exit(1);
}

void deliverPending()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// How many more objects of a kind the process can still make. Wine keeps no count of a process's
// objects (GetGuiResources answers 0), but its handle tables are finite: what a leak holds is room
// lost.
template<typename Make, typename Free>
long roomFor(Make make, Free free)
{
    std::vector<decltype(make())> made;
    while (made.size() < 1'000'000) {
        if (const auto object = make())
            made.push_back(object);
        else
            break;
    }
    for (const auto object : made)
        free(object);
    return long(made.size());
}

// The objects the process holds of a kind, or, where Windows does not count them, the room left
// for more, negated: either grows with every object held.
long held(DWORD kind)
{
    if (const DWORD count = GetGuiResources(GetCurrentProcess(), kind))
        return long(count);
    if (kind == GR_GDIOBJECTS)
        return -roomFor([] { return CreateSolidBrush(0); }, DeleteObject);
    return -roomFor(CreateMenu, DestroyMenu);
}

// The client area's pixels as 0xRRGGBB, row by row.
std::vector<COLORREF> pixels(HWND window, RECT &area)
{
    GetClientRect(window, &area);
    BITMAPINFO format {};
    format.bmiHeader
        = { sizeof format.bmiHeader, area.right, -area.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0 };
    std::vector<COLORREF> shown(std::size_t(area.right * area.bottom));
    HDC screen = GetDC(window);
    HDC copy = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, area.right, area.bottom);
    HGDIOBJ old = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, area.right, area.bottom, screen, 0, 0, SRCCOPY);
    SelectObject(copy, old);
    GetDIBits(copy, bitmap, 0, UINT(area.bottom), shown.data(), &format, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(window, screen);
    for (COLORREF &pixel : shown)
        pixel &= 0xFFFFFF;
    return shown;
}

// The coins must show as many red faces as the title counts, the rest green, each coin as large.
void checkCoinsPainted(HWND window)
{
    wchar_t title[32] {};
    GetWindowTextW(window, title, 32);
    const int red = std::wcstol(title + std::wcslen(title) - 2, nullptr, 10);
    RECT area;
    long redPixels = 0, greenPixels = 0;
    for (const COLORREF pixel : pixels(window, area)) {
        redPixels += pixel == 0xFF0000;
        greenPixels += pixel == 0x00FF00;
    }
    const long perCoin = (redPixels + greenPixels) / 10;
    if (perCoin == 0 || redPixels != red * perCoin || greenPixels != (10 - red) * perCoin)
        fail("the title counts " + std::to_string(red) + " red, but " + std::to_string(redPixels)
            + " pixels show red and " + std::to_string(greenPixels) + " green");
}

int play(HWND window, int flips)
{
    HWND flip = FindWindowExW(window, nullptr, L"BUTTON", nullptr);
    const auto flipAndRepaint = [&] {
        SendMessageW(flip, BM_CLICK, 0, 0);
        RedrawWindow(
            window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        deliverPending();
    };
    flipAndRepaint();
    const long gdi = held(GR_GDIOBJECTS), user = held(GR_USEROBJECTS);
    for (int i = 1; i < flips; ++i)
        flipAndRepaint();
    checkCoinsPainted(window);
    const long moreGdi = held(GR_GDIOBJECTS) - gdi, moreUser = held(GR_USEROBJECTS) - user;
    if (moreGdi > 0 || moreUser > 0)
        fail("after " + std::to_string(flips) + " flips and repaints the game holds "
            + std::to_string(moreGdi) + " GDI and " + std::to_string(moreUser)
            + " USER objects more than after the first");
    std::printf("PASS: after %d flips and repaints the game holds no more GDI or USER objects "
                "than after the first, and paints every coin in its face\n",
        flips);
    return 0;
}

int printLayout(HWND window, UINT dpi)
{
    if (dpi) {
        // The rectangle Windows suggests: the window's own, scaled to the new dpi.
        RECT suggested;
        GetWindowRect(window, &suggested);
        HDC screen = GetDC(nullptr);
        const int from = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        suggested.right = suggested.left + MulDiv(suggested.right - suggested.left, int(dpi), from);
        suggested.bottom = suggested.top + MulDiv(suggested.bottom - suggested.top, int(dpi), from);
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), LPARAM(&suggested));
        UpdateWindow(window);
        deliverPending();
    }
    RECT client;
    GetClientRect(window, &client);
    std::printf("client area %ld x %ld\n", client.right, client.bottom);
    long coinsRight = client.right;
    for (HWND control = GetWindow(window, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        wchar_t kind[16] {};
        GetClassNameW(control, kind, 16);
        RECT place;
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT *>(&place), 2);
        LOGFONTW font {};
        GetObjectW(HFONT(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
        std::printf("%ls at %ld,%ld to %ld,%ld, font %ld\n", kind, place.left, place.top,
            place.right, place.bottom, font.lfHeight);
        coinsRight = std::min(coinsRight, place.left);
    }
    // The coins stand left of every control.
    RECT area;
    const std::vector<COLORREF> shown = pixels(window, area);
    unsigned digest = 2166136261u;
    for (long y = 0; y < area.bottom; ++y)
        for (long x = 0; x < coinsRight; ++x)
            digest = (digest ^ shown[std::size_t(y * area.right + x)]) * 16777619u;
    std::printf("coins' pixels %08x\n", digest);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    const std::wstring what = argc > 1 ? argv[1] : L"";
    const int number = argc > 2 ? std::wcstol(argv[2], nullptr, 10) : 0;
    if (what != L"play" && what != L"layout") {
        std::fprintf(stderr, "Usage: window_check play FLIPS | layout [DPI]\n");
        return 2;
    }
    try {
        const std::unique_ptr<RandomSource> random = makePlaySource();
        Form1Window game(GetModuleHandleW(nullptr), *random);
        game.show(SW_SHOW);
        deliverPending();
        // This thread's own window: another game may be running beside it.
        HWND window = nullptr;
        do
            window = FindWindowExW(nullptr, window, WindowClass, nullptr);
        while (window && GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId());
        if (!window)
            fail("the game's window is not among this thread's");
        return what == L"play" ? play(window, std::max(number, 1))
                               : printLayout(window, UINT(number));
    } catch (const std::exception &error) {
        fail(error.what());
    }
}
