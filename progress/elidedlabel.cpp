// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/elidedlabel.h"

#include <QPainter>
#include <QStyle>

namespace {
// The path in width pixels: whole if it fits, else its folder cut in the middle and the
// file's name whole, else the file's name alone cut in the middle, so that its start and its
// extension stay in sight.
QString elidePath(const QFontMetrics &metrics, const QString &path, int width)
{
    if (metrics.horizontalAdvance(path) <= width)
        return path;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash > 0) {
        const QString file = path.mid(slash);
        const int room = width - metrics.horizontalAdvance(file);
        if (room >= metrics.horizontalAdvance(QStringLiteral("/…")))
            return metrics.elidedText(path.left(slash), Qt::ElideMiddle, room) + file;
        return metrics.elidedText(file.mid(1), Qt::ElideMiddle, width);
    }
    return metrics.elidedText(path, Qt::ElideMiddle, width);
}

// The pattern with %1, %2... replaced by the paths in one pass, so that a path holding
// "%2" stays as it is.
QString fill(const QString &pattern, const QStringList &paths)
{
    QString line;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const qsizetype n = i + 1 < pattern.size() ? pattern[i + 1].digitValue() : -1;
        if (pattern[i] == QLatin1Char('%') && n >= 1 && n <= paths.size()) {
            line += paths[n - 1];
            ++i;
        } else {
            line += pattern[i];
        }
    }
    return line;
}
} // namespace

ElidedLabel::ElidedLabel(QWidget *parent) : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void ElidedLabel::setNames(const QString &pattern, const QStringList &paths)
{
    m_pattern = pattern;
    m_paths = paths;
    setText(fill(pattern, paths));
}

QString ElidedLabel::elidedText() const
{
    const QFontMetrics metrics = fontMetrics();
    const int width = contentsRect().width();
    const QString whole = text();
    if (metrics.horizontalAdvance(whole) <= width)
        return whole;
    if (!m_paths.isEmpty() && whole == fill(m_pattern, m_paths)) {
        // The room the pattern's own words leave: each path first gets what its file's
        // name needs, then an equal share of the rest.
        const int room = width - metrics.horizontalAdvance(fill(m_pattern, QStringList(m_paths.size(), QString())));
        QList<int> need;
        int needed = 0;
        for (const QString &path : m_paths) {
            const QString file = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
            need << std::min(metrics.horizontalAdvance(path), metrics.horizontalAdvance(QStringLiteral("/…/") + file));
            needed += need.last();
        }
        // Where not every name fits, each path keeps an equal share at least, so that no
        // name is dropped; what a short one leaves goes to the others, the last path's (the
        // output's) first.
        QList<int> share(m_paths.size(), 0);
        if (needed <= room) {
            for (qsizetype i = 0; i < m_paths.size(); ++i)
                share[i] = need[i] + (room - needed) / int(m_paths.size());
        } else {
            const int least = std::max(0, room) / int(m_paths.size());
            int left = std::max(0, room);
            for (qsizetype i = 0; i < m_paths.size(); ++i) {
                share[i] = std::min(need[i], least);
                left -= share[i];
            }
            for (qsizetype i = m_paths.size() - 1; i >= 0; --i) {
                const int more = std::min(left, need[i] - share[i]);
                share[i] += more;
                left -= more;
            }
        }
        QStringList cut;
        for (qsizetype i = 0; i < m_paths.size(); ++i)
            cut << elidePath(metrics, m_paths[i], std::max(0, share[i]));
        const QString line = fill(m_pattern, cut);
        if (metrics.horizontalAdvance(line) <= width)
            return line;
    }
    return metrics.elidedText(whole, Qt::ElideMiddle, width);
}

// The label asks for no width of its own: the dialog's width is the gauges', and a long
// path is cut rather than widening the window past the screen.
QSize ElidedLabel::sizeHint() const { return {0, QLabel::sizeHint().height()}; }

QSize ElidedLabel::minimumSizeHint() const { return {0, QLabel::minimumSizeHint().height()}; }

void ElidedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    style()->drawItemText(&painter, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), elidedText(), foregroundRole());
}
