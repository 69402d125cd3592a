// SPDX-License-Identifier: GPL-3.0-or-later
// Drives Clipvox's own conversion run (main window, progress dialog, run engine) for
// bench/run_bench.sh:
//   bench_run stall <mp3|wma|wav|ogg> <outdir> <video>          longest event-loop stall, ms
//   bench_run queue <mp3|wma|wav|ogg> <jobs> <outdir> <video>...  wall time of the whole run
//   bench_run cancel <mp3|wma|wav|ogg> <outdir> <video>...       Cancel's delay with 2 jobs running
//   bench_run cancel-loud <format> <outdir> <video>...           the same in their loudness pass
//   bench_run shot <png> <outdir> <video>...                     a screenshot of the dialog halfway
//                                                                through the second file (X11)
#include "bench/benchsupport.h"
#include "formats/registry.h"
#include "engine/runengine.h"
#include "desktop/application.h"
#include "main/main.h"
#include "progress/execute.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {
MainWindow *g_window = nullptr; // the window the script drives
// Answers the add-files dialog with the videos and never blocks on a message box.
int formatIndex(const QString &name)
{
    return outputFormatNumber(name);
}

void queue(MainWindow &window, BenchDesktop &desktop, const QStringList &videos, int format, const QString &outDir,
           int jobs)
{
    desktop.files = videos;
    window.addFiles();
    OutputSettings s = window.outputSettings();
    s.OutputPath = outDir.endsWith('/') ? outDir : outDir + '/';
    s.OutputFormat = format;
    s.Jobs = jobs;
    window.Settings.save(s); // setup.ini of the benchmark's own program folder
    window.refreshJobList();
}

} // namespace

int main(int argc, char **argv)
{
    ClipvoxApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString mode = args.value(0);
    const int outAt = mode == "queue" ? 3 : 2;
    if (args.size() < outAt + 2)
        return std::fprintf(stderr, "usage: bench_run stall|queue|cancel|shot <format|png> [jobs] <outdir> <video>...\n"), 2;
    const QString outDir = QFileInfo(args[outAt]).absoluteFilePath();
    const QStringList videos = args.mid(outAt + 1);
    QTemporaryDir programFolder;
    setProgramFolder(programFolder.path());
    IniFile(settingsFilePath()).writeInteger("tips", "showtip", 0);
    BenchDesktop desktop;
    Desktop::setInstance(&desktop);
    AppSettings settings;
    MainWindow window(settings);
    g_window = &window;
    RunEngine *engine = window.runEngine;

    if (mode == "stall") {
        queue(window, desktop, videos, formatIndex(args[1]), outDir, 1);
        StallMeter meter;
        meter.start();
        QElapsedTimer wall;
        wall.start();
        window.convertClick();
        std::printf("stall_ms %.1f run_s %.2f\n", meter.longestMs(), wall.elapsed() / 1000.0);
    } else if (mode == "queue") {
        queue(window, desktop, videos, formatIndex(args[1]), outDir, args[2].toInt());
        QElapsedTimer wall;
        wall.start();
        window.convertClick();
        std::printf("run_s %.3f\n", wall.elapsed() / 1000.0);
        for (int r = 0; r < videos.size(); ++r)
            if (window.jobStatus(r) != "100%")
                return std::fprintf(stderr, "job %d: %s\n", r + 1, qPrintable(window.jobStatus(r))), 1;
    } else if (mode == "cancel" || mode == "cancel-loud") {
        // Cancel once two jobs are both encoding (WAV, over in half a second: 50 ms after the
        // second starts; with loudness: 300 ms after, in the measuring pass), timed from the
        // click until the engine reports the run ended.
        const bool loud = mode == "cancel-loud";
        queue(window, desktop, videos, formatIndex(args[1]), outDir, 2);
        if (loud) {
            OutputSettings s = window.outputSettings();
            s.LoudnessTarget = -16;
            window.Settings.save(s);
        }
        QSet<int> busy;
        QElapsedTimer clock;
        qint64 ended = -1;
        bool pressed = false;
        const auto press = [&] {
            if (pressed || !g_window->ExecForm)
                return;
            pressed = true;
            clock.start();
            g_window->ExecForm->findChild<QPushButton *>("BtnCancel")->click();
        };
        QObject::connect(engine, &RunEngine::runEnded, [&] {
            if (pressed)
                ended = clock.nsecsElapsed();
        });
        QObject::connect(engine, &RunEngine::fileProgress, &window, [&](int index, int percent) {
            if (percent >= 10)
                busy << index;
            if (busy.size() == 2 && !loud)
                press();
        }, Qt::QueuedConnection);
        QObject::connect(engine, &RunEngine::jobStarted, &window, [&](int index) {
            if ((args[1] == "wav" || loud) && index == 1)
                QTimer::singleShot(loud ? 300 : 50, &window, press);
        }, Qt::QueuedConnection);
        window.convertClick();
        // Cancel returns at once; the run ends once its workers have.
        if (engine->isRunning()) {
            QEventLoop stopping;
            QObject::connect(engine, &RunEngine::runEnded, &stopping, &QEventLoop::quit);
            stopping.exec();
        }
        std::printf("cancel_ms %.1f\n", ended < 0 ? -1.0 : ended / 1e6);
    } else if (mode == "shot") {
        queue(window, desktop, videos, 0, outDir, 1);
        window.resize(760, 440);
        window.show();
        // Let the window manager place the window, so that the dialog centres on it.
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 1000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        bool taken = false;
        QObject::connect(engine, &RunEngine::fileProgress, &window, [&](int index, int percent) {
            if (!taken && g_window->ExecForm && index == 1 && percent >= 45) {
                taken = true;
                // The screen as it stands; the run's workers go on meanwhile.
                const QRect r = window.frameGeometry().adjusted(-2, -2, 2, 2);
                const QString crop = QStringLiteral("%1x%2+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
                QProcess::execute("import", {"-window", "root", "-crop", crop, "+repage", args[1]});
            }
        }, Qt::QueuedConnection);
        window.convertClick();
        if (!taken)
            return std::fprintf(stderr, "no screenshot taken\n"), 1;
    }
    g_window = nullptr;
    Desktop::setInstance(nullptr);
    return 0;
}
