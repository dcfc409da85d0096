// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// What the game tells a screen reader of its own accord, as a notification: Orca says one the
// moment it is shown, whatever has the focus, cutting short what it was saying. A widget of no
// size that nobody sees, shown anew for each message.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    void announce(const QString &message);
};
