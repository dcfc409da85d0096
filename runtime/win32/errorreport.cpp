// SPDX-License-Identifier: MIT
#include "runtime/win32/errorreport.h"

#include "runtime/errortext.h"
#include "runtime/win32/widetext.h"

void reportError(HWND owner, const std::string &reason)
{
    MessageBoxW(owner, widen(closingMessage(reason)).c_str(), L"Ten Coins", MB_OK | MB_ICONERROR);
}
