// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// One coin of the control array: a circle filled with its background colour inside a one-pixel
// border. Until it is first flipped it shows the system's default fill.
class Coin : public QWidget
{
    Q_OBJECT

public:
    explicit Coin(QWidget *parent);

    // A new, hidden coin beside this one with the same size and colours.
    Coin *copy() const;

    // Shows a face after a flip; faceName is what a screen reader says of it ("red").
    void showFace(const QColor &fill, const QString &faceName);

    // The colour inside the circle; invalid until the first flip.
    QColor fill() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap face() const;

    QColor m_fill;
};
