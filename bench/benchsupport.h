// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the benchmark drivers share: a desktop whose add-files dialog answers with the given
// files and whose questions get Yes, and a meter of the window's longest stall.
#include "desktop/desktop.h"

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>

class BenchDesktop : public Desktop
{
public:
    QStringList files;
    QStringList openFileNames(QWidget *, const QString &, const QString &, const QString &) override { return files; }
    QString browseFolder(QWidget *, const QString &, const QString &) override { return {}; }
    void message(QWidget *, QMessageBox::Icon, const QString &, const QString &text) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    bool question(QWidget *, const QString &, const QString &) override { return true; }
    bool openUrl(const QUrl &) override { return true; }
};

// Longest gap between ticks of a 5 ms timer while it runs: how long the window could not
// repaint or take a click.
struct StallMeter
{
    QTimer timer;
    QElapsedTimer clock;
    qint64 last = -1, longest = 0;
    StallMeter()
    {
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            const qint64 now = clock.nsecsElapsed();
            if (last >= 0)
                longest = std::max(longest, now - last);
            last = now;
        });
    }
    void start()
    {
        clock.start();
        last = -1;
        longest = 0;
        timer.start();
    }
    double longestMs() const { return longest / 1e6; }
};
