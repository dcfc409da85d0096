// SPDX-License-Identifier: MIT
#include "errorreport.h"

#include "errortext.h"
#include "widetext.h"

void reportError(HWND owner, const std::string &reason)
{
    MessageBoxW(owner, widen(closingMessage(reason)).c_str(), L"Ten Coins", MB_OK | MB_ICONERROR);
}
