// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The two ways the game writes numbers in its window.

// Signed form: a blank before a number that is zero or positive, a minus sign before a negative
// one; digits only, no grouping, no padding. " 100", " 0", "-5".
std::string signedForm(std::int64_t number);

// Plain form: the digits alone. "5", "100".
std::string plainForm(int number);

inline constexpr int MaxBet = 100;

// The bet that a bet text denotes. The window only ever writes whole numbers from 0 to MaxBet;
// anything else throws std::invalid_argument naming the text, rather than betting a silent 0.
int betFromText(std::string_view betText);
