// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clip editor's track bar: a slider whose groove also shows the clip as a marked
// stretch between the selection start and end (values on the slider's own scale).
#include <QSlider>

class TrackBar : public QSlider
{
    Q_OBJECT
public:
    explicit TrackBar(QWidget *parent = nullptr);
    void setSelection(int start, int end);
    // Where the thumb's centre stands for a value, in the track bar's coordinates.
    int xOfValue(int value) const;
    // The play position the thumb stands for, and the source's length, in milliseconds:
    // what a screen reader reads as the track bar's value.
    void setPlayTime(qint64 positionMs, qint64 lengthMs);
    qint64 positionMs() const { return m_positionMs; }
    qint64 lengthMs() const { return m_lengthMs; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_selStart = 0;
    int m_selEnd = 0;
    qint64 m_positionMs = 0, m_lengthMs = 0;
};
