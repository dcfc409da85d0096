// SPDX-License-Identifier: MIT
#pragma once

#include "game/gamestate.h"

#include <string>

// "Money: 100", "Money: 0", "Money:-5".
std::string moneyText(Amount balance);

// The title after a flip: the guess and the red count, each in signed form (" 5 3").
std::string flipTitle(int guess, int redCount);

// The bet and guess labels: the scroll bar's value, digits only.
std::string scrollValueText(int value);
