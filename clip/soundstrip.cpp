// SPDX-License-Identifier: GPL-3.0-or-later
#include "clip/soundstrip.h"

#include "clip/positionaccessible.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace {
// Peaks are drawn on a decibel scale down to this level, so that quiet speech still
// shows above silence.
constexpr double kFloorDb = -45.0;

double barHeight(float peak)
{
    if (peak <= 0)
        return 0;
    return std::clamp((20.0 * std::log10(double(peak)) - kFloorDb) / -kFloorDb, 0.0, 1.0);
}
} // namespace

SoundStrip::SoundStrip(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus); // the preview's keys work here too
    PositionAccessible::install();
    m_right = std::max(0, width() - 1);
}

void SoundStrip::setSpan(int left, int right)
{
    m_left = left;
    m_right = std::max(left, right);
    m_soundStale = true;
    update();
}

void SoundStrip::clear(int columns)
{
    m_peaks = QList<float>(std::max(0, columns), 0.0f);
    m_received = 0;
    m_noSound = false;
    m_soundStale = true;
    update();
}

void SoundStrip::setLength(qint64 ms)
{
    m_length = std::max<qint64>(0, ms);
    m_soundStale = true;
    update();
}

void SoundStrip::addPeaks(int first, const QList<float> &peaks)
{
    for (int i = 0; i < peaks.size(); ++i)
        if (first + i >= 0 && first + i < m_peaks.size())
            m_peaks[first + i] = peaks[i];
    m_received = std::max(m_received, int(std::min<qsizetype>(first + peaks.size(), m_peaks.size())));
    m_soundStale = true;
    update();
}

void SoundStrip::setNoSound(bool noSound)
{
    m_noSound = noSound;
    m_soundStale = true;
    update();
}

void SoundStrip::setClip(qint64 startMs, qint64 endMs)
{
    m_clipStart = startMs;
    m_clipEnd = endMs;
    m_soundStale = true;
    update();
}

void SoundStrip::setPosition(qint64 ms)
{
    if (ms == m_position)
        return;
    const bool newSecond = ms / 1000 != m_position / 1000;
    m_position = ms;
    update();
    if (newSecond)
        PositionAccessible::positionChanged(this, ms);
}

int SoundStrip::xOf(qint64 ms) const
{
    if (m_length <= 0)
        return m_left;
    return m_left + int(std::clamp<qint64>(ms, 0, m_length) * (m_right - m_left) / m_length);
}

void SoundStrip::drawSound()
{
    const qreal ratio = devicePixelRatioF();
    m_sound = QPixmap((QSizeF(size()) * ratio).toSize());
    m_sound.setDevicePixelRatio(ratio);
    QPainter painter(&m_sound);
    const QPalette &pal = palette();
    const QRect box = rect();
    painter.fillRect(box, pal.color(QPalette::Base));
    const int top = 2, bottom = height() - 3;
    const double middle = (top + bottom) / 2.0, half = (bottom - top) / 2.0;

    if (m_length > 0 && m_clipEnd > m_clipStart) {
        QColor shade = pal.color(QPalette::Highlight);
        shade.setAlpha(70);
        painter.fillRect(QRect(QPoint(xOf(m_clipStart), top), QPoint(xOf(m_clipEnd), bottom)), shade);
    }

    painter.setPen(pal.color(QPalette::Mid));
    painter.drawLine(m_left, int(middle), m_right, int(middle));
    // Inside the clip the sound is drawn in the selection's colour, outside it in the text's
    // colour, faded; the selection's colour is moved away from the background's lightness.
    QColor outside = pal.color(QPalette::Text);
    outside.setAlpha(130);
    const QColor highlight = pal.color(QPalette::Highlight);
    const QColor inside = pal.color(QPalette::Base).lightness() < 128 ? highlight.lighter(140) : highlight.darker(130);
    const bool hasClip = m_clipEnd > m_clipStart;
    const int clipLeft = xOf(m_clipStart), clipRight = xOf(m_clipEnd);
    // One line per device pixel from left to right, each the loudest of the peaks it covers.
    const int columns = int(m_peaks.size());
    const int pixels = int(std::lround((m_right - m_left) * ratio)) + 1;
    painter.scale(1 / ratio, 1 / ratio);
    for (int d = 0; d < pixels && columns > 0; ++d) {
        const int first = int(qint64(d) * columns / pixels);
        const int last = std::max(first + 1, int(qint64(d + 1) * columns / pixels));
        if (first >= m_received)
            break;
        float peak = 0;
        for (int c = first; c < std::min(last, m_received); ++c)
            peak = std::max(peak, m_peaks[c]);
        const double h = barHeight(peak) * half * ratio;
        if (h <= 0)
            continue;
        const double x = m_left * ratio + d;
        const double logicalX = m_left + d / ratio;
        painter.setPen(hasClip && logicalX >= clipLeft && logicalX < clipRight + 1 ? inside : outside);
        painter.drawLine(QPointF(x + 0.5, middle * ratio - h), QPointF(x + 0.5, middle * ratio + h));
    }
    painter.resetTransform();
    painter.scale(ratio, ratio);

    if (m_noSound) {
        // The words stand on a patch of the background, clear of the middle line.
        const QString text = tr("No sound");
        const QRect words = painter.fontMetrics().boundingRect(box, Qt::AlignCenter, text).adjusted(-4, 0, 4, 0);
        painter.fillRect(words, pal.color(QPalette::Base));
        painter.setPen(pal.color(QPalette::Text));
        painter.drawText(box, Qt::AlignCenter, text);
    }
    m_soundStale = false;
}

void SoundStrip::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    if (m_soundStale || m_sound.devicePixelRatio() != ratio || m_sound.size() != (QSizeF(size()) * ratio).toSize())
        drawSound();
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_sound);
    const QPalette &pal = palette();
    if (m_length > 0) {
        painter.setPen(QPen(QColor(220, 40, 40), 1));
        const int x = xOf(m_position);
        painter.drawLine(x, 0, x, height() - 1);
    }
    painter.setPen(pal.color(hasFocus() ? QPalette::Highlight : QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

// A new palette or font is drawn afresh.
void SoundStrip::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        m_soundStale = true;
}

void SoundStrip::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_length <= 0 || m_right <= m_left)
        return QWidget::mousePressEvent(event);
    const int x = std::clamp(int(event->position().x()), m_left, m_right);
    emit clicked(qint64(x - m_left) * m_length / (m_right - m_left));
}

// The frame shows where the keys go.
void SoundStrip::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void SoundStrip::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}
