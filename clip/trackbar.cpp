// SPDX-License-Identifier: GPL-3.0-or-later
#include "clip/trackbar.h"

#include "clip/positionaccessible.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

TrackBar::TrackBar(QWidget *parent) : QSlider(Qt::Horizontal, parent) { PositionAccessible::install(); }

void TrackBar::setPlayTime(qint64 positionMs, qint64 lengthMs)
{
    const bool newSecond = positionMs / 1000 != m_positionMs / 1000;
    m_positionMs = positionMs;
    m_lengthMs = lengthMs;
    if (newSecond)
        PositionAccessible::positionChanged(this, positionMs);
}

void TrackBar::setSelection(int start, int end)
{
    m_selStart = start;
    m_selEnd = end;
    update();
}

int TrackBar::xOfValue(int value) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const int span = groove.width() - handle.width();
    return groove.x() + handle.width() / 2
           + QStyle::sliderPositionFromValue(minimum(), maximum(), value, span, option.upsideDown);
}

void TrackBar::paintEvent(QPaintEvent *event)
{
    QSlider::paintEvent(event);
    if (m_selEnd <= m_selStart)
        return;
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const auto x = [this](int value) { return xOfValue(value); };
    // A band under the groove from the clip's start to its end, with a tick at each end.
    const int top = std::min(handle.bottom() + 2, height() - 4);
    QPainter painter(this);
    const QColor mark = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Highlight);
    const int left = x(m_selStart), right = x(m_selEnd);
    painter.fillRect(QRect(QPoint(left, top), QPoint(right, top + 2)), mark);
    painter.fillRect(QRect(QPoint(left, top - 3), QPoint(left, top + 2)), mark);
    painter.fillRect(QRect(QPoint(right, top - 3), QPoint(right, top + 2)), mark);
}
