// SPDX-License-Identifier: MIT
#include "runtime/randomsource.h"

std::unique_ptr<RandomSource> makePlaySource()
{
    return std::make_unique<MersenneSource>();
}
