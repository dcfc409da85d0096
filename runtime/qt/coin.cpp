// SPDX-License-Identifier: MIT
#include "coin.h"

#include <QPainter>
#include <QPixmapCache>

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
    // Tells a screen reader of the new face, even when it is the same as before.
    setAccessibleDescription(faceName);
}

void Coin::paintEvent(QPaintEvent *)
{
    QPainter(this).drawPixmap(0, 0, face());
}

QPixmap Coin::face() const
{
    // Coins of one colour look alike: each face is drawn once, then copied.
    const QColor fill = m_fill.isValid() ? m_fill : palette().color(QPalette::Base);
    const QColor border = palette().color(QPalette::WindowText);
    const qreal ratio = devicePixelRatioF();
    const QString key = QStringLiteral("tencoins/coin/%1/%2/%3x%4@%5")
                            .arg(fill.rgba())
                            .arg(border.rgba())
                            .arg(width())
                            .arg(height())
                            .arg(ratio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap = QPixmap(size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(border, 1));
    painter.setBrush(fill);
    // Inset by half a pixel so the border lies on whole pixels at any scale.
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.end();
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}
