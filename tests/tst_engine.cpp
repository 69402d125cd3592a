// The run engine on its own, with no window: job outcomes and their reasons, the names a
// run decides, and what a cancel leaves behind.
#include "engine/runengine.h"
#include "media_fixtures.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {
TOutputSettings WavSettings(const QString &folder)
{
    TOutputSettings s;
    s.OutputPath = folder;
    s.OutputFormat = 2;
    s.OutputExt = QStringLiteral("wav");
    s.WavFrequency = 44100;
    s.WavChannels = 2;
    s.WavBps = 16;
    return s;
}

TRunJob Job(const QString &source, const QString &output, const QString &start = "00:00:00",
            const QString &end = "Max")
{
    TRunJob job;
    job.SourceFile = source;
    job.OutputFile = output;
    job.StartTime = start;
    job.EndTime = end;
    return job;
}

struct Finished
{
    TRunEngine::Outcome outcome;
    QString reason;
};

// Runs the jobs to their end and collects each job's outcome by index.
QMap<int, Finished> Run(TRunEngine &engine, const QList<TRunJob> &jobs, const TOutputSettings &settings)
{
    QMap<int, Finished> done;
    QObject::connect(&engine, &TRunEngine::jobFinished, &engine,
                     [&done](int index, TRunEngine::Outcome outcome, const QString &reason) {
                         done[index] = {outcome, reason};
                     });
    QSignalSpy ended(&engine, &TRunEngine::runEnded);
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
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("reason"); // a part of it
        QTest::addColumn<double>("seconds"); // of the output, when it succeeds
        QTest::newRow("whole") << "clip.avi" << "00:00:00" << "Max" << int(TRunEngine::Succeeded) << "" << 3.0;
        QTest::newRow("clip") << "clip.avi" << "00:00:01" << "00:00:02" << int(TRunEngine::Succeeded) << "" << 1.0;
        QTest::newRow("start no time") << "clip.avi" << "0x:00:00" << "Max" << int(TRunEngine::Failed)
                                       << "is not a time" << 0.0;
        QTest::newRow("end before start") << "clip.avi" << "00:00:02" << "00:00:01" << int(TRunEngine::Failed)
                                          << "is not after its start" << 0.0;
        QTest::newRow("missing") << "gone.avi" << "00:00:00" << "Max" << int(TRunEngine::Failed) << "length" << 0.0;
        QTest::newRow("no sound") << "silent.avi" << "00:00:00" << "Max" << int(TRunEngine::Failed) << "" << 0.0;
    }
    void outcomes()
    {
        QFETCH(QString, source);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(int, outcome);
        QFETCH(QString, reason);
        QFETCH(double, seconds);
        QTemporaryDir out;
        const QString output = out.filePath("result.wav");
        TRunEngine engine;
        const auto done = Run(engine, {Job(m_media.filePath(source), output, start, end)}, WavSettings(out.path() + "/"));
        QVERIFY(!engine.isRunning());
        QCOMPARE(done.size(), 1);
        QCOMPARE(int(done[0].outcome), outcome);
        QVERIFY2(done[0].reason.contains(reason), qPrintable(done[0].reason));
        // A success leaves its file and nothing else; a failure leaves nothing at all.
        const QStringList files = QDir(out.path()).entryList(QDir::Files | QDir::Hidden);
        if (outcome == TRunEngine::Succeeded) {
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
        TRunEngine engine;
        const auto done = Run(engine, {Job(m_video, wanted, "00:00:00", "00:00:01"), Job(m_video, wanted, "00:00:00", "00:00:01"),
                                       Job(m_video, wanted, "00:00:00", "00:00:01")},
                              WavSettings(out.path() + "/"));
        QCOMPARE(engine.outputs(), (QStringList{wanted, out.filePath("talk (3).wav"), out.filePath("talk (4).wav")}));
        QCOMPARE(done.size(), 3);
        for (const Finished &f : done)
            QCOMPARE(f.outcome, TRunEngine::Succeeded);
        QVERIFY(mine.open(QIODevice::ReadOnly));
        QCOMPARE(mine.readAll(), QByteArray("mine"));
    }

    // Cancel stops the running job and removes what it wrote; later jobs never start.
    void cancelLeavesNothing()
    {
        QTemporaryDir out;
        TRunEngine engine;
        QList<int> started;
        QMap<int, TRunEngine::Outcome> finished;
        connect(&engine, &TRunEngine::jobStarted, this, [&](int index) {
            started << index;
            engine.cancel();
        });
        connect(&engine, &TRunEngine::jobFinished, this,
                [&](int index, TRunEngine::Outcome outcome) { finished[index] = outcome; });
        QSignalSpy ended(&engine, &TRunEngine::runEnded);
        QVERIFY(engine.start({Job(m_video, out.filePath("a.wav")), Job(m_video, out.filePath("b.wav"))},
                             WavSettings(out.path() + "/")));
        QVERIFY(ended.wait(60000) || ended.size() == 1);
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended[0][0].toBool(), true);
        QCOMPARE(started, QList<int>{0});
        QCOMPARE(finished.value(0, TRunEngine::Succeeded), TRunEngine::Stopped);
        QVERIFY(!finished.contains(1));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
        QVERIFY(!engine.isRunning());
    }
};

QTEST_GUILESS_MAIN(TestEngine)
#include "tst_engine.moc"
