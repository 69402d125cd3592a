// SPDX-License-Identifier: GPL-3.0-or-later
// The conversion run and its progress dialog: a queue of real videos converts end to end,
// one or two jobs at once, with the status texts, labels and gauges of each step, Cancel in
// both steps, failing jobs, WAV output, clip ends, the frozen queue, quitting during a run,
// and the files the run may and may not touch.
#include "ui_main.h"
#include "main/whendone.h"
#include "runharness.h"
#include "media_fixtures.h"
#include "core/translation.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTranslator>
#include <QMimeData>
#include <QAccessible>
#include <QtTest>

namespace {
// What the dialog and the queue show at one moment.
struct Seen
{
    bool dialog = false;
    QString file, total, elapsed, title;
    bool clock = false; // the elapsed time counts
    bool cancelShown = false, timeLeftShown = false;
    int fileLines = 0;
    int gauge1 = -1, gauge2 = -1, gauge2Max = -1;
    QString gauge1Text, gauge2Text;
    QStringList statuses;
    QStringList files;
};

// The running test's progress dialog, empty while none is open.
ProgressDialog *execDialog() { return RunHarness::current->window->ExecForm; }

Seen look(const RunHarness &h)
{
    Seen s;
    s.statuses = h.statuses();
    s.files = h.files();
    s.title = h.window->windowTitle();
    if (!execDialog())
        return s;
    s.dialog = execDialog()->isVisible();
    s.file = execDialog()->lbFile->text();
    s.total = execDialog()->lbTotal->text();
    s.elapsed = execDialog()->findChild<QLineEdit *>("EditElapsed")->text();
    s.gauge1 = execDialog()->GaugeFile1->value();
    s.gauge2 = execDialog()->GaugeTotal->value();
    s.gauge2Max = execDialog()->GaugeTotal->maximum();
    s.gauge1Text = execDialog()->GaugeFile1->text();
    s.gauge2Text = execDialog()->GaugeTotal->text();
    s.clock = execDialog()->Clock.isActive();
    s.cancelShown = execDialog()->findChild<QWidget *>("BtnCancel")->isVisible();
    s.timeLeftShown = execDialog()->findChild<QWidget *>("EditLeft")->isVisible();
    s.fileLines = int(execDialog()->fileLines().size());
    return s;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

void clickCancel() { execDialog()->findChild<QPushButton *>("BtnCancel")->click(); }

// Runs f after every slot of the engine's signal has run (the dialog and the rows drawn).
template <typename Signal, typename F>
void after(const RunHarness &h, Signal signal, F &&f)
{
    QObject::connect(h.window->runEngine, signal, h.window.get(), std::forward<F>(f), Qt::QueuedConnection);
}

// The commands that change the queue or the settings.
QList<bool> queueCommands(const RunHarness &h)
{
    const Ui::MainWindow *ui = h.window->ui;
    QList<bool> on;
    for (const QAction *a : {ui->toolAddFiles, ui->queueAddFiles, ui->toolRemove, ui->queueRemove, ui->actionMoveUp, ui->actionMoveDown,
                             ui->actionRemoveAll, ui->toolEditClip, ui->queueEditClip, ui->toolConvert, ui->queueConvert, ui->toolSettings})
        on << a->isEnabled();
    for (const QWidget *w : std::initializer_list<const QWidget *>{ui->outputFormatCombo, ui->browseOutputButton, ui->settingsButton})
        on << w->isEnabled();
    return on;
}

// Hidden files of the run's own in the output folder.
QStringList hidden(const RunHarness &h) { return h.files().filter(QRegularExpression("^\\.")); }
} // namespace

class TestRun : public QObject
{
    Q_OBJECT
    QTemporaryDir m_media;
    QString m_avi, m_mpg, m_wmv, m_long, m_frac, m_short, m_silent, m_text, m_quiet;

    QString media(const QString &name) const { return m_media.path() + "/" + name; }

private slots:
    void initTestCase()
    {
        m_avi = makeVideo(media("talk one.avi"), "avi", 3.0);
        m_mpg = makeVideo(media("news.mpg"), "mpg", 2.0);
        m_wmv = makeVideo(media(QString::fromUtf8("Zoë #2.wmv")), "wmv", 2.5);
        m_frac = makeVideo(media("frac.avi"), "avi", 2.5);
        m_short = makeVideo(media("short.avi"), "avi", 0.6);
        m_silent = makeVideo(media("silent.avi"), "silent-avi", 2.0);
        // Long enough that each step lasts well beyond one pass of the event loop.
        m_long = media("long.avi");
        QVERIFY(runFfmpeg({"-f", "lavfi", "-i", "testsrc=size=64x48:rate=1:duration=300", "-f", "lavfi", "-i",
                           "sine=frequency=440:sample_rate=44100:duration=300", "-ac", "2", "-c:v", "mpeg4",
                           "-c:a", "mp2", "-b:a", "128k", "-f", "avi", m_long}));
        m_quiet = media("quiet.avi");
        QVERIFY(runFfmpeg({"-i", m_avi, "-c:v", "copy", "-af", "volume=-25dB", "-c:a", "libmp3lame", m_quiet}));
        m_text = media("notes.avi");
        writeAll(m_text, "this is no video\n");
        for (const QString &v : {m_avi, m_mpg, m_wmv, m_frac, m_short, m_silent})
            QVERIFY(!v.isEmpty());
    }

    void queueOfThreeConvertsEndToEnd();
    void gaugesClampAndShowTruncatedPercent();
    void longNamesInGerman();
    void cancelInVideoStepThenConvertAgain();
    void cancelInEncodingStep();
    void failingJobsBetweenGoodOnes();
    void wavOutputWithItsOwnSettings();
    void clipEndsReachTheTrueEnd();
    void emptyListOpensNothing();
    void closedDialogRunGoesOnAlone();
    void hiddenOutputNeverTakesAUsersFile();
    void duplicateOutputNamesGetFreeNames();
    void twoJobsAtOnce();
    void cancelWithTwoRunning();
    void jobFailsWhileAnotherRuns();
    void quittingDuringARun();
    void whenDone_data();
    void whenDone();
    void newFormatsAndEvenLoudness_data();
    void newFormatsAndEvenLoudness();
};

void TestRun::queueOfThreeConvertsEndToEnd()
{
    RunHarness h;
    h.queue({m_avi, m_mpg, m_wmv});
    const QString out1 = h.outFile("talk one.mp3"), out2 = h.outFile("news.mp3");
    const QString out3 = h.outFile(QString::fromUtf8("Zoë #2.mp3"));

    Seen atStart, afterFirst, atEnd;
    QList<Seen> completions; // as each later job starts
    after(h, &RunEngine::jobStarted, [&](int index) { (index == 0 ? atStart : (completions << Seen()).last()) = look(h); });
    h.desktop.onMessage = [&](const ShownMessage &) { atEnd = look(h); };
    h.window->ui->toolConvert->trigger(); // returns when the dialog closes

    QVERIFY(atStart.dialog);
    QCOMPARE(atStart.statuses, (QStringList{"Converting...", "Waiting", "Waiting"}));
    QCOMPARE(atStart.file, "Convert " + m_avi + " to " + out1 + "...");
    QCOMPARE(atStart.total, QString("Convert file 1 of total 3 file(s)"));
    QCOMPARE(atStart.gauge1, 0);
    QCOMPARE(atStart.gauge2, 0);
    QCOMPARE(atStart.gauge2Max, 300);
    QCOMPARE(atStart.elapsed, QString("00:00:00"));
    QVERIFY(atStart.clock);
    QCOMPARE(atStart.fileLines, 1); // one job at a time: one file line, as always

    QCOMPARE(completions.size(), 2);
    afterFirst = completions.first();
    QCOMPARE(afterFirst.statuses, (QStringList{"100%", "Converting...", "Waiting"}));
    QCOMPARE(afterFirst.gauge2, 100);
    QCOMPARE(afterFirst.gauge2Text, QString("33%"));
    QCOMPARE(afterFirst.gauge1, 100); // keeps the last copy's value until the next copy
    QCOMPARE(afterFirst.file, "Convert " + m_mpg + " to " + out2 + "...");
    QCOMPARE(afterFirst.total, QString("Convert file 2 of total 3 file(s)"));
    QCOMPARE(completions[1].gauge2Text, QString("66%"));

    QCOMPARE(h.desktop.messages.size(), 1);
    QCOMPARE(h.desktop.messages[0].text, QString("Task complete!"));
    QCOMPARE(h.desktop.messages[0].caption, QString("Information"));
    QCOMPARE(h.desktop.messages[0].icon, QMessageBox::Information);
    QVERIFY(atEnd.dialog); // shown before the dialog closes
    QCOMPARE(atEnd.gauge2, 300);
    QVERIFY(atStart.cancelShown && atStart.timeLeftShown);
    QVERIFY(!atEnd.cancelShown && !atEnd.timeLeftShown); // at 100 %: nothing left to cancel or wait for
    QCOMPARE(atEnd.gauge2Text, QString("100%"));
    QCOMPARE(atEnd.total, QString("Convert file 3 of total 3 file(s)"));
    QCOMPARE(atEnd.statuses, (QStringList{"100%", "100%", "100%"}));
    QVERIFY(!atEnd.clock); // the elapsed time stops with the run, not with the answer
    QCOMPARE(atEnd.title, QString("100% - Clipvox"));
    QCOMPARE(h.window->windowTitle(), QString("Clipvox"));

    QVERIFY(!execDialog());
    QVERIFY(!h.window->runActive());
    QCOMPARE(h.files(), sorted(QStringList{"news.mp3", "talk one.mp3", QString::fromUtf8("Zoë #2.mp3")}));
    const double lengths[] = {3.0, 2.0, 2.5};
    const QString outs[] = {out1, out2, out3};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(probeAudio(outs[i]).value("codec_name").toString(), QString("mp3"));
        QVERIFY2(qAbs(probeDuration(outs[i]) - lengths[i]) < 0.1, qPrintable(outs[i]));
    }
    // Tags are off by default: none written.
    QVERIFY(probeTag(out1, "title").isEmpty());
    QVERIFY(probeTag(out1, "comment").isEmpty());
}

void TestRun::gaugesClampAndShowTruncatedPercent()
{
    RunHarness h;
    auto *dialog = new ProgressDialog(h.window.get(), h.window->runEngine); // never shown: no run starts
    QProgressBar *g = dialog->GaugeTotal;
    const auto show = [g](int min, int max, qint64 value) {
        g->setRange(min, max);
        ProgressDialog::setGauge(g, value);
        return std::make_pair(g->value(), g->text());
    };
    QCOMPARE(show(0, 300, 100), std::make_pair(100, QString("33%")));
    QCOMPARE(show(0, 300, 299), std::make_pair(299, QString("99%")));
    QCOMPARE(show(0, 7, 5), std::make_pair(5, QString("71%")));
    QCOMPARE(show(50, 150, 149), std::make_pair(149, QString("99%")));
    QCOMPARE(show(0, 300, 1000), std::make_pair(300, QString("100%")));  // clamped
    QCOMPARE(show(0, 300, -5), std::make_pair(0, QString("0%")));        // clamped
    QCOMPARE(show(0, 300, qint64(1) << 40), std::make_pair(300, QString("100%")));
    QCOMPARE(show(5, 5, 10), std::make_pair(5, QString("0%")));          // empty range

    // The elapsed time counts whole seconds from 00:00:00.
    auto *elapsed = dialog->findChild<QLineEdit *>("EditElapsed");
    QCOMPARE(elapsed->text(), QString("00:00:00"));
    for (int i = 0; i < 75; ++i)
        dialog->clockTick();
    QCOMPARE(elapsed->text(), QString("00:01:15"));
    QCOMPARE(dialog->findChild<QLineEdit *>("EditLeft")->text(), QString("--:--:--")); // no run, no estimate
    QCOMPARE(dialog->windowTitle(), QString("Converting"));
    QVERIFY(dialog->width() >= 421);
    QCOMPARE(dialog->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)); // it grows
    QCOMPARE(g->palette().color(QPalette::Text), QColor(Qt::blue));
    delete dialog;

    // Under a dark palette the gauges keep its light text, not blue on silver.
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(40, 40, 40));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    QApplication::setPalette(dark);
    auto *night = new ProgressDialog(h.window.get(), h.window->runEngine);
    QApplication::setPalette(light);
    QVERIFY(night->GaugeFile1->palette().color(QPalette::Text).lightness() > 128);
    QCOMPARE(night->GaugeTotal->palette().color(QPalette::Base), QColor(30, 30, 30));
    delete night;
}

// Two jobs with long paths, in German: every line shows the end of its output's name and
// holds the whole in its tooltip, and "Abbrechen" with its icon fits its button.
void TestRun::longNamesInGerman()
{
    RunHarness h;
    const QList<QTranslator *> translators = installTranslators(QLocale(QStringLiteral("de_DE")));
    const auto english = qScopeGuard([&] {
        for (QTranslator *t : translators) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    });
    QVERIFY(!translators.isEmpty());
    // Laid out but never shown: shown without a run, the dialog closes at once.
    auto *dialog = new ProgressDialog(h.window.get(), h.window->runEngine, 3);
    const auto deleteDialog = qScopeGuard([dialog] { delete dialog; });
    dialog->layout()->activate();
    auto *cancel = dialog->findChild<QPushButton *>("BtnCancel");
    QCOMPARE(cancel->text(), QString("Abbrechen"));
    QVERIFY(cancel->width() >= cancel->sizeHint().width());
    QVERIFY(cancel->height() >= cancel->sizeHint().height());

    const QString folder = "/home/someone/Videos/" + QString("Ein sehr langer Ordnername/").repeated(4);
    // The third pair's names are too long for the line: each keeps its start and extension.
    const QString longName = "Quelle Wetterbericht vom langen Sonntag im Norden und im Süden, zweiter Teil (endgültig)";
    const QStringList sources{"Quelle 1.avi", "Quelle 2.avi", longName + ".avi"};
    const QStringList outputs{"Erster Vortrag über das Wetter.mp3", "Zweiter Vortrag.mp3", longName + ".mp3"};
    for (int job = 0; job < 3; ++job)
        emit h.window->runEngine->jobStarted(job, folder + sources[job], folder + outputs[job]);
    for (const int width : {dialog->width(), dialog->width() + 300}) {
        dialog->resize(width, dialog->height());
        dialog->layout()->activate();
        for (int job = 0; job < 3; ++job) {
            const ElidedLabel *line = dialog->fileLines()[job];
            const QString whole = QCoreApplication::translate("ProgressDialog", "Convert %1 to %2...")
                                      .arg(folder + sources[job], folder + outputs[job]);
            QVERIFY(whole.contains("konvertiert"));
            QCOMPARE(line->toolTip(), whole);
            const QString shown = line->elidedText();
            QVERIFY2(shown.contains(QChar(0x2026)), qPrintable(shown)); // cut
            // Both names keep their start and their extension in sight.
            for (const QString &name : {sources[job], outputs[job]})
                QVERIFY2(shown.contains(name.left(6)) && shown.contains(name.right(4)), qPrintable(shown));
            QVERIFY(line->fontMetrics().horizontalAdvance(line->elidedText()) <= line->contentsRect().width());
        }
    }
}

void TestRun::cancelInVideoStepThenConvertAgain()
{
    RunHarness h;
    h.queue({m_avi, m_long, m_mpg});
    const QString before = h.outFile("keep.txt");
    writeAll(before, "user data");
    bool cancelled = false, copying = false;
    QObject::connect(h.window->runEngine, &RunEngine::fileProgress, [&](int index) { copying |= index == 1; });
    after(h, &RunEngine::jobStarted, [&](int index) {
        if (index == 1 && !cancelled) {
            cancelled = true;
            clickCancel();
        }
    });
    h.window->ui->toolConvert->trigger();

    QVERIFY(cancelled);
    QVERIFY(!execDialog());
    QTRY_VERIFY_WITH_TIMEOUT(!h.window->runActive(), 60000); // stopped once its job has ended
    QVERIFY(!copying); // still in the video step
    QCOMPARE(h.statuses(), (QStringList{"100%", "Stop", "Waiting"}));
    QVERIFY(h.desktop.messages.isEmpty());
    QVERIFY(!h.window->runActive());
    // The first job's output stays; the cancelled job's half-made temporary WAV is gone and
    // it wrote no output; no later job ran.
    QCOMPARE(h.files(), sorted(QStringList{"keep.txt", "talk one.mp3"}));
    QCOMPARE(readAll(before), QByteArray("user data"));

    // A second run converts every job normally, with an estimate of the time left once
    // some sound is done.
    QStringList left;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (execDialog() && (left.isEmpty() || left.last() != execDialog()->findChild<QLineEdit *>("EditLeft")->text()))
            left << execDialog()->findChild<QLineEdit *>("EditLeft")->text();
    });
    poll.start(10);
    QStringList atSecondStart;
    after(h, &RunEngine::jobStarted, [&](int index) {
        if (index == 0)
            atSecondStart = h.statuses();
    });
    h.window->ui->toolConvert->trigger();
    poll.stop();
    // Every row of the new run starts from "Waiting": no "100%" or "Stop" of the last run.
    QCOMPARE(atSecondStart, (QStringList{"Converting...", "Waiting", "Waiting"}));
    QCOMPARE(h.statuses(), (QStringList{"100%", "100%", "100%"}));
    QCOMPARE(h.desktop.texts(), QStringList{"Task complete!"});
    QVERIFY(qAbs(probeDuration(h.outFile("long.mp3")) - 300) < 0.1);
    QVERIFY(QFile::exists(h.outFile("news.mp3")));
    QCOMPARE(h.files(), sorted(QStringList{"keep.txt", "long.mp3", "news.mp3", "talk one.mp3"}));
    QCOMPARE(left.value(0), QString("--:--:--"));
    QVERIFY2(!left.filter(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$")).isEmpty(), qPrintable(left.join(" ")));
}

void TestRun::cancelInEncodingStep()
{
    RunHarness h;
    h.queue({m_long, m_avi});
    setJobField(h.jobs(), 0, &Job::TagsEnabled, true);
    // A file of the output's name from before the run is no part of the job's work.
    const QString before = h.outFile("long.mp3");
    writeAll(before, "user data");
    int percentAtCancel = -1;
    QStringList filesAtCancel;
    after(h, &RunEngine::fileProgress, [&](int, int percent) {
        if (percentAtCancel < 0 && execDialog() && percent >= 5) {
            percentAtCancel = execDialog()->GaugeFile1->value();
            filesAtCancel = hidden(h);
            clickCancel();
            QVERIFY(!execDialog()); // closed at once
            QVERIFY(h.window->runActive()); // Cancel did not wait for the job to end
        }
    });
    h.window->ui->toolConvert->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!h.window->runActive(), 60000);

    QVERIFY(percentAtCancel >= 5 && percentAtCancel < 100);
    QCOMPARE(filesAtCancel.size(), 1); // the output being written, and no temporary file
    QCOMPARE(h.statuses(), (QStringList{"Stop", "Waiting"}));
    QVERIFY(h.desktop.messages.isEmpty());
    // No partial output; the file from before is untouched.
    QCOMPARE(h.files(), QStringList{"long.mp3"});
    QCOMPARE(readAll(before), QByteArray("user data"));
}

void TestRun::failingJobsBetweenGoodOnes()
{
    RunHarness h;
    const QString missing = media("gone.avi");
    h.queue({m_avi, m_text, missing, m_silent, m_mpg, m_avi});
    setJobField(h.jobs(), 5, &Job::clipStart, 2.0);
    setJobField(h.jobs(), 5, &Job::clipEnd, 1.0); // end before start
    h.window->refreshJobList();
    h.window->ui->toolConvert->trigger();

    QCOMPARE(h.statuses(), (QStringList{"100%", "Failed", "Failed", "Failed", "100%", "Failed"}));
    QCOMPARE(h.desktop.texts(),
             QStringList{"Task complete!\n4 of 6 files could not be converted; their Status says why."});
    QCOMPARE(h.desktop.messages[0].caption, QString("Warning"));
    QCOMPARE(h.desktop.messages[0].icon, QMessageBox::Warning);
    QStringList reasons;
    for (int r : {1, 2, 3, 5}) {
        reasons << cell(*h.window, r, ColStatus, Qt::ToolTipRole);
        // A screen reader hears the reason too.
        QCOMPARE(cell(*h.window, r, ColStatus, Qt::AccessibleDescriptionRole), reasons.last());
    }
    for (const QString &reason : reasons)
        QVERIFY2(!reason.isEmpty(), qPrintable(reasons.join(" | ")));
    QCOMPARE(QSet<QString>(reasons.begin(), reasons.end()).size(), 4); // each says its own why
    QVERIFY2(reasons[1].contains("length"), qPrintable(reasons[1]));   // "Max" of a missing file
    QVERIFY(cell(*h.window, 0, ColStatus, Qt::ToolTipRole).isEmpty());
    // Good jobs wrote their files; failed ones left nothing, temporary WAVs included.
    QCOMPARE(h.files(), sorted(QStringList{"news.mp3", "talk one.mp3"}));
    QCOMPARE(probeAudio(h.outFile("news.mp3")).value("codec_name").toString(), QString("mp3"));
}

void TestRun::wavOutputWithItsOwnSettings()
{
    RunHarness h;
    h.setFormat(2);
    setSetting(h.settings, &OutputSettings::WavFrequency, 22050);
    setSetting(h.settings, &OutputSettings::WavChannels, 1);
    setSetting(h.settings, &OutputSettings::WavBps, 8);
    h.queue({m_avi, m_wmv});
    // A WAV output replaces a file of its name, as documented.
    const QString existing = h.outFile("talk one.wav");
    writeAll(existing, "old");
    setJobField(h.jobs(), 0, &Job::TagsEnabled, true);
    setJobField(h.jobs(), 0, &Job::TagTitle, "No tags in WAV");
    h.window->ui->toolConvert->trigger();

    QCOMPARE(h.statuses(), (QStringList{"100%", "100%"}));
    QCOMPARE(h.column(ColConvertTo), (QStringList{"wav", "wav"}));
    QCOMPARE(h.files(), sorted(QStringList{"talk one.wav", QString::fromUtf8("Zoë #2.wav")}));
    for (const QString &name : h.files()) {
        const QJsonObject a = probeAudio(h.outFile(name));
        QCOMPARE(a.value("codec_name").toString(), QString("pcm_u8"));
        QCOMPARE(a.value("sample_rate").toString(), QString("22050"));
        QCOMPARE(a.value("channels").toInt(), 1);
    }
    QVERIFY(qAbs(probeDuration(existing) - 3.0) < 0.06);
    QVERIFY(probeTag(existing, "title").isEmpty());
    QCOMPARE(h.desktop.texts(), QStringList{"Task complete!"});
}

void TestRun::clipEndsReachTheTrueEnd()
{
    RunHarness h;
    h.setFormat(2);
    setSetting(h.settings, &OutputSettings::WavFrequency, 44100);
    setSetting(h.settings, &OutputSettings::WavChannels, 2);
    setSetting(h.settings, &OutputSettings::WavBps, 16);
    h.queue({m_frac, m_frac, m_frac, m_frac, m_short});
    // A typed end is where the clip stops, also at the source's length in whole seconds; the
    // source's end, shown as "Max" or as the editor's measured length, is its true end.
    setJobField(h.jobs(), 1, &Job::clipEnd, 2.0);
    setJobField(h.jobs(), 2, &Job::Duration, 2);
    setJobField(h.jobs(), 2, &Job::endShowsLength, true);
    setJobField(h.jobs(), 3, &Job::clipStart, 1.0);
    h.window->refreshJobList();
    h.window->ui->toolConvert->trigger();

    QCOMPARE(h.statuses(), (QStringList{"100%", "100%", "100%", "100%", "100%"}));
    const QStringList names{"frac.wav", "frac (2).wav", "frac (3).wav", "frac (4).wav", "short.wav"};
    const double expected[] = {2.5, 2.0, 2.5, 1.5, 0.6};
    for (int i = 0; i < 5; ++i) {
        const double got = probeDuration(h.outFile(names[i]));
        QVERIFY2(qAbs(got - expected[i]) < 0.06, qPrintable(names[i] + ": " + QString::number(got)));
    }
}

void TestRun::emptyListOpensNothing()
{
    RunHarness h;
    h.window->convertClick();
    QVERIFY(!execDialog());
    QVERIFY(h.window->findChildren<ProgressDialog *>().isEmpty());
    QVERIFY(h.desktop.messages.isEmpty());
    QCOMPARE(h.statuses(), QStringList());
    QVERIFY(!h.window->runActive());
}

void TestRun::closedDialogRunGoesOnAlone()
{
    RunHarness h;
    h.queue({m_long, m_avi});
    const QList<bool> allOn(15, true), allOff(15, false);
    selectRows(*h.window, {0});
    QCOMPARE(queueCommands(h), allOn);
    bool stillOpenAfterEscape = false;
    QTimer::singleShot(0, [&] {
        QTest::keyClick(execDialog(), Qt::Key_Escape); // only Cancel or the title bar close it
        stillOpenAfterEscape = execDialog() && execDialog()->isVisible();
        execDialog()->close(); // the title bar's close button
    });
    h.window->ui->toolConvert->trigger();
    QVERIFY(stillOpenAfterEscape);
    QVERIFY(execDialog() && !execDialog()->isVisible()); // hidden, not gone
    QVERIFY(h.window->runActive());
    QTRY_COMPARE(h.statuses().first(), QString("Converting..."));

    // The queue is frozen while the run goes on: every command that would change it is off
    // and does nothing, a new selection included. Convert became "Show progress".
    QList<bool> frozen = allOff;
    frozen[9] = true;
    QAction *convert = h.window->ui->toolConvert;
    QCOMPARE(queueCommands(h), frozen);
    QCOMPARE(convert->text(), QString("Show progress"));
    QCOMPARE(convert->toolTip(), QString("Show progress (F9)"));
    selectRows(*h.window, {1});
    QCOMPARE(queueCommands(h), frozen);
    QTRY_VERIFY_WITH_TIMEOUT(QRegularExpression("^\\d+% - Clipvox$").match(h.window->windowTitle()).hasMatch(), 60000);
    for (QAction *a : {h.window->ui->queueRemove, h.window->ui->toolRemove, h.window->ui->actionRemoveAll})
        a->trigger();
    h.window->queueDoubleClick(); // would open the clip editor
    for (const QDialog *d : h.window->findChildren<QDialog *>())
        QVERIFY(!d->isVisible());
    QMimeData dropped; // nor does a drop from a file manager get in
    dropped.setUrls({QUrl::fromLocalFile(m_avi)});
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(h.window->ui->queueView->viewport(), &enter);
    QVERIFY(!enter.isAccepted());
    QCOMPARE(h.paths(ColSource), (QStringList{m_long, m_avi}));

    // Show progress brings the same dialog back with its Cancel; closed again, the run
    // still goes on.
    bool reopened = false;
    QTimer::singleShot(0, [&] {
        reopened = execDialog() && execDialog()->isVisible() && execDialog()->Clock.isActive() &&
                   execDialog()->findChild<QPushButton *>("BtnCancel")->isVisible();
        execDialog()->close();
    });
    convert->trigger();
    QVERIFY(reopened);
    QVERIFY(h.window->runActive());
    QCOMPARE(convert->text(), QString("Show progress"));

    QTRY_VERIFY_WITH_TIMEOUT(!h.window->runActive(), 300000);
    QCOMPARE(h.statuses(), (QStringList{"100%", "100%"}));
    QCOMPARE(h.desktop.texts(), QStringList{"Task complete!"});
    QCOMPARE(h.files(), sorted(QStringList{"long.mp3", "talk one.mp3"}));
    QCOMPARE(queueCommands(h), allOn); // thawed, with the selection's entries
    QCOMPARE(convert->text(), QString("convert"));
    QCOMPARE(convert->toolTip(), QString("Start converting files (F9)"));
    QCOMPARE(h.window->windowTitle(), QString("Clipvox"));

    // Closed in the middle of an encoding step: the copy goes on without gauges.
    h.desktop.messages.clear();
    bool closed = false;
    after(h, &RunEngine::fileProgress, [&](int, int percent) {
        if (!closed && execDialog() && percent >= 5) {
            closed = true;
            execDialog()->close();
        }
    });
    h.window->ui->toolConvert->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!h.window->runActive(), 300000);
    QVERIFY(closed);
    QTRY_VERIFY(h.window->findChildren<ProgressDialog *>().isEmpty()); // deleted once the run ends
    QCOMPARE(h.statuses(), (QStringList{"100%", "100%"}));
    QCOMPARE(h.desktop.texts(), QStringList{"Task complete!"});
    QVERIFY(qAbs(probeDuration(h.outFile("long.mp3")) - 300) < 0.1);
}

void TestRun::hiddenOutputNeverTakesAUsersFile()
{
    for (int format : {0, 1, 3}) {
        RunHarness h;
        h.setFormat(format);
        h.queue({m_avi});
        const QString ext = outputExtension(format);
        const QString users = h.outFile("talk one.wav");
        writeAll(users, "a file of the user's");
        // Every hidden file seen while the job reports progress (it may be named already).
        QSet<QString> during;
        QObject::connect(h.window->runEngine, &RunEngine::fileProgress, [&] {
            for (const QString &name : hidden(h))
                during.insert(name);
        });
        h.window->ui->toolConvert->trigger();

        QCOMPARE(h.statuses(), QStringList{"100%"});
        // The output is a hidden file of the run's own until the end, and the only file made.
        QVERIFY(during.size() <= 1);
        for (const QString &name : during)
            QVERIFY2(QRegularExpression("^\\.talk one\\.clipvox-\\w+\\." + ext + "$").match(name).hasMatch(),
                     qPrintable(name));
        QCOMPARE(readAll(users), QByteArray("a file of the user's"));
        QCOMPARE(h.files(), sorted(QStringList{"talk one." + ext, "talk one.wav"}));
        const double length = probeDuration(h.outFile("talk one." + ext));
        QVERIFY2(qAbs(length - 3.0) < 0.1, qPrintable(ext + ": " + QString::number(length)));
    }
}

void TestRun::duplicateOutputNamesGetFreeNames()
{
    RunHarness h;
    QDir(m_media.path()).mkpath("other");
    const QString twin = media("other/talk one.avi");
    QFile::remove(twin);
    QVERIFY(QFile::copy(m_mpg, twin));
    h.queue({m_avi, twin, m_avi});
    // A file from before the run is overwritten by the job that owns its name; a free name
    // is one that no file has.
    writeAll(h.outFile("talk one.mp3"), "stale");
    writeAll(h.outFile("talk one (2).mp3"), "the user's");
    QList<Seen> completions; // as each later job starts
    after(h, &RunEngine::jobStarted, [&](int index) {
        if (index > 0)
            completions << look(h);
    });
    h.window->ui->toolConvert->trigger();

    QCOMPARE(h.statuses(), (QStringList{"100%", "100%", "100%"}));
    const QStringList outs{h.outFile("talk one.mp3"), h.outFile("talk one (3).mp3"), h.outFile("talk one (4).mp3")};
    QCOMPARE(h.paths(ColOutput), outs);
    for (int k = 1; k <= 3; ++k)
        QCOMPARE(h.jobs().job(k - 1).OutputFile, outs[k - 1]);
    QCOMPARE(completions.first().file, "Convert " + twin + " to " + outs[1] + "...");
    QCOMPARE(readAll(h.outFile("talk one (2).mp3")), QByteArray("the user's"));
    QVERIFY(qAbs(probeDuration(outs[0]) - 3.0) < 0.1);
    QVERIFY(qAbs(probeDuration(outs[1]) - 2.0) < 0.1); // the other folder's video
    QVERIFY(qAbs(probeDuration(outs[2]) - 3.0) < 0.1);
    QCOMPARE(h.files().size(), 4);
}

void TestRun::twoJobsAtOnce()
{
    RunHarness h;
    setSetting(h.settings, &OutputSettings::Jobs, 2);
    QDir(m_media.path()).mkpath("other");
    const QString twin = media("other/talk one.avi");
    QFile::remove(twin);
    QVERIFY(QFile::copy(m_mpg, twin));
    h.queue({m_avi, twin, m_wmv, m_frac});
    for (int k = 1; k <= 4; ++k) {
        setJobField(h.jobs(), k - 1, &Job::TagsEnabled, true);
        setJobField(h.jobs(), k - 1, &Job::TagTitle, QStringLiteral("Title %1").arg(k));
    }
    int running = 0, most = 0;
    QStringList bothConverting;
    QList<int> totals;
    QObject::connect(h.window->runEngine, &RunEngine::jobStarted, [&] { most = std::max(most, ++running); });
    QObject::connect(h.window->runEngine, &RunEngine::jobFinished, [&] { --running; });
    // The file lines the dialog shows, and the ones the running rows call for.
    const auto shownLines = [&] {
        QStringList lines;
        for (const QLabel *line : execDialog()->fileLines())
            lines << line->text();
        return sorted(lines);
    };
    const auto runningLines = [&] {
        QStringList lines;
        for (int r = 0; r < 4; ++r)
            if (cell(*h.window, r, ColStatus) == "Converting...")
                lines << "Convert " + pathIn(*h.window, r, ColSource) + " to " + pathIn(*h.window, r, ColOutput) + "...";
        return sorted(lines);
    };
    QStringList linesSeen, linesWanted;
    QStringList readingOrder; // the dialog's parts as a screen reader reads them
    int finished = 0, totalsMatched = 0;
    QObject::connect(h.window->runEngine, &RunEngine::jobFinished, [&] { ++finished; });
    after(h, &RunEngine::jobStarted, [&] {
        if (h.statuses().count("Converting...") == 2) {
            bothConverting = h.statuses();
            linesSeen = shownLines();
            linesWanted = runningLines();
            QAccessibleInterface *dialog = QAccessible::queryAccessibleInterface(execDialog());
            for (int i = 0; i < dialog->childCount(); ++i)
                readingOrder << dialog->child(i)->object()->objectName();
        }
    });
    // The total gauge: the finished files plus the parts done of the running ones.
    after(h, &RunEngine::fileProgress, [&] {
        if (!execDialog())
            return;
        totals << execDialog()->GaugeTotal->value();
        if (h.statuses().count("Converting...") == 2) {
            int parts = 0;
            for (const QProgressBar *gauge : execDialog()->fileGauges())
                parts += gauge->value();
            totalsMatched += totals.last() == finished * 100 + parts;
        }
    });
    after(h, &RunEngine::jobFinished, [&] {
        if (execDialog())
            totals << execDialog()->GaugeTotal->value();
    });
    h.desktop.onMessage = [&](const ShownMessage &) { totals << execDialog()->GaugeTotal->value(); };
    h.window->ui->toolConvert->trigger();

    QCOMPARE(most, 2);
    QVERIFY2(!bothConverting.isEmpty(), "two rows never read Converting... at once");
    QCOMPARE(linesSeen.size(), 2); // a line per running file
    QCOMPARE(linesSeen, linesWanted);
    for (const char *part : {"lbFile2", "GaugeFile2"})
        QVERIFY2(readingOrder.contains(part) && readingOrder.indexOf(part) < readingOrder.indexOf("BtnCancel"),
                 qPrintable(readingOrder.join(' ')));
    QVERIFY(totalsMatched > 0);
    for (int i = 1; i < totals.size(); ++i)
        QVERIFY2(totals[i] >= totals[i - 1], qPrintable(QString::number(i))); // never goes back
    QCOMPARE(totals.last(), 400);
    QCOMPARE(h.statuses(), (QStringList{"100%", "100%", "100%", "100%"}));
    QCOMPARE(h.desktop.texts(), QStringList{"Task complete!"});
    // Same-name outputs are numbered in queue order, whichever job finished first.
    const QStringList outs{h.outFile("talk one.mp3"), h.outFile("talk one (2).mp3"),
                           h.outFile(QString::fromUtf8("Zoë #2.mp3")), h.outFile("frac.mp3")};
    QCOMPARE(h.paths(ColOutput), outs);
    const double lengths[] = {3.0, 2.0, 2.5, 2.5};
    for (int i = 0; i < 4; ++i) {
        QVERIFY2(qAbs(probeDuration(outs[i]) - lengths[i]) < 0.1, qPrintable(outs[i]));
        QCOMPARE(probeTag(outs[i], "title"), QStringLiteral("Title %1").arg(i + 1));
    }
    QCOMPARE(h.files().size(), 4);
}

void TestRun::cancelWithTwoRunning()
{
    RunHarness h;
    setSetting(h.settings, &OutputSettings::Jobs, 2);
    QDir(m_media.path()).mkpath("other");
    const QString twin = media("other/long.avi");
    if (!QFile::exists(twin))
        QVERIFY(QFile::copy(m_long, twin));
    h.queue({m_long, twin, m_avi});
    const QString before = h.outFile("long.mp3");
    writeAll(before, "user data");
    QSet<int> copying;
    bool cancelled = false;
    after(h, &RunEngine::fileProgress, [&](int index) {
        copying << index;
        if (!cancelled && copying.size() == 2) {
            cancelled = true;
            clickCancel();
            QVERIFY(h.window->runActive()); // stopped once both jobs have ended
        }
    });
    h.window->ui->toolConvert->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!h.window->runActive(), 60000);

    QVERIFY(cancelled);
    QCOMPARE(h.statuses(), (QStringList{"Stop", "Stop", "Waiting"}));
    QVERIFY(h.desktop.messages.isEmpty());
    QCOMPARE(h.files(), QStringList{"long.mp3"}); // no partial output, no temporary WAV
    QCOMPARE(readAll(before), QByteArray("user data"));
}

void TestRun::jobFailsWhileAnotherRuns()
{
    RunHarness h;
    setSetting(h.settings, &OutputSettings::Jobs, 2);
    h.queue({m_long, m_text, m_silent});
    QStringList whenFailed;
    after(h, &RunEngine::jobFinished, [&](int index) {
        if (index == 1)
            whenFailed = h.statuses();
    });
    h.window->ui->toolConvert->trigger();
    QCOMPARE(whenFailed.mid(0, 2), (QStringList{"Converting...", "Failed"}));
    QCOMPARE(h.statuses(), (QStringList{"100%", "Failed", "Failed"}));
    QVERIFY(!cell(*h.window, 1, ColStatus, Qt::ToolTipRole).isEmpty());
    QCOMPARE(h.desktop.texts(),
             QStringList{"Task complete!\n2 of 3 files could not be converted; their Status says why."});
    QCOMPARE(h.files(), QStringList{"long.mp3"});
    QVERIFY(qAbs(probeDuration(h.outFile("long.mp3")) - 300) < 0.1);
}

void TestRun::quittingDuringARun()
{
    RunHarness h;
    h.window->show();
    h.queue({m_long, m_avi});
    const QString before = h.outFile("long.mp3");
    writeAll(before, "user data");
    const auto closeWhileCopying = [&](bool answer) {
        bool asked = false;
        after(h, &RunEngine::fileProgress, [&, answer](int, int percent) {
            if (asked || percent < 5)
                return;
            asked = true;
            if (execDialog())
                execDialog()->close(); // the run goes on without its dialog
            h.desktop.questionAnswers = {answer};
            h.window->close();
        });
        h.window->ui->toolConvert->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!h.window->runActive(), 300000);
        QVERIFY(asked);
        QObject::disconnect(h.window->runEngine, &RunEngine::fileProgress, h.window.get(), nullptr);
    };

    // No: the run and the window go on.
    closeWhileCopying(false);
    QCOMPARE(h.desktop.questions, QStringList{"A conversion is still running. Stop it and quit?"});
    QVERIFY(h.window->isVisible());
    QCOMPARE(h.statuses(), (QStringList{"100%", "100%"}));
    QCOMPARE(h.desktop.texts(), QStringList{"Task complete!"});

    // Yes: stopped as Cancel stops, then closed; nothing half-written stays.
    writeAll(before, "user data");
    h.window->refreshJobList();
    closeWhileCopying(true);
    QCOMPARE(h.desktop.questions.size(), 2);
    QVERIFY(!h.window->isVisible());
    QCOMPARE(h.statuses(), (QStringList{"Stop", "Waiting"}));
    QCOMPARE(h.files(), sorted(QStringList{"long.mp3", "talk one.mp3"}));
    QCOMPARE(readAll(before), QByteArray("user data"));
}

// FLAC, Opus and M4A through the window's run, and loudness evened for a quiet and a
// louder source alike; tags with non-ASCII text; nothing but the outputs stays behind.
// "When done" follows a run that was not cancelled, in place of "Task complete!"; suspend and
// power off only after a notice that can be cancelled.
void TestRun::whenDone_data()
{
    QTest::addColumn<int>("choice");    // WhenDone::Choice
    QTest::addColumn<bool>("cancel");   // the run is cancelled
    QTest::addColumn<QString>("after"); // what follows: message, url, closed, notice or nothing
    QTest::newRow("do nothing") << int(WhenDone::Nothing) << false << "message";
    QTest::newRow("open the output folder") << int(WhenDone::OpenFolder) << false << "url";
    QTest::newRow("quit") << int(WhenDone::Quit) << false << "closed";
    QTest::newRow("suspend") << int(WhenDone::Suspend) << false << "notice";
    QTest::newRow("power off") << int(WhenDone::PowerOff) << false << "notice";
    QTest::newRow("power off, cancelled run") << int(WhenDone::PowerOff) << true << "nothing";
}

void TestRun::whenDone()
{
    QFETCH(int, choice);
    QFETCH(bool, cancel);
    QFETCH(QString, after);
    RunHarness h;
    h.window->show();
    h.queue({cancel ? m_long : m_short});
    auto *when = h.window->findChild<QComboBox *>("whenDoneCombo");
    QVERIFY(when && when->isEnabled());
    when->setCurrentIndex(choice);
    if (cancel)
        ::after(h, &RunEngine::fileProgress, [&](int, int) {
            if (execDialog())
                clickCancel();
        });
    h.window->ui->toolConvert->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!h.window->runActive(), 60000);
    QCOMPARE(h.desktop.texts(), after == "message" ? QStringList{"Task complete!"} : QStringList());
    QCOMPARE(h.desktop.openedUrls, after == "url" ? QList<QUrl>{QUrl::fromLocalFile(h.outDir())} : QList<QUrl>());
    if (after == "closed")
        QTRY_VERIFY(!h.window->isVisible());
    else
        QVERIFY(h.window->isVisible());
    QPointer<WhenDoneNotice> notice = h.window->findChild<WhenDoneNotice *>("whenDoneNotice");
    QCOMPARE(bool(notice), after == "notice");
    if (notice) {
        QVERIFY2(notice->text().contains(choice == WhenDone::Suspend ? "suspends in 30 seconds" : "powers off in 30 seconds"),
                 qPrintable(notice->text()));
        notice->reject(); // Cancel: nothing is asked of the system
        QTRY_VERIFY(!notice);
    }
}

void TestRun::newFormatsAndEvenLoudness_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("loudness");
    QTest::addColumn<QString>("codec");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<bool>("sameAsSource"); // FLAC's rate and size the source's, else 48 kHz 24-bit
    QTest::addColumn<bool>("album");        // one gain for the folder: a first pass over the run
    QTest::newRow("flac 24-bit 48k, -16 LUFS") << 4 << -16 << "flac" << 48000 << 2 << false << false;
    QTest::newRow("flac same as source (44.1 kHz 16-bit)") << 4 << 0 << "flac" << 44100 << 2 << true << false;
    QTest::newRow("opus mono, loudness off") << 5 << 0 << "opus" << 48000 << 1 << false << false;
    QTest::newRow("m4a 48k, -23 LUFS") << 6 << -23 << "aac" << 48000 << 2 << false << false;
    QTest::newRow("m4a 48k, -23 LUFS, album") << 6 << -23 << "aac" << 48000 << 2 << false << true;
    QTest::newRow("wav, -16 LUFS") << 2 << -16 << "pcm_s16le" << 44100 << 2 << false << false;
}

void TestRun::newFormatsAndEvenLoudness()
{
    QFETCH(int, format);
    QFETCH(int, loudness);
    QFETCH(QString, codec);
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(bool, sameAsSource);
    QFETCH(bool, album);
    RunHarness h;
    h.setFormat(format);
    setSetting(h.settings, &OutputSettings::FlacFrequency, sameAsSource ? 0 : 48000);
    setSetting(h.settings, &OutputSettings::FlacBps, sameAsSource ? 0 : 24);
    setSetting(h.settings, &OutputSettings::OpusChannels, 1);
    setSetting(h.settings, &OutputSettings::M4aFrequency, 48000);
    setSetting(h.settings, &OutputSettings::LoudnessTarget, loudness);
    setSetting(h.settings, &OutputSettings::ReplayGain, int(album ? OutputSettings::AlbumGain : OutputSettings::NoReplayGain));
    h.queue({m_quiet, m_avi});
    // The first pass shows on the first file line, with its share done: read just after the
    // dialog has drawn each step.
    QStringList passLines;
    QList<int> passGauge;
    QTimer::singleShot(0, h.window.get(), [&] {
        QObject::connect(h.window->runEngine, &RunEngine::loudnessProgress, h.window.get(), [&] {
            passLines << execDialog()->fileLines().first()->text();
            passGauge << execDialog()->fileGauges().first()->value();
        });
    });
    // Only the first row is tagged; the second carries its source's tags alone.
    setJobField(h.jobs(), 0, &Job::TagsEnabled, format != 2);
    setJobField(h.jobs(), 0, &Job::TagTitle, QString::fromUtf8("Früh — 朝"));
    setJobField(h.jobs(), 0, &Job::TagGenre, 12);
    h.window->ui->toolConvert->trigger();

    QCOMPARE(h.statuses(), (QStringList{"100%", "100%"}));
    if (album) {
        QCOMPARE(QSet<QString>(passLines.begin(), passLines.end()), QSet<QString>{"Measuring loudness..."});
        QVERIFY(std::is_sorted(passGauge.begin(), passGauge.end()));
        QVERIFY2(std::any_of(passGauge.begin(), passGauge.end(), [](int v) { return v > 0 && v < 100; }), qPrintable(QString::number(passGauge.size())));
        QCOMPARE(passGauge.last(), 100);
    } else {
        QVERIFY(passLines.isEmpty());
    }
    const QString ext = outputExtension(format);
    QCOMPARE(h.files(), sorted(QStringList{"quiet." + ext, "talk one." + ext}));
    QList<double> measured;
    for (const QString &name : h.files()) {
        const QString file = h.outFile(name);
        const QJsonObject a = probeAudio(file);
        QCOMPARE(a.value("codec_name").toString(), codec);
        QCOMPARE(a.value("sample_rate").toString().toInt(), rate);
        QCOMPARE(a.value("channels").toInt(), channels);
        // The whole source's sound: as long as the ffmpeg tool decodes from it.
        const double want = fixtures::decodedSeconds(name.startsWith("quiet") ? m_quiet : m_avi);
        const double got = fixtures::decodedSeconds(file);
        QVERIFY2(qAbs(got - want) < 0.06, qPrintable(QString("%1 s, wanted %2 s").arg(got).arg(want)));
        if (format == 4)
            QCOMPARE(a.value("bits_per_raw_sample").toString(), QString(sameAsSource ? "16" : "24"));
        measured << fixtures::ffmpegLoudness(file).integratedLufs;
    }
    if (album) {
        QVERIFY(measured[0] < measured[1] - 10); // one gain for both: the quiet one stays quiet
    } else if (loudness != 0) {
        for (double m : measured)
            QVERIFY2(qAbs(m - loudness) <= 1.0, qPrintable(QString::number(m)));
    } else {
        QVERIFY(measured[0] < measured[1] - 20); // left as they were
    }
    if (format != 2) {
        QCOMPARE(probeTag(h.outFile("quiet." + ext), "title"), QString::fromUtf8("Früh — 朝"));
        QCOMPARE(probeTag(h.outFile("quiet." + ext), "genre"), QString("Other"));
        QCOMPARE(probeTag(h.outFile("talk one." + ext), "genre"), QString());
        QCOMPARE(probeTag(h.outFile("talk one." + ext), "comment"), QString());
    }
}

QTEST_MAIN(TestRun)
#include "tst_run.moc"
