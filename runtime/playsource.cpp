// SPDX-License-Identifier: MIT
#include "randomsource.h"

std::unique_ptr<RandomSource> makePlaySource()
{
    return std::make_unique<MersenneSource>();
}
