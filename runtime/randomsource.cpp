// SPDX-License-Identifier: MIT
#include "runtime/randomsource.h"

#include <chrono>

void MersenneSource::reseedFromClock()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    // Fold the high bits in, so runs a few seconds apart never share a seed.
    const auto folded = static_cast<std::uint64_t>(ticks);
    m_engine.seed(static_cast<std::uint32_t>(folded ^ (folded >> 32)));
}
