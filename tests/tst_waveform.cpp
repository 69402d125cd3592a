// SPDX-License-Identifier: GPL-3.0-or-later
// The sound strip's peaks, computed from videos with known loud and silent stretches.
#include "media/waveform.h"
#include "support/fixtures.h"

#include <QSignalSpy>
#include <QtTest>
#include <cmath>

namespace {
// Six seconds: the left channel loud for the first two, the right one for the last two,
// silence between them on both.
QString makeStretches(const QString &path, const QStringList &codec)
{
    QStringList args{"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=6", "-f", "lavfi", "-i",
                     "aevalsrc=exprs='if(lt(t,2),0.8*sin(2*PI*440*t),0)|if(gte(t,4),0.8*sin(2*PI*660*t),0)'"
                     ":s=44100:d=6"};
    args << codec << path;
    return runFfmpeg(args) ? path : QString();
}
} // namespace

class TestWaveform : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    // Silent columns where both channels are silent, full ones where either is loud; the
    // columns arrive in order, each once.
    void columnsFollowTheSound_data()
    {
        QTest::addColumn<QStringList>("codec");
        QTest::addColumn<QString>("name");
        QTest::newRow("avi") << QStringList{"-c:v", "mpeg4", "-c:a", "libmp3lame", "-b:a", "128k", "-f", "avi"} << "s.avi";
        QTest::newRow("mpg") << QStringList{"-c:v", "mpeg1video", "-c:a", "mp2", "-b:a", "192k", "-f", "mpeg"} << "s.mpg";
        QTest::newRow("wmv") << QStringList{"-c:v", "wmv2", "-c:a", "wmav2", "-b:a", "128k", "-f", "asf"} << "s.wmv";
    }
    void columnsFollowTheSound()
    {
        QFETCH(QStringList, codec);
        QFETCH(QString, name);
        const QString path = makeStretches(m_dir.filePath(name), codec);
        QVERIFY(!path.isEmpty());
        constexpr int kColumns = 60; // a tenth of a second each
        Waveform waveform;
        QSignalSpy started(&waveform, &Waveform::started);
        QSignalSpy finished(&waveform, &Waveform::finished);
        QVector<float> peaks;
        connect(&waveform, &Waveform::peaks, this, [&](int first, const QList<float> &part) {
            QCOMPARE(first, peaks.size());
            peaks << part;
        });
        waveform.start(path, kColumns);
        QVERIFY(waveform.isRunning());
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
        QVERIFY(!waveform.isRunning());
        QCOMPARE(finished[0][0].toBool(), true);
        QCOMPARE(finished[0][1].toString(), QString());
        QCOMPARE(started.count(), 1);
        QVERIFY(qAbs(started[0][0].toLongLong() - probeDuration(path) * 1000) < 50);
        QCOMPARE(peaks.size(), kColumns);
        const auto column = [&](double second) { return peaks[int(second * 10)]; };
        for (double s : {0.3, 1.0, 1.7, 4.3, 5.0, 5.7})
            QVERIFY2(column(s) > 0.7f && column(s) <= 1.0f, qPrintable(QStringLiteral("%1 s: %2").arg(s).arg(column(s))));
        for (double s : {2.3, 3.0, 3.6})
            QVERIFY2(column(s) < 0.01f, qPrintable(QStringLiteral("%1 s: %2").arg(s).arg(column(s))));
    }

    // The strip draws the sound track asked for: the default, or the louder commentary.
    void chosenTrack_data()
    {
        QTest::addColumn<int>("stream");
        QTest::addColumn<double>("peak");
        QTest::newRow("default") << -1 << 0.125 * M_SQRT1_2; // mono made stereo: 3 dB down
        QTest::newRow("commentary") << 2 << 0.5 * M_SQRT1_2;
    }
    void chosenTrack()
    {
        QFETCH(int, stream);
        QFETCH(double, peak);
        const QString film = m_dir.filePath("film.mkv");
        QVERIFY(QFile::exists(film) || !makeFilm(film).isEmpty());
        Waveform waveform;
        QSignalSpy finished(&waveform, &Waveform::finished);
        QList<float> peaks;
        connect(&waveform, &Waveform::peaks, this, [&](int, const QList<float> &part) { peaks << part; });
        waveform.start(film, 10, stream);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
        QCOMPARE(peaks.size(), 10);
        for (float p : peaks)
            QVERIFY2(qAbs(p - peak) < 0.02, qPrintable(QString::number(p)));
    }

    // Without a sound stream: no columns and "no sound"; a file that is no video: its reason.
    void noSoundAndFailure()
    {
        const QString silent = makeVideo(m_dir.filePath("silent.avi"), "silent-avi", 2);
        QVERIFY(!silent.isEmpty());
        const QString junk = m_dir.filePath("junk.avi");
        QFile file(junk);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(5000, 'x'));
        file.close();

        Waveform waveform;
        QSignalSpy peaks(&waveform, &Waveform::peaks);
        QSignalSpy finished(&waveform, &Waveform::finished);
        waveform.start(silent, 50);
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(finished[0][0].toBool(), false);
        waveform.start(junk, 50);
        QTRY_COMPARE(finished.count(), 2);
        QCOMPARE(finished[1][0].toBool(), true);
        QVERIFY2(finished[1][1].toString().contains(junk), qPrintable(finished[1][1].toString()));
        QCOMPARE(peaks.count(), 0);
    }

    // Stopped, or overtaken by a new Start: nothing more is told of the old computation.
    void stopAndRestart()
    {
        const QString path = makeVideo(m_dir.filePath("tone.mpg"), "mpg", 20);
        QVERIFY(!path.isEmpty());
        Waveform waveform;
        QSignalSpy started(&waveform, &Waveform::started);
        QSignalSpy finished(&waveform, &Waveform::finished);
        int columns = 0;
        connect(&waveform, &Waveform::peaks, this, [&](int, const QList<float> &part) { columns += part.size(); });
        waveform.start(path, 400);
        waveform.start(path, 300);
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(started.count(), 1);
        QCOMPARE(columns, 300);

        waveform.start(path, 300);
        waveform.stop();
        QTest::qWait(200);
        QCOMPARE(started.count(), 1);
        QCOMPARE(columns, 300);
        QCOMPARE(finished.count(), 1);
    }
};

QTEST_MAIN(TestWaveform)
#include "tst_waveform.moc"
