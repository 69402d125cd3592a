// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A one-line label that keeps its whole text (for text(), the tooltip and a screen reader)
// and draws it cut with an ellipsis where it is wider than the label. A line made of a
// translated text with paths in it (setNames) cuts the paths' folders first, so that the
// files' names stay in sight in any language, the last path's before the others.
#include <QLabel>

class ElidedLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget *parent = nullptr);
    // pattern: a text with %1, %2... for the paths.
    void setNames(const QString &pattern, const QStringList &paths);
    // The text as drawn at the label's present width.
    QString elidedText() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_pattern;
    QStringList m_paths;
};
