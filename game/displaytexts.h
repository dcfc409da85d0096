// SPDX-License-Identifier: MIT
#pragma once

#include "gamestate.h"

#include <string>

// "Money: 100", "Money: 0", "Money:-5".
std::string moneyText(Amount balance);

// The title after a flip: the guess and the red count, each in signed form (" 5 3").
std::string flipTitle(int guess, int redCount);

// A flip told to a screen reader: the guess and the red count in words ("Guessed 5, 3 red"), then
// the money as its label shows it.
std::string flipAnnouncement(int guess, int redCount, const std::string &money);

// The bet and guess labels: the scroll bar's value, digits only.
std::string scrollValueText(int value);
