#include "runtime/qt/keyrepeat.h"

#include <QGuiApplication>
#include <cstdint>

// xkb.h names a field "explicit", which C++ reserves.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

void askForHeldKeysAsPresses()
{
    // Left to itself, X repeats a held key as a release and a new press. Qt takes the pair for a
    // repeat only if the press has already arrived when it reads the release; now and then it has
    // not, the release reads as the key let go, and Flip clicks a second time. XKB's detectable
    // auto-repeat leaves out those releases, so a button that clicks on the release clicks once.
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return;
    xcb_connection_t *connection = x11->connection();
    const std::uint32_t detectable = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    const auto request = xcb_xkb_per_client_flags(
        connection, XCB_XKB_ID_USE_CORE_KBD, detectable, detectable, 0, 0, 0);
    xcb_discard_reply(connection, request.sequence);
}
