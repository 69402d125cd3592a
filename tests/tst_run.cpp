// The conversion run and its progress dialog: a queue of real videos converts end to end,
// with the status texts, labels and gauges of each step, Cancel in both steps, failing
// jobs, WAV output, clip ends, and the files the run may and may not touch.
#include "media/videoedit.h"
#include "ui_main.h"
#include "runharness.h"
#include "media_fixtures.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

namespace {
// What the dialog and the queue show at one moment.
struct Seen
{
    bool dialog = false;
    QString file, total, elapsed;
    int gauge1 = -1, gauge2 = -1, gauge2Max = -1;
    QString gauge1Text, gauge2Text;
    QStringList statuses;
    QString tempWav;
};

Seen Look(const RunHarness &h)
{
    Seen s;
    s.statuses = h.statuses();
    s.tempWav = RunTempWav;
    if (!ExecForm)
        return s;
    s.dialog = ExecForm->isVisible();
    s.file = ExecForm->lbFile->text();
    s.total = ExecForm->lbTotal->text();
    s.elapsed = ExecForm->findChild<QLineEdit *>("Edit1")->text();
    s.gauge1 = ExecForm->Gauge1->value();
    s.gauge2 = ExecForm->Gauge2->value();
    s.gauge2Max = ExecForm->Gauge2->maximum();
    s.gauge1Text = ExecForm->Gauge1->text();
    s.gauge2Text = ExecForm->Gauge2->text();
    return s;
}

QStringList Sorted(QStringList list)
{
    list.sort();
    return list;
}

void ClickCancel() { ExecForm->findChild<QPushButton *>("BtnCancel")->click(); }
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
        m_avi = MakeVideo(media("talk one.avi"), "avi", 3.0);
        m_mpg = MakeVideo(media("news.mpg"), "mpg", 2.0);
        m_wmv = MakeVideo(media(QString::fromUtf8("Zoë #2.wmv")), "wmv", 2.5);
        m_frac = MakeVideo(media("frac.avi"), "avi", 2.5);
        m_short = MakeVideo(media("short.avi"), "avi", 0.6);
        m_silent = MakeVideo(media("silent.avi"), "silent-avi", 2.0);
        // Long enough that each step lasts well beyond one pass of the event loop.
        m_long = media("long.avi");
        QVERIFY(RunFfmpeg({"-f", "lavfi", "-i", "testsrc=size=64x48:rate=1:duration=300", "-f", "lavfi", "-i",
                           "sine=frequency=440:sample_rate=44100:duration=300", "-ac", "2", "-c:v", "mpeg4",
                           "-c:a", "mp2", "-b:a", "128k", "-f", "avi", m_long}));
        m_quiet = media("quiet.avi");
        QVERIFY(RunFfmpeg({"-i", m_avi, "-c:v", "copy", "-af", "volume=-25dB", "-c:a", "libmp3lame", m_quiet}));
        m_text = media("notes.avi");
        WriteAll(m_text, "this is no video\n");
        for (const QString &v : {m_avi, m_mpg, m_wmv, m_frac, m_short, m_silent})
            QVERIFY(!v.isEmpty());
    }

    void queueOfThreeConvertsEndToEnd();
    void gaugesClampAndShowTruncatedPercent();
    void cancelInVideoStepThenConvertAgain();
    void cancelInEncodingStep();
    void failingJobsBetweenGoodOnes();
    void wavOutputWithItsOwnSettings();
    void clipEndsReachTheTrueEnd();
    void emptyListOpensNothing();
    void closedDialogRunGoesOnAlone();
    void tempWavNeverTakesAUsersFile();
    void duplicateOutputNamesGetFreeNames();
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
    QList<Seen> completions;
    QTimer::singleShot(0, [&] { atStart = Look(h); });
    QObject::connect(h.window->VE1, &TVideoEdit::OnComplete, [&] { completions << Look(h); });
    h.desktop.onMessage = [&](const ShownMessage &) { atEnd = Look(h); };
    h.window->ui->TBXItem1->trigger(); // returns when the dialog closes

    QVERIFY(atStart.dialog);
    QCOMPARE(atStart.statuses, (QStringList{"Converting...", "Waiting", "Waiting"}));
    QCOMPARE(atStart.file, "Convert " + m_avi + " to " + out1 + "...");
    QCOMPARE(atStart.total, QString("Convert file 1 of total 3 file(s)"));
    QCOMPARE(atStart.gauge1, 0);
    QCOMPARE(atStart.gauge2, 0);
    QCOMPARE(atStart.gauge2Max, 300);
    QCOMPARE(atStart.elapsed, QString("00:00:00"));

    QCOMPARE(completions.size(), 3);
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
    QCOMPARE(atEnd.gauge2Text, QString("100%"));
    QCOMPARE(atEnd.total, QString("Convert file 3 of total 3 file(s)"));
    QCOMPARE(atEnd.statuses, (QStringList{"100%", "100%", "100%"}));

    QVERIFY(!ExecForm);
    QVERIFY(!RunActive);
    QCOMPARE(h.files(), Sorted(QStringList{"news.mp3", "talk one.mp3", QString::fromUtf8("Zoë #2.mp3")}));
    const double lengths[] = {3.0, 2.0, 2.5};
    const QString outs[] = {out1, out2, out3};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(ProbeAudio(outs[i]).value("codec_name").toString(), QString("mp3"));
        QVERIFY2(qAbs(ProbeDuration(outs[i]) - lengths[i]) < 0.1, qPrintable(outs[i]));
    }
    // Tags are off by default: none written.
    QVERIFY(ProbeTag(out1, "title").isEmpty());
    QVERIFY(ProbeTag(out1, "comment").isEmpty());
}

void TestRun::gaugesClampAndShowTruncatedPercent()
{
    RunHarness h;
    auto *dialog = new TExecForm(h.window.get()); // never shown: no run starts
    QProgressBar *g = dialog->Gauge2;
    const auto show = [g](int min, int max, qint64 value) {
        g->setRange(min, max);
        TExecForm::SetGauge(g, value);
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
    auto *elapsed = dialog->findChild<QLineEdit *>("Edit1");
    QCOMPARE(elapsed->text(), QString("00:00:00"));
    for (int i = 0; i < 75; ++i)
        dialog->Timer1Timer();
    QCOMPARE(elapsed->text(), QString("00:01:15"));
    QCOMPARE(dialog->windowTitle(), QString("Execute"));
    QCOMPARE(dialog->size(), QSize(421, 232));
    delete dialog;
}

void TestRun::cancelInVideoStepThenConvertAgain()
{
    RunHarness h;
    h.queue({m_avi, m_long, m_mpg});
    const QString before = h.outFile("keep.txt");
    WriteAll(before, "user data");
    bool cancelled = false, wasExtracting = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!cancelled && ExecForm && h.row(1)->text(ColStatus) == "Converting...") {
            cancelled = true;
            wasExtracting = h.window->VE1->IsProcessing() && !EncodeActive;
            ClickCancel();
        }
    });
    poll.start(1);
    h.window->ui->TBXItem1->trigger();
    poll.stop();

    QVERIFY(cancelled);
    QVERIFY(wasExtracting);
    QVERIFY(!ExecForm);
    QVERIFY(!h.window->VE1->IsProcessing());
    QCOMPARE(h.statuses(), (QStringList{"100%", "Stop", "Waiting"}));
    QVERIFY(h.desktop.messages.isEmpty());
    QVERIFY(!RunActive);
    // The first job's output stays; the cancelled job's half-made temporary WAV is gone and
    // it wrote no output; no later job ran.
    QCOMPARE(h.files(), Sorted(QStringList{"keep.txt", "talk one.mp3"}));
    QCOMPARE(ReadAll(before), QByteArray("user data"));

    // A second run converts every job normally.
    h.window->ui->TBXItem1->trigger();
    QCOMPARE(h.statuses(), (QStringList{"100%", "100%", "100%"}));
    QCOMPARE(h.desktop.texts(), QStringList{"Task complete!"});
    QVERIFY(qAbs(ProbeDuration(h.outFile("long.mp3")) - 300) < 0.1);
    QVERIFY(QFile::exists(h.outFile("news.mp3")));
    QCOMPARE(h.files(), Sorted(QStringList{"keep.txt", "long.mp3", "news.mp3", "talk one.mp3"}));
}

void TestRun::cancelInEncodingStep()
{
    RunHarness h;
    h.queue({m_long, m_avi});
    TagsEnabled = true;
    JobTable[1].TagTitle = "Partial";
    const QString before = h.outFile("keep.txt");
    WriteAll(before, "user data");
    QString tempWav;
    int gaugeAtCancel = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (gaugeAtCancel < 0 && EncodeActive && ExecForm && ExecForm->Gauge1->value() >= 5) {
            gaugeAtCancel = ExecForm->Gauge1->value();
            tempWav = RunTempWav;
            QVERIFY(QFile::exists(tempWav));
            ClickCancel();
            QVERIFY(!ExecForm); // closed at once; the step finishes underneath
        }
    });
    poll.start(1);
    h.window->ui->TBXItem1->trigger();
    poll.stop();

    QVERIFY(gaugeAtCancel >= 5 && gaugeAtCancel < 100);
    QCOMPARE(h.statuses(), (QStringList{"Stop", "Waiting"}));
    QVERIFY(h.desktop.messages.isEmpty());
    QVERIFY(!RunActive);
    // The partly written output stays, tagged; the temporary WAV is gone; nothing else moved.
    const QString partial = h.outFile("long.mp3");
    const double length = ProbeDuration(partial);
    QVERIFY2(length > 5 && length < 290, qPrintable(QString::number(length)));
    QCOMPARE(ProbeTag(partial, "title"), QString("Partial"));
    QVERIFY(!QFile::exists(tempWav));
    QCOMPARE(h.files(), Sorted(QStringList{"keep.txt", "long.mp3"}));
    QCOMPARE(ReadAll(before), QByteArray("user data"));
}

void TestRun::failingJobsBetweenGoodOnes()
{
    RunHarness h;
    const QString missing = media("gone.avi");
    h.queue({m_avi, m_text, missing, m_silent, m_mpg, m_avi});
    JobTable[6].StartTime = "00:00:02";
    JobTable[6].EndTime = "00:00:01"; // end before start
    h.window->RefreshJobList();
    h.window->ui->TBXItem1->trigger();

    QCOMPARE(h.statuses(), (QStringList{"100%", "Failed", "Failed", "Failed", "100%", "Failed"}));
    QCOMPARE(h.desktop.texts(), QStringList{"Task complete!"});
    QStringList reasons;
    for (int r : {1, 2, 3, 5})
        reasons << h.row(r)->toolTip(ColStatus);
    for (const QString &reason : reasons)
        QVERIFY2(!reason.isEmpty(), qPrintable(reasons.join(" | ")));
    QCOMPARE(QSet<QString>(reasons.begin(), reasons.end()).size(), 4); // each says its own why
    QVERIFY2(reasons[1].contains("length"), qPrintable(reasons[1]));   // "Max" of a missing file
    QVERIFY(h.row(0)->toolTip(ColStatus).isEmpty());
    // Good jobs wrote their files; failed ones left nothing, temporary WAVs included.
    QCOMPARE(h.files(), Sorted(QStringList{"news.mp3", "talk one.mp3"}));
    QCOMPARE(ProbeAudio(h.outFile("news.mp3")).value("codec_name").toString(), QString("mp3"));
}

void TestRun::wavOutputWithItsOwnSettings()
{
    RunHarness h;
    h.setFormat(2);
    OutputSettings.WavFrequency = 22050;
    OutputSettings.WavChannels = 1;
    OutputSettings.WavBps = 8;
    h.queue({m_avi, m_wmv});
    // A WAV output replaces a file of its name, as documented.
    const QString existing = h.outFile("talk one.wav");
    WriteAll(existing, "old");
    TagsEnabled = true;
    JobTable[1].TagTitle = "No tags in WAV";
    h.window->ui->TBXItem1->trigger();

    QCOMPARE(h.statuses(), (QStringList{"100%", "100%"}));
    QCOMPARE(h.column(ColConvertTo), (QStringList{"wav", "wav"}));
    QCOMPARE(h.files(), Sorted(QStringList{"talk one.wav", QString::fromUtf8("Zoë #2.wav")}));
    for (const QString &name : h.files()) {
        const QJsonObject a = ProbeAudio(h.outFile(name));
        QCOMPARE(a.value("codec_name").toString(), QString("pcm_u8"));
        QCOMPARE(a.value("sample_rate").toString(), QString("22050"));
        QCOMPARE(a.value("channels").toInt(), 1);
    }
    QVERIFY(qAbs(ProbeDuration(existing) - 3.0) < 0.06);
    QVERIFY(ProbeTag(existing, "title").isEmpty());
    QCOMPARE(h.desktop.texts(), QStringList{"Task complete!"});
}

void TestRun::clipEndsReachTheTrueEnd()
{
    RunHarness h;
    h.setFormat(2);
    OutputSettings.WavFrequency = 44100;
    OutputSettings.WavChannels = 2;
    OutputSettings.WavBps = 16;
    h.queue({m_frac, m_frac, m_frac, m_frac, m_short});
    JobTable[1].EndTime = "max";
    JobTable[2].EndTime = "00:00:02"; // the source's length in whole seconds: its true end
    JobTable[3].EndTime = "00:00:01";
    JobTable[4].StartTime = "00:00:01";
    JobTable[4].EndTime = "nonsense";  // unreadable: the end of the source
    h.window->RefreshJobList();
    h.window->ui->TBXItem1->trigger();

    QCOMPARE(h.statuses(), (QStringList{"100%", "100%", "100%", "100%", "100%"}));
    const QStringList names{"frac.wav", "frac (2).wav", "frac (3).wav", "frac (4).wav", "short.wav"};
    const double expected[] = {2.5, 2.5, 1.0, 1.5, 0.6};
    for (int i = 0; i < 5; ++i) {
        const double got = ProbeDuration(h.outFile(names[i]));
        QVERIFY2(qAbs(got - expected[i]) < 0.06, qPrintable(names[i] + ": " + QString::number(got)));
    }
}

void TestRun::emptyListOpensNothing()
{
    RunHarness h;
    h.window->TBXItemConvertClick();
    QVERIFY(!ExecForm);
    QVERIFY(h.window->findChildren<TExecForm *>().isEmpty());
    QVERIFY(!RunActive);
    QVERIFY(h.desktop.messages.isEmpty());
    QCOMPARE(h.statuses(), QStringList());
}

void TestRun::closedDialogRunGoesOnAlone()
{
    RunHarness h;
    h.queue({m_long, m_avi});
    bool stillOpenAfterEscape = false;
    QTimer::singleShot(0, [&] {
        QTest::keyClick(ExecForm, Qt::Key_Escape); // only Cancel or the title bar close it
        stillOpenAfterEscape = ExecForm && ExecForm->isVisible();
        ExecForm->close(); // the title bar's close button
    });
    h.window->ui->TBXItem1->trigger();
    QVERIFY(stillOpenAfterEscape);
    QVERIFY(!ExecForm);
    QVERIFY(RunActive);
    QCOMPARE(h.statuses().first(), QString("Converting..."));

    // Convert does nothing while that run goes on.
    h.window->ui->TBXItem1->trigger();
    QVERIFY(!ExecForm);
    QVERIFY(h.window->findChildren<TExecForm *>().isEmpty());

    QTRY_VERIFY_WITH_TIMEOUT(!RunActive, 300000);
    QCOMPARE(h.statuses(), (QStringList{"100%", "100%"}));
    QCOMPARE(h.desktop.texts(), QStringList{"Task complete!"});
    QCOMPARE(h.files(), Sorted(QStringList{"long.mp3", "talk one.mp3"}));

    // Closed in the middle of an encoding step: the copy goes on without gauges.
    h.desktop.messages.clear();
    bool closed = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!closed && EncodeActive && ExecForm && ExecForm->Gauge1->value() >= 5) {
            closed = true;
            ExecForm->close();
        }
    });
    poll.start(1);
    h.window->ui->TBXItem1->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!RunActive, 300000);
    poll.stop();
    QVERIFY(closed);
    QVERIFY(h.window->findChildren<TExecForm *>().isEmpty()); // deleted once closed
    QCOMPARE(h.statuses(), (QStringList{"100%", "100%"}));
    QCOMPARE(h.desktop.texts(), QStringList{"Task complete!"});
    QVERIFY(qAbs(ProbeDuration(h.outFile("long.mp3")) - 300) < 0.1);
}

void TestRun::tempWavNeverTakesAUsersFile()
{
    for (int format : {0, 1, 3}) {
        RunHarness h;
        h.setFormat(format);
        h.queue({m_avi});
        const QString ext = FormatExtension(format);
        const QString users = h.outFile("talk one.wav");
        WriteAll(users, "a file of the user's");
        QString tempWav;
        QTimer::singleShot(0, [&] { tempWav = RunTempWav; });
        h.window->ui->TBXItem1->trigger();

        QCOMPARE(h.statuses(), QStringList{"100%"});
        QVERIFY(!tempWav.isEmpty());
        QVERIFY(tempWav != users);
        QVERIFY(tempWav.startsWith(h.outDir()));
        QVERIFY(!QFile::exists(tempWav));
        QCOMPARE(ReadAll(users), QByteArray("a file of the user's"));
        QCOMPARE(h.files(), Sorted(QStringList{"talk one." + ext, "talk one.wav"}));
        const double length = ProbeDuration(h.outFile("talk one." + ext));
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
    WriteAll(h.outFile("talk one.mp3"), "stale");
    WriteAll(h.outFile("talk one (2).mp3"), "the user's");
    QList<Seen> completions;
    QObject::connect(h.window->VE1, &TVideoEdit::OnComplete, [&] { completions << Look(h); });
    h.window->ui->TBXItem1->trigger();

    QCOMPARE(h.statuses(), (QStringList{"100%", "100%", "100%"}));
    const QStringList outs{h.outFile("talk one.mp3"), h.outFile("talk one (3).mp3"), h.outFile("talk one (4).mp3")};
    QCOMPARE(h.column(ColOutput), outs);
    for (int k = 1; k <= 3; ++k)
        QCOMPARE(JobTable[k].OutputFile, outs[k - 1]);
    QCOMPARE(completions.first().file, "Convert " + twin + " to " + outs[1] + "...");
    QCOMPARE(ReadAll(h.outFile("talk one (2).mp3")), QByteArray("the user's"));
    QVERIFY(qAbs(ProbeDuration(outs[0]) - 3.0) < 0.1);
    QVERIFY(qAbs(ProbeDuration(outs[1]) - 2.0) < 0.1); // the other folder's video
    QVERIFY(qAbs(ProbeDuration(outs[2]) - 3.0) < 0.1);
    QCOMPARE(h.files().size(), 4);
}




// FLAC, Opus and M4A through the window's run, and loudness evened for a quiet and a
// louder source alike; tags with non-ASCII text; nothing but the outputs stays behind.
void TestRun::newFormatsAndEvenLoudness_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("loudness");
    QTest::addColumn<QString>("codec");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::newRow("flac 24-bit 48k, -16 LUFS") << 4 << -16 << "flac" << 48000 << 2;
    QTest::newRow("opus mono, loudness off") << 5 << 0 << "opus" << 48000 << 1;
    QTest::newRow("m4a 48k, -23 LUFS") << 6 << -23 << "aac" << 48000 << 2;
    QTest::newRow("wav, -16 LUFS") << 2 << -16 << "pcm_s16le" << 44100 << 2;
}

void TestRun::newFormatsAndEvenLoudness()
{
    QFETCH(int, format);
    QFETCH(int, loudness);
    QFETCH(QString, codec);
    QFETCH(int, rate);
    QFETCH(int, channels);
    RunHarness h;
    h.setFormat(format);
    OutputSettings.FlacFrequency = 48000;
    OutputSettings.FlacBps = 24;
    OutputSettings.OpusChannels = 1;
    OutputSettings.M4aFrequency = 48000;
    OutputSettings.LoudnessTarget = loudness;
    h.queue({m_quiet, m_avi});
    TagsEnabled = format != 2;
    JobTable[1].TagTitle = QString::fromUtf8("Früh — 朝");
    JobTable[1].TagGenre = 12;
    h.window->ui->TBXItem1->trigger();

    QCOMPARE(h.statuses(), (QStringList{"100%", "100%"}));
    const QString ext = FormatExtension(format);
    QCOMPARE(h.files(), Sorted(QStringList{"quiet." + ext, "talk one." + ext}));
    QList<double> measured;
    for (const QString &name : h.files()) {
        const QString file = h.outFile(name);
        const QJsonObject a = ProbeAudio(file);
        QCOMPARE(a.value("codec_name").toString(), codec);
        QCOMPARE(a.value("sample_rate").toString().toInt(), rate);
        QCOMPARE(a.value("channels").toInt(), channels);
        // The whole source's sound: as long as the ffmpeg tool decodes from it.
        const double want = fixtures::decodedSeconds(name.startsWith("quiet") ? m_quiet : m_avi);
        const double got = fixtures::decodedSeconds(file);
        QVERIFY2(qAbs(got - want) < 0.06, qPrintable(QString("%1 s, wanted %2 s").arg(got).arg(want)));
        if (format == 4)
            QCOMPARE(a.value("bits_per_raw_sample").toString(), QString("24"));
        measured << fixtures::ffmpegLoudness(file).integratedLufs;
    }
    if (loudness != 0) {
        for (double m : measured)
            QVERIFY2(qAbs(m - loudness) <= 1.0, qPrintable(QString::number(m)));
    } else {
        QVERIFY(measured[0] < measured[1] - 20); // left as they were
    }
    if (format != 2) {
        QCOMPARE(ProbeTag(h.outFile("quiet." + ext), "title"), QString::fromUtf8("Früh — 朝"));
        QCOMPARE(ProbeTag(h.outFile("quiet." + ext), "genre"), QString("Other"));
    }
}

QTEST_MAIN(TestRun)
#include "tst_run.moc"
