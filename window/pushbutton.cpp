#include "window/pushbutton.h"

#include <QKeyEvent>

void PushButton::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter) {
        QPushButton::keyPressEvent(event);
        return;
    }
    // Like Space, a held key presses once.
    if (!event->isAutoRepeat())
        click();
}
