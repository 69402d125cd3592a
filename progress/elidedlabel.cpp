// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/elidedlabel.h"

#include <QPainter>
#include <QStyle>

TElidedLabel::TElidedLabel(QWidget *parent) : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

QString TElidedLabel::elidedText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width());
}

// The label asks for no width of its own: the dialog's width is the gauges', and a long
// path is cut rather than widening the window past the screen.
QSize TElidedLabel::sizeHint() const { return {0, QLabel::sizeHint().height()}; }

QSize TElidedLabel::minimumSizeHint() const { return {0, QLabel::minimumSizeHint().height()}; }

void TElidedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    style()->drawItemText(&painter, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), elidedText(), foregroundRole());
}
