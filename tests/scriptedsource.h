// SPDX-License-Identifier: MIT
#pragma once

#include "randomsource.h"

#include <deque>
#include <initializer_list>
#include <stdexcept>

// Hands out the draws a test scripts, in order; running out is an error the window must survive.
class ScriptedSource final : public RandomSource
{
public:
    void script(std::initializer_list<float> draws) { m_draws.insert(m_draws.end(), draws); }
    void scriptAll(float draw, int count) { m_draws.insert(m_draws.end(), count, draw); }

    float next() override
    {
        if (m_draws.empty())
            throw std::runtime_error("The scripted draws ran out.");
        const float draw = m_draws.front();
        m_draws.pop_front();
        return draw;
    }

    void reseedFromClock() override { ++reseeds; }

    int left() const { return static_cast<int>(m_draws.size()); }
    int reseeds = 0;

private:
    std::deque<float> m_draws;
};
