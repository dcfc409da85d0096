// SPDX-License-Identifier: MIT
#pragma once

#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

// Where a part of a horizontal scroll bar (an arrow, the track either side, the thumb) is drawn.
inline QRect scrollBarPart(QScrollBar *scrollBar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(scrollBar);
    option.subControls = QStyle::SC_All;
    option.orientation = Qt::Horizontal;
    option.state |= QStyle::State_Horizontal;
    option.minimum = scrollBar->minimum();
    option.maximum = scrollBar->maximum();
    option.sliderPosition = scrollBar->sliderPosition();
    option.sliderValue = scrollBar->value();
    option.singleStep = scrollBar->singleStep();
    option.pageStep = scrollBar->pageStep();
    return scrollBar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, scrollBar);
}
