// SPDX-License-Identifier: GPL-3.0-or-later
// Even loudness: the meter fed by the one pass's decoder against the ffmpeg tool's ebur128
// filter, the gain it gives, and the true peak of an output read while it is written. What
// every format's output reads is checked with the encoding step (tst_encode).
#include "media_fixtures.h"
#include "formats/m4a/m4aformat.h"
#include "formats/mp3/mp3format.h"
#include "formats/ogg/oggformat.h"
#include "formats/opus/opusformat.h"
#include "formats/wma/wmaformat.h"
#include "media/loudness.h"
#include "media/streampeak.h"
#include "media/videoedit.h"

#include <QTemporaryDir>
#include <cmath>
#include <ebur128.h>
#include <optional>

using namespace fixtures;


class TestMediaLoudness : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    std::stop_token m_stop;
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // An AVI whose sound is the lavfi source given.
    bool makeSource(const QString &name, const QString &audio)
    {
        return run("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=6",
                              "-f", "lavfi", "-i", audio, "-t", "6", "-c:v", "mpeg4", "-c:a", "pcm_s16le",
                              "-f", "avi", path(name)});
    }
    // The clip's sound measured as the first pass of a job with loudness on measures it,
    // and written to a WAV for the ffmpeg tool.
    LoudnessMeasurement extractMeasured(const QString &source, const QString &wav, int rate, int channels, int bits)
    {
        LoudnessMeter meter(channels, rate);
        const Extraction e = extract(path(source), 0.5, 5.5, wav, channels, rate, bits, &meter);
        if (!e.ok) {
            qWarning() << e.error;
            return {NAN, NAN};
        }
        return meter.result();
    }

    // libebur128's integrated loudness of a file as the ffmpeg tool decodes it.
    static double libebur128Lufs(const QString &file, int channels, int rate)
    {
        QByteArray pcm;
        if (!run("ffmpeg", {"-v", "error", "-i", file, "-f", "f32le", "-"}, &pcm))
            return NAN;
        ebur128_state *state = ebur128_init(unsigned(channels), static_cast<unsigned long>(rate), EBUR128_MODE_I);
        ebur128_add_frames_float(state, reinterpret_cast<const float *>(pcm.constData()),
                                 size_t(pcm.size()) / sizeof(float) / size_t(channels));
        double lufs = NAN;
        ebur128_loudness_global(state, &lufs);
        ebur128_destroy(&state);
        return lufs;
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

    void meterAgreesWithTheFfmpegTool_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("format"); // rate channels bits
        QTest::addColumn<double>("target");
        QTest::addColumn<double>("gain"); // what the gain for the target at most is
        QTest::newRow("quiet, 44.1 kHz stereo") << "quiet.avi" << "44100 2 16" << -16.0 << 100.0;
        QTest::newRow("loud, 48 kHz stereo") << "loud.avi" << "48000 2 16" << -16.0 << 100.0;
        QTest::newRow("quiet, 48 kHz mono 24-bit") << "quiet.avi" << "48000 1 24" << -23.0 << 100.0;
        QTest::newRow("quiet, 22 kHz stereo") << "quiet.avi" << "22050 2 16" << -18.0 << 100.0;
        QTest::newRow("loud, 8-bit mono") << "loud.avi" << "44100 1 8" << -23.0 << 100.0;
        // A full-scale click each second: the gain is held so that the peak ends at -1 dBTP.
        QTest::newRow("spiky, peak-limited") << "spiky.avi" << "44100 2 16" << -14.0 << -1.0;
    }
    void meterAgreesWithTheFfmpegTool()
    {
        QFETCH(QString, source);
        QFETCH(QString, format);
        QFETCH(double, target);
        QFETCH(double, gain);
        const QStringList f = format.split(' ');
        const QString wav = path("measured.wav");
        const LoudnessMeasurement m = extractMeasured(source, wav, f[0].toInt(), f[1].toInt(), f[2].toInt());
        const LoudnessMeasurement ref = ffmpegLoudness(wav);
        // Our K-weighting and gating give libebur128's reading of the same samples.
        const double reference = libebur128Lufs(wav, f[1].toInt(), f[0].toInt());
        QVERIFY2(std::abs(m.integratedLufs - reference) < 0.05,
                 qPrintable(QString("%1 vs libebur128 %2").arg(m.integratedLufs).arg(reference)));
        QVERIFY2(std::abs(m.integratedLufs - ref.integratedLufs) < 0.3,
                 qPrintable(QString("%1 vs %2").arg(m.integratedLufs).arg(ref.integratedLufs)));
        QVERIFY2(std::abs(m.truePeakDbtp - ref.truePeakDbtp) < 0.3,
                 qPrintable(QString("%1 vs %2").arg(m.truePeakDbtp).arg(ref.truePeakDbtp)));
        const double g = loudnessGainDb(m, target);
        if (gain < 0) // held at the ceiling, short of the target
            QVERIFY2(std::abs(m.truePeakDbtp + g - gain) < 1e-9 && m.integratedLufs + g < target - 1, qPrintable(QString::number(g)));
        else
            QVERIFY2(std::abs(m.integratedLufs + g - target) < 1e-9, qPrintable(QString::number(g)));
    }

    void truePeakAgreesWithSox_data()
    {
        QTest::addColumn<int>("rate");
        QTest::newRow("48 kHz") << 48000;
        QTest::newRow("44.1 kHz") << 44100;
    }
    // 5 ms bursts of noise, where a 4x reading falls up to 0.9 dB short: the meter reads them
    // as sox does at 384 kHz, within 0.2 dB (the PCM outputs keep 0.3 dB below -1 dBTP).
    void truePeakAgreesWithSox()
    {
        QFETCH(int, rate);
        const QString wav = path("bursts.wav");
        QVERIFY(run("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i",
                               QString("aevalsrc=0.4*(random(4)*2-1)*lt(mod(t\\,0.25)\\,0.005)"
                                       "|0.4*(random(8)*2-1)*lt(mod(t+0.1\\,0.25)\\,0.005):s=%1:d=6").arg(rate),
                               "-c:a", "pcm_f32le", wav}));
        const LoudnessMeasurement m = extractMeasured("bursts.wav", path("copy.wav"), rate, 2, 24);
        QVERIFY(!std::isnan(m.truePeakDbtp));
        const double sox = soxTruePeak(path("copy.wav")), ffmpeg = ffmpegLoudness(path("copy.wav")).truePeakDbtp;
        qInfo("ours %.2f, sox %.2f, ffmpeg %.2f dBTP", m.truePeakDbtp, sox, ffmpeg);
        QVERIFY2(m.truePeakDbtp > sox - 0.2 && m.truePeakDbtp > ffmpeg - 0.2 && m.truePeakDbtp < sox + 0.5,
                 qPrintable(QString("%1 vs %2, %3").arg(m.truePeakDbtp).arg(sox).arg(ffmpeg)));
    }

    // Silence stays silence: no gain, no division by nothing.
    void silenceIsLeftAlone()
    {
        const LoudnessMeasurement m = extractMeasured("silent.avi", path("silent.wav"), 44100, 2, 16);
        QVERIFY(std::isinf(m.integratedLufs) && m.integratedLufs < 0);
        QCOMPARE(loudnessGainDb(m, -14), 0.0);
    }

    // How the sound is cut into blocks must not change the result, for 16- and 32-bit
    // samples alike.
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

    void outputReadAsWrittenMatchesTheFile_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("channels");
        QTest::newRow("mp3 stereo") << "mp3" << 2;
        QTest::newRow("mp3 mono") << "mp3" << 1;
        QTest::newRow("ogg stereo") << "ogg" << 2;
        QTest::newRow("opus stereo, 32 kbps") << "opus" << 2;
        QTest::newRow("wma stereo") << "wma" << 2;
        QTest::newRow("m4a mono") << "m4a" << 1;
    }
    // An output read as its writer makes it has the true peak of the finished file read back,
    // on sharp bursts of noise where the encoders overshoot most.
    void outputReadAsWrittenMatchesTheFile()
    {
        QFETCH(QString, format);
        QFETCH(int, channels);
        const int rate = 44100, frames = rate * 4;
        std::vector<float> sound(size_t(frames) * size_t(channels));
        uint32_t noise = 1;
        for (int i = 0; i < frames; ++i)
            for (int c = 0; c < channels; ++c) {
                noise = noise * 1664525u + 1013904223u;
                const double t = double(i) / rate;
                sound[size_t(i * channels + c)] =
                    float(0.8 * (noise / 2147483648.0 - 1) * std::exp(-40 * std::fmod(t + 0.1 * c, 0.375)));
            }
        std::unique_ptr<AudioWriter> writer = format == "mp3" ? makeMp3Writer({rate, 128, channels == 1 ? 1 : 3})
            : format == "ogg"                                 ? makeOggWriter({rate, channels})
            : format == "wma"                                 ? makeWmaWriter({128, rate, channels})
            : format == "m4a"                                 ? makeM4aWriter({rate, 192, channels})
                                                              : makeOpusWriter({32, true, channels, rate});
        std::optional<EncodedPeakReader> reading;
        writer->tap = [&](const void *bytes, size_t size) {
            if (!reading)
                reading.emplace(writer->streamFormat(), writer->streamCodec(), m_stop);
            reading->feed(bytes, size);
        };
        const QString out = path("read-as-written." + format);
        QVERIFY(writer->setInput(rate, channels) && writer->open(out));
        for (int at = 0; at < frames; at += 4096)
            QVERIFY(writer->writeFloat(sound.data() + size_t(at * channels), std::min(4096, frames - at)));
        QVERIFY2(writer->finish(), qPrintable(writer->error));
        QVERIFY(reading);
        const std::optional<LoudnessMeasurement> read = reading->finish();
        QVERIFY(read);
        const double streamed = read->truePeakDbtp;
        QString reason;

        SourceSound decoded;
        QVERIFY(probeSourceSound(out, m_stop, &decoded, &reason));
        TruePeakReader file(decoded.channels, decoded.rate);
        QCOMPARE(readClipSound(out, 0, VideoEdit::ToEnd, decoded.rate, decoded.channels, m_stop,
                               [&](const float *x, int n) { return file.add(x, size_t(n)), true; }, &reason),
                 PassOutcome::Done);
        QVERIFY2(streamed > -3 && std::abs(streamed - file.truePeakDbtp()) < 0.05,
                 qPrintable(QString("%1 vs %2").arg(streamed).arg(file.truePeakDbtp())));
    }

    void gainRules()
    {
        QCOMPARE(loudnessGainDb({-30, -20}, -16), 14.0);         // reaches the target
        QCOMPARE(loudnessGainDb({-30, -10}, -16), 9.0);          // held at -1 dBTP
        QCOMPARE(loudnessGainDb({-8, -0.5}, -16), -8.0);         // turned down
        QCOMPARE(loudnessGainDb({-INFINITY, -60}, -16), 0.0);    // below the gate
        QCOMPARE(loudnessGainDb({}, -23), 0.0);                  // nothing measured
    }
};

QTEST_GUILESS_MAIN(TestMediaLoudness)
#include "tst_media_loudness.moc"
