// SPDX-License-Identifier: MIT
#include "announcer.h"

#include <QAccessibleWidget>

namespace {

QAccessibleInterface *notification(const QString &, QObject *object)
{
    auto *announcer = qobject_cast<Announcer *>(object);
    return announcer ? new QAccessibleWidget(announcer, QAccessible::Notification) : nullptr;
}

} // namespace

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    // Once for the program: Qt asks every factory installed.
    [[maybe_unused]] static const bool known = [] {
        QAccessible::installFactory(notification);
        return true;
    }();
    setGeometry(0, 0, 0, 0);
}

void Announcer::announce(const QString &message)
{
    setAccessibleName(message);
    // Hidden and shown again, as a new notification is.
    hide();
    show();
}
