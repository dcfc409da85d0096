// SPDX-License-Identifier: MIT
#include "numberforms.h"

#include <stdexcept>

std::string signedForm(std::int64_t number)
{
    const std::string digits = std::to_string(number);
    return number < 0 ? digits : ' ' + digits;
}

std::string plainForm(int number)
{
    return std::to_string(number);
}

namespace {

[[noreturn]] void refuseBet(std::string_view betText)
{
    throw std::invalid_argument("The bet \"" + std::string(betText)
        + "\" is not a whole number from 0 to " + std::to_string(MaxBet) + ".");
}

} // namespace

int betFromText(std::string_view betText)
{
    // Every settled flip reads its bet, so this is a hot path: a bet has at most three digits,
    // and adding them up by hand is several times cheaper than from_chars.
    constexpr std::size_t MaxDigits = 3;
    if (betText.empty() || betText.size() > MaxDigits)
        refuseBet(betText);
    int bet = 0;
    for (const char digit : betText) {
        const unsigned value = static_cast<unsigned char>(digit) - unsigned('0');
        if (value > 9)
            refuseBet(betText);
        bet = bet * 10 + static_cast<int>(value);
    }
    if (bet > MaxBet)
        refuseBet(betText);
    return bet;
}
