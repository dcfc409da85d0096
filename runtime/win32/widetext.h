// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <windows.h>

// Windows takes texts as UTF-16; the game writes UTF-8.
inline std::wstring widen(const std::string &text)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(std::size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), wide.data(), length);
    return wide;
}

inline std::string narrow(const std::wstring &wide)
{
    const int length = WideCharToMultiByte(
        CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(std::size_t(length), '\0');
    WideCharToMultiByte(
        CP_UTF8, 0, wide.data(), int(wide.size()), text.data(), length, nullptr, nullptr);
    return text;
}
