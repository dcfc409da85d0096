// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>

struct Colour
{
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const Colour &, const Colour &) = default;
};

inline constexpr int CoinCount = 10;
inline constexpr Colour RedFace { 255, 0, 0 };
inline constexpr Colour GreenFace { 0, 255, 0 };

// Throws the ten coins: coin 1 takes the first draw, coin 10 the last, and each coin is painted
// with its face's colour before the next one is drawn. A draw of 0.5 or more shows red.
//
// nextDraw() returns a float in [0, 1); paint(coin, colour) takes a coin number from 1 to 10.
// Returns how many coins came up red. A draw outside [0, 1) throws std::out_of_range.
template<typename NextDraw, typename Paint>
int flipCoins(NextDraw &&nextDraw, Paint &&paint)
{
    int redCount = 0;
    for (int coin = 1; coin <= CoinCount; ++coin) {
        const float draw = nextDraw();
        if (!(draw >= 0.0f && draw < 1.0f))
            throw std::out_of_range("A coin draw fell outside [0, 1).");
        // floor(draw x 2): 1 for a red face, 0 for a green one. For a draw in [0, 1) truncation is
        // the floor, and much cheaper than std::floor.
        const int face = static_cast<int>(draw * 2.0f);
        redCount += face;
        paint(coin, face ? RedFace : GreenFace);
    }
    return redCount;
}
