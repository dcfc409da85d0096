// SPDX-License-Identifier: MIT
#include "randomsource.h"

#include <chrono>

void MersenneSource::reseedFromClock()
{
    // The wall clock, so that no two runs share a seed; folded, so that its high bits count too.
    // In a browser every other clock starts at the page's load and takes only a few thousand
    // values there, so the system's entropy is mixed in as well.
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    const auto folded = static_cast<std::uint64_t>(ticks);
    std::random_device entropy;
    m_engine.seed(static_cast<std::uint32_t>(folded ^ (folded >> 32)) ^ entropy());
}
