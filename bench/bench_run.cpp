// Drives Clipvox's own conversion run (main window, progress dialog, both steps) for
// bench/run_bench.sh:
//   bench_run stall <mp3|wma|wav|ogg> <outdir> <video>     longest event-loop stall, in ms,
//                                                         and Cancel's delay in each step
//   bench_run queue <mp3|wma|wav|ogg> <outdir> <video>...  wall time of the whole run
//   bench_run shot <png> <outdir> <video>...              a screenshot of the dialog halfway
//                                                         through the second file (X11)
#include "main/application.h"
#include "main/desktop.h"
#include "main/main.h"
#include "media/videoedit.h"
#include "progress/execute.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {
// Answers the add-files dialog with the videos and never blocks on a message box.
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
    bool openUrl(const QUrl &) override { return true; }
};

int FormatIndex(const QString &name)
{
    const QStringList names{"mp3", "wma", "wav", "ogg"};
    return names.indexOf(name);
}

void Queue(TMainForm &window, BenchDesktop &desktop, const QStringList &videos, int format, const QString &outDir)
{
    desktop.files = videos;
    window.AddFiles();
    OutputSettings.OutputPath = outDir.endsWith('/') ? outDir : outDir + '/';
    OutputSettings.OutputFormat = format;
    OutputSettings.OutputExt = FormatExtension(format);
    window.RefreshJobList();
}

// Longest gap between ticks of a 5 ms timer while a run lasts: how long the window could
// not repaint or take a click.
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

// Presses Cancel once the run reaches the given step and reports how long the run then
// took to stop (the dialog gone, no run active).
double CancelDelayMs(TMainForm &window, bool inEncodingStep)
{
    QElapsedTimer clock;
    bool pressed = false;
    qint64 pressedAt = 0, stoppedAt = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!pressed && ExecForm && (inEncodingStep ? EncodeActive && ExecForm->Gauge1->value() >= 20
                                                    : window.VE1->IsProcessing())) {
            pressed = true;
            pressedAt = clock.nsecsElapsed();
            ExecForm->findChild<QPushButton *>("BtnCancel")->click();
        }
        if (pressed && stoppedAt < 0 && !RunActive)
            stoppedAt = clock.nsecsElapsed();
    });
    clock.start();
    poll.start(1);
    window.TBXItemConvertClick();
    while (stoppedAt < 0 && pressed)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    return pressed ? (stoppedAt - pressedAt) / 1e6 : -1;
}
} // namespace

int main(int argc, char **argv)
{
    ClipvoxApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 4)
        return std::fprintf(stderr, "usage: bench_run stall|queue|shot <format|png> <outdir> <video>...\n"), 2;
    const QString mode = args[0], outDir = QFileInfo(args[2]).absoluteFilePath();
    const QStringList videos = args.mid(3);
    QTemporaryDir programFolder;
    SetProgramFolder(programFolder.path());
    IniFile(SettingsFilePath()).writeInteger("tips", "showtip", 0);
    BenchDesktop desktop;
    Desktop::setInstance(&desktop);
    TMainForm window;
    MainForm = &window;

    if (mode == "stall") {
        Queue(window, desktop, videos, FormatIndex(args[1]), outDir);
        StallMeter meter;
        meter.start();
        QElapsedTimer wall;
        wall.start();
        window.TBXItemConvertClick();
        std::printf("stall_ms %.1f run_s %.2f\n", meter.longestMs(), wall.elapsed() / 1000.0);
        std::printf("cancel_video_ms %.1f\n", CancelDelayMs(window, false));
        window.RefreshJobList();
        std::printf("cancel_encode_ms %.1f\n", CancelDelayMs(window, true));
    } else if (mode == "queue") {
        Queue(window, desktop, videos, FormatIndex(args[1]), outDir);
        QElapsedTimer wall;
        wall.start();
        window.TBXItemConvertClick();
        std::printf("run_s %.3f\n", wall.elapsed() / 1000.0);
        for (int r = 0; r < videos.size(); ++r)
            if (window.JobStatus(r) != "100%")
                return std::fprintf(stderr, "job %d: %s\n", r + 1, qPrintable(window.JobStatus(r))), 1;
    } else if (mode == "shot") {
        Queue(window, desktop, videos, 0, outDir);
        window.resize(760, 440);
        window.show();
        // Let the window manager place the window, so that the dialog centres on it.
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 1000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        bool taken = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (!taken && ExecForm && RunJob == 1 && EncodeActive && ExecForm->Gauge1->value() >= 45) {
                taken = true;
                // The screen as it stands; the run waits meanwhile.
                const QRect r = window.frameGeometry().adjusted(-2, -2, 2, 2);
                const QString crop = QStringLiteral("%1x%2+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
                QProcess::execute("import", {"-window", "root", "-crop", crop, "+repage", args[1]});
            }
        });
        poll.start(5);
        window.TBXItemConvertClick();
        if (!taken)
            return std::fprintf(stderr, "no screenshot taken\n"), 1;
    }
    MainForm = nullptr;
    Desktop::setInstance(nullptr);
    return 0;
}
