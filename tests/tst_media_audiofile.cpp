// SPDX-License-Identifier: GPL-3.0-or-later
// The audio components: WAV reading, MP3/OGG/WMA/FLAC/Opus/M4A writing through the encoding
// step's copy loop, format checks, tags and covers, read back with ffprobe (and TagLib for large WMA covers).
#include "media_fixtures.h"

#include "media/sourceinfo.h"

#include <taglib/asffile.h>
#include <taglib/asfpicture.h>

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <tuple>

using namespace fixtures;
using Setup = std::function<void(TestAudioFile &)>;
Q_DECLARE_METATYPE(Setup)

class TestMediaAudioFile : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // What the conversion run does: the clip's sound to a TempWav ("rate channels bits"),
    // then the encoding step's copy loop into the writer. Returns the reason of a failure.
    QString convert(const QString &source, double start, double end, const QString &out, const Setup &setup,
                    const QString &tempWav = "44100 2 16")
    {
        const QString wav = path("temp.wav");
        const QStringList f = tempWav.split(' ');
        const Extraction e = extract(path(source), start, end, wav, f[1].toInt(), f[0].toInt(), f[2].toInt());
        if (!e.ok)
            return "extract: " + e.error;
        TestAudioFile writer;
        setup(writer);
        if (writer.lastError())
            return "setup: " + writer.lastErrorText();
        return transcode(wav, out, writer);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        for (const QString kind : {"avi", "mpg", "wmv", "asf"})
            QVERIFY(makeVideo(path("src." + kind), kind, 4));
        // Awkward sound tracks: 96 kHz 24-bit stereo, and 8 kHz mono.
        for (const auto &[name, rate, codec] : {std::tuple{"hi.avi", 96000, "pcm_s24le"}, {"low.avi", 8000, "pcm_s16le"}})
            QVERIFY(run("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=4",
                                   "-f", "lavfi", "-i", QString("sine=frequency=440:sample_rate=%1:duration=4").arg(rate),
                                   "-ac", rate == 8000 ? "1" : "2", "-c:v", "mpeg4", "-c:a", codec, path(name)}));
    }

    void encodes_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("out");
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QString>("codec");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("cbrKbps"); // 0: not constant
        QTest::addColumn<QString>("tempWav"); // rate channels bits of the extraction
        QTest::addColumn<double>("seconds");  // of the clip, from 0.5 s
        const QString cd = "44100 2 16";
        auto mp3 = [](int hz, int kbps, int mode) { return Setup([=](TestAudioFile &w) { w.setMp3Format(hz, kbps, mode); }); };
        auto ogg = [](int hz, int ch, int nom, int min, int max, int q) {
            return Setup([=](TestAudioFile &w) { w.setOggFormat(hz, ch, nom, min, max, int16_t(q)); });
        };
        auto wma = [](int p) { return Setup([=](TestAudioFile &w) { w.setWmaProfile(p); }); };
        QTest::newRow("mp3 default from avi") << "src.avi" << "a.mp3" << mp3(44100, 128, 3) << "mp3" << 44100 << 2 << 128 << cd << 3.0;
        QTest::newRow("mp3 mono 22k from mpg") << "src.mpg" << "b.MP3" << mp3(22050, 64, 1) << "mp3" << 22050 << 1 << 64 << cd << 3.0;
        QTest::newRow("mp3 dual 48k from wmv") << "src.wmv" << "c.mp3" << mp3(48000, 192, 5) << "mp3" << 48000 << 2 << 192 << cd << 3.0;
        QTest::newRow("mp3 forced joint 32k") << "src.asf" << "d.mp3" << mp3(32000, 96, 4) << "mp3" << 32000 << 2 << 96 << cd << 3.0;
        QTest::newRow("mp3 stereo 8k") << "src.avi" << "e.mp3" << mp3(8000, 32, 2) << "mp3" << 8000 << 2 << 32 << cd << 3.0;
        AudioFileLameEncoder vbr;
        vbr.LameSampleRate = 44100;
        vbr.LameBitrate = 96;
        vbr.LameMaxBitrate = 256;
        vbr.LameMode = 2;
        vbr.LameVbrQuality = 4;
        vbr.LameVbr = true;
        QTest::newRow("mp3 vbr") << "src.wmv" << "f.mp3" << Setup([=](TestAudioFile &w) { w.setMp3Encoder(vbr); })
                                 << "mp3" << 44100 << 2 << 0 << cd << 3.0;
        QTest::newRow("ogg quality 500") << "src.avi" << "a.ogg" << ogg(44100, 2, 0, 0, 0, 500) << "vorbis" << 44100 << 2 << 0 << cd << 3.0;
        QTest::newRow("ogg nominal mono 22k") << "src.mpg" << "b.Ogg" << ogg(22050, 1, 48, 0, 0, -1) << "vorbis" << 22050 << 1 << 0 << cd << 3.0;
        QTest::newRow("ogg managed 48k") << "src.wmv" << "c.ogg" << ogg(48000, 2, 128, 96, 192, -1) << "vorbis" << 48000 << 2 << 0 << cd << 3.0;
        // A clip short enough for one Ogg page.
        QTest::newRow("ogg short clip") << "src.avi" << "d.ogg" << ogg(44100, 2, 0, 0, 0, 500) << "vorbis" << 44100 << 2 << 0 << cd << 0.7;
        QTest::newRow("ogg short mono clip") << "src.wmv" << "e.ogg" << ogg(22050, 1, 0, 0, 0, 300) << "vorbis" << 22050 << 1 << 0 << "22050 1 16" << 0.35;
        QTest::newRow("wma 38 default") << "src.avi" << "a.wma" << wma(38) << "wmav2" << 44100 << 2 << 128 << cd << 3.0;
        QTest::newRow("wma 0: 24k 8k mono") << "src.mpg" << "b.WMA" << wma(0) << "wmav2" << 8000 << 1 << 24 << cd << 3.0;
        QTest::newRow("wma 21: 48k 44k mono") << "src.wmv" << "c.wma" << wma(21) << "wmav2" << 44100 << 1 << 48 << cd << 3.0;
        QTest::newRow("wma 47: 320k 48k stereo") << "src.asf" << "d.wma" << wma(47) << "wmav2" << 48000 << 2 << 320 << cd << 3.0;
        // The newer formats get a TempWav at their own rate, channels and sample size, and
        // also take one that differs (the writer converts).
        auto flac = [](int hz, int ch, int bits, int level) {
            return Setup([=](TestAudioFile &w) { w.setFlacFormat(hz, ch, bits, level); });
        };
        auto opus = [](int kbps, bool vbr, int ch) { return Setup([=](TestAudioFile &w) { w.setOpusFormat(kbps, vbr, ch); }); };
        auto m4a = [](int hz, int kbps, int ch) { return Setup([=](TestAudioFile &w) { w.setM4aFormat(hz, kbps, ch); }); };
        QTest::newRow("flac 16-bit level 5") << "src.avi" << "a.flac" << flac(44100, 2, 16, 5) << "flac" << 44100 << 2 << 0 << cd << 3.0;
        QTest::newRow("flac 24-bit mono 48k level 8") << "src.wmv" << "b.FLAC" << flac(48000, 1, 24, 8) << "flac" << 48000 << 1 << 0 << "48000 1 24" << 3.0;
        QTest::newRow("flac 8k level 0 from cd") << "src.mpg" << "c.flac" << flac(8000, 1, 16, 0) << "flac" << 8000 << 1 << 0 << cd << 3.0;
        QTest::newRow("flac 24-bit from 96k 24-bit") << "hi.avi" << "d.flac" << flac(48000, 2, 24, 5) << "flac" << 48000 << 2 << 0 << "48000 2 24" << 3.0;
        QTest::newRow("opus from 8k mono") << "low.avi" << "e.opus" << opus(96, true, 2) << "opus" << 48000 << 2 << 0 << "48000 2 16" << 3.0;
        QTest::newRow("opus vbr 128 stereo") << "src.avi" << "a.opus" << opus(128, true, 2) << "opus" << 48000 << 2 << 0 << "48000 2 16" << 3.0;
        QTest::newRow("opus cbr 64 mono") << "src.mpg" << "b.Opus" << opus(64, false, 1) << "opus" << 48000 << 1 << 64 << "48000 1 16" << 3.0;
        QTest::newRow("opus cbr 256 from cd") << "src.wmv" << "c.opus" << opus(256, false, 2) << "opus" << 48000 << 2 << 256 << cd << 3.0;
        QTest::newRow("opus cbr 32 from 8k mono") << "src.asf" << "d.opus" << opus(32, false, 2) << "opus" << 48000 << 2 << 32 << "8000 1 16" << 3.0;
        // The AAC encoder keeps its bit rate on a tone up to about 200 kbps.
        QTest::newRow("m4a 192 44k stereo") << "src.avi" << "a.m4a" << m4a(44100, 192, 2) << "aac" << 44100 << 2 << 192 << cd << 3.0;
        QTest::newRow("m4a 64 48k mono") << "src.mpg" << "b.M4A" << m4a(48000, 64, 1) << "aac" << 48000 << 1 << 64 << "48000 1 16" << 3.0;
        QTest::newRow("m4a 320 48k from cd") << "src.wmv" << "c.m4a" << m4a(48000, 320, 2) << "aac" << 48000 << 2 << 0 << cd << 3.0;
    }
    void encodes()
    {
        QFETCH(QString, source);
        QFETCH(QString, out);
        QFETCH(Setup, setup);
        QFETCH(QString, codec);
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(int, cbrKbps);
        QFETCH(QString, tempWav);
        QFETCH(double, seconds);
        const double start = 0.5, end = start + seconds;
        const QString error = convert(source, start, end, path(out), setup, tempWav);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const Probe p = probe(path(out));
        QVERIFY(p.ok);
        QCOMPARE(p.codec, codec);
        QCOMPARE(p.rate, rate);
        QCOMPARE(p.channels, channels);
        // What a player plays, and what the file says of its length. Below 44.1 kHz the
        // ffprobe length of an MP3 includes LAME's encoder delay (the ffmpeg tool's own
        // MP3s show the same).
        const double played = decodedSeconds(path(out));
        QVERIFY2(std::abs(played - (end - start)) < 0.06, qPrintable(QString::number(played)));
        const double slack = codec == "mp3" && rate < 44100 ? 0.2 : 0.06;
        QVERIFY2(std::abs(p.duration - (end - start)) < slack, qPrintable(QString::number(p.duration)));
        if (cbrKbps) {
            const double kbps = streamKbps(path(out));
            QVERIFY2(std::abs(kbps - cbrKbps) <= cbrKbps * 0.10, qPrintable(QString::number(kbps)));
        }
        // The clip's length to the sample: M4A by its edit list, counted in samples; the others
        // as decoded. WMA cannot say where its sound ends: ASF states lengths in 100 ns
        // units and the decoder gives whole frames of 2048 samples.
        const qint64 want = std::llround((end - start) * rate);
        if (codec == "aac") {
            QByteArray samples;
            QVERIFY(run("ffprobe", {"-v", "error", "-select_streams", "a:0", "-show_entries", "stream=duration_ts",
                                    "-of", "csv=p=0", path(out)}, &samples));
            QCOMPARE(samples.trimmed().toLongLong(), want);
        } else if (codec == "wmav2") {
            const qint64 frames = decodedFrames(path(out));
            QVERIFY2(frames >= want && frames < want + 2 * 2048, qPrintable(QString::number(frames)));
        } else {
            QCOMPARE(decodedFrames(path(out)), want);
        }
    }

    // The decoded sound starts with the clip's first sample: a burst at 0.5 s is found there
    // by cross-correlation with the source. WMA would lose its first frame to the encoder's
    // delay.
    void soundStartsOnTime_data()
    {
        QTest::addColumn<QString>("out");
        QTest::addColumn<Setup>("setup");
        QTest::newRow("mp3") << "on.mp3" << Setup([](TestAudioFile &w) { w.setMp3Format(44100, 128, 3); });
        QTest::newRow("ogg") << "on.ogg" << Setup([](TestAudioFile &w) { w.setOggFormat(44100, 2, 0, 0, 0, 500); });
        QTest::newRow("wma 38") << "on.wma" << Setup([](TestAudioFile &w) { w.setWmaProfile(38); });
        QTest::newRow("wma 21, mono") << "mono.wma" << Setup([](TestAudioFile &w) { w.setWmaProfile(21); });
        QTest::newRow("flac") << "on.flac" << Setup([](TestAudioFile &w) { w.setFlacFormat(44100, 2, 16, 5); });
        QTest::newRow("opus") << "on.opus" << Setup([](TestAudioFile &w) { w.setOpusFormat(128, true, 2); });
        QTest::newRow("m4a") << "on.m4a" << Setup([](TestAudioFile &w) { w.setM4aFormat(44100, 192, 2); });
    }
    void soundStartsOnTime()
    {
        QFETCH(QString, out);
        QFETCH(Setup, setup);
        const QString wav = path("burst.wav");
        QVERIFY(run("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i",
                               "aevalsrc=if(between(n\\,22050\\,22113)\\,0.6*sin(2*PI*3000*t)\\,0):s=44100:d=1.5",
                               "-ac", "2", wav}));
        TestAudioFile w;
        setup(w);
        QVERIFY(transcode(wav, path(out), w).isEmpty());
        const auto decode = [](const QString &file) {
            QByteArray pcm;
            run("ffmpeg", {"-v", "error", "-i", file, "-f", "s16le", "-ac", "1", "-ar", "44100", "-"}, &pcm);
            const auto *v = reinterpret_cast<const int16_t *>(pcm.constData());
            return std::vector<double>(v, v + pcm.size() / 2);
        };
        const std::vector<double> source = decode(wav), decoded = decode(path(out));
        QVERIFY(decoded.size() > 30000);
        int lag = 0;
        double best = -1;
        for (int l = -3000; l <= 3000; ++l) {
            double sum = 0;
            for (int i = 21950; i < 22250; ++i)
                sum += source[size_t(i)] * decoded[size_t(i + l)];
            if (sum > best) {
                best = sum;
                lag = l;
            }
        }
        QCOMPARE(lag, 0);
    }

    // Two files never share an Ogg stream serial, so that files joined end to end stay
    // valid: the serial stands in the first page's header, bytes 14 to 17.
    void opusSerialsDiffer()
    {
        QVERIFY(makeWav(path("serial.wav"), 0.3, 48000, 2));
        QList<QByteArray> serials;
        for (const QString out : {"s1.opus", "s2.opus"}) {
            TestAudioFile w;
            w.setOpusFormat(64, true, 2);
            QVERIFY(transcode(path("serial.wav"), path(out), w).isEmpty());
            QFile f(path(out));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray head = f.read(18);
            QVERIFY(head.startsWith("OggS"));
            serials << head.mid(14, 4);
        }
        QVERIFY(serials[0] != serials[1]);
    }

    // A seek point about every 10 s, as the flac tool writes, read back with metaflac. A
    // length told beforehand that the sound does not reach leaves placeholders, never
    // points past the end.
    void flacSeekTable_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<double>("hintFactor"); // the length told, as a share of the true one
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("placeholders");
        QTest::newRow("44.1 kHz") << 44100 << 1.0 << 3 << 0;
        QTest::newRow("48 kHz, length told too long") << 48000 << 1.7 << 3 << 2;
        QTest::newRow("no length told") << 44100 << 0.0 << 0 << 0;
    }
    void flacSeekTable()
    {
        QFETCH(int, rate);
        QFETCH(double, hintFactor);
        QFETCH(int, points);
        QFETCH(int, placeholders);
        const QString wav = path("long.wav"), flac = path("long.flac");
        QVERIFY(makeWav(wav, 25, rate, 2));
        TestAudioFile w;
        w.setFlacFormat(rate, 2, 16, 5);
        QVERIFY(transcode(wav, flac, w, int64_t(25 * rate * hintFactor)).isEmpty());
        QByteArray listing;
        QVERIFY(run("metaflac", {"--list", "--block-type=SEEKTABLE", flac}, &listing));
        const QRegularExpression point(R"(point (\d+): sample_number=(\d+), stream_offset=\d+, frame_samples=(\d+))");
        int found = 0;
        for (auto it = point.globalMatch(QString::fromLatin1(listing)); it.hasNext(); ++found) {
            const auto m = it.next();
            // The first sample of the frame that holds second 0, 10, 20.
            const qint64 at = m.captured(2).toLongLong(), frame = m.captured(3).toLongLong();
            QVERIFY2(frame > 0 && at <= qint64(found) * 10 * rate && at + frame > qint64(found) * 10 * rate,
                     qPrintable(m.captured(0)));
        }
        QCOMPARE(found, points);
        QCOMPARE(int(listing.count("PLACEHOLDER")), placeholders);
        QCOMPARE(decodedSeconds(flac), 25.0); // the rewritten table left the sound intact
    }

    // FLAC keeps every bit of the extracted sound, at 16 and at 24 bits.
    // With rate and size 0 ("Same as source") the extraction keeps the source's own, so
    // the FLAC holds the source's samples unchanged.
    void flacIsBitExact_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("rate"); // asked of the extraction; 0 the source's
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("wantRate");
        QTest::addColumn<int>("wantBits");
        QTest::newRow("16") << "src.wmv" << 48000 << 16 << 48000 << 16;
        QTest::newRow("24") << "src.wmv" << 48000 << 24 << 48000 << 24;
        QTest::newRow("same as source, 96 kHz 24-bit") << "hi.avi" << 0 << 0 << 96000 << 24;
    }
    void flacIsBitExact()
    {
        QFETCH(QString, source);
        QFETCH(int, rate);
        QFETCH(int, bits);
        QFETCH(int, wantRate);
        QFETCH(int, wantBits);
        const QString wav = path("exact.wav"), flac = path("exact.flac");
        QVERIFY(extract(path(source), 0.3, 2.7, wav, 2, rate, bits).ok);
        TestAudioFile w, r;
        r.openFile(wav);
        QCOMPARE(r.formatB(), wantRate);
        QCOMPARE(r.sampleBits(), wantBits);
        w.setFlacFormat(r.formatB(), 2, r.sampleBits(), 8);
        r.closeFile();
        QVERIFY(transcode(wav, flac, w).isEmpty());
        QCOMPARE(probe(flac).codec, QString("flac"));
        QByteArray fromWav, fromFlac, fromSource;
        const QStringList raw{"-f", "s32le", "-"};
        QVERIFY(run("ffmpeg", QStringList{"-v", "error", "-i", wav} + raw, &fromWav));
        QVERIFY(run("ffmpeg", QStringList{"-v", "error", "-i", flac} + raw, &fromFlac));
        QCOMPARE(fromWav.size(), 2 * 4 * wantRate * 24 / 10);
        QVERIFY(fromWav == fromFlac);
        const QString mismatch = flacSignatureMismatch(flac, wantBits);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        if (rate == 0) { // the source's own samples, 0.3 s in
            QVERIFY(run("ffmpeg", QStringList{"-v", "error", "-i", path(source), "-map", "0:a"} + raw, &fromSource));
            QVERIFY(fromSource.mid(2 * 4 * wantRate * 3 / 10, fromFlac.size()) == fromFlac);
        }
        // The sound truly has 24 bits: the low byte is not always zero.
        if (wantBits == 24) {
            const auto *v = reinterpret_cast<const int32_t *>(fromWav.constData());
            QVERIFY(std::any_of(v, v + fromWav.size() / 4, [](int32_t x) { return (x & 0xff00) != 0; }));
        }
    }

    void readerChunks()
    {
        const QString wav8 = path("u8.wav"), wav16 = path("s16.wav");
        QVERIFY(makeWav(wav8, 2.5, 8000, 1, "pcm_u8"));
        QVERIFY(makeWav(wav16, 2.5, 48000, 2));
        TestAudioFile r;
        r.openFile(wav16, 0, 1);
        QCOMPARE(r.lastError(), 0);
        QCOMPARE(r.formatA(), 2);
        QCOMPARE(r.formatB(), 48000);
        QCOMPARE(r.frameElements(), 2);
        QCOMPARE(r.totalFrames(), int64_t(120000));
        QCOMPARE(int(r.readSamples(1001).size()), 1000);        // whole frames, at most n
        QCOMPARE(int(r.readSamples(10 * 96000).size()), 96000); // never more than a second
        int64_t total = 1000 + 96000;
        for (SampleArray a = r.readSamples(96000); !a.empty(); a = r.readSamples(96000))
            total += int64_t(a.size());
        QCOMPARE(total, int64_t(240000));
        QVERIFY(r.readSamples(96000).empty());
        r.closeFile();
        QVERIFY(r.readSamples(100).empty());

        r.openFile(wav8, 0, 1); // 8-bit samples come out as 16-bit values
        QCOMPARE(r.formatA() * r.formatB(), 8000);
        const SampleArray a = r.readSamples(8000);
        QCOMPARE(int(a.size()), 8000);
        QVERIFY(*std::max_element(a.begin(), a.end()) > 3000); // the tone's peak at 1/8 scale
        QVERIFY(std::all_of(a.begin(), a.end(), [](int16_t v) { return v % 256 == 0; }));

        for (const QString bad : {path("missing.wav"), path("src.avi")}) {
            r.openFile(bad, 0, 1);
            QVERIFY(r.lastError() != 0);
            QVERIFY(!r.lastErrorText().isEmpty());
            QVERIFY(r.readSamples(100).empty());
        }
    }

    void profiles()
    {
        TestAudioFile w;
        QCOMPARE(w.profileCount(), 48);
        const QStringList all = TestAudioFile::wmaProfileDescriptions();
        QCOMPARE(all.size(), 48);
        QCOMPARE(all[0], QString("WMA 24 kbps, 8 kHz, mono"));
        QCOMPARE(all[7], QString("WMA 32 kbps, 11 kHz, stereo"));
        QCOMPARE(all[38], QString("WMA 128 kbps, 44 kHz, stereo"));
        QCOMPARE(all[47], QString("WMA 320 kbps, 48 kHz, stereo"));
        QCOMPARE(QStringList(all).removeDuplicates(), 0);
        for (int p = 0; p < 48; ++p) {
            w.setWmaProfile(p);
            QCOMPARE(w.lastError(), 0);
            QCOMPARE(w.profileText(), all[p]);
        }
    }

    // Every profile is one the encoder takes: each makes a valid, readable file.
    void everyWmaProfileEncodes()
    {
        QVERIFY(makeWav(path("short.wav"), 0.5, 44100, 2));
        for (int p = 0; p < 48; ++p) {
            TestAudioFile w;
            w.setWmaProfile(p);
            const QString out = path(QString("p%1.wma").arg(p));
            const QString error = transcode(path("short.wav"), out, w);
            QVERIFY2(error.isEmpty(), qPrintable(QString("%1: %2").arg(p).arg(error)));
            QCOMPARE(probe(out).codec, QString("wmav2"));
        }
    }

    void oggCheckIsTruthful()
    {
        TestAudioFile w;
        QVERIFY(w.checkOggFormat(44100, 2, 128, 0, 0));
        QVERIFY(w.checkOggFormat(44100, 2, 128, 96, 192));
        QVERIFY(w.checkOggFormat(8000, 1, 16, 0, 0));
        QVERIFY(!w.checkOggFormat(8000, 2, 320, 0, 0));   // too much for 8 kHz
        QVERIFY(!w.checkOggFormat(44100, 2, 128, 192, 128)); // minimum above maximum
        QVERIFY(!w.checkOggFormat(44100, 0, 128, 0, 0));
        QVERIFY(!w.checkOggFormat(44100, 2, 900, 0, 0));
    }

    // A set-up the encoder refuses is reported and createFile then writes nothing.
    void refusedSetupCreatesNothing_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QString>("out");
        QTest::addColumn<bool>("setterRefuses");
        QTest::newRow("wma profile -1") << Setup([](TestAudioFile &w) { w.setWmaProfile(-1); }) << "x.wma" << true;
        QTest::newRow("wma profile 48") << Setup([](TestAudioFile &w) { w.setWmaProfile(48); }) << "x.wma" << true;
        QTest::newRow("ogg min above max") << Setup([](TestAudioFile &w) { w.setOggFormat(44100, 2, 128, 192, 128, -1); }) << "x.ogg" << true;
        QTest::newRow("ogg no channels") << Setup([](TestAudioFile &w) { w.setOggFormat(44100, 0, 128, 0, 0, -1); }) << "x.ogg" << true;
        QTest::newRow("ogg 8k 320k") << Setup([](TestAudioFile &w) { w.setOggFormat(8000, 2, 320, 0, 0, -1); }) << "x.ogg" << true;
        QTest::newRow("mp3 mode 6") << Setup([](TestAudioFile &w) { w.setMp3Format(44100, 128, 6); }) << "x.mp3" << true;
        QTest::newRow("mp3 no bit rate") << Setup([](TestAudioFile &w) { w.setMp3Format(44100, 0, 2); }) << "x.mp3" << true;
        QTest::newRow("input of 0 channels") << Setup([](TestAudioFile &w) { w.setInputFormat(44100, 0); }) << "x.mp3" << true;
        QTest::newRow("flac 20 bits") << Setup([](TestAudioFile &w) { w.setFlacFormat(44100, 2, 20, 5); }) << "x.flac" << true;
        QTest::newRow("flac level 9") << Setup([](TestAudioFile &w) { w.setFlacFormat(44100, 2, 16, 9); }) << "x.flac" << true;
        QTest::newRow("opus 300k") << Setup([](TestAudioFile &w) { w.setOpusFormat(300, true, 2); }) << "x.opus" << true;
        QTest::newRow("opus 3 channels") << Setup([](TestAudioFile &w) { w.setOpusFormat(128, true, 3); }) << "x.opus" << true;
        QTest::newRow("m4a 22k") << Setup([](TestAudioFile &w) { w.setM4aFormat(22050, 128, 2); }) << "x.m4a" << true;
        QTest::newRow("m4a 32k") << Setup([](TestAudioFile &w) { w.setM4aFormat(44100, 32, 2); }) << "x.m4a" << true;
        QTest::newRow("unknown extension") << Setup([](TestAudioFile &) {}) << "x.aiff" << false;
        QTest::newRow("missing folder, flac") << Setup([](TestAudioFile &) {}) << "no/such/x.flac" << false;
        QTest::newRow("missing folder, opus") << Setup([](TestAudioFile &) {}) << "no/such/x.opus" << false;
        QTest::newRow("missing folder, m4a") << Setup([](TestAudioFile &) {}) << "no/such/x.m4a" << false;
        QTest::newRow("missing folder") << Setup([](TestAudioFile &) {}) << "no/such/x.mp3" << false;
    }
    void refusedSetupCreatesNothing()
    {
        QFETCH(Setup, setup);
        QFETCH(QString, out);
        QFETCH(bool, setterRefuses);
        TestAudioFile w;
        setup(w);
        const bool refusedEarly = w.lastError() != 0;
        w.createFile(path(out), 0);
        QVERIFY(w.lastError() != 0);
        QVERIFY(!w.lastErrorText().isEmpty());
        QVERIFY(!QFile::exists(path(out)));
        QCOMPARE(refusedEarly, setterRefuses);
        w.writeSamples(SampleArray(100));
        QVERIFY(w.lastError() != 0); // nothing open
        w.closeFile();
    }

    void tags_data()
    {
        QTest::addColumn<QString>("out");
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QString>("cover"); // the picture written on the second pass
        QTest::newRow("mp3 id3v2") << "t.mp3" << Setup([](TestAudioFile &w) { w.setMp3Format(44100, 128, 3); }) << "cover.jpg";
        QTest::newRow("ogg xiph") << "t.ogg" << Setup([](TestAudioFile &w) { w.setOggFormat(44100, 2, 0, 0, 0, 400); }) << "cover.png";
        QTest::newRow("wma asf") << "t.wma" << Setup([](TestAudioFile &w) { w.setWmaProfile(38); }) << "cover.png";
        QTest::newRow("flac xiph") << "t.flac" << Setup([](TestAudioFile &w) { w.setFlacFormat(44100, 2, 24, 5); }) << "cover.png";
        QTest::newRow("opus xiph") << "t.opus" << Setup([](TestAudioFile &w) { w.setOpusFormat(96, true, 2); }) << "cover.jpg";
        QTest::newRow("m4a atoms") << "t.m4a" << Setup([](TestAudioFile &w) { w.setM4aFormat(44100, 128, 2); }) << "cover.jpg";
        QTest::newRow("wma small cover") << "t2.wma" << Setup([](TestAudioFile &w) { w.setWmaProfile(38); }) << "small.png";
    }
    void tags()
    {
        QFETCH(QString, out);
        QFETCH(Setup, setup);
        QFETCH(QString, cover);
        QVERIFY(makeWav(path("tag.wav"), 1, 44100, 2));
        TestAudioFile w;
        setup(w);
        QVERIFY(transcode(path("tag.wav"), path(out), w).isEmpty());
        OutputTags info;
        info.infoTitle = "Früh am Morgen — 朝";
        info.infoArtist = "Ørjan & Zoë";
        info.infoAlbum = "Live in Kraków";
        info.infoComments = "Schön; \"quoted\"";
        info.infoCopyright = "© 2024 Clipvox";
        info.InfoYear = 2024;
        info.InfoTrack = 7;
        info.InfoGenre = 12; // Other
        QVERIFY2(writeTagsTo(info, path(out)), qPrintable(info.lastErrorText()));
        const Probe p = probe(path(out));
        const QMap<QString, QString> codecs{{"mp3", "mp3"}, {"ogg", "vorbis"}, {"wma", "wmav2"},
                                            {"flac", "flac"}, {"opus", "opus"}, {"m4a", "aac"}};
        QCOMPARE(p.codec, codecs.value(QFileInfo(out).suffix()));
        QCOMPARE(p.tags.value("title"), info.infoTitle);
        QCOMPARE(p.tags.value("artist"), info.infoArtist);
        QCOMPARE(p.tags.value("album"), info.infoAlbum);
        QCOMPARE(p.tags.value("copyright"), info.infoCopyright);
        QVERIFY2(p.tags.values().contains(info.infoComments), qPrintable(QStringList(p.tags.keys()).join(',')));
        QVERIFY(p.tags.value(p.tags.contains("wm/year") ? "wm/year" : "date").startsWith("2024"));
        QCOMPARE(p.tags.value("track"), QString("7"));
        QCOMPARE(p.tags.value("genre"), QString("Other"));
        QVERIFY(std::abs(p.duration - 1.0) < 0.06); // tagging keeps the sound intact

        // Year and track 0 mean none; rewriting drops them. A genre off the list is written
        // as text, and the cover as a front cover picture.
        info.InfoYear = 0;
        info.InfoTrack = 0;
        info.InfoGenre = -1;
        info.infoGenreName = "Synthwave";
        // Noise pictures: a "small" one, and one over 64 KB, more than an ASF header attribute holds.
        QFile picture(path(cover));
        QVERIFY(run("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", QString("nullsrc=s=%1,geq=random(1)*255:128:128")
                                   .arg(cover.startsWith("small") ? "32x32" : "384x384"),
                               "-frames:v", "1", "-q:v", "2", path(cover)}) && picture.open(QIODevice::ReadOnly));
        info.infoCover = picture.readAll();
        info.infoCoverMime = cover.endsWith("png") ? "image/png" : "image/jpeg";
        QVERIFY(writeTagsTo(info, path(out)));
        const Probe q = probe(path(out));
        QVERIFY(!q.tags.contains("date") && !q.tags.contains("wm/year"));
        QVERIFY(!q.tags.contains("track"));
        QCOMPARE(q.tags.value("title"), info.infoTitle);
        QCOMPARE(q.tags.value("genre"), QString("Synthwave"));
        QByteArray written, kind;
        if (out == "t.wma") {
            // A WMA picture over 64 KB sits in the Metadata Library object, which FFmpeg 5.1
            // misreads: TagLib reads it back.
            QVERIFY(info.infoCover.size() > 65536);
            TagLib::ASF::File f(QFile::encodeName(path(out)).constData());
            const TagLib::ASF::AttributeList pictures = f.tag()->attribute("WM/Picture");
            QCOMPARE(pictures.size(), 1u);
            const TagLib::ASF::Picture pic = pictures.front().toPicture();
            written = QByteArray(pic.picture().data(), pic.picture().size());
            kind = pic.type() == TagLib::ASF::Picture::FrontCover ? "Cover (front)" : "other";
        } else {
            QVERIFY(run("ffmpeg", {"-v", "error", "-i", path(out), "-map", "0:v:0", "-c", "copy", "-f", "rawvideo", "-"}, &written));
            QVERIFY(run("ffprobe", {"-v", "error", "-select_streams", "v:0", "-show_entries", "stream_tags=comment", "-of", "csv=p=0", path(out)}, &kind));
        }
        const std::optional<SourceInfo> back = readSourceInfo(path(out)); // our reader finds it too
        QVERIFY(back && back->cover.data == info.infoCover && back->cover.mimeType == info.infoCoverMime);
        QCOMPARE(written, info.infoCover);
        QCOMPARE(kind.trimmed(), out.endsWith("m4a") ? "" : "Cover (front)"); // M4A's covr has no picture type
    }

    // Past 4 GiB of sound a WAV is RF64 (a RIFF header's sizes would wrap), below it plain RIFF.
    // The last second goes at its place, the file sparse up to it.
    void wavPast4GiB_data()
    {
        QTest::addColumn<qint64>("at"); // frame of the last second
        QTest::addColumn<QByteArray>("kind");
        QTest::newRow("2 s") << qint64(48000) << QByteArray("RIFF");
        QTest::newRow("past 4 GiB") << (qint64(1) << 30) << QByteArray("RF64"); // 16-bit stereo: 4 bytes a frame
    }
    void wavPast4GiB()
    {
        QFETCH(qint64, at);
        QFETCH(QByteArray, kind);
        const QString out = path("big.wav");
        std::unique_ptr<AudioWriter> w = makeWavWriter({48000, 2, 16});
        const std::vector<int32_t> second(96000, 0x10000000);
        QVERIFY(w->open(out) && w->setInput(48000, 2));
        QVERIFY(w->write32(second.data(), 48000) && w->write32At(at, second.data(), 48000));
        QVERIFY2(w->finish(), qPrintable(w->error));
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.read(4), kind);
        const Probe p = probe(out);
        QCOMPARE(p.rate, 48000);
        QVERIFY2(std::abs(p.duration - (at + 48000) / 48000.0) < 0.01, qPrintable(QString::number(p.duration)));
        QVERIFY(f.remove());
    }

    // Covers over 4 MiB or 3000 pixels a side are scaled down to fit, as JPEG, keeping their
    // shape; one that cannot be decoded is left out. A FLAC picture block holds at most
    // 16 MiB: the 17 MB picture must not make a file that flac -t loses its way in.
    void covers_data()
    {
        QTest::addColumn<QByteArray>("picture");
        QTest::addColumn<QSize>("size"); // as written; empty: no picture
        QTest::addColumn<bool>("asItIs");
        const auto encoded = [](const QImage &image, const char *format) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, format);
            return bytes;
        };
        QImage small(200, 100, QImage::Format_RGB32), wide(4000, 1000, QImage::Format_RGB32),
            noise(2400, 2400, QImage::Format_RGB32);
        small.fill(Qt::darkCyan);
        for (int y = 0; y < wide.height(); ++y)
            for (int x = 0; x < wide.width(); ++x)
                wide.setPixel(x, y, qRgb(x % 256, y % 256, 128));
        QRandomGenerator random(7);
        for (int y = 0; y < noise.height(); ++y)
            random.fillRange(reinterpret_cast<quint32 *>(noise.scanLine(y)), noise.width());
        const QByteArray big = encoded(noise, "PNG");
        QVERIFY(big.size() > 16 * 1024 * 1024);
        QTest::newRow("fits") << encoded(small, "PNG") << QSize(200, 100) << true;
        QTest::newRow("4000 px wide") << encoded(wide, "JPEG") << QSize(3000, 750) << false;
        QTest::newRow("over 16 MiB") << big << QSize(2400, 2400) << false;
        QTest::newRow("5 MiB that is no picture") << QByteArray(5 << 20, 'x').prepend("\xff\xd8\xff") << QSize(0, 0) << false;
    }
    void covers()
    {
        QFETCH(QByteArray, picture);
        QFETCH(QSize, size);
        QFETCH(bool, asItIs);
        QVERIFY(makeWav(path("cover.wav"), 1, 44100, 2));
        const QList<std::pair<QString, Setup>> formats{
            {"c.mp3", [](TestAudioFile &w) { w.setMp3Format(44100, 128, 3); }},
            {"c.ogg", [](TestAudioFile &w) { w.setOggFormat(44100, 2, 0, 0, 0, 400); }},
            {"c.wma", [](TestAudioFile &w) { w.setWmaProfile(38); }},
            {"c.flac", [](TestAudioFile &w) { w.setFlacFormat(44100, 2, 16, 5); }},
            {"c.opus", [](TestAudioFile &w) { w.setOpusFormat(96, true, 2); }},
            {"c.m4a", [](TestAudioFile &w) { w.setM4aFormat(44100, 128, 2); }}};
        for (const auto &[out, setup] : formats) {
            TestAudioFile w;
            setup(w);
            QVERIFY(transcode(path("cover.wav"), path(out), w).isEmpty());
            OutputTags info;
            info.infoTitle = "Cover";
            info.infoCover = picture;
            QVERIFY2(writeTagsTo(info, path(out)), qPrintable(info.lastErrorText()));
            // The picture as written, read by TagLib for WMA (FFmpeg misreads large ASF
            // pictures, and the file's length with them), by the ffmpeg tool for the rest.
            QByteArray written;
            if (out.endsWith("wma")) {
                TagLib::ASF::File f(QFile::encodeName(path(out)).constData());
                for (const TagLib::ASF::Attribute &a : f.tag()->attribute("WM/Picture"))
                    written = QByteArray(a.toPicture().picture().data(), a.toPicture().picture().size());
            } else if (!size.isEmpty()) {
                QVERIFY(run("ffmpeg", {"-v", "error", "-i", path(out), "-map", "0:v:0", "-c", "copy", "-f", "rawvideo", "-"}, &written));
            } else {
                QByteArray streams;
                QVERIFY(run("ffprobe", {"-v", "error", "-show_entries", "stream=codec_type", "-of", "csv=p=0", path(out)}, &streams));
                QCOMPARE(streams.trimmed(), QByteArray("audio"));
            }
            QVERIFY2(written.size() <= 4 * 1024 * 1024, qPrintable(out));
            QCOMPARE(QImage::fromData(written).size(), size);
            if (asItIs)
                QCOMPARE(written, picture);
            if (!out.endsWith("wma")) // ... and its length
                QVERIFY(std::abs(probe(path(out)).duration - 1.0) < 0.06);
        }
        QVERIFY(run("flac", {"-t", "-s", path("c.flac")}));
    }

    // A source's cover over the limits is scaled once: every reading of the source (one a
    // chapter) gets the same picture.
    void coverScaledOncePerSource()
    {
        QImage tall(800, 3200, QImage::Format_RGB32);
        tall.fill(Qt::darkRed);
        QVERIFY(tall.save(path("tall.jpg")));
        QVERIFY(run("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", "sine=duration=1", "-i", path("tall.jpg"),
                               "-map", "0:a", "-map", "1:v", "-c:v", "copy", "-disposition:v", "attached_pic",
                               path("tall.m4a")}));
        const std::optional<SourceInfo> first = readSourceInfo(path("tall.m4a")), again = readSourceInfo(path("tall.m4a"));
        QVERIFY(first && again);
        QCOMPARE(QImage::fromData(first->cover.data).size(), QSize(750, 3000));
        QCOMPARE(first->cover.mimeType, QString("image/jpeg"));
        QCOMPARE(again->cover.data.constData(), first->cover.data.constData());
    }

    void tagFailuresAndGenres()
    {
        OutputTags info;
        info.infoTitle = "x";
        QVERIFY(!writeTagsTo(info, path("missing.mp3")));
        QVERIFY(!info.lastErrorText().isEmpty());
        QVERIFY(makeWav(path("plain.wav"), 0.2, 8000, 1));
        QVERIFY(!writeTagsTo(info, path("plain.wav")));
        QFile::copy(path("plain.wav"), path("fake.ogg"));
        QVERIFY(!writeTagsTo(info, path("fake.ogg")));
        QCOMPARE(OutputTags::genreText(0), QString("Blues"));
        QCOMPARE(OutputTags::genreText(12), QString("Other"));
        QCOMPARE(OutputTags::genreText(146), QString("Jpop"));
        QVERIFY(OutputTags::genreText(147).isEmpty());
        QVERIFY(OutputTags::genreText(-1).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMediaAudioFile)
#include "tst_media_audiofile.moc"
