// SPDX-License-Identifier: MIT
#pragma once

// Asks the X server to repeat a held key as presses alone, without a release before each one.
// Does nothing on other platforms, which mark repeated keys themselves. Only the first call asks.
void askForHeldKeysAsPresses();
