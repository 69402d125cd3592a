// SPDX-License-Identifier: GPL-3.0-or-later
// Today's containers and sound codecs through the extraction and the encoding step, read
// back with ffprobe; which stream of a two-track file is taken; 5.1 mixed down to stereo.
#include "media_fixtures.h"

#include <QTemporaryDir>
#include <cmath>

using namespace fixtures;

namespace {
// A 2-second source: a small picture (unless video is empty) and a 440 Hz tone, with the
// given codec arguments and container.
bool makeSource(const QString &path, const QStringList &video, const QStringList &audio, int rate = 48000,
                int channels = 2)
{
    QStringList a{"-v", "error", "-y"};
    if (!video.isEmpty())
        a << "-f" << "lavfi" << "-i" << "testsrc=size=160x120:rate=25:duration=2";
    a << "-f" << "lavfi" << "-i" << QString("sine=frequency=440:sample_rate=%1:duration=2").arg(rate)
      << "-ac" << QString::number(channels) << video << audio << path;
    return run("ffmpeg", a);
}

// Root mean square of 16-bit samples.
double rms(const SampleArray &a)
{
    double sum = 0;
    for (int16_t s : a)
        sum += double(s) * s;
    return a.empty() ? 0 : std::sqrt(sum / double(a.size()));
}
} // namespace

class TestMediaCodecs : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void convertsEveryContainer_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("video");
        QTest::addColumn<QStringList>("audio");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<QString>("out"); // the output's extension
        const QStringList mpeg4{"-c:v", "mpeg4"}, mpeg2{"-c:v", "mpeg2video"};
        QTest::newRow("MP4 AAC") << "a.mp4" << mpeg4 << QStringList{"-c:a", "aac"} << 44100 << 2 << "mp3";
        QTest::newRow("MKV Opus") << "a.mkv" << mpeg4 << QStringList{"-c:a", "libopus"} << 48000 << 2 << "wav";
        QTest::newRow("MKV Vorbis") << "b.mkv" << mpeg4 << QStringList{"-c:a", "libvorbis"} << 44100 << 2 << "ogg";
        QTest::newRow("MKV AC-3 5.1") << "c.mkv" << mpeg4 << QStringList{"-c:a", "ac3"} << 48000 << 6 << "mp3";
        QTest::newRow("MKV FLAC") << "d.mkv" << mpeg4 << QStringList{"-c:a", "flac"} << 44100 << 2 << "wav";
        QTest::newRow("WebM Opus") << "a.webm" << QStringList{"-c:v", "libvpx", "-deadline", "realtime"}
                                   << QStringList{"-c:a", "libopus"} << 48000 << 2 << "ogg";
        QTest::newRow("MOV AAC") << "a.mov" << mpeg4 << QStringList{"-c:a", "aac"} << 48000 << 2 << "mp3";
        QTest::newRow("MOV PCM") << "b.mov" << mpeg4 << QStringList{"-c:a", "pcm_s16le"} << 48000 << 2 << "wav";
        QTest::newRow("FLV MP3") << "a.flv" << QStringList{"-c:v", "flv"} << QStringList{"-c:a", "libmp3lame"} << 44100 << 2 << "ogg";
        QTest::newRow("TS AAC") << "a.ts" << mpeg2 << QStringList{"-c:a", "aac"} << 48000 << 2 << "mp3";
        QTest::newRow("TS MP2") << "b.ts" << mpeg2 << QStringList{"-c:a", "mp2"} << 48000 << 2 << "wav";
        QTest::newRow("VOB AC-3") << "a.vob" << mpeg2 << QStringList{"-c:a", "ac3"} << 48000 << 2 << "ogg";
        QTest::newRow("3GP AAC") << "a.3gp" << QStringList{"-c:v", "h263", "-s", "176x144"}
                                 << QStringList{"-c:a", "aac"} << 22050 << 1 << "mp3";
        QTest::newRow("96 kHz") << "e.mkv" << mpeg4 << QStringList{"-c:a", "flac"} << 96000 << 2 << "wav";
        QTest::newRow("8 kHz") << "b.mp4" << mpeg4 << QStringList{"-c:a", "aac"} << 8000 << 1 << "mp3";
    }
    // The run's two steps: the clip's sound to a 44.1 kHz stereo WAV, then (MP3, OGG) the
    // encoding step's copy loop; the result as long as the source within 60 ms.
    void convertsEveryContainer()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, video);
        QFETCH(QStringList, audio);
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(QString, out);
        const QString source = path(name);
        QVERIFY(makeSource(source, video, audio, rate, channels));
        const Probe in = probe(source);
        QCOMPARE(in.channels, channels);
        QCOMPARE(in.rate, rate);

        const QString wav = path("temp.wav");
        const Extraction e = extract(source, 0, VideoEdit::ToEnd, wav, 2, 44100, 2);
        QVERIFY2(e.ok, qPrintable(e.error));
        QString result = wav;
        if (out != QLatin1String("wav")) {
            result = path("out." + out);
            TestAudioFile writer;
            if (out == QLatin1String("mp3"))
                writer.setMp3Format(44100, 128, 3);
            else
                writer.setOggFormat(44100, 2, 128, 0, 0, -1);
            const QString failed = transcode(wav, result, writer);
            QVERIFY2(failed.isEmpty(), qPrintable(failed));
        }
        const Probe p = probe(result);
        const QString codec = out == QLatin1String("wav") ? "pcm_s16le" : out == QLatin1String("mp3") ? "mp3" : "vorbis";
        QCOMPARE(p.codec, codec);
        QCOMPARE(p.rate, 44100);
        QCOMPARE(p.channels, 2);
        // What a player gets out of it (an MP3's stated length also counts LAME's padding).
        const double played = decodedSeconds(result);
        QVERIFY2(std::abs(played - 2.0) < 0.06, qPrintable(QString("%1 s").arg(played)));
    }

    // Of two sound tracks the one the file marks as default is taken, here the second: the
    // first is silent, the default one carries the tone.
    void takesTheDefaultTrack()
    {
        const QString source = path("two.mkv");
        QVERIFY(run("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=2",
                               "-f", "lavfi", "-i", "anullsrc=r=48000:cl=stereo:d=2",
                               "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=48000:duration=2",
                               "-map", "0", "-map", "1", "-map", "2", "-c:v", "mpeg4", "-c:a", "flac",
                               "-disposition:a:0", "0", "-disposition:a:1", "default", source}));
        const QString wav = path("two.wav");
        QVERIFY(extract(source, 0, VideoEdit::ToEnd, wav).ok);
        TestAudioFile r;
        r.openFile(wav);
        QVERIFY(rms(r.readSamples(44100)) > 1000);
    }

    // Every channel of a 5.1 source but the subwoofer's reaches the stereo mix, as ITU-R
    // BS.775 mixes it: a tone on that channel alone is heard in the output.
    void downmixKeepsEveryChannel_data()
    {
        QTest::addColumn<QString>("channel");
        QTest::addColumn<bool>("heard");
        for (const char *c : {"FL", "FR", "FC", "LFE", "BL", "BR"})
            QTest::newRow(c) << QString::fromLatin1(c) << (QLatin1String(c) != QLatin1String("LFE"));
    }
    void downmixKeepsEveryChannel()
    {
        QFETCH(QString, channel);
        QFETCH(bool, heard);
        const QString source = path("surround.mkv");
        // A low tone, so that it also stands for what a subwoofer channel carries.
        QVERIFY(run("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", "sine=frequency=80:sample_rate=48000:duration=1",
                               "-af", "pan=5.1|" + channel + "=c0", "-c:a", "flac", source}));
        QCOMPARE(probe(source).channels, 6);
        const QString wav = path("surround.wav");
        QVERIFY(extract(source, 0, VideoEdit::ToEnd, wav).ok);
        TestAudioFile r;
        r.openFile(wav);
        const SampleArray a = r.readSamples(44100);
        SampleArray left, right;
        for (size_t i = 0; i + 1 < a.size(); i += 2) {
            left.push_back(a[i]);
            right.push_back(a[i + 1]);
        }
        // The tone is about 2900 RMS in the source; the mix keeps at least a tenth of it
        // on one side (the mix-down lowers every channel so that the sum cannot clip).
        QVERIFY2(heard ? std::max(rms(left), rms(right)) > 290 : std::max(rms(left), rms(right)) < 3, qPrintable(QString("%1 / %2").arg(rms(left)).arg(rms(right))));
    }
};

QTEST_GUILESS_MAIN(TestMediaCodecs)
#include "tst_media_codecs.moc"
