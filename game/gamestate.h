// SPDX-License-Identifier: MIT
#pragma once

#include "coinflip.h"

#include <cstdint>
#include <string_view>

// A sum of money: always whole.
using Amount = std::int64_t;

inline constexpr int MinRedCount = 0;
inline constexpr int MaxRedCount = CoinCount;

// a + b, or std::overflow_error where 64 bits can't hold it: money never wraps.
Amount addMoney(Amount a, Amount b);

// What a correct guess of this many red coins pays per unit bet; 0 outside 0..10.
double payoutMultiplier(int redCount);

// A matched guess's payout: the multiplier times the bet, rounded down.
Amount payout(int redCount, int bet);

// The player's money.
//
// Drive it like this: start() once; takeBet() whenever the bet changes; settle() after each flip,
// with the coins' red count, the guess and the bet of that flip. Between flips
// Balance() == SettledBalance() - bet: a new bet replaces the old one, it never adds to it. A flip
// adds a matched guess's payout to Balance() and makes it the settled balance, so a lost bet stays
// lost. Money is never capped by the balance and may go negative.
//
// Bets are passed as the bet label's text; a text that is not a whole number from 0 to 100, a red
// count or guess outside 0..10, or an amount beyond 64 bits throws and leaves the money unchanged.
class GameState
{
public:
    static constexpr Amount StartBalance = 100;

    void start();
    Amount takeBet(std::string_view betText);
    Amount settle(int redCount, int guess, std::string_view betText);

    // The money the player sees: the settled balance less the chosen bet (plus a flip's payout).
    Amount Balance() const { return m_balance; }
    // The money at the last flip, from which a newly chosen bet is taken.
    Amount SettledBalance() const { return m_settledBalance; }

private:
    Amount m_balance = StartBalance;
    Amount m_settledBalance = StartBalance;
};
