// SPDX-License-Identifier: GPL-3.0-or-later
// The one pass's decoder (cut, converted, written as WAV) and the length probe on real videos
// made by the ffmpeg tool.
#include "media_fixtures.h"
#include "media/avinput.h"
#include "media/medialength.h"
#include "media/sourceinfo.h"

#include <QTemporaryDir>
#include <QFileInfo>
#include <QThread>
#include <stop_token>
#include <cmath>
#include <thread>
#include <tuple>

using namespace fixtures;

// The samples of a file as the ffmpeg tool decodes them, interleaved float.
std::vector<float> samples(const QString &file, int channels = 1)
{
    QByteArray pcm;
    if (!run("ffmpeg", {"-v", "error", "-i", file, "-ac", QString::number(channels), "-f", "f32le", "-"}, &pcm))
        return {};
    std::vector<float> x(size_t(pcm.size()) / sizeof(float));
    memcpy(x.data(), pcm.constData(), x.size() * sizeof(float));
    return x;
}

// Where a cut's sound lies in the original, in samples from `at`: the lag of the best
// correlation of its second tenth of a second, searched 2000 samples either way.
int lagOf(const std::vector<float> &cut, const std::vector<float> &original, int64_t at)
{
    const size_t from = 2048, n = 4096;
    int best = 0;
    double bestScore = -1;
    for (int lag = -2000; lag <= 2000; ++lag) {
        const int64_t p = at + int64_t(from) + lag;
        if (p < 0 || size_t(p) + n > original.size() || from + n > cut.size())
            continue;
        double dot = 0, energy = 1e-12;
        for (size_t i = 0; i < n; ++i) {
            dot += double(cut[from + i]) * original[size_t(p) + i];
            energy += double(original[size_t(p) + i]) * original[size_t(p) + i];
        }
        if (dot / std::sqrt(energy) > bestScore) {
            bestScore = dot / std::sqrt(energy);
            best = lag;
        }
    }
    return best;
}

// The amplitude of one frequency in a signal (Goertzel), windowed so that a strong tone
// nearby does not leak into it.
double goertzel(const std::vector<float> &x, double hz, int rate)
{
    const double w = 2 * M_PI * hz / rate, c = 2 * std::cos(w);
    double s1 = 0, s2 = 0, sum = 0;
    const size_t n = x.size();
    for (size_t i = 0; i < n; ++i) {
        const double win = 0.5 - 0.5 * std::cos(2 * M_PI * double(i) / double(n - 1));
        const double s0 = x[i] * win + c * s1 - s2;
        s2 = s1;
        s1 = s0;
        sum += win;
    }
    return std::sqrt(std::max(0.0, s1 * s1 + s2 * s2 - c * s1 * s2)) * 2 / sum;
}

class TestMediaVideoEdit : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        VideoEdit::initialize();
        for (const QString kind : {"avi", "mpg", "wmv", "asf"})
            QVERIFY(makeVideo(path("src." + kind), kind, 5));
        QVERIFY(makeVideo(path("silent.avi"), "silent.avi", 2));
        QFile(path("empty.avi")).open(QIODevice::WriteOnly);
        QFile text(path("text.avi"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write(QByteArray("This is not a video, only a text file.\n").repeated(200));
        text.close();
        // Truncated copies: the first 40 % of the file.
        for (const QString kind : {"avi", "wmv"}) {
            QFile full(path("src." + kind));
            QVERIFY(full.open(QIODevice::ReadOnly));
            QFile cut(path("cut." + kind));
            QVERIFY(cut.open(QIODevice::WriteOnly));
            cut.write(full.read(full.size() * 4 / 10));
        }
    }

    void cutsEveryFormat_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        for (const QString kind : {"avi", "mpg", "wmv", "asf"}) {
            QTest::newRow(qPrintable(kind + " whole")) << "src." + kind << 0.0 << 5.0;
            QTest::newRow(qPrintable(kind + " head")) << "src." + kind << 0.0 << 1.3;
            QTest::newRow(qPrintable(kind + " middle, seek")) << "src." + kind << 2.25 << 4.0;
            QTest::newRow(qPrintable(kind + " to end")) << "src." + kind << 1.5 << VideoEdit::ToEnd;
        }
    }
    void cutsEveryFormat()
    {
        QFETCH(QString, source);
        QFETCH(double, start);
        QFETCH(double, end);
        const QString wav = path("cut.wav");
        const Extraction e = extract(path(source), start, end, wav);
        QVERIFY2(e.ok, qPrintable(e.error));
        const Probe p = probe(wav);
        QVERIFY(p.ok);
        QCOMPARE(p.codec, QString("pcm_s16le"));
        QCOMPARE(p.rate, 44100);
        QCOMPARE(p.channels, 2);
        double want = end - start;
        if (std::isinf(end)) { // to the end: as long as what the ffmpeg tool gets from there
            QVERIFY(run("ffmpeg", {"-v", "error", "-y", "-ss", QString::number(start), "-i", path(source), "-vn", path("ref.wav")}));
            want = probe(path("ref.wav")).duration;
        }
        QVERIFY2(std::abs(p.duration - want) < 0.06, qPrintable(QString("%1 s, wanted %2 s").arg(p.duration).arg(want)));
        // Exact frame count for a fixed end.
        if (!std::isinf(end)) {
            TestAudioFile r;
            r.openFile(wav);
            QCOMPARE(r.totalFrames(), std::llround((end - start) * 44100));
        }
    }

    // The cut lands on the right sample: the tone starts at 1 s in a file that is silent
    // before, so a cut from 0.5 s has silence for exactly its first half second.
    void cutIsSampleAccurate()
    {
        const QString src = path("late.avi");
        QVERIFY(run("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=4",
                               "-f", "lavfi", "-i", "sine=frequency=1000:sample_rate=44100:duration=3",
                               "-af", "adelay=1000|1000", "-ac", "2", "-c:v", "mpeg4", "-c:a", "pcm_s16le", src}));
        const QString wav = path("late.wav");
        QVERIFY(extract(src, 2.5 - 2.0, 3.5, wav, 1, 44100, 16).ok);
        TestAudioFile r;
        r.openFile(wav);
        const SampleArray a = r.readSamples(44100);
        QCOMPARE(int(a.size()), 44100);
        int first = -1;
        for (int i = 0; i < int(a.size()) && first < 0; ++i)
            if (std::abs(a[i]) > 1000)
                first = i;
        QVERIFY2(std::abs(first - 22050) <= 25, qPrintable(QString::number(first))); // the tone's first peak
    }

    void wavFormats_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("codec");
        QTest::newRow("8-bit mono 8000") << 1 << 8000 << 8 << "pcm_u8";
        QTest::newRow("8-bit stereo 22050") << 2 << 22050 << 8 << "pcm_u8";
        QTest::newRow("16-bit mono 11025") << 1 << 11025 << 16 << "pcm_s16le";
        QTest::newRow("16-bit stereo 48000") << 2 << 48000 << 16 << "pcm_s16le";
        QTest::newRow("24-bit stereo 96000") << 2 << 96000 << 24 << "pcm_s24le";
    }
    void wavFormats()
    {
        QFETCH(int, channels);
        QFETCH(int, rate);
        QFETCH(int, size);
        QFETCH(QString, codec);
        const QString wav = path("fmt.wav");
        const Extraction e = extract(path("src.wmv"), 1, 3, wav, channels, rate, size);
        QVERIFY2(e.ok, qPrintable(e.error));
        const Probe p = probe(wav);
        QCOMPARE(p.codec, codec);
        QCOMPARE(p.rate, rate);
        QCOMPARE(p.channels, channels);
        QVERIFY(std::abs(p.duration - 2.0) < 0.06);
    }

    void badInputFails_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<double>("end");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "nothere.avi" << 2.0 << "not found";
        QTest::newRow("zero bytes") << "empty.avi" << 2.0 << "Not a media file";
        QTest::newRow("text named .avi") << "text.avi" << 2.0 << "Not a media file";
        QTest::newRow("no sound") << "silent.avi" << 2.0 << "No audio stream";
        QTest::newRow("truncated avi") << "cut.avi" << 5.0 << "ended early";
        QTest::newRow("truncated wmv") << "cut.wmv" << 5.0 << "ended early";
        QTest::newRow("start past the end") << "src.avi" << 9.0 << "The clip holds no sound";
    }
    void badInputFails()
    {
        QFETCH(QString, source);
        QFETCH(double, end);
        QFETCH(QString, reason);
        const QString wav = path("bad.wav");
        QFile::remove(wav);
        const Extraction e = extract(path(source), end == 9.0 ? 8.0 : 0.0, end, wav);
        QVERIFY(!e.ok);
        QVERIFY2(e.error.contains(reason, Qt::CaseInsensitive), qPrintable(e.error));
        if (!reason.contains("early")) // a source that gives no sound leaves no output
            QVERIFY(!QFile::exists(wav));
    }

    // With "to the end" too, a file whose sound stops well before the length it states (cut
    // short, or still downloading) fails with where it ended; AVI and ASF, whose lengths
    // FFmpeg takes from what is there, by the size and length their headers state.
    void truncatedToEndFails_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("codecs");
        QTest::addColumn<int>("percent"); // of the file kept
        QTest::newRow("mkv") << "full.mkv" << QStringList{"-c:v", "mpeg4", "-c:a", "aac"} << 40;
        for (int percent : {25, 50, 90}) {
            QTest::addRow("wmv %d%%", percent) << "full.wmv" << QStringList{"-c:v", "wmv2", "-c:a", "wmav2"} << percent;
            QTest::addRow("avi %d%%", percent) << "full.avi" << QStringList{"-c:v", "mpeg4", "-c:a", "libmp3lame"} << percent;
        }
    }
    void truncatedToEndFails()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, codecs);
        QFETCH(int, percent);
        if (!QFile::exists(path(name)))
            QVERIFY(run("ffmpeg", QStringList{"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=96x64:rate=25:duration=6", "-f",
                                              "lavfi", "-i", "sine=f=440:r=44100:d=6"} + codecs + QStringList{path(name)}));
        const QString cutName = path("cut-" + name);
        QFile full(path(name)), cut(cutName);
        QVERIFY(full.open(QIODevice::ReadOnly) && cut.open(QIODevice::WriteOnly));
        QVERIFY(cut.write(full.read(full.size() * percent / 100)) > 0);
        cut.close();
        const Extraction e = extract(cutName, 0, VideoEdit::ToEnd, path("part.wav"));
        QVERIFY(!e.ok);
        QVERIFY2(e.error.startsWith("The source ended at 00:00:0") && e.error.endsWith(" of 00:00:06"), qPrintable(e.error));
        // The whole file converts.
        QVERIFY2(extract(path(name), 0, VideoEdit::ToEnd, path("part.wav")).ok, qPrintable(name));
    }

    // Cuts land where the original sound lies, found by cross-correlating the cut with the
    // signal the source was made from: exactly where the ffmpeg tool's whole decoding puts it
    // (an MP3 in MPEG-PS keeps its encoder delay there). Vorbis in Matroska is stamped in whole
    // milliseconds, so a seek into it lands within one.
    void cutsLandOnTheOriginal_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<double>("start");
        QTest::addColumn<int>("tolerance");
        for (const double start : {0.0, 2.0, 5.0, 20.0}) {
            const QString at = QString(" from %1 s").arg(start);
            QTest::newRow(qPrintable("opus.mkv" + at)) << "opus.mkv" << start << 0;
            QTest::newRow(qPrintable("vorbis.mkv" + at)) << "vorbis.mkv" << start << (start > 1 ? 22 : 0);
            QTest::newRow(qPrintable("mp3-22k.mpg" + at)) << "mp3-22k.mpg" << start << 0;
            QTest::newRow(qPrintable("pcm8-chunks.avi" + at)) << "pcm8-chunks.avi" << start << 0;
        }
    }
    void cutsLandOnTheOriginal()
    {
        QFETCH(QString, source);
        QFETCH(double, start);
        QFETCH(int, tolerance);
        const QString original = path(source + ".orig.wav");
        if (!QFile::exists(original)) {
            // 25 s of noise at the codec's rate, put under a picture as the real films are.
            const QString codec = source.section('.', 0, 0);
            const QMap<QString, QStringList> how{
                {"opus", {"48000", "-c:a", "libopus", "-c:v", "mpeg4"}},
                {"vorbis", {"44100", "-c:a", "libvorbis", "-c:v", "mpeg4"}},
                {"mp3-22k", {"22050", "-c:a", "libmp3lame", "-b:a", "64k", "-c:v", "mpeg1video", "-f", "mpeg"}},
                {"pcm8-chunks", {"11024", "-c:a", "pcm_u8", "-af", "asetnsamples=n=11024", "-c:v", "mpeg4"}}};
            const QStringList h = how[codec];
            QVERIFY(run("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", "anoisesrc=d=25:c=pink:a=0.3:r=" + h[0],
                                   "-ac", "1", original}));
            QVERIFY(run("ffmpeg", QStringList{"-v", "error", "-y", "-f", "lavfi", "-i",
                                              "testsrc=size=96x64:rate=25:duration=25", "-i", original}
                                      + h.mid(1) + QStringList{path(source)}));
        }
        const int rate = probe(original).rate;
        const QString cut = path("lined-up.wav");
        const Extraction e = extract(path(source), start, start + 2, cut, 1, rate, 24);
        QVERIFY2(e.ok, qPrintable(e.error));
        QVERIFY(run("ffmpeg", {"-v", "error", "-y", "-i", path(source), "-vn", "-ac", "1", "-c:a", "pcm_f32le", path("whole.wav")}));
        const std::vector<float> ref = samples(original), ours = samples(cut), tool = samples(path("whole.wav"));
        const int want = lagOf(tool, ref, 0);
        const int got = lagOf(ours, ref, std::llround(start * rate));
        QVERIFY2(std::abs(got - want) <= tolerance, qPrintable(QString("%1 samples off, the tool %2").arg(got).arg(want)));
    }

    // Streams that change partway (joined files, a TV recording going from 5.1 to 2.0, a rate
    // going from 48 to 44.1 kHz) are followed: the whole length at the tone's pitch.
    void changingStreams_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("format");
        QTest::newRow("mp3 stereo then mono") << "-ac 2 -c:a libmp3lame" << "-ac 1 -c:a libmp3lame" << "mp3";
        QTest::newRow("ac3 5.1 then 2.0") << "-ac 6 -c:a ac3" << "-ac 2 -c:a ac3" << "mpegts";
        QTest::newRow("aac 2 then 1 channel") << "-ac 2 -c:a aac" << "-ac 1 -c:a aac" << "adts";
        QTest::newRow("mp2 48 then 44.1 kHz") << "-ac 2 -c:a mp2" << "-ac 2 -c:a mp2 -ar 44100" << "mpegts";
    }
    void changingStreams()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, format);
        QByteArray joined;
        for (const QString &how : {first, second}) {
            const QString part = path("part." + format);
            QVERIFY(run("ffmpeg", QStringList{"-v", "error", "-y", "-f", "lavfi", "-i", "sine=f=1000:r=48000:d=3"}
                                      + how.split(' ') + QStringList{"-f", format, part}));
            QFile f(part);
            QVERIFY(f.open(QIODevice::ReadOnly));
            joined += f.readAll();
        }
        const QString src = path("joined." + format), wav = path("joined.wav");
        QFile out(src);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(joined) == joined.size());
        out.close();
        const Extraction e = extract(src, 0, VideoEdit::ToEnd, wav, 2, 48000, 16);
        QVERIFY2(e.ok, qPrintable(e.error));
        const std::vector<float> x = samples(wav);
        QVERIFY2(std::abs(x.size() / 48000.0 - 6) < 0.1, qPrintable(QString::number(x.size() / 48000.0)));
        for (const size_t from : {size_t(48000), size_t(4 * 48000)}) { // a second of each part
            int crossings = 0;
            for (size_t i = from + 1; i < from + 48000; ++i)
                crossings += (x[i - 1] < 0) != (x[i] < 0);
            QVERIFY2(std::abs(crossings - 2000) < 20, qPrintable(QString::number(crossings)));
        }
    }

    // Surround sound mixed down as ITU-R BS.775 and the ffmpeg tool's -ac have it (centre and
    // surrounds at -3 dB, no LFE, normalised), and a change of rate without alias or image.
    void mixAndRate_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("channels");
        QTest::newRow("5.1 to stereo") << "5.1(side)" << 2;
        QTest::newRow("7.1 to stereo") << "7.1" << 2;
        QTest::newRow("5.1 to mono") << "5.1(side)" << 1;
    }
    void mixAndRate()
    {
        QFETCH(QString, layout);
        QFETCH(int, channels);
        const QString src = path("surround.mkv"), ours = path("mix.wav"), tool = path("mix-tool.wav");
        QVERIFY(run("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", "anoisesrc=d=2:r=48000:a=0.3", "-af",
                               "aformat=channel_layouts=" + layout + ",aeval=val(ch)*(0.3+0.1*ch):c=same", "-c:a",
                               "flac", src}));
        QVERIFY(extract(src, 0, VideoEdit::ToEnd, ours, channels, 48000, 16).ok);
        QVERIFY(run("ffmpeg", {"-v", "error", "-y", "-i", src, "-ac", QString::number(channels), "-c:a", "pcm_s16le", tool}));
        const std::vector<float> a = samples(ours, channels), b = samples(tool, channels);
        QCOMPARE(a.size(), b.size());
        double diff = 0, level = 0;
        for (size_t i = 0; i < a.size(); ++i) {
            diff += (a[i] - b[i]) * (a[i] - b[i]);
            level += b[i] * b[i];
        }
        QVERIFY2(10 * std::log10(diff / level) < -60, qPrintable(QString::number(10 * std::log10(diff / level))));
    }
    void resamplerKeepsTheBand()
    {
        // 23 kHz has no place at 44.1 kHz: nothing of it may fold back below 22.05 kHz; 21 kHz
        // taken up to 48 kHz leaves no image at 23.1 kHz.
        for (const auto &[tone, from, to, image] : {std::tuple{23000, 48000, 44100, 21100}, {21000, 44100, 48000, 23100}}) {
            const QString src = path("tone.wav"), wav = path("tone-out.wav");
            QVERIFY(run("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", QString("sine=f=%1:r=%2:d=2").arg(tone).arg(from),
                                   "-c:a", "pcm_f32le", src}));
            QVERIFY(extract(src, 0, VideoEdit::ToEnd, wav, 1, to, 24).ok);
            const std::vector<float> x = samples(wav);
            const double level = 20 * std::log10(goertzel(x, image, to) + 1e-12);
            QVERIFY2(level < -90, qPrintable(QString("%1 Hz at %2 dBFS").arg(image).arg(level)));
        }
    }

    void unwritableOutputFails()
    {
        QDir(m_dir.path()).mkdir("locked");
        QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::ExeOwner);
        QStringList outs{path("no/such/folder/out.wav"), path("src.avi/out.wav")};
        if (QFileInfo(path("locked")).isWritable() == false) // not when the tests run as root
            outs << path("locked/out.wav");
        for (const QString &out : outs) {
            const Extraction e = extract(path("src.avi"), 0, 1, out);
            QVERIFY(!e.ok);
            QVERIFY2(e.error.contains("Cannot write the output file"), qPrintable(e.error));
        }
        QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void awkwardPaths_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("blanks") << "my clip 1";
        QTest::newRow("hash and question mark") << "take#2?final";
        QTest::newRow("quotes") << "it's \"the\" one";
        QTest::newRow("non-ASCII") << "Grüße Привет 音楽";
        QTest::newRow("protocol-like") << "http:x";
    }
    void awkwardPaths()
    {
        QFETCH(QString, name);
        QDir(m_dir.path()).mkdir(name);
        const QString src = path(name + "/" + name + ".wmv");
        QVERIFY(QFile::copy(path("src.wmv"), src));
        const QString wav = path(name + "/" + name + ".wav");
        const Extraction e = extract(src, 0.5, 2.5, wav);
        QVERIFY2(e.ok, qPrintable(e.error));
        QVERIFY(std::abs(probe(wav).duration - 2.0) < 0.06);
        QVERIFY(mediaLengthMs(src).has_value());
    }

    void mediaLength()
    {
        for (const QString kind : {"avi", "mpg", "wmv", "asf"}) {
            QByteArray out;
            QVERIFY(run("ffprobe", {"-v", "error", "-of", "json", "-show_format", path("src." + kind)}, &out));
            const double want = QJsonDocument::fromJson(out)["format"]["duration"].toString().toDouble() * 1000;
            QString error;
            const auto ms = mediaLengthMs(path("src." + kind), &error);
            QVERIFY2(ms.has_value(), qPrintable(error));
            QVERIFY2(std::abs(*ms - want) < 0.01, qPrintable(QString("%1 vs %2").arg(*ms).arg(want)));
        }
        for (const QString bad : {"nothere.avi", "empty.avi", "text.avi"}) {
            QString error;
            QVERIFY(!mediaLengthMs(path(bad), &error).has_value());
            QVERIFY(!error.isEmpty());
        }
    }

    // Bytes held in memory read as their file does: the same probe, length, tracks and
    // samples of a clip cut after a seek; once the source is gone its path opens nothing.
    void inMemorySource_data()
    {
        QTest::addColumn<QString>("source");
        for (const QString kind : {"avi", "mpg", "wmv"})
            QTest::newRow(qPrintable(kind)) << "src." + kind;
    }
    void inMemorySource()
    {
        QFETCH(QString, source);
        QFile f(path(source));
        QVERIFY(f.open(QIODevice::ReadOnly));
        auto memory = std::make_unique<InMemorySource>(f.readAll());
        const QString file = path(source), held = memory->path();
        const std::stop_token stop;
        QString error;
        SourceSound a, b;
        QVERIFY(probeSourceSound(file, stop, &a, &error));
        QVERIFY2(probeSourceSound(held, stop, &b, &error), qPrintable(error));
        QCOMPARE(QList<double>({double(b.rate), double(b.channels), double(b.bits), b.seconds}),
                 QList<double>({double(a.rate), double(a.channels), double(a.bits), a.seconds}));
        QCOMPARE(mediaLengthMs(held), mediaLengthMs(file));
        QCOMPARE(readSourceInfo(held)->tracks.size(), readSourceInfo(file)->tracks.size());
        std::vector<float> sound[2];
        for (int i : {0, 1}) {
            const auto keep = [&](const float *s, int n) { sound[i].insert(sound[i].end(), s, s + 2 * n); return true; };
            QCOMPARE(int(readClipSound(i ? held : file, 2.25, 4.0, 44100, 2, stop, keep, &error)), int(PassOutcome::Done));
        }
        QCOMPARE(sound[1].size(), size_t(2 * 77175));
        QVERIFY(sound[1] == sound[0]);
        memory.reset();
        QTest::ignoreMessage(QtWarningMsg, "Broken filename passed to function"); // the NUL in the path
        QVERIFY(!probeSourceSound(held, stop, &b, &error));
        QVERIFY2(error.contains("not found"), qPrintable(error));
    }

    // A float source's NaN and infinite samples reach no encoder or meter: they become
    // silence; values far beyond full scale are clipped to it and counted; the samples around
    // them, a modest over included, stay as they are.
    void damagedSamplesAreTamed()
    {
        const float pattern[] = {0.5f, NAN, INFINITY, -INFINITY, -0.25f, 5.6e36f, -1e6f, 1.5f};
        const float expected[] = {0.5f, 0, 0, 0, -0.25f, 1, -1, 1.5f};
        QByteArray data;
        for (int i = 0; i < 8000; ++i)
            data.append(reinterpret_cast<const char *>(&pattern[i % 8]), 4);
        QByteArray wav = "RIFF....WAVEfmt ";
        for (const int v : {16, 3 | 1 << 16, 8000, 32000, 4 | 32 << 16})
            wav.append(reinterpret_cast<const char *>(&v), 4); // little-endian fields
        const int dataSize = int(data.size());
        wav.append("data").append(reinterpret_cast<const char *>(&dataSize), 4).append(data);
        const InMemorySource source(wav);
        const std::stop_token stop;
        std::vector<float> got;
        QString error;
        std::atomic<int64_t> wild{0};
        const PassOutcome o = readClipSound(source.path(), 0, 1, 8000, 1, stop, [&](const float *s, int n) {
            got.insert(got.end(), s, s + n);
            return true;
        }, &error, -1, {}, &wild);
        QVERIFY2(o == PassOutcome::Done, qPrintable(error));
        QCOMPARE(got.size(), size_t(8000));
        for (size_t i = 0; i < got.size(); ++i)
            QCOMPARE(got[i], expected[i % 8]);
        QCOMPARE(int64_t(wild), int64_t(2000));
    }

    // Setting stop ends a pass over a long clip as stopped, whether it is set before the pass,
    // by the consumer (no block comes after that), or from another thread while the decoder
    // waits on a full queue.
    void stopEndsThePass()
    {
        const QString src = path("long.mpg");
        QVERIFY(makeVideo(src, "mpg", 60));
        for (int when : {0, 1, 2}) {
            std::stop_source stop;
            if (when == 0)
                stop.request_stop();
            int blocks = 0, afterStop = 0;
            QString error;
            std::thread other;
            const PassOutcome o = readClipSound(
                src, 0, VideoEdit::ToEnd, 44100, 2, stop.get_token(),
                [&](const float *, int) {
                    afterStop += stop.stop_requested() && when != 2 ? 1 : 0;
                    if (++blocks == 3 && when == 1)
                        stop.request_stop();
                    if (blocks == 3 && when == 2)
                        other = std::thread([&] { QThread::msleep(100); stop.request_stop(); });
                    if (when == 2 && blocks > 3)
                        QThread::msleep(20);
                    return true;
                },
                &error);
            if (other.joinable())
                other.join();
            QCOMPARE(int(o), int(PassOutcome::Stopped));
            QCOMPARE(afterStop, 0);
            QVERIFY(when == 0 ? blocks == 0 : blocks >= 3);
        }
    }
};

QTEST_GUILESS_MAIN(TestMediaVideoEdit)
#include "tst_media_videoedit.moc"
