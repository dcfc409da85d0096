// SPDX-License-Identifier: MIT
#include "gamestate.h"

#include "numberforms.h"

#include <cfloat>
#include <cmath>
#include <stdexcept>
#include <string>

namespace {

void requireCoinCount(int count, const char *what)
{
    if (count < MinRedCount || count > MaxRedCount)
        throw std::invalid_argument(std::string("The ") + what + " " + std::to_string(count)
            + " is not a number of coins from " + std::to_string(MinRedCount) + " to "
            + std::to_string(MaxRedCount) + ".");
}

} // namespace

Amount addMoney(Amount a, Amount b)
{
    // No play comes near 64 bits, but money must never wrap silently.
    Amount sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        throw std::overflow_error("The money has grown past what the game can count.");
    return sum;
}

double payoutMultiplier(int redCount)
{
    // The rarer the count, the more it pays. The rows are fixed amounts rather than one formula,
    // and each quotient is a double formed from the two constants shown.
    double multiplier = 0;
    if (redCount == 0 || redCount == 10)
        multiplier = 1024;
    if (redCount == 1 || redCount == 9)
        multiplier = 512.0 / 5;
    if (redCount == 2 || redCount == 8)
        multiplier = 1024.0 / 45;
    if (redCount == 3 || redCount == 7)
        multiplier = 128.0 / 15;
    if (redCount == 4 || redCount == 6)
        multiplier = 128.0 / 25;
    if (redCount == 5)
        multiplier = 128.0 / 29;
    return multiplier;
}

// Where double arithmetic is carried out wider (the x87 unit of 32-bit x86), a product can reach
// the floor unrounded; build such targets with SSE2 (-msse2 -mfpmath=sse).
static_assert(FLT_EVAL_METHOD == 0 || FLT_EVAL_METHOD == 1,
    "payouts need every product rounded to double: build with SSE2 arithmetic");

Amount payout(int redCount, int bet)
{
    // The product must be rounded to double before it is floored: kept wider, 15 x 128/15 and
    // 29 x 128/29 fall a hair below 128 and would pay 127.
    const double product = payoutMultiplier(redCount) * bet;
    return static_cast<Amount>(std::floor(product));
}

void GameState::start()
{
    m_balance = StartBalance;
    m_settledBalance = StartBalance;
}

Amount GameState::takeBet(std::string_view betText)
{
    const int bet = betFromText(betText);
    m_balance = addMoney(m_settledBalance, -bet);
    return m_balance;
}

Amount GameState::settle(int redCount, int guess, std::string_view betText)
{
    requireCoinCount(redCount, "red count");
    requireCoinCount(guess, "guess");
    const int bet = betFromText(betText);
    const Amount won = redCount == guess ? payout(redCount, bet) : 0;
    m_balance = addMoney(m_balance, won);
    m_settledBalance = m_balance;
    return m_balance;
}
