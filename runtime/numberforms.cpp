#include "runtime/numberforms.h"

#include <charconv>
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

int betFromText(std::string_view betText)
{
    int bet = -1;
    const char *const end = betText.data() + betText.size();
    const bool allDigits
        = !betText.empty() && betText.find_first_not_of("0123456789") == betText.npos;
    if (allDigits) {
        const auto [stop, error] = std::from_chars(betText.data(), end, bet);
        if (error != std::errc {} || stop != end)
            bet = -1;
    }
    if (bet < 0 || bet > MaxBet)
        throw std::invalid_argument("The bet \"" + std::string(betText)
            + "\" is not a whole number from 0 to " + std::to_string(MaxBet) + ".");
    return bet;
}
