// SPDX-License-Identifier: MIT
#include "paintedcoins.h"

#include "dpi.h"

#include <algorithm>
#include <stdexcept>
#include <string>

PaintedCoins::PaintedCoins(HWND window)
    : m_window(window)
{
    const ControlDescription &shape = describe(Control::Qtr);
    m_coins[0] = Coin { shape.visible, shape.bounds.left, shape.bounds.top, std::nullopt };
}

void PaintedCoins::setDpi(UINT dpi)
{
    m_dpi = dpi;
}

void PaintedCoins::create(int coin)
{
    Coin copy = at(0);
    copy.visible = false;
    m_coins.at(std::size_t(coin)) = copy;
}

void PaintedCoins::show(int coin)
{
    at(coin).visible = true;
    invalidate(coin);
}

void PaintedCoins::place(int coin, Twips left, Twips top)
{
    invalidate(coin);
    at(coin).left = left;
    at(coin).top = top;
    invalidate(coin);
}

void PaintedCoins::setColour(int coin, Colour colour)
{
    at(coin).colour = colour;
    invalidate(coin);
}

void PaintedCoins::paint(HDC dc) const
{
    // The border scales with the window, as the coins do.
    HPEN border = CreatePen(
        PS_INSIDEFRAME, std::max(1, pixels(TwipsPerPixelAt96Dpi)), GetSysColor(COLOR_WINDOWTEXT));
    HGDIOBJ oldPen = SelectObject(dc, border);
    for (int i = 1; i <= CoinCount; ++i) {
        const std::optional<Coin> &coin = m_coins[std::size_t(i)];
        if (!coin || !coin->visible)
            continue;
        const std::optional<Colour> &colour = coin->colour;
        HBRUSH fill = colour ? CreateSolidBrush(RGB(colour->red, colour->green, colour->blue))
                             : GetSysColorBrush(COLOR_WINDOW);
        HGDIOBJ oldBrush = SelectObject(dc, fill);
        const RECT place = placeOf(*coin);
        Ellipse(dc, place.left, place.top, place.right, place.bottom);
        SelectObject(dc, oldBrush);
        if (colour)
            DeleteObject(fill);
    }
    SelectObject(dc, oldPen);
    DeleteObject(border);
}

std::optional<ShownCoin> PaintedCoins::find(int coin) const
{
    const std::optional<Coin> &found = m_coins.at(std::size_t(coin));
    if (!found || !found->visible)
        return std::nullopt;
    return ShownCoin { placeOf(*found), found->colour };
}

PaintedCoins::Coin &PaintedCoins::at(int coin)
{
    std::optional<Coin> &found = m_coins.at(std::size_t(coin));
    if (!found)
        throw std::logic_error("Coin " + std::to_string(coin) + " has not been created.");
    return *found;
}

RECT PaintedCoins::placeOf(const Coin &coin) const
{
    const TwipRect &size = describe(Control::Qtr).bounds;
    return { pixels(coin.left), pixels(coin.top), pixels(coin.left + size.width),
        pixels(coin.top + size.height) };
}

void PaintedCoins::invalidate(int coin)
{
    const RECT place = placeOf(at(coin));
    InvalidateRect(m_window, &place, TRUE);
}

int PaintedCoins::pixels(Twips twips) const
{
    return pixelsAt(twips, m_dpi);
}
