// SPDX-License-Identifier: MIT
#pragma once

#include "description.h"

#include <array>
#include <optional>
#include <windows.h>

// The coins, painted in the window's own client area rather than made of controls: the template
// (element 0, never shown) and coins 1 to 10, each where it stands and with the face it shows.
// The window paints them; what tells a screen reader of them asks them what is shown.

// Coin 1 to 10 as the window shows it.
struct ShownCoin
{
    RECT place; // in the window's client area
    std::optional<Colour> colour; // none before the first flip
};

class PaintedCoins
{
public:
    explicit PaintedCoins(HWND window);

    // Their places in pixels follow the window's dots per inch.
    void setDpi(UINT dpi);

    void create(int coin);
    void show(int coin);
    void place(int coin, Twips left, Twips top);
    void setColour(int coin, Colour colour);

    void paint(HDC dc) const;
    // Coin 1 to 10 as it is shown: nothing while it is not.
    std::optional<ShownCoin> find(int coin) const;

private:
    struct Coin
    {
        bool visible = false;
        Twips left = 0;
        Twips top = 0;
        std::optional<Colour> colour; // the system's window colour until the first flip
    };

    Coin &at(int coin);
    RECT placeOf(const Coin &coin) const;
    void invalidate(int coin);
    int pixels(Twips twips) const;

    HWND m_window;
    UINT m_dpi = PixelsPerInchAt96Dpi;
    std::array<std::optional<Coin>, CoinCount + 1> m_coins;
};
