// SPDX-License-Identifier: MIT
// The rules as the Windows and browser builds compute them, run under Wine and node, where QtTest
// is not to be had: every payout for bets 0 to 100 on every red count against whole-number
// arithmetic, the texts the window shows, and the seeding of the coins. Prints each failure and
// exits with status 1 if there was one.

#include "displaytexts.h"
#include "exactpayout.h"
#include "gamestate.h"
#include "randomsource.h"

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
    // Two games started at the same moment flip differently, even where the clock is coarse.
    MersenneSource first, second;
    first.reseedFromClock();
    second.reseedFromClock();
    int same = 0;
    for (int draw = 0; draw < 8; ++draw)
        same += first.next() == second.next();
    expect(same < 8, "two games started at the same moment draw the same coins");
    if (failures == 0)
        std::printf("PASS: %d payouts and the texts\n", payouts);
    return failures == 0 ? 0 : 1;
}
