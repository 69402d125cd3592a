// SPDX-License-Identifier: GPL-3.0-or-later
// Drives Clipvox's main window for bench/queue_bench.sh with a queue of <count> files:
//   bench_queue <count> <folder of empty .avi files>
// prints the CPU time of adding them (the window's thread, and the process until the
// sources' tags and chapters are read), the longest stall while the queue scrolls from top
// to bottom, the window thread's time for one save after a change, and the queue file's size.
#include "bench/benchsupport.h"
#include "desktop/application.h"
#include "main/main.h"
#include "main/queuestore.h"
#include "main/queueview.h"
#include "settings/settingsfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QThreadPool>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace {
double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double threadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + t.tv_nsec / 1e9;
}
long peakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// A saved queue of the files: the window's start with it (wall time, peak memory), then the
// window thread's time to remove one row, and to undo that.
int restoreAndRemove(AppSettings &settings, const QStringList &files)
{
    std::vector<QueueRow> rows;
    rows.reserve(size_t(files.size()));
    for (const QString &file : files) {
        QueueRow row;
        row.job.SourceFile = file;
        row.job.OutputFile = QFileInfo(file).path() + QStringLiteral("/out/") + QFileInfo(file).completeBaseName() + QStringLiteral(".mp3");
        rows.push_back(row);
    }
    {
        QFile queue(queueFilePath());
        if (!queue.open(QIODevice::WriteOnly) || !queue.write(encodeQueue(rows)))
            return std::fprintf(stderr, "cannot write %s\n", qPrintable(queueFilePath())), 1;
    }
    QElapsedTimer clock;
    clock.start();
    MainWindow window(settings);
    window.resize(1000, 700);
    window.show();
    QCoreApplication::processEvents();
    const double openMs = clock.nsecsElapsed() / 1e6;
    QueueView *view = window.findChild<QueueView *>(QStringLiteral("queueView"));
    view->selectRows({5});
    const double t0 = threadCpuSeconds();
    window.removeSelectedJob();
    QCoreApplication::processEvents();
    const double removeMs = (threadCpuSeconds() - t0) * 1e3;
    const double t1 = threadCpuSeconds();
    window.UndoStack.undo();
    QCoreApplication::processEvents();
    const double undoMs = (threadCpuSeconds() - t1) * 1e3;
    std::printf("rows %d open_ms %.0f peak_mb %ld remove_ms %.1f undo_ms %.1f\n", window.Queue.jobCount(), openMs,
                peakRssMb(), removeMs, undoMs);
    return 0;
}
} // namespace

int main(int argc, char **argv)
{
    ClipvoxApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2)
        return std::fprintf(stderr, "usage: bench_queue <count> <folder>\n"), 2;
    const int count = args[0].toInt();
    QStringList files;
    for (int i = 0; i < count; ++i)
        files << QDir(args[1]).filePath(QStringLiteral("video %1.avi").arg(i, 5, 10, QLatin1Char('0')));
    QTemporaryDir programFolder;
    setProgramFolder(programFolder.path());
    IniFile(settingsFilePath()).writeInteger("tips", "showtip", 0);
    BenchDesktop desktop;
    Desktop::setInstance(&desktop);
    AppSettings settings;
    if (args.size() > 2 && args[2] == QLatin1String("--restore"))
        return restoreAndRemove(settings, files);
    MainWindow window(settings);
    window.resize(1000, 700);
    window.show();
    QCoreApplication::processEvents();

    const double cpu0 = processCpuSeconds(), thread0 = threadCpuSeconds();
    window.addJobs(files);
    QCoreApplication::processEvents();
    const double windowCpu = threadCpuSeconds() - thread0;
    // The sources' tags and chapters are read on workers: wait for them.
    QElapsedTimer idle;
    idle.start();
    while (idle.elapsed() < 60000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        if (QThreadPool::globalInstance()->activeThreadCount() == 0 && processCpuSeconds() - cpu0 > 0) {
            const double before = processCpuSeconds();
            QThread::msleep(300);
            QCoreApplication::processEvents();
            if (processCpuSeconds() - before < 0.01)
                break;
        }
    }
    const double processCpu = processCpuSeconds() - cpu0;

    QueueView *view = window.findChild<QueueView *>(QStringLiteral("queueView"));
    StallMeter meter;
    meter.start();
    QScrollBar *bar = view->verticalScrollBar();
    for (int v = 0; v <= bar->maximum(); v += bar->pageStep()) {
        bar->setValue(v);
        QCoreApplication::processEvents();
        view->viewport()->repaint();
    }
    const double scrollMs = meter.longestMs();

    // One change: the window's share of saving it is the copy of the rows handed to the writer.
    double saveMs = 0;
    for (int i = 0; i < 5; ++i) {
        window.Queue.setResult(i, {JobResult::Failed, 100, QStringLiteral("reason"), {}});
        QElapsedTimer clock;
        clock.start();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        saveMs = std::max(saveMs, clock.nsecsElapsed() / 1e6);
    }
    window.Store->saveNow();
    std::printf("add_window_cpu_s %.3f add_process_cpu_s %.3f scroll_stall_ms %.1f save_window_ms %.2f file_bytes %lld\n",
                windowCpu, processCpu, scrollMs, saveMs, QFileInfo(window.Store->path()).size());
    return 0;
}
