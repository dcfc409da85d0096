// SPDX-License-Identifier: MIT
#include "scrollbar.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

ScrollBar::ScrollBar(QWidget *parent)
    : QScrollBar(Qt::Horizontal, parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setTracking(false);
}

void ScrollBar::keyPressEvent(QKeyEvent *event)
{
    // Qt's horizontal scroll bar takes Left as a step up; players expect it to go down.
    switch (event->key()) {
    case Qt::Key_Left:
        triggerAction(SliderSingleStepSub);
        break;
    case Qt::Key_Right:
        triggerAction(SliderSingleStepAdd);
        break;
    default:
        QScrollBar::keyPressEvent(event);
    }
}

void ScrollBar::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    // Qt's styles draw no focus on a scroll bar; without a mark the keyboard player is lost.
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect thumb
        = style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(QRectF(thumb).adjusted(2.5, 2.5, -2.5, -2.5));
}
