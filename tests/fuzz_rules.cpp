// SPDX-License-Identifier: MIT
// libFuzzer target: any sequence of bets and settlements, with any bet texts, red counts and
// guesses. No crash, no undefined behaviour, and the money always agrees with exact arithmetic.

#include "displaytexts.h"
#include "exactpayout.h"
#include "gamestate.h"

#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace {

struct Input
{
    const std::uint8_t *data;
    std::size_t size;

    std::uint8_t byte() { return size ? (--size, *data++) : 0; }
    std::string text()
    {
        std::string out;
        for (int length = byte() % 6; length > 0 && size; --length)
            out += static_cast<char>(byte());
        return out;
    }
};

// The bet a text denotes, by a different road than the game's: digits only, 0 to 100.
int expectedBet(const std::string &text)
{
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != text.npos)
        return -1;
    const int bet = std::stoi(text);
    return bet <= 100 ? bet : -1;
}

void require(bool holds)
{
    if (!holds)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Input input { data, size };
    GameState game;
    game.start();
    while (input.size) {
        const bool settling = input.byte() & 1;
        const std::string betText = input.text();
        const int red = static_cast<std::int8_t>(input.byte()) % 13;
        const int guess = static_cast<std::int8_t>(input.byte()) % 13;
        const int bet = expectedBet(betText);
        const Amount balance = game.Balance(), settled = game.SettledBalance();
        const bool counts = red >= 0 && red <= 10 && guess >= 0 && guess <= 10;
        try {
            if (settling) {
                game.settle(red, guess, betText);
                require(bet >= 0 && counts);
                require(game.Balance() == balance + (red == guess ? exactPayout(red, bet) : 0));
                require(game.SettledBalance() == game.Balance());
            } else {
                game.takeBet(betText);
                require(bet >= 0);
                require(game.Balance() == settled - bet);
            }
        } catch (const std::invalid_argument &) {
            require(bet < 0 || (settling && !counts));
            require(game.Balance() == balance && game.SettledBalance() == settled);
        }
        require(moneyText(game.Balance()).rfind("Money:", 0) == 0);
    }
    return 0;
}
