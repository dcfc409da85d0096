// SPDX-License-Identifier: MIT
#include "errorreport.h"
#include "form1window.h"
#include "randomsource.h"

#include <exception>
#include <objbase.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    // Screen readers reach the window's description of its coins through COM.
    const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    int status = 1;
    try {
        const std::unique_ptr<RandomSource> random = makePlaySource();
        Form1Window window(instance, *random);
        window.show(showCommand);
        status = window.run();
    } catch (const std::exception &error) {
        reportError(nullptr, error.what());
    }
    if (com)
        CoUninitialize();
    return status;
}
