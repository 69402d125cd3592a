// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A one-line label that keeps its whole text (for text(), the tooltip and a screen reader)
// and draws it cut in the middle with an ellipsis when it is wider than the label, so that
// both ends of a long path stay in sight.
#include <QLabel>

class TElidedLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TElidedLabel(QWidget *parent = nullptr);
    // The text as drawn at the label's present width.
    QString elidedText() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
