// SPDX-License-Identifier: MIT
#include "keyrepeat.h"

#include <QGuiApplication>
#include <cstdint>
#include <dlfcn.h>
#include <utility>

// xkb.h names a field "explicit", which C++ reserves.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

namespace {

// A function of a library that Qt's X platform plugin has loaded already. Linking the libraries
// instead would load them before Qt's own and slow every symbol lookup at start-up.
template<typename Function>
Function *loadedFunction(const char *library, const char *name)
{
    void *handle = dlopen(library, RTLD_LAZY | RTLD_NOLOAD);
    if (!handle)
        return nullptr;
    auto *function = reinterpret_cast<Function *>(dlsym(handle, name));
    // The plugin keeps the library loaded.
    dlclose(handle);
    return function;
}

} // namespace

void askForHeldKeysAsPresses()
{
    // Left to itself, X repeats a held key as a release and a new press. Qt takes the pair for a
    // repeat only if the press has already arrived when it reads the release; now and then it has
    // not, the release reads as the key let go, and Flip clicks a second time. XKB's detectable
    // auto-repeat leaves out those releases, so a button that clicks on the release clicks once.
    static bool asked = false;
    if (std::exchange(asked, true))
        return;
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return;
    auto *perClientFlags = loadedFunction<decltype(xcb_xkb_per_client_flags)>(
        "libxcb-xkb.so.1", "xcb_xkb_per_client_flags");
    auto *discardReply
        = loadedFunction<decltype(xcb_discard_reply)>("libxcb.so.1", "xcb_discard_reply");
    if (!perClientFlags || !discardReply)
        return;
    xcb_connection_t *connection = x11->connection();
    const std::uint32_t detectable = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    const auto request
        = perClientFlags(connection, XCB_XKB_ID_USE_CORE_KBD, detectable, detectable, 0, 0, 0);
    discardReply(connection, request.sequence);
}
