// SPDX-License-Identifier: MIT
#pragma once

#include "form1.h"
#include "paintedcoins.h"
#include "wheel.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <windows.h>

// Form1 on Win32: a top-level window with real BUTTON, STATIC and SCROLLBAR controls built from the
// window description at twips x dpi / 1440, coins drawn with GDI, and the player's messages
// delivered to the game's handlers. Nothing a handler throws crosses the window procedure: it is
// reported and the message loop ends with status 1.
class Form1Window final : private Form1Controls
{
public:
    Form1Window(HINSTANCE instance, RandomSource &random);
    ~Form1Window();
    Form1Window(const Form1Window &) = delete;
    Form1Window &operator=(const Form1Window &) = delete;

    void show(int showCommand);
    // Delivers messages until the window closes (0) or an error ends the game (1).
    int run();

private:
    static LRESULT CALLBACK windowProcedure(
        HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    // Flip and the scroll bars: in the game's words for a screen reader, and the wheel.
    static LRESULT CALLBACK controlProcedure(
        HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR window);
    void fail(const std::string &reason);
    void destroy();

    void createControls();
    HWND createControl(const ControlDescription &description);
    void stackInTabOrder();
    void layOut();
    // At the place given, or where the window is.
    void fitWindowToClientArea(std::optional<POINT> place = std::nullopt);
    // The window's outer size, frame and all, for the described client area at a dpi.
    SIZE windowSizeAt(UINT dpi) const;
    void scroll(HWND scrollBar, WORD request);
    void wheel(POINT onScreen, int delta);
    void pressEnterAsSpace(MSG &message) const;

    int pixels(Twips twips) const;
    HWND control(Control control) const;
    Control controlOf(HWND window) const;

    std::string text(Control label) const override;
    void setText(Control label, const std::string &text) override;
    int value(Control scrollBar) const override;
    void setValue(Control scrollBar, int value) override;
    void setTitle(const std::string &title) override;
    void announce(const std::string &message) override;
    void createCoin(int coin) override;
    void showCoin(int coin) override;
    void placeCoin(int coin, Twips left, Twips top) override;
    void setCoinColour(int coin, Colour colour) override;

    HINSTANCE m_instance;
    HWND m_window = nullptr;
    UINT m_dpi = PixelsPerInchAt96Dpi;
    std::array<HWND, ControlDescriptions.size()> m_controls {};
    // Shared with the screen readers' view of the window, which may outlive it.
    std::shared_ptr<PaintedCoins> m_coins;
    std::array<WheelSteps, ControlDescriptions.size()> m_wheelSteps {};
    HFONT m_regularFont = nullptr;
    HFONT m_boldFont = nullptr;
    HWND m_focusBeforeDeactivation = nullptr;
    std::string m_flipAnnouncement; // Flip's description for screen readers
    bool m_failed = false;
    Form1 m_form;
};
