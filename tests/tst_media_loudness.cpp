// Even loudness: the meter fed during extraction, the gain it gives, and the outputs of every
// kind measured again by the ffmpeg tool's ebur128 filter.
#include "media_fixtures.h"
#include "media/loudness.h"

#include <QTemporaryDir>
#include <cmath>

using namespace fixtures;


class TestMediaLoudness : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // An AVI whose sound is the lavfi source given.
    bool makeSource(const QString &name, const QString &audio)
    {
        return run("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=6",
                              "-f", "lavfi", "-i", audio, "-t", "6", "-c:v", "mpeg4", "-c:a", "pcm_s16le",
                              "-f", "avi", path(name)});
    }
    // Extracts with the meter on, as a run with loudness on does.
    LoudnessMeasurement extractMeasured(const QString &source, const QString &wav, int rate, int channels, int bits)
    {
        TVideoEdit ve;
        bool done = false;
        QObject::connect(&ve, &TVideoEdit::OnComplete, [&] { done = true; });
        ve.MeasureLoudness(true);
        ve.AddClip(path(source), 0.5, 5.5);
        ve.ExtractAudio(wav, channels, rate, bits);
        if (!QTest::qWaitFor([&] { return done; }, 60000) || !ve.Succeeded())
            return {NAN, NAN};
        return ve.Loudness();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(makeSource("quiet.avi", "sine=frequency=440:sample_rate=44100,volume=-32dB"));
        QVERIFY(makeSource("loud.avi", "aevalsrc=0.6*sin(2*PI*220*t)+0.25*sin(2*PI*3000*t):s=48000"));
        // A quiet tone with a full-scale click each second: the peak limit holds it back.
        QVERIFY(makeSource("spiky.avi", "aevalsrc=0.02*sin(2*PI*440*t)+0.95*lt(mod(t\\,1)\\,0.0005):s=44100"));
        QVERIFY(makeSource("silent.avi", "anullsrc=r=44100:cl=stereo"));
    }

    void evensEveryFormat_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("out");
        QTest::addColumn<double>("target");
        QTest::addColumn<QString>("tempWav"); // rate channels bits
        QTest::newRow("quiet to mp3 -16") << "quiet.avi" << "a.mp3" << -16.0 << "44100 2 16";
        QTest::newRow("loud to opus -16") << "loud.avi" << "a.opus" << -16.0 << "48000 2 16";
        QTest::newRow("quiet to flac 24 -23") << "quiet.avi" << "a.flac" << -23.0 << "48000 1 24";
        QTest::newRow("loud to m4a -14") << "loud.avi" << "a.m4a" << -14.0 << "44100 2 16";
        QTest::newRow("quiet to wav -18") << "quiet.avi" << "a.wav" << -18.0 << "22050 2 16";
        QTest::newRow("loud to 8-bit wav -23") << "loud.avi" << "b.wav" << -23.0 << "44100 1 8";
        QTest::newRow("spiky to ogg -14, peak-limited") << "spiky.avi" << "a.ogg" << -14.0 << "44100 2 16";
        QTest::newRow("spiky to wav -14, peak-limited") << "spiky.avi" << "c.wav" << -14.0 << "44100 2 16";
    }
    void evensEveryFormat()
    {
        QFETCH(QString, source);
        QFETCH(QString, out);
        QFETCH(double, target);
        QFETCH(QString, tempWav);
        const QStringList f = tempWav.split(' ');
        const bool wavOut = out.endsWith(".wav");
        const QString wav = wavOut ? path(out) : path("temp.wav");
        const LoudnessMeasurement m = extractMeasured(source, wav, f[0].toInt(), f[1].toInt(), f[2].toInt());
        // Our meter agrees with the ffmpeg tool's on what was extracted.
        const LoudnessMeasurement ref = ffmpegLoudness(wav);
        QVERIFY2(std::abs(m.integratedLufs - ref.integratedLufs) < 0.3,
                 qPrintable(QString("%1 vs %2").arg(m.integratedLufs).arg(ref.integratedLufs)));
        QVERIFY2(std::abs(m.truePeakDbtp - ref.truePeakDbtp) < 0.3,
                 qPrintable(QString("%1 vs %2").arg(m.truePeakDbtp).arg(ref.truePeakDbtp)));

        const double gain = LoudnessGainDb(m, target);
        QVERIFY(gain != 0);
        if (wavOut) {
            QString error;
            QVERIFY2(ApplyWavGain(wav, gain, &error), qPrintable(error));
            QCOMPARE(probe(wav).rate, f[0].toInt());
        } else {
            TAudioFile2 w;
            if (out.endsWith(".mp3"))
                w.SetMp3Format(44100, 192, 2);
            else if (out.endsWith(".opus"))
                w.SetOpusFormat(160, true, 2);
            else if (out.endsWith(".flac"))
                w.SetFlacFormat(48000, 1, 24, 5);
            else if (out.endsWith(".m4a"))
                w.SetM4aFormat(44100, 256, 2);
            else
                w.SetOggFormat(44100, 2, 0, 0, 0, 800);
            w.SetGainDb(gain);
            QVERIFY(transcode(wav, path(out), w).isEmpty());
        }
        const LoudnessMeasurement got = ffmpegLoudness(path(out));
        const QString what = QString("%1 LUFS, %2 dBTP").arg(got.integratedLufs).arg(got.truePeakDbtp);
        if (source == "spiky.avi") { // held at the peak ceiling, short of the target
            QVERIFY2(got.integratedLufs < target - 1 && std::abs(got.truePeakDbtp + 1) < 0.6, qPrintable(what));
        } else {
            QVERIFY2(std::abs(got.integratedLufs - target) <= 1.0, qPrintable(what));
            QVERIFY2(got.truePeakDbtp <= -0.5, qPrintable(what));
        }
    }

    // Silence stays silence: no gain, no division by nothing, the WAV untouched.
    void silenceIsLeftAlone()
    {
        const QString wav = path("silent.wav");
        const LoudnessMeasurement m = extractMeasured("silent.avi", wav, 44100, 2, 16);
        QVERIFY(std::isinf(m.integratedLufs) && m.integratedLufs < 0);
        QCOMPARE(LoudnessGainDb(m, -14), 0.0);
        QFile file(wav);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        QString error;
        QVERIFY(ApplyWavGain(wav, LoudnessGainDb(m, -14), &error));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }

    // The meter measures on its own thread from a queue: how the sound is cut into blocks
    // must not change the result, for 16- and 32-bit samples alike.
    void meterIgnoresBlockSizes()
    {
        const int rate = 48000, frames = rate * 5;
        std::vector<int16_t> narrow(size_t(frames) * 2);
        std::vector<int32_t> wide(narrow.size());
        for (int i = 0; i < frames; ++i)
            for (int c = 0; c < 2; ++c) {
                const double t = double(i) / rate;
                narrow[size_t(2 * i + c)] = int16_t(std::lround(9000 * std::sin(2 * M_PI * (300 + 700 * c) * t)
                                                                * (1 + std::sin(2 * M_PI * 0.7 * t))));
                wide[size_t(2 * i + c)] = int32_t(narrow[size_t(2 * i + c)]) * 65536 + 12345 * c;
            }
        for (const bool isWide : {false, true}) {
            LoudnessMeasurement whole, pieces;
            for (const int block : {frames, 997}) {
                LoudnessMeter meter(2, rate);
                for (int at = 0; at < frames; at += block) {
                    const size_t n = size_t(std::min(block, frames - at));
                    isWide ? meter.add(wide.data() + 2 * at, n) : meter.add(narrow.data() + 2 * at, n);
                }
                (block == frames ? whole : pieces) = meter.result();
            }
            QVERIFY(std::isfinite(whole.integratedLufs) && std::isfinite(whole.truePeakDbtp));
            QCOMPARE(pieces.integratedLufs, whole.integratedLufs);
            QCOMPARE(pieces.truePeakDbtp, whole.truePeakDbtp);
        }
    }

    void gainRules()
    {
        QCOMPARE(LoudnessGainDb({-30, -20}, -16), 14.0);         // reaches the target
        QCOMPARE(LoudnessGainDb({-30, -10}, -16), 9.0);          // held at -1 dBTP
        QCOMPARE(LoudnessGainDb({-8, -0.5}, -16), -8.0);         // turned down
        QCOMPARE(LoudnessGainDb({-INFINITY, -60}, -16), 0.0);    // below the gate
        QCOMPARE(LoudnessGainDb({}, -23), 0.0);                  // nothing measured
        QString error;
        QVERIFY(!ApplyWavGain(path("missing.wav"), 3, &error));
        QVERIFY(error.contains("missing.wav"));
    }
};

QTEST_GUILESS_MAIN(TestMediaLoudness)
#include "tst_media_loudness.moc"
