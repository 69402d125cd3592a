// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clip editor's track bar: a slider whose groove also shows the clip as a marked
// stretch between the selection start and end (values on the slider's own scale).
#include <QSlider>

class TTrackBar : public QSlider
{
    Q_OBJECT
public:
    explicit TTrackBar(QWidget *parent = nullptr);
    void setSelection(int start, int end);
    // Where the thumb's centre stands for a value, in the track bar's coordinates.
    int xOfValue(int value) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_selStart = 0;
    int m_selEnd = 0;
};
