// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An up-down arrow pair attached to an edit. The arrows, and the up and down keys in the
// edit, step the number in the edit by one and stop at the limits without wrapping; the
// edit itself still takes any text.
#include <QWidget>

class QLineEdit;

class UpDown : public QWidget
{
    Q_OBJECT
public:
    explicit UpDown(QWidget *parent = nullptr);
    void setBuddy(QLineEdit *edit);
    void setRange(int min, int max);
    void stepBy(int steps);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_buddy = nullptr;
    int m_min = 0;
    int m_max = 100;
    int m_position = 0; // the last number stepped to, used when the edit holds none
};
