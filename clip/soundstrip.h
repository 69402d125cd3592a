// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clip editor's sound strip: the source's sound as peaks over its whole length, the
// clip between the marks shaded, and the play position as a line. A click on it asks to
// play from that point. The peaks come in at a fixed number of columns and are folded to
// whatever width the strip has, one line per device pixel, so the strip can grow without
// the sound being read again.
#include <QList>
#include <QPixmap>
#include <QWidget>

class SoundStrip : public QWidget
{
    Q_OBJECT
public:
    explicit SoundStrip(QWidget *parent = nullptr);

    // The sound runs from x = left to x = right, where the track bar above puts its
    // minimum and maximum, so that both show a moment at the same place.
    void setSpan(int left, int right);
    int spanWidth() const { return m_right - m_left; }
    // The number of peaks that make up the whole length.
    int columnCount() const { return int(m_peaks.size()); }

    void clear(int columns);
    void clear() { clear(columnCount()); }
    void setLength(qint64 ms);
    qint64 length() const { return m_length; }
    void addPeaks(int first, const QList<float> &peaks);
    const QList<float> &peaks() const { return m_peaks; }
    int received() const { return m_received; }
    void setNoSound(bool noSound);
    bool noSound() const { return m_noSound; }
    void setClip(qint64 startMs, qint64 endMs);
    void setPosition(qint64 ms);
    qint64 position() const { return m_position; }

signals:
    void clicked(qint64 ms);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    int xOf(qint64 ms) const;
    void drawSound(); // into m_sound, at the widget's device pixel ratio

    int m_left = 0, m_right = 0;
    qint64 m_length = 0;
    QList<float> m_peaks;
    int m_received = 0;
    bool m_noSound = false;
    qint64 m_clipStart = 0, m_clipEnd = 0, m_position = 0;
    QPixmap m_sound;          // everything but the play line and the frame
    bool m_soundStale = true; // peaks, clip, span, size or palette changed since drawn
};
