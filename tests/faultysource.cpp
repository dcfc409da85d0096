// SPDX-License-Identifier: MIT
// Linked into a test build of the program in place of its random source: the first flip fails, so
// that a test can see how the program reports an error and ends.

#include "randomsource.h"

#include <stdexcept>

namespace {

class FaultySource final : public RandomSource
{
public:
    float next() override { throw std::runtime_error("A fault planted by the test build."); }
    void reseedFromClock() override { }
};

} // namespace

std::unique_ptr<RandomSource> makePlaySource()
{
    return std::make_unique<FaultySource>();
}
