// SPDX-License-Identifier: MIT
#include "pushbutton.h"

#include "keyrepeat.h"

#include <QKeyEvent>

namespace {

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// X repeats a held key as presses alone, which Qt does not mark as repeats: only a button that
// clicks on the release, as Space does, stays deaf to them.
QKeyEvent asSpace(const QKeyEvent *event)
{
    return QKeyEvent(event->type(), Qt::Key_Space, event->modifiers(), QStringLiteral(" "),
        event->isAutoRepeat(), event->count());
}

} // namespace

void PushButton::keyPressEvent(QKeyEvent *event)
{
    // Long before the key could repeat; asking at start-up would slow every start.
    if (event->key() == Qt::Key_Space || isEnter(event))
        askForHeldKeysAsPresses();
    withEnterAsSpace(event, [this](QKeyEvent *key) { QPushButton::keyPressEvent(key); });
}

void PushButton::keyReleaseEvent(QKeyEvent *event)
{
    withEnterAsSpace(event, [this](QKeyEvent *key) { QPushButton::keyReleaseEvent(key); });
}

void PushButton::withEnterAsSpace(QKeyEvent *event, const std::function<void(QKeyEvent *)> &handle)
{
    if (!isEnter(event)) {
        handle(event);
        return;
    }
    QKeyEvent space = asSpace(event);
    handle(&space);
    event->setAccepted(space.isAccepted());
}
