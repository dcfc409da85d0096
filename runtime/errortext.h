// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// What every front end tells the player before an error ends the game.
inline std::string closingMessage(const std::string &reason)
{
    return "Ten Coins has to close.\n\n" + reason;
}
