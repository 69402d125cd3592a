// The one pass's decoder (cut, converted, written as WAV) and the length probe on real videos
// made by the ffmpeg tool.
#include "media_fixtures.h"
#include "media/avinput.h"
#include "media/medialength.h"
#include "media/sourceinfo.h"

#include <QTemporaryDir>
#include <QFileInfo>
#include <QThread>
#include <atomic>
#include <cmath>
#include <thread>

using namespace fixtures;

class TestMediaVideoEdit : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        TVideoEdit::Initialize();
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
            QTest::newRow(qPrintable(kind + " to end")) << "src." + kind << 1.5 << TVideoEdit::ToEnd;
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
            TAudioFile2 r;
            r.OpenFile(wav);
            QCOMPARE(r.TotalFrames(), std::llround((end - start) * 44100));
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
        TAudioFile2 r;
        r.OpenFile(wav);
        const SampleArray a = r.ReadSamples(44100);
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

    // With "to the end" a truncated file gives what it holds, and that is not a failure.
    void truncatedToEndSucceeds()
    {
        const Extraction e = extract(path("cut.avi"), 0, TVideoEdit::ToEnd, path("part.wav"));
        QVERIFY2(e.ok, qPrintable(e.error));
        const Probe p = probe(path("part.wav"));
        QVERIFY(p.duration > 0.5 && p.duration < 4.5);
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
        QVERIFY(MediaLengthMs(src).has_value());
    }

    void mediaLength()
    {
        for (const QString kind : {"avi", "mpg", "wmv", "asf"}) {
            QByteArray out;
            QVERIFY(run("ffprobe", {"-v", "error", "-of", "json", "-show_format", path("src." + kind)}, &out));
            const double want = QJsonDocument::fromJson(out)["format"]["duration"].toString().toDouble() * 1000;
            QString error;
            const auto ms = MediaLengthMs(path("src." + kind), &error);
            QVERIFY2(ms.has_value(), qPrintable(error));
            QVERIFY2(std::abs(*ms - want) < 0.01, qPrintable(QString("%1 vs %2").arg(*ms).arg(want)));
        }
        for (const QString bad : {"nothere.avi", "empty.avi", "text.avi"}) {
            QString error;
            QVERIFY(!MediaLengthMs(path(bad), &error).has_value());
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
        const std::atomic<bool> stop{false};
        QString error;
        TSourceSound a, b;
        QVERIFY(ProbeSourceSound(file, stop, &a, &error));
        QVERIFY2(ProbeSourceSound(held, stop, &b, &error), qPrintable(error));
        QCOMPARE(QList<double>({double(b.rate), double(b.channels), double(b.bits), b.seconds}),
                 QList<double>({double(a.rate), double(a.channels), double(a.bits), a.seconds}));
        QCOMPARE(MediaLengthMs(held), MediaLengthMs(file));
        QCOMPARE(ReadSourceInfo(held)->tracks.size(), ReadSourceInfo(file)->tracks.size());
        std::vector<float> sound[2];
        for (int i : {0, 1}) {
            const auto keep = [&](const float *s, int n) { sound[i].insert(sound[i].end(), s, s + 2 * n); return true; };
            QCOMPARE(int(ReadClipSound(i ? held : file, 2.25, 4.0, 44100, 2, stop, keep, &error)), int(TPassOutcome::Done));
        }
        QCOMPARE(sound[1].size(), size_t(2 * 77175));
        QVERIFY(sound[1] == sound[0]);
        memory.reset();
        QTest::ignoreMessage(QtWarningMsg, "Broken filename passed to function"); // the NUL in the path
        QVERIFY(!ProbeSourceSound(held, stop, &b, &error));
        QVERIFY2(error.contains("not found"), qPrintable(error));
    }

    // A float source's NaN and infinite samples reach no encoder or meter: they become
    // silence, and the samples around them stay as they are.
    void nonFiniteSamplesAreSilenced()
    {
        const float pattern[] = {0.5f, NAN, INFINITY, -INFINITY, -0.25f};
        QByteArray data;
        for (int i = 0; i < 8000; ++i)
            data.append(reinterpret_cast<const char *>(&pattern[i % 5]), 4);
        QByteArray wav = "RIFF....WAVEfmt ";
        for (const int v : {16, 3 | 1 << 16, 8000, 32000, 4 | 32 << 16})
            wav.append(reinterpret_cast<const char *>(&v), 4); // little-endian fields
        const int dataSize = int(data.size());
        wav.append("data").append(reinterpret_cast<const char *>(&dataSize), 4).append(data);
        const InMemorySource source(wav);
        const std::atomic<bool> stop{false};
        std::vector<float> got;
        QString error;
        const TPassOutcome o = ReadClipSound(source.path(), 0, 1, 8000, 1, stop, [&](const float *s, int n) {
            got.insert(got.end(), s, s + n);
            return true;
        }, &error);
        QVERIFY2(o == TPassOutcome::Done, qPrintable(error));
        QCOMPARE(got.size(), size_t(8000));
        for (size_t i = 0; i < got.size(); ++i)
            QCOMPARE(got[i], i % 5 == 0 ? 0.5f : i % 5 == 4 ? -0.25f : 0.0f);
    }

    // Setting stop ends a pass over a long clip as stopped, whether it is set before the pass,
    // by the consumer (no block comes after that), or from another thread while the decoder
    // waits on a full queue.
    void stopEndsThePass()
    {
        const QString src = path("long.mpg");
        QVERIFY(makeVideo(src, "mpg", 60));
        for (int when : {0, 1, 2}) {
            std::atomic<bool> stop{when == 0};
            int blocks = 0, afterStop = 0;
            QString error;
            std::thread other;
            const TPassOutcome o = ReadClipSound(
                src, 0, TVideoEdit::ToEnd, 44100, 2, stop,
                [&](const float *, int) {
                    afterStop += stop && when != 2 ? 1 : 0;
                    if (++blocks == 3 && when == 1)
                        stop = true;
                    if (blocks == 3 && when == 2)
                        other = std::thread([&] { QThread::msleep(100); stop = true; });
                    if (when == 2 && blocks > 3)
                        QThread::msleep(20);
                    return true;
                },
                &error);
            if (other.joinable())
                other.join();
            QCOMPARE(int(o), int(TPassOutcome::Stopped));
            QCOMPARE(afterStop, 0);
            QVERIFY(when == 0 ? blocks == 0 : blocks >= 3);
        }
    }
};

QTEST_GUILESS_MAIN(TestMediaVideoEdit)
#include "tst_media_videoedit.moc"
