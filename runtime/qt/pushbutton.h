// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>
#include <functional>

// A push button that a focused player presses with Enter as well as Space, on every desktop. Enter
// works exactly as Space does: the button goes down on the press and clicks on the release, so a
// held key clicks once however the platform repeats it.
class PushButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    void withEnterAsSpace(QKeyEvent *event, const std::function<void(QKeyEvent *)> &handle);
};
