// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

// Runs createApplication with Qt's messages held back. Where Qt finds no display to open a window
// on, which it takes as fatal and aborts, the program instead prints one line saying what is
// missing and how to play without a display, and exits with status 1. Otherwise the held
// messages are passed on as Qt would have printed them.
void createApplicationOrExit(const std::function<void()> &createApplication);
