// SPDX-License-Identifier: MIT
#pragma once

#include <QScrollBar>

// A horizontal scroll bar that takes the keyboard focus, shows it with a dotted mark on the thumb,
// and answers Left and Right as one step down and up. Its value changes only when a dragged thumb
// is let go, never while it moves.
class ScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    explicit ScrollBar(QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
