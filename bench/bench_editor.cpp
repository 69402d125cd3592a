// SPDX-License-Identifier: GPL-3.0-or-later
// Drives Clipvox's clip editor for bench/editor_bench.sh:
//   bench_editor stall <video>        longest event-loop stall while the editor opens the video,
//                                     plays, seeks five times and closes, in ms
//   bench_editor strip <video>        seconds from the edit command until the sound strip is complete
//   bench_editor shot <png> <video> [<play from, ms> <start s> <end s>]
//                                     a screenshot of the editor with its strip (X11)
#include "bench/benchsupport.h"
#include "clip/edit.h"
#include "clip/soundstrip.h"
#include "desktop/application.h"
#include "main/main.h"
#include "media/previewplayer.h"
#include "media/waveform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include "main/queueview.h"
#include <cstdio>
#include <functional>

namespace {
MainWindow *g_window = nullptr; // the window the script drives
// Runs the steps one after another from the event loop, each when its condition holds.
class Script
{
public:
    void then(std::function<bool()> ready, std::function<void()> step) { m_steps.push_back({ready, step}); }
    void start()
    {
        QObject::connect(&m_poll, &QTimer::timeout, [this] {
            if (m_next < m_steps.size() && m_steps[m_next].first()) {
                auto step = m_steps[m_next++].second;
                step();
            }
        });
        m_poll.start(2);
    }

private:
    QTimer m_poll;
    std::vector<std::pair<std::function<bool()>, std::function<void()>>> m_steps;
    size_t m_next = 0;
};

std::function<bool()> after(int ms)
{
    auto clock = std::make_shared<QElapsedTimer>();
    return [clock, ms] {
        if (!clock->isValid())
            clock->start();
        return clock->elapsed() >= ms;
    };
}

bool playing()
{
    return g_window->EditForm && g_window->EditForm->Player && g_window->EditForm->Player->mode() == PlayerMode::Playing;
}
} // namespace

int main(int argc, char **argv)
{
    ClipvoxApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2)
        return std::fprintf(stderr, "usage: bench_editor stall|strip <video> | shot <png> <video>\n"), 2;
    const QString mode = args[0];
    QTemporaryDir programFolder;
    setProgramFolder(programFolder.path());
    IniFile(settingsFilePath()).writeInteger("tips", "showtip", 0);
    BenchDesktop desktop;
    Desktop::setInstance(&desktop);
    AppSettings settings;
    MainWindow window(settings);
    g_window = &window;
    desktop.files = {mode == "shot" && args.size() >= 3 ? args[2] : args[1]};
    window.addFiles();
    window.findChild<QueueView *>(QStringLiteral("queueView"))->selectRows({0});

    Script script;
    QElapsedTimer wall;
    if (mode == "stall") {
        // Let the meter settle, then: open, play a second, five seeks half a second apart,
        // close. The longest stall of each phase is kept apart.
        StallMeter meter;
        meter.start();
        double phase[3] = {};
        const auto keep = [&](int i) {
            phase[i] = std::max(phase[i], meter.longest / 1e6);
            meter.longest = 0;
        };
        script.then(after(200), [&] { meter.longest = 0; });
        script.then([] { return true; }, [&] { QTimer::singleShot(0, &window, [&] { window.editClipClick(); }); });
        script.then(playing, [] {});
        for (int i = 1; i <= 5; ++i)
            script.then(after(i == 1 ? 1000 : 500), [&, i] {
                keep(i == 1 ? 0 : 1);
                g_window->EditForm->soundStripClick(g_window->EditForm->Player->length() * (i * 17 % 10) / 10);
            });
        script.then(after(500), [&] {
            keep(1);
            g_window->EditForm->close();
        });
        script.then(after(300), [&] {
            keep(2);
            app.quit();
        });
        script.start();
        app.exec();
        std::printf("stall_ms %.1f open %.1f seeks %.1f close %.1f\n", std::max({phase[0], phase[1], phase[2]}),
                    phase[0], phase[1], phase[2]);
    } else if (mode == "strip") {
        double seconds = -1;
        script.then([] { return true; }, [&] {
            wall.start();
            QTimer::singleShot(0, &window, [&] { window.editClipClick(); });
        });
        script.then([] { return g_window->EditForm && !g_window->EditForm->waveform->isRunning(); }, [&] {
            seconds = wall.nsecsElapsed() / 1e9;
            auto *strip = g_window->EditForm->findChild<SoundStrip *>();
            if (strip->received() != strip->columnCount())
                seconds = -1;
            g_window->EditForm->close();
            app.quit();
        });
        script.start();
        app.exec();
        if (seconds < 0)
            return std::fprintf(stderr, "the strip was not completed\n"), 1;
        std::printf("strip_s %.3f\n", seconds);
    } else if (mode == "shot" && args.size() >= 3) {
        window.resize(760, 440);
        window.show();
        bool taken = false;
        script.then(after(1000), [&] { QTimer::singleShot(0, &window, [&] { window.editClipClick(); }); });
        script.then(playing, [&] {
            ClipEditor *editor = g_window->EditForm;
            editor->findChild<QCheckBox *>(QStringLiteral("CheckTag"))->click();
            const QStringList tags{"Garden tour", "Ana Ruiz", "Summer 2024", "2024", "3"};
            const char *const fields[] = {"infoTitle", "infoArtist", "infoAlbum", "infoYear", "infoTrack"};
            for (int i = 0; i < 5; ++i)
                editor->findChild<QLineEdit *>(QLatin1String(fields[i]))->setText(tags[i]);
            editor->findChild<QComboBox *>(QStringLiteral("infoGenre"))->setCurrentIndex(12);
            editor->soundStripClick(args.size() > 3 ? args[3].toLongLong() : 0);
        });
        // Marks from the command line (seconds), then play on a little before the picture.
        script.then(after(300), [&] {
            g_window->EditForm->setClipTimes(args.size() > 4 ? args[4].toInt() : 5, args.size() > 5 ? args[5].toInt() : 45);
        });
        script.then(after(2500), [&] {
            const QRect r = g_window->EditForm->frameGeometry().adjusted(-2, -2, 2, 2);
            const QString crop = QStringLiteral("%1x%2+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
            QProcess::execute("import", {"-window", "root", "-crop", crop, "+repage", args[1]});
            taken = true;
            g_window->EditForm->close();
            app.quit();
        });
        script.start();
        app.exec();
        if (!taken)
            return std::fprintf(stderr, "no screenshot taken\n"), 1;
    }
    g_window = nullptr;
    Desktop::setInstance(nullptr);
    return 0;
}
