// SPDX-License-Identifier: MIT
// The rules as the Windows build computes them, run under Wine, where QtTest is not to be had:
// every payout for bets 0 to 100 on every red count against whole-number arithmetic, and the texts
// the window shows. Prints each failure and exits with status 1 if there was one.

#include "exactpayout.h"
#include "game/displaytexts.h"
#include "game/gamestate.h"

#include <cstdio>
#include <string>

namespace {

int failures = 0;

void expect(bool holds, const std::string &what)
{
    if (holds)
        return;
    ++failures;
    std::printf("FAIL: %s\n", what.c_str());
}

void expectText(const std::string &actual, const std::string &expected)
{
    expect(actual == expected, "'" + actual + "' should read '" + expected + "'");
}

} // namespace

int main()
{
    int payouts = 0;
    for (int red = 0; red <= 10; ++red) {
        for (int bet = 0; bet <= 100; ++bet, ++payouts) {
            GameState game;
            game.start();
            game.takeBet(std::to_string(bet));
            const Amount settled = game.settle(red, red, std::to_string(bet));
            const long long expected = GameState::StartBalance - bet + exactPayout(red, bet);
            expect(settled == expected,
                "a bet of " + std::to_string(bet) + " on " + std::to_string(red)
                    + " red settles at " + std::to_string(settled) + ", not "
                    + std::to_string(expected));
        }
    }
    expectText(moneyText(100), "Money: 100");
    expectText(moneyText(0), "Money: 0");
    expectText(moneyText(-5), "Money:-5");
    expectText(moneyText(102400), "Money: 102400");
    expectText(flipTitle(5, 3), " 5 3");
    expectText(flipTitle(10, 10), " 10 10");
    expectText(flipTitle(0, 0), " 0 0");
    expectText(scrollValueText(0), "0");
    expectText(scrollValueText(100), "100");
    if (failures == 0)
        std::printf("PASS: %d payouts and the texts\n", payouts);
    return failures == 0 ? 0 : 1;
}
