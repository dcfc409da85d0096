// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>
#include <random>

// The only source of chance in the game: the coins draw from it and nothing else does.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    // The next draw: uniform in [0, 1), never 1.0.
    virtual float next() = 0;
    virtual void reseedFromClock() = 0;
};

// Draws on an exact grid of 2^24 steps, so that "r >= 0.5" (a red coin) has probability exactly
// one half, and the sequence for a seed is the same with every standard library.
class MersenneSource final : public RandomSource
{
public:
    explicit MersenneSource(std::uint32_t seed = std::mt19937::default_seed)
        : m_engine(seed)
    { }

    float next() override { return static_cast<float>(m_engine() >> 8) * 0x1p-24f; }
    void reseedFromClock() override;

private:
    std::mt19937 m_engine;
};

// The source a program plays with, asked for by its entry point: defined in playsource.cpp for the
// game, and by a test build that plants a fault in its own.
std::unique_ptr<RandomSource> makePlaySource();
