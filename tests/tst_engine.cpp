// SPDX-License-Identifier: GPL-3.0-or-later
// The run engine on its own, with no window: job outcomes and their reasons, the names a
// run decides, and what a cancel leaves behind.
#include "engine/runengine.h"
#include "media_fixtures.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
OutputSettings wavOutput(const QString &folder)
{
    OutputSettings s;
    s.OutputPath = folder;
    s.OutputFormat = 2;
    s.OutputExt = QStringLiteral("wav");
    s.WavFrequency = 44100;
    s.WavChannels = 2;
    s.WavBps = 16;
    return s;
}

RunJob job(const QString &source, const QString &output, double start = 0, double end = Job::ToEnd)
{
    RunJob job;
    job.SourceFile = source;
    job.OutputFile = output;
    job.clipStart = start;
    job.clipEnd = end;
    return job;
}

struct Finished
{
    RunEngine::Outcome outcome;
    QString reason;
};

// Runs the jobs to their end and collects each job's outcome by index.
QMap<int, Finished> run(RunEngine &engine, const QList<RunJob> &jobs, const OutputSettings &settings)
{
    QMap<int, Finished> done;
    QObject::connect(&engine, &RunEngine::jobFinished, &engine,
                     [&done](int index, RunEngine::Outcome outcome, const QString &reason) {
                         done[index] = {outcome, reason};
                     });
    QSignalSpy ended(&engine, &RunEngine::runEnded);
    if (engine.start(jobs, settings, 1))
        ended.wait(60000);
    return done;
}
} // namespace

class TestEngine : public QObject
{
    Q_OBJECT
    QTemporaryDir m_media;
    QString m_video; // 3 s with sound
    QString m_silent;

private slots:
    void initTestCase()
    {
        QVERIFY(m_media.isValid());
        m_video = m_media.filePath("clip.avi");
        m_silent = m_media.filePath("silent.avi");
        QVERIFY(fixtures::makeVideo(m_video, "avi", 3));
        QVERIFY(fixtures::makeVideo(m_silent, "silent.avi", 1));
    }

    void outcomes_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("reason"); // a part of it
        QTest::addColumn<double>("seconds"); // of the output, when it succeeds
        const double max = Job::ToEnd;
        QTest::newRow("whole") << "clip.avi" << 0.0 << max << int(RunEngine::Succeeded) << "" << 3.0;
        QTest::newRow("clip") << "clip.avi" << 1.0 << 2.0 << int(RunEngine::Succeeded) << "" << 1.0;
        QTest::newRow("start past the end") << "clip.avi" << 4.0 << max << int(RunEngine::Failed)
                                            << "The clip's start (00:00:04) is past the end" << 0.0;
        QTest::newRow("end before start") << "clip.avi" << 2.0 << 1.0 << int(RunEngine::Failed)
                                          << "The clip's end (00:00:01) is not after its start (00:00:02)" << 0.0;
        QTest::newRow("missing") << "gone.avi" << 0.0 << max << int(RunEngine::Failed) << "length" << 0.0;
        QTest::newRow("no sound") << "silent.avi" << 0.0 << max << int(RunEngine::Failed) << "" << 0.0;
    }
    void outcomes()
    {
        QFETCH(QString, source);
        QFETCH(double, start);
        QFETCH(double, end);
        QFETCH(int, outcome);
        QFETCH(QString, reason);
        QFETCH(double, seconds);
        QTemporaryDir out;
        const QString output = out.filePath("result.wav");
        RunEngine engine;
        const auto done = run(engine, {job(m_media.filePath(source), output, start, end)}, wavOutput(out.path() + "/"));
        QVERIFY(!engine.isRunning());
        QCOMPARE(done.size(), 1);
        QCOMPARE(int(done[0].outcome), outcome);
        QVERIFY2(done[0].reason.contains(reason), qPrintable(done[0].reason));
        // A success leaves its file and nothing else; a failure leaves nothing at all.
        const QStringList files = QDir(out.path()).entryList(QDir::Files | QDir::Hidden);
        if (outcome == RunEngine::Succeeded) {
            QCOMPARE(files, QStringList{"result.wav"});
            QVERIFY(qAbs(fixtures::decodedSeconds(output) - seconds) < 0.06);
        } else {
            QVERIFY2(!done[0].reason.isEmpty(), "a failure says why");
            QCOMPARE(files, QStringList{});
        }
    }

    // Outputs sharing a name get "name (n).ext" that neither a job nor a file has; the
    // file already there is kept as it was.
    void sameNamesToldApart()
    {
        QTemporaryDir out;
        const QString wanted = out.filePath("talk.wav"), taken = out.filePath("talk (2).wav");
        QFile mine(taken);
        QVERIFY(mine.open(QIODevice::WriteOnly) && mine.write("mine") == 4);
        mine.close();
        RunEngine engine;
        const auto done = run(engine, {job(m_video, wanted, 0, 1), job(m_video, wanted, 0, 1),
                                       job(m_video, wanted, 0, 1)},
                              wavOutput(out.path() + "/"));
        QCOMPARE(engine.outputs(), (QStringList{wanted, out.filePath("talk (3).wav"), out.filePath("talk (4).wav")}));
        QCOMPARE(done.size(), 3);
        for (const Finished &f : done)
            QCOMPARE(f.outcome, RunEngine::Succeeded);
        QVERIFY(mine.open(QIODevice::ReadOnly));
        QCOMPARE(mine.readAll(), QByteArray("mine"));
    }

    // A file of the output's name: replaced (keeping its permission bits), kept beside the
    // output, or the job skipped. One that appears after the run chose the names is replaced
    // only under Replace. A source of the run, the job's own or another's, is never replaced.
    void existingFiles_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("when"); // the file is there "before" the run, "late", or is "own"/"other" source
        QTest::addColumn<QString>("output"); // the name the output gets
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("note"); // a part of the run's note on the job
        const int replace = OutputSettings::ReplaceExisting, keep = OutputSettings::KeepBoth,
                  skip = OutputSettings::SkipExisting, ok = RunEngine::Succeeded;
        QTest::newRow("replace") << replace << "before" << "talk.wav" << ok << "";
        QTest::newRow("keep both") << keep << "before" << "talk (2).wav" << ok << "exists and was kept";
        QTest::newRow("skip") << skip << "before" << "talk.wav" << int(RunEngine::Skipped) << "talk.wav exists";
        QTest::newRow("replace, late") << replace << "late" << "talk.wav" << ok << "";
        QTest::newRow("keep both, late") << keep << "late" << "talk (2).wav" << ok << "appeared during the run";
        // Another run made it meanwhile: skipped too, with no second copy beside it.
        QTest::newRow("skip, late") << skip << "late" << "talk.wav" << int(RunEngine::Skipped) << "talk.wav exists";
        QTest::newRow("own source, replace") << replace << "own" << "talk (2).wav" << ok << "is a source";
        QTest::newRow("other's source, replace") << replace << "other" << "talk (2).wav" << ok << "is a source";
        QTest::newRow("own source, skip") << skip << "own" << "talk (2).wav" << ok << "is a source";
    }
    void existingFiles()
    {
        QFETCH(int, choice);
        QFETCH(QString, when);
        QFETCH(QString, output);
        QFETCH(int, outcome);
        QFETCH(QString, note);
        QTemporaryDir out;
        const QString wanted = out.filePath("talk.wav"), mine = m_media.filePath("clip.avi");
        const auto place = [&] {
            return QFile::copy(mine, wanted) && QFile::setPermissions(wanted, QFile::ReadOwner | QFile::WriteOwner);
        };
        if (when != "late")
            QVERIFY(place());
        OutputSettings settings = wavOutput(out.path() + "/");
        settings.ExistingFile = choice;
        QList<RunJob> jobs{job(when == "own" ? wanted : m_video, wanted, 0, 1)};
        if (when == "other")
            jobs << job(wanted, out.filePath("other.wav"), 0, 1);
        RunEngine engine;
        QMap<int, Finished> done;
        connect(&engine, &RunEngine::jobFinished, this,
                [&done](int index, RunEngine::Outcome o, const QString &reason) { done[index] = {o, reason}; });
        QSignalSpy ended(&engine, &RunEngine::runEnded);
        QVERIFY(engine.start(jobs, settings, 1));
        if (when == "late")
            QVERIFY(place()); // after the names were chosen, before the output is moved
        QVERIFY(ended.wait(60000) || ended.size() == 1);
        QCOMPARE(int(done.value(0).outcome), outcome);
        QCOMPARE(engine.outputs().value(0), out.filePath(output));
        QVERIFY2(engine.notes().value(0).contains(note), qPrintable(engine.notes().value(0)));
        if (outcome == RunEngine::Skipped)
            QVERIFY(done[0].reason.contains(wanted));
        // The file of the wanted name: replaced with its mode, or kept byte for byte.
        const bool replaced = output == "talk.wav" && outcome == RunEngine::Succeeded;
        QFile a(wanted), b(mine);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(a.readAll() == b.readAll(), !replaced);
        struct stat st = {};
        QVERIFY(::stat(QFile::encodeName(wanted).constData(), &st) == 0);
        QCOMPARE(st.st_mode & 07777, mode_t(0600));
        if (outcome == RunEngine::Succeeded)
            QVERIFY(qAbs(fixtures::decodedSeconds(out.filePath(output)) - 1.0) < 0.06);
    }

    // Two runs writing the same names into one folder at once keep every output.
    void twoRunsOneFolder()
    {
        QTemporaryDir out;
        OutputSettings settings = wavOutput(out.path() + "/");
        settings.ExistingFile = OutputSettings::KeepBoth;
        RunEngine first, second;
        QSignalSpy firstEnded(&first, &RunEngine::runEnded), secondEnded(&second, &RunEngine::runEnded);
        const QList<RunJob> jobs{job(m_video, out.filePath("a.wav"), 0, 1),
                                  job(m_video, out.filePath("b.wav"), 0, 1)};
        QVERIFY(first.start(jobs, settings, 2) && second.start(jobs, settings, 2));
        QVERIFY(QTest::qWaitFor([&] { return firstEnded.size() == 1 && secondEnded.size() == 1; }, 60000));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                 (QStringList{"a (2).wav", "a.wav", "b (2).wav", "b.wav"}));
        const QStringList a = first.outputs(), b = second.outputs();
        QCOMPARE(QSet<QString>(a.begin(), a.end()).intersect(QSet<QString>(b.begin(), b.end())), QSet<QString>());
    }

    // Names are fitted before the work: a name past 255 bytes is cut, one of 255 that needs
    // " (2)" too, one of a temporary's form changes. Temporaries of the run's own mark that a
    // killed run left go, however new; those whose lock a run holds and files without the
    // mark (a user's, of the same form) stay.
    void longNamesAndStaleTemporaries()
    {
        QTemporaryDir out;
        const QString full = QString(125, QChar(0xe9)) + "x.wav"; // 255 bytes, and taken
        const QStringList stale{".a.clipvox-0a0b0c.wav", ".new.clipvox-654321.wav", ".held.clipvox-123456.mp3"},
            kept{".b.clipvox-nothex.wav", ".precious.clipvox-abcdef.mp3", full};
        for (const QString &f : stale + kept) {
            QFile file(out.filePath(f));
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (stale.contains(f))
                QVERIFY(::chmod(QFile::encodeName(file.fileName()).constData(), 01644) == 0);
        }
        const int held = ::open(QFile::encodeName(out.filePath(".held.clipvox-123456.mp3")).constData(), O_RDONLY);
        QVERIFY(held >= 0 && ::flock(held, LOCK_EX) == 0);
        RunEngine engine;
        OutputSettings settings = wavOutput(out.path() + "/");
        settings.ExistingFile = OutputSettings::KeepBoth;
        const QString tooLong = QString(135, QChar(0xe9)) + ".wav"; // 274 bytes
        const auto done = run(engine,
                              {job(m_video, out.filePath(full), 0, 1),
                               job(m_video, out.filePath(tooLong), 0, 1),
                               job(m_video, out.filePath(".precious.clipvox-abcdef.wav"), 0, 1)},
                              settings);
        ::close(held);
        const QString numbered = QString(123, QChar(0xe9)) + " (2).wav", cut = QString(125, QChar(0xe9)) + ".wav";
        for (int i = 0; i < 3; ++i)
            QCOMPARE(done.value(i).outcome, RunEngine::Succeeded);
        QCOMPARE(engine.outputs(), (QStringList{out.filePath(numbered), out.filePath(cut),
                                                out.filePath("_precious.clipvox-abcdef.wav")}));
        QStringList files = QDir(out.path()).entryList(QDir::Files | QDir::Hidden),
                    want = kept + QStringList{".held.clipvox-123456.mp3", "_precious.clipvox-abcdef.wav", numbered, cut};
        files.sort();
        want.sort();
        QCOMPARE(files, want);
        for (const QString &name : {numbered, cut}) {
            QVERIFY(qAbs(fixtures::decodedSeconds(out.filePath(name)) - 1.0) < 0.06);
            struct stat st = {};
            QVERIFY(::stat(QFile::encodeName(out.filePath(name)).constData(), &st) == 0);
            QCOMPARE(st.st_mode & S_ISVTX, mode_t(0)); // an output has not the temporaries' mark
        }
    }

    // Cancel stops the running job and removes what it wrote; later jobs never start. It
    // returns at once: the job is reported stopped later, from the event loop.
    void cancelLeavesNothing()
    {
        QTemporaryDir out;
        RunEngine engine;
        QList<int> started;
        QMap<int, RunEngine::Outcome> finished;
        bool reportedAtCancel = true;
        connect(&engine, &RunEngine::jobStarted, this, [&](int index) {
            started << index;
            engine.cancel();
            reportedAtCancel = !engine.isRunning() || !finished.isEmpty();
        });
        connect(&engine, &RunEngine::jobFinished, this,
                [&](int index, RunEngine::Outcome outcome) { finished[index] = outcome; });
        QSignalSpy ended(&engine, &RunEngine::runEnded);
        QVERIFY(engine.start({job(m_video, out.filePath("a.wav")), job(m_video, out.filePath("b.wav"))},
                             wavOutput(out.path() + "/")));
        QVERIFY(ended.wait(60000) || ended.size() == 1);
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended[0][0].toBool(), true);
        QCOMPARE(started, QList<int>{0});
        QVERIFY(!reportedAtCancel);
        QCOMPARE(finished.value(0, RunEngine::Succeeded), RunEngine::Stopped);
        QVERIFY(!finished.contains(1));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
        QVERIFY(!engine.isRunning());
    }

    // The album's ReplayGain is written once the last job is done: a file it cannot be written
    // to (here replaced by text meanwhile) is said for that job and left as it is; the others
    // get theirs, and the run ends.
    void albumTagsThatCannotBeWrittenAreSaid()
    {
        QTemporaryDir out;
        OutputSettings s;
        s.OutputFormat = 4;
        s.OutputExt = QStringLiteral("flac");
        s.FlacChannels = 2;
        s.FlacCompression = 5;
        s.ReplayGain = OutputSettings::AlbumGain;
        RunEngine engine;
        QList<std::pair<int, QString>> messages;
        connect(&engine, &RunEngine::jobMessage, this, [&](int index, const QString &text) { messages.append({index, text}); });
        connect(&engine, &RunEngine::jobFinished, this, [&](int index) {
            if (index == 0) {
                QFile f(engine.outputs().at(0));
                QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write("not a flac") == 10);
            }
        });
        const auto done = run(engine, {job(m_video, out.filePath("a.flac")), job(m_video, out.filePath("b.flac"), 1)}, s);
        QVERIFY(!engine.isRunning());
        QCOMPARE(done.size(), 2);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].first, 0);
        QVERIFY2(messages[0].second.contains("ReplayGain"), qPrintable(messages[0].second));
        QFile a(out.filePath("a.flac"));
        QVERIFY(a.open(QIODevice::ReadOnly));
        QCOMPARE(a.readAll(), QByteArray("not a flac"));
        QByteArray tags;
        QVERIFY(fixtures::run("metaflac", {"--show-tag=REPLAYGAIN_ALBUM_GAIN", out.filePath("b.flac")}, &tags));
        QVERIFY2(tags.startsWith("REPLAYGAIN_ALBUM_GAIN=") && tags.trimmed().endsWith(" dB"), tags.constData());
    }
};

QTEST_GUILESS_MAIN(TestEngine)
#include "tst_engine.moc"
