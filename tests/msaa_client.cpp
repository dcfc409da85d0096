// SPDX-License-Identifier: MIT
// Reads the game's window as a Windows screen reader does, through MSAA, from beside it in the
// same Wine prefix. A console program; prints UTF-8 lines of "what=value".
//   msaa_client read         the window as tests/e2e.sh reads every build: title, focus, labels,
//                            scroll bars' values, each coin's face and place in the client area;
//                            and Flip's description
//   msaa_client names        every element of the client area: its name and, for a window, its
//                            client area's name (what is read when it has the focus)
//   msaa_client hit X Y      the element at a point of the client area
//   msaa_client watch MS     each description change for MS milliseconds, as "name=description"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <oleacc.h>
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

// The interface's id is __uuidof(IAccessible): 64-bit MinGW's oleacc import library defines
// IID_IAccessible as a call stub, not as the id.

namespace {

[[noreturn]] void fail(const std::string &why)
{
    std::fprintf(stderr, "msaa_client: %s\n", why.c_str());
    std::exit(2);
}

std::string utf8(const wchar_t *wide)
{
    if (!wide)
        return "";
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string text(std::size_t(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), length, nullptr, nullptr);
    text.resize(std::size_t(length > 0 ? length - 1 : 0));
    return text;
}

std::string takeText(BSTR text)
{
    std::string result = utf8(text);
    SysFreeString(text);
    return result;
}

VARIANT childId(long id)
{
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

const VARIANT Self = childId(CHILDID_SELF);

HWND gameWindow()
{
    HWND window = FindWindowW(L"TenCoinsForm1", nullptr);
    if (!window)
        fail("no game window");
    return window;
}

IAccessible *accessibleOf(HWND window, LONG object)
{
    IAccessible *accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(
            window, DWORD(object), __uuidof(IAccessible), reinterpret_cast<void **>(&accessible))))
        fail("no accessible object for a window");
    return accessible;
}

std::string name(IAccessible *accessible, const VARIANT &child)
{
    BSTR text = nullptr;
    return accessible->get_accName(child, &text) == S_OK ? takeText(text) : "";
}

std::string description(IAccessible *accessible, const VARIANT &child)
{
    BSTR text = nullptr;
    return accessible->get_accDescription(child, &text) == S_OK ? takeText(text) : "";
}

bool focused(IAccessible *accessible, const VARIANT &child)
{
    VARIANT state;
    VariantInit(&state);
    return SUCCEEDED(accessible->get_accState(child, &state)) && state.vt == VT_I4
        && (state.lVal & STATE_SYSTEM_FOCUSED);
}

// Where an element lies in the game window's client area, in the window's logical pixels (those
// of a 96-dpi screen), as every build reports it.
RECT place(HWND window, IAccessible *accessible, const VARIANT &child)
{
    long left = 0, top = 0, width = 0, height = 0;
    accessible->accLocation(&left, &top, &width, &height, child);
    POINT origin {};
    ClientToScreen(window, &origin);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    const auto logical = [dpi](long pixels) { return long(MulDiv(int(pixels), 96, dpi)); };
    return { logical(left - origin.x), logical(top - origin.y), logical(left - origin.x + width),
        logical(top - origin.y + height) };
}

// One element of the client area: a child window, or an element the window describes itself.
struct Element
{
    IAccessible *container; // the client area, or the child window's own object
    VARIANT child;
    HWND window; // for a child window
};

std::vector<Element> elementsOf(IAccessible *client)
{
    long count = 0;
    client->get_accChildCount(&count);
    std::vector<VARIANT> children(static_cast<std::size_t>(count));
    long obtained = 0;
    if (count > 0 && FAILED(AccessibleChildren(client, 0, count, children.data(), &obtained)))
        fail("the client area lists no children");
    std::vector<Element> elements;
    for (long i = 0; i < obtained; ++i) {
        VARIANT &child = children[std::size_t(i)];
        if (child.vt == VT_DISPATCH) {
            IAccessible *own = nullptr;
            child.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void **>(&own));
            child.pdispVal->Release();
            HWND window = nullptr;
            WindowFromAccessibleObject(own, &window);
            elements.push_back({ own, Self, window });
        } else {
            elements.push_back({ client, child, nullptr });
        }
    }
    return elements;
}

// A scroll bar's name in the window description, from the name a screen reader hears.
std::string scrollBarName(const std::string &heard)
{
    return heard == "Guess" ? "ChooseScroll" : heard + "Scroll";
}

std::string className(HWND window)
{
    wchar_t buffer[64] = {};
    GetClassNameW(window, buffer, 64);
    return utf8(buffer);
}

void read()
{
    HWND window = gameWindow();
    IAccessible *client = accessibleOf(window, OBJID_CLIENT);
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    std::printf("title=%s\n", utf8(title).c_str());
    std::vector<std::pair<RECT, std::string>> labels;
    for (const Element &element : elementsOf(client)) {
        if (!element.window) {
            const std::string coin = name(client, element.child);
            const RECT at = place(window, client, element.child);
            std::printf("%s=%s\n%s at=%ld %ld %ld %ld\n", coin.c_str(),
                description(client, element.child).c_str(), coin.c_str(), at.left, at.top,
                at.right - at.left, at.bottom - at.top);
            continue;
        }
        IAccessible *own = accessibleOf(element.window, OBJID_CLIENT);
        const std::string kind = className(element.window), called = name(own, Self);
        if (focused(own, Self))
            std::printf(
                "focus=%s\n", kind == "Button" ? called.c_str() : scrollBarName(called).c_str());
        if (kind == "Button") {
            std::printf("%s description=%s\n", called.c_str(), description(own, Self).c_str());
        } else if (kind == "Static") {
            labels.push_back({ place(window, own, Self), called });
        } else if (kind == "ScrollBar") {
            // MSAA under Wine gives a scroll bar no value; the control itself tells.
            const auto value = LRESULT(SendMessageW(element.window, SBM_GETPOS, 0, 0));
            std::printf("%s=%ld\n", scrollBarName(called).c_str(), long(value));
        }
        own->Release();
        element.container->Release();
    }
    // The bet's label stands left of the guess's, both above the money's.
    std::sort(labels.begin(), labels.end(), [](const auto &a, const auto &b) {
        return a.first.top != b.first.top ? a.first.top < b.first.top : a.first.left < b.first.left;
    });
    const char *labelNames[] = { "Bet", "Choose", "Money" };
    for (std::size_t i = 0; i < labels.size() && i < 3; ++i)
        std::printf("%s=%s\n", labelNames[i], labels[i].second.c_str());
    client->Release();
}

void names()
{
    HWND window = gameWindow();
    IAccessible *client = accessibleOf(window, OBJID_CLIENT);
    for (const Element &element : elementsOf(client)) {
        std::string line = name(element.container, element.child);
        if (element.window) {
            IAccessible *own = accessibleOf(element.window, OBJID_CLIENT);
            line += " (" + className(element.window) + ", read as \"" + name(own, Self) + "\")";
            own->Release();
            element.container->Release();
        } else {
            VARIANT role;
            VariantInit(&role);
            client->get_accRole(element.child, &role);
            line += role.vt == VT_I4 && role.lVal == ROLE_SYSTEM_GRAPHIC ? " (graphic)" : " (?)";
        }
        std::printf("%s\n", line.c_str());
    }
    client->Release();
}

void hit(long x, long y)
{
    HWND window = gameWindow();
    POINT point { x, y };
    ClientToScreen(window, &point);
    IAccessible *client = accessibleOf(window, OBJID_CLIENT);
    VARIANT found;
    VariantInit(&found);
    if (FAILED(client->accHitTest(point.x, point.y, &found)))
        fail("hit testing failed");
    if (found.vt == VT_I4) {
        std::printf(
            "%s\n", found.lVal == CHILDID_SELF ? "(the window)" : name(client, found).c_str());
    } else if (found.vt == VT_DISPATCH) {
        IAccessible *container = nullptr;
        found.pdispVal->QueryInterface(
            __uuidof(IAccessible), reinterpret_cast<void **>(&container));
        HWND control = nullptr;
        WindowFromAccessibleObject(container, &control);
        IAccessible *own = accessibleOf(control, OBJID_CLIENT);
        std::printf("%s\n", name(own, Self).c_str());
        own->Release();
        container->Release();
        found.pdispVal->Release();
    }
    client->Release();
}

void CALLBACK heard(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    IAccessible *accessible = nullptr;
    VARIANT element;
    VariantInit(&element);
    if (FAILED(
            AccessibleObjectFromEvent(window, DWORD(object), DWORD(child), &accessible, &element)))
        return;
    std::printf(
        "%s=%s\n", name(accessible, element).c_str(), description(accessible, element).c_str());
    std::fflush(stdout);
    accessible->Release();
}

void watch(DWORD milliseconds)
{
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_DESCRIPTIONCHANGE,
        EVENT_OBJECT_DESCRIPTIONCHANGE, nullptr, heard, 0, 0, WINEVENT_OUTOFCONTEXT);
    if (!hook)
        fail("no event hook");
    std::printf("watching\n");
    std::fflush(stdout);
    const DWORD end = GetTickCount() + milliseconds;
    for (DWORD now = GetTickCount(); now < end; now = GetTickCount()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, end - now, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
    UnhookWinEvent(hook);
}

} // namespace

int main(int argc, char **argv)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "read")
        read();
    else if (command == "names")
        names();
    else if (command == "hit" && argc == 4)
        hit(std::atol(argv[2]), std::atol(argv[3]));
    else if (command == "watch" && argc == 3)
        watch(DWORD(std::atol(argv[2])));
    else
        fail("usage: msaa_client read | names | hit X Y | watch MILLISECONDS");
    CoUninitialize();
    return 0;
}
