// SPDX-License-Identifier: MIT
#pragma once

// What a matched guess pays, worked out in whole numbers from the payout table's fractions, by a
// different road than the game's double-precision product.
inline long long exactPayout(int redCount, int bet)
{
    static constexpr long long numerator[]
        = { 1024, 512, 1024, 128, 128, 128, 128, 128, 1024, 512, 1024 };
    static constexpr long long denominator[] = { 1, 5, 45, 15, 25, 29, 25, 15, 45, 5, 1 };
    return numerator[redCount] * bet / denominator[redCount];
}
