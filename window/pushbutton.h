#pragma once

#include <QPushButton>

// A push button that a focused player presses with Enter as well as Space, on every desktop.
class PushButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
