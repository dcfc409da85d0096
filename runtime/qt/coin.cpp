#include "runtime/qt/coin.h"

#include <QAccessible>
#include <QAccessibleEvent>
#include <QPainter>

Coin::Coin(QWidget *parent)
    : QWidget(parent)
{ }

Coin *Coin::copy() const
{
    auto *coin = new Coin(parentWidget());
    coin->resize(size());
    coin->m_fill = m_fill;
    coin->setVisible(false);
    return coin;
}

void Coin::showFace(const QColor &fill, const QString &faceName)
{
    m_fill = fill;
    update();
    setAccessibleDescription(faceName);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void Coin::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.setBrush(m_fill.isValid() ? m_fill : palette().color(QPalette::Base));
    // Inset by half a pixel so the border lies on whole pixels at any scale.
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}
