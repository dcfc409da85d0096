// SPDX-License-Identifier: MIT
#include "runtime/randomsource.h"
#include "runtime/win32/errorreport.h"
#include "runtime/win32/form1window.h"

#include <exception>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    try {
        MersenneSource random;
        Form1Window window(instance, random);
        window.show(showCommand);
        return window.run();
    } catch (const std::exception &error) {
        reportError(nullptr, error.what());
        return 1;
    }
}
