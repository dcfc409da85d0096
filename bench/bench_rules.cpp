// SPDX-License-Identifier: MIT
// Settled flips per second on one core: take a bet, flip ten coins from the real random source,
// settle against the guess.

#include "coinflip.h"
#include "gamestate.h"
#include "randomsource.h"

#include <chrono>
#include <cstdio>

int main()
{
    constexpr long flips = 20'000'000;
    MersenneSource random(1);
    GameState game;
    game.start();
    unsigned painted = 0;

    const auto begin = std::chrono::steady_clock::now();
    for (long flip = 0; flip < flips; ++flip) {
        game.takeBet("10");
        const int redCount = flipCoins([&] { return random.next(); },
            [&](int, Colour colour) { painted += static_cast<unsigned>(colour.red); });
        game.settle(redCount, 5, "10");
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - begin;

    std::printf("rules_flips_per_s=%.0f balance=%lld painted=%u\n", flips / took.count(),
        static_cast<long long>(game.Balance()), painted);
}
