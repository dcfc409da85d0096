// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Tells the player, in a message box, that the game cannot go on and why.
void reportError(const QString &message);

// Reports the error, then ends the event loop with status 1. Call it from inside an event
// handler, where Qt's stack is still whole.
void reportErrorAndQuit(const QString &message);
