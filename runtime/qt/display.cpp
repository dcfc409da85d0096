// SPDX-License-Identifier: MIT
#include "display.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

QList<HeldMessage> heldMessages;

QByteArray describeDisplays()
{
    const QByteArray x11 = qgetenv("DISPLAY"), wayland = qgetenv("WAYLAND_DISPLAY");
    if (x11.isEmpty() && wayland.isEmpty())
        return "neither DISPLAY nor WAYLAND_DISPLAY is set";
    QByteArray tried;
    if (!x11.isEmpty())
        tried += "DISPLAY=" + x11;
    if (!wayland.isEmpty())
        tried += (tried.isEmpty() ? "" : ", ") + QByteArray("WAYLAND_DISPLAY=") + wayland;
    return "none could be opened: " + tried;
}

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        heldMessages.append({ type, context.category, text });
        return;
    }
    std::fprintf(stderr,
        "Ten Coins has no display to open its window on (%s); to play without one, run it "
        "under a virtual X server: xvfb-run -a tencoins\n",
        describeDisplays().constData());
    std::_Exit(1);
}

} // namespace

void createApplicationOrExit(const std::function<void()> &createApplication)
{
    const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
    createApplication();
    qInstallMessageHandler(previous);
    for (const HeldMessage &held : std::exchange(heldMessages, {})) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
        qt_message_output(held.type, context, held.text);
    }
}
