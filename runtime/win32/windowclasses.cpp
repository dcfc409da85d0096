// SPDX-License-Identifier: MIT
#include "windowclasses.h"

#include <stdexcept>
#include <string>

void throwLastError(const char *what)
{
    throw std::runtime_error(
        std::string(what) + " failed (Windows error " + std::to_string(GetLastError()) + ").");
}

void registerWindowClass(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
        GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = WindowClass;
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throwLastError("Registering the window class");
}

ControlClass controlClass(const ControlDescription &description)
{
    switch (description.kind) {
    case ControlKind::ScrollBar:
        return { L"SCROLLBAR", SBS_HORZ | WS_TABSTOP };
    case ControlKind::PushButton:
        return { L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP };
    case ControlKind::Label:
        // Text at the top, as the scroll bars cover the bottom of the bet and guess labels.
        return { L"STATIC",
            DWORD(SS_NOPREFIX
                | (description.alignment == TextAlignment::Centred ? SS_CENTER : SS_LEFT)) };
    case ControlKind::Shape:
        break;
    }
    throw std::logic_error(std::string(description.name) + " is not a window control.");
}
