// SPDX-License-Identifier: GPL-3.0-or-later
// The encoding step: the output settings reach the MP3, OGG and WMA files as the step's
// tables map them (read back from the files), tags follow the switch, progress follows the
// copy, Stop ends it, and faults end the step as failed with a reason.
#include "engine/encodestep.h"
#include "formats/registry.h"
#include "ui_main.h"
#include "runharness.h"
#include "media_fixtures.h"

#include <QtTest>
#include <algorithm>
#include <cmath>

namespace {
// One MPEG audio frame header: bit rate in kbps and channel mode (0 stereo, 1 joint,
// 2 dual channel, 3 mono).
struct Mp3Frame
{
    int kbps;
    int mode;
};

struct Mp3Layout
{
    QList<Mp3Frame> frames;
    QByteArray firstFrameTag; // "Xing" (VBR), "Info" (CBR) or empty
};

// Walks the Layer III frames of an MP3 file after its ID3v2 tag.
Mp3Layout readMp3Frames(const QString &path)
{
    static const int kbps1[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
    static const int kbps2[] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0};
    static const int rates[4][3] = {{11025, 12000, 8000}, {0, 0, 0}, {22050, 24000, 16000}, {44100, 48000, 32000}};
    const QByteArray data = readAll(path);
    const auto byte = [&data](qsizetype i) { return quint8(data.at(i)); };
    Mp3Layout layout;
    qsizetype pos = 0;
    if (data.startsWith("ID3") && data.size() > 10)
        pos = 10 + ((byte(6) << 21) | (byte(7) << 14) | (byte(8) << 7) | byte(9));
    while (pos + 4 <= data.size()) {
        if (byte(pos) != 0xFF || (byte(pos + 1) & 0xE0) != 0xE0) {
            ++pos;
            continue;
        }
        const int version = (byte(pos + 1) >> 3) & 3; // 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5
        const int bitrateIndex = byte(pos + 2) >> 4, rateIndex = (byte(pos + 2) >> 2) & 3;
        if (version == 1 || rateIndex == 3 || bitrateIndex == 0 || bitrateIndex == 15)
            break;
        const int kbps = version == 3 ? kbps1[bitrateIndex] : kbps2[bitrateIndex];
        const int rate = rates[version][rateIndex];
        const int padding = (byte(pos + 2) >> 1) & 1;
        const int length = (version == 3 ? 144000 : 72000) * kbps / rate + padding;
        if (layout.frames.isEmpty()) {
            const QByteArray frame = data.mid(pos, length);
            layout.firstFrameTag = frame.contains("Xing") ? "Xing" : frame.contains("Info") ? "Info" : "";
        }
        layout.frames.append({kbps, byte(pos + 3) >> 6});
        pos += length;
    }
    return layout;
}

// The Vorbis identification header: channels, rate, and the maximum, nominal and minimum
// bit rates as stored (bits per second; 0 or -1 when unset).
struct VorbisHeader
{
    int channels = 0;
    qint64 rate = 0;
    qint32 maximum = 0, nominal = 0, minimum = 0;
};

VorbisHeader readVorbisHeader(const QString &path)
{
    const QByteArray data = readAll(path);
    const qsizetype at = data.indexOf(QByteArray("\x01vorbis", 7));
    VorbisHeader h;
    if (at < 0 || at + 27 > data.size())
        return h;
    const auto le32 = [&data](qsizetype i) {
        return qint32(quint32(quint8(data[i])) | quint32(quint8(data[i + 1])) << 8 |
                      quint32(quint8(data[i + 2])) << 16 | quint32(quint8(data[i + 3])) << 24);
    };
    h.channels = quint8(data[at + 11]);
    h.rate = le32(at + 12);
    h.maximum = le32(at + 16);
    h.nominal = le32(at + 20);
    h.minimum = le32(at + 24);
    return h;
}

// The decoded sound of a file as the ffmpeg tool gives it: interleaved floats.
QVector<float> decoded(const QString &path, int channels)
{
    QByteArray pcm;
    if (!fixtures::run("ffmpeg", {"-v", "error", "-i", path, "-f", "f32le", "-ac", QString::number(channels), "-"}, &pcm))
        return {};
    QVector<float> x(pcm.size() / 4);
    std::memcpy(x.data(), pcm.constData(), size_t(x.size()) * 4);
    return x;
}

double db(double v) { return 20 * std::log10(std::max(v, 1e-12)); }

// Level (RMS, dBFS) of one channel over the middle of the sound, and what is left of it once
// a tone of `hz` is taken out (least squares over whole cycles).
struct ToneFit
{
    double level = -200, residual = 0;
};
ToneFit fitTone(const QVector<float> &x, int channels, int channel, int rate, double hz)
{
    const qsizetype frames = x.size() / channels;
    const qsizetype from = frames / 4, to = frames * 3 / 4;
    double ss = 0, sc = 0, cc = 0, xs = 0, xc = 0, xx = 0;
    for (qsizetype i = from; i < to; ++i) {
        const double v = x[i * channels + channel], a = 2 * M_PI * hz * double(i) / rate;
        ss += std::sin(a) * std::sin(a);
        cc += std::cos(a) * std::cos(a);
        sc += std::sin(a) * std::cos(a);
        xs += v * std::sin(a);
        xc += v * std::cos(a);
        xx += v * v;
    }
    const double n = double(to - from), det = ss * cc - sc * sc;
    if (n <= 0 || det == 0)
        return {};
    const double b = (xs * cc - xc * sc) / det, c = (xc * ss - xs * sc) / det;
    double rr = 0;
    for (qsizetype i = from; i < to; ++i) {
        const double a = 2 * M_PI * hz * double(i) / rate;
        const double r = x[i * channels + channel] - b * std::sin(a) - c * std::cos(a);
        rr += r * r;
    }
    return {db(std::sqrt(xx / n)), db(std::sqrt(rr / n))};
}

// The input sample rate that an Ogg Opus file's header names.
int opusHeaderRate(const QString &path)
{
    const QByteArray data = readAll(path);
    const qsizetype at = data.indexOf("OpusHead");
    if (at < 0 || at + 16 > data.size())
        return 0;
    return int(quint32(quint8(data[at + 12])) | quint32(quint8(data[at + 13])) << 8
               | quint32(quint8(data[at + 14])) << 16 | quint32(quint8(data[at + 15])) << 24);
}

QSet<int> modes(const Mp3Layout &layout)
{
    QSet<int> modes;
    for (const Mp3Frame &f : layout.frames.mid(1))
        modes.insert(f.mode);
    return modes;
}

// A tag as the file's reader names it, whichever of the names it uses.
QString anyTag(const QString &path, const QStringList &names)
{
    for (const QString &name : names)
        if (const QString value = probeTag(path, name); !value.isEmpty())
            return value;
    return {};
}
} // namespace

class TestEncode : public QObject
{
    Q_OBJECT
    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<QTemporaryDir> m_dir;
    OutputSettings m_s;
    QString m_wav;

    QString file(const QString &name) const { return m_dir->path() + "/" + name; }
    // A temporary WAV as the extraction leaves it: 44100 Hz, stereo, 16 bits.
    QString makeWav(const QString &name, double seconds)
    {
        const QString path = file(name);
        if (!runFfmpeg({"-f", "lavfi", "-i", QStringLiteral("sine=frequency=440:sample_rate=44100:duration=%1").arg(seconds),
                        "-ac", "2", "-c:a", "pcm_s16le", path}))
            return {};
        return path;
    }

    struct Step
    {
        EncodeResult result;
        QString out;
        QList<int> percents;
    };
    // One encoding step of m_wav (or wav) into `name` with the settings in m_s.
    Step encode(int format, const QString &name, const RunJob &job = {}, QString wav = {}, bool stopped = false)
    {
        Step step;
        step.out = file(name);
        std::stop_source stop;
        if (stopped)
            stop.request_stop();
        step.result = encodeClip({wav.isEmpty() ? m_wav : wav}, step.out, format, m_s, job, stop.get_token(),
                                 [&step](int p) { step.percents << p; });
        return step;
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<TempProgramFolder>();
        m_dir = std::make_unique<QTemporaryDir>();
        m_s = OutputSettings{};
        loadSettings(m_s); // the defaults
        m_wav = makeWav("clip.wav", 2.0);
        QVERIFY(!m_wav.isEmpty());
    }
    void cleanup()
    {
        m_dir.reset();
        m_folder.reset();
    }

    void mp3ValueMapping();
    void oggValueMapping();
    void wmaProfiles();
    void tagsFollowTheSwitchAndTheJob();
    void sourceTagsAndCover_data();
    void sourceTagsAndCover();
    void progressFollowsTheCopyAndStopEndsIt();
    void faultsEndTheStepAsFailed();
    void encoderRemarksAndRefusalsInARun();
    void levelsAndLoudness_data();
    void levelsAndLoudness();
    void loudnessReachesItsTarget_data();
    void loudnessReachesItsTarget();
    void quietSourceMadeLoudKeepsItsNoiseFloor();
    void pcmInHalvesIsTheSource_data();
    void pcmInHalvesIsTheSource();
    void loudnessInTwoPiecesEqualsOnePass_data();
    void loudnessInTwoPiecesEqualsOnePass();
    void flacSameAsSourceIsBitExact();
    void clipWithoutSoundLeavesNothing();
    void formatRecordsHoldForTheirFiles_data();
    void formatRecordsHoldForTheirFiles();
};

void TestEncode::mp3ValueMapping()
{
    // Defaults: constant 128 kbps, 44100 Hz, joint stereo (setMp3Format(44100, 128, 3)).
    Step step = encode(0, "cbr.mp3");
    QVERIFY2(step.result.ok, qPrintable(step.result.reason));
    QVERIFY(step.result.remark.isEmpty());
    QJsonObject a = probeAudio(step.out);
    QCOMPARE(a.value("codec_name").toString(), QString("mp3"));
    QCOMPARE(a.value("sample_rate").toString(), QString("44100"));
    QCOMPARE(a.value("channels").toInt(), 2);
    QVERIFY(qAbs(a.value("bit_rate").toString().toDouble() - 128000) < 12800);
    Mp3Layout mp3 = readMp3Frames(step.out);
    QCOMPARE(mp3.firstFrameTag, QByteArray("Info"));
    QCOMPARE(modes(mp3), QSet<int>{1});
    QVERIFY(qAbs(probeDuration(step.out) - 2.0) < 0.06);

    // Channel values 1 to 5 are handed on unchanged: mono, stereo, ..., dual channel.
    const QList<std::pair<int, int>> channelModes{{1, 3}, {2, 0}, {5, 2}};
    for (const auto &[channels, mode] : channelModes) {
        m_s.Mp3Channels = channels;
        m_s.Mp3Frequency = 32000;
        m_s.Mp3Bitrate = 64;
        step = encode(0, QStringLiteral("mode%1.mp3").arg(channels));
        QVERIFY2(step.result.ok, qPrintable(step.result.reason));
        QCOMPARE(modes(readMp3Frames(step.out)), QSet<int>{mode});
        a = probeAudio(step.out);
        QCOMPARE(a.value("channels").toInt(), channels == 1 ? 1 : 2);
        QCOMPARE(a.value("sample_rate").toString(), QString("32000"));
        QVERIFY(qAbs(a.value("bit_rate").toString().toDouble() - 64000) < 6400);
    }

    // Variable bit rate: quality and maximum reach LAME, the mode is Mp3Channels - 1.
    m_s.Mp3Vbr = 1;
    m_s.Mp3Channels = 3;
    m_s.Mp3Frequency = 44100;
    m_s.Mp3Bitrate = 32;
    m_s.Mp3MaxBitrate = 320;
    m_s.Mp3VbrQuality = 0;
    step = encode(0, "vbr-q0.mp3");
    QVERIFY2(step.result.ok, qPrintable(step.result.reason));
    mp3 = readMp3Frames(step.out);
    QCOMPARE(mp3.firstFrameTag, QByteArray("Xing"));
    QCOMPARE(modes(mp3), QSet<int>{1});
    const double best = probeAudio(step.out).value("bit_rate").toString().toDouble();
    m_s.Mp3VbrQuality = 9;
    const double worst = probeAudio(encode(0, "vbr-q9.mp3").out).value("bit_rate").toString().toDouble();
    QVERIFY2(best > worst, qPrintable(QStringLiteral("%1 %2").arg(best).arg(worst)));

    m_s.Mp3VbrQuality = 0;
    m_s.Mp3MaxBitrate = 64;
    m_s.Mp3Channels = 1;
    mp3 = readMp3Frames(encode(0, "vbr-max64.mp3").out);
    QVERIFY(mp3.frames.size() > 50);
    for (const Mp3Frame &f : mp3.frames.mid(1))
        QVERIFY2(f.kbps <= 64, qPrintable(QString::number(f.kbps)));
    QCOMPARE(modes(mp3), QSet<int>{3});

    // A constant rate the sample rate cannot carry: LAME takes another, and the step says so.
    m_s.Mp3Vbr = 0;
    m_s.Mp3Channels = 3;
    m_s.Mp3Frequency = 8000;
    m_s.Mp3Bitrate = 320;
    step = encode(0, "low.mp3");
    QVERIFY2(step.result.ok, qPrintable(step.result.reason));
    mp3 = readMp3Frames(step.out);
    QVERIFY(mp3.frames.size() > 10);
    const int used = mp3.frames[1].kbps;
    QVERIFY(used < 320);
    QVERIFY2(step.result.remark.contains(QStringLiteral("%1 kbps").arg(used)), qPrintable(step.result.remark));
}

void TestEncode::oggValueMapping()
{
    // Nominal bit rate only.
    Step step = encode(3, "nominal.ogg");
    QVERIFY2(step.result.ok, qPrintable(step.result.reason));
    VorbisHeader v = readVorbisHeader(step.out);
    QCOMPARE(v.channels, 2);
    QCOMPARE(v.rate, 44100);
    QCOMPARE(v.nominal, 128000);
    QVERIFY(v.minimum <= 0 && v.maximum <= 0);
    QVERIFY(qAbs(probeDuration(step.out) - 2.0) < 0.06);

    // Managed variable bit rate: nominal, minimum and maximum.
    m_s.OggVbr = true;
    m_s.OggMinBitrate = 64;
    m_s.OggMaxBitrate = 192;
    step = encode(3, "vbr.ogg");
    QVERIFY2(step.result.ok, qPrintable(step.result.reason));
    v = readVorbisHeader(step.out);
    QCOMPARE(v.nominal, 128000);
    QCOMPARE(v.minimum, 64000);
    QCOMPARE(v.maximum, 192000);

    // Quality mode wins over variable bit rate and is not checked against the bit rates
    // (which here no encoder would take).
    m_s.OggUseQuality = true;
    m_s.OggMinBitrate = 500;
    m_s.OggMaxBitrate = 100;
    m_s.OggFrequency = 22050;
    m_s.OggChannels = 1;
    qint32 nominal[2] = {};
    for (int i : {0, 1}) {
        m_s.OggQuality = i == 0 ? 100 : 1000;
        step = encode(3, QStringLiteral("q%1.ogg").arg(m_s.OggQuality));
        QVERIFY2(step.result.ok, qPrintable(step.result.reason));
        v = readVorbisHeader(step.out);
        QCOMPARE(v.channels, 1);
        QCOMPARE(v.rate, 22050);
        QVERIFY(v.minimum <= 0 && v.maximum <= 0);
        nominal[i] = v.nominal;
    }
    QVERIFY2(nominal[1] > 2 * nominal[0], qPrintable(QStringLiteral("%1 %2").arg(nominal[0]).arg(nominal[1])));
}

void TestEncode::wmaProfiles()
{
    const struct
    {
        int profile;
        QString rate;
        int channels;
        double bitRate;
    } cases[] = {{38, "44100", 2, 128000}, {3, "16000", 1, 24000}, {47, "48000", 2, 320000}};
    for (const auto &c : cases) {
        m_s.WmaProfile = c.profile;
        const Step step = encode(1, QStringLiteral("p%1.wma").arg(c.profile));
        QVERIFY2(step.result.ok, qPrintable(step.result.reason));
        const QJsonObject a = probeAudio(step.out);
        QCOMPARE(a.value("codec_name").toString(), QString("wmav2"));
        QCOMPARE(a.value("sample_rate").toString(), c.rate);
        QCOMPARE(a.value("channels").toInt(), c.channels);
        QVERIFY(qAbs(a.value("bit_rate").toString().toDouble() - c.bitRate) < c.bitRate / 10);
    }
}

void TestEncode::tagsFollowTheSwitchAndTheJob()
{
    RunJob job;
    job.TagTitle = QString::fromUtf8("Grüße aus Köln – 東京");
    job.TagArtist = "Ana & Bo";
    job.TagAlbum = "Live \"#1\"";
    job.TagComment = "Clipvox";
    job.TagCopyright = "2024 Ana";
    job.TagYear = 2024;
    job.TagTrack = 7;
    job.TagGenre = 17; // Rock

    // Off: the files carry no tags.
    for (int format : {0, 1, 3}) {
        const Step step = encode(format, "untagged." + outputExtension(format), job);
        QVERIFY2(step.result.ok, qPrintable(step.result.reason));
        QVERIFY(anyTag(step.out, {"title", "artist", "album"}).isEmpty());
    }

    job.TagsEnabled = true;
    for (int format : {0, 1, 3}) {
        const Step step = encode(format, "tagged." + outputExtension(format), job);
        QVERIFY2(step.result.ok, qPrintable(step.result.reason));
        const QString out = step.out;
        QCOMPARE(probeTag(out, "title"), job.TagTitle);
        QCOMPARE(anyTag(out, {"artist", "author"}), job.TagArtist);
        QCOMPARE(probeTag(out, "album"), job.TagAlbum);
        QCOMPARE(anyTag(out, {"comment", "description"}), job.TagComment);
        QCOMPARE(probeTag(out, "copyright"), job.TagCopyright);
        QVERIFY(anyTag(out, {"date", "year", "WM/Year"}).startsWith("2024"));
        QCOMPARE(anyTag(out, {"track", "tracknumber", "WM/TrackNumber"}).section('/', 0, 0), QString("7"));
        QCOMPARE(probeTag(out, "genre"), QString("Rock"));
    }
}

// The source's tags and cover reach every output format that holds them (read back with
// ffprobe); the job's own non-empty tags replace them when the tag switch is on.
void TestEncode::sourceTagsAndCover_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("format");
    QTest::addColumn<bool>("tagged");
    QTest::addColumn<bool>("cover");
    QTest::addColumn<bool>("jobTags");
    const struct { const char *name; bool tagged, cover; } sources[] = {
        {"cover.mp4", true, true}, {"attachment.mkv", true, true}, {"mp3.avi", true, false}, {"none.mpg", false, false}};
    for (const auto &src : sources)
        for (int format = 0; format <= 6; ++format) {
            const bool wav = format == 2; // WAV carries no tags
            QTest::addRow("%s to %s", src.name, qPrintable(outputExtension(format)))
                << src.name << format << (src.tagged && !wav) << (src.cover && !wav) << false;
        }
    QTest::newRow("job's tags over the source's") << "cover.mp4" << 0 << true << true << true;
}

void TestEncode::sourceTagsAndCover()
{
    QFETCH(QString, source);
    QFETCH(int, format);
    QFETCH(bool, tagged);
    QFETCH(bool, cover);
    QFETCH(bool, jobTags);
    static QTemporaryDir sources;
    const QString path = sources.filePath(source);
    if (!QFile::exists(path)) {
        const QString picture = sources.filePath("cover.png");
        QVERIFY(QFile::exists(picture)
                || fixtures::run("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "color=red:size=32x32", "-frames:v", "1", picture}));
        QStringList args{"-v", "error", "-f", "lavfi", "-i", "testsrc=size=64x48:rate=25:duration=1", "-f", "lavfi",
                         "-i", "sine=duration=1"};
        const QStringList tags{"-metadata", "title=Song", "-metadata", "artist=Zoë", "-metadata", "date=2021"};
        const QStringList video{"-map", "0:v", "-map", "1:a", "-c:v", "mpeg4"};
        if (source == "cover.mp4")
            args += QStringList{"-i", picture} + video + QStringList{"-map", "2:v", "-c:v:1", "png", "-disposition:v:1",
                                                                    "attached_pic", "-c:a", "aac"} + tags;
        else if (source == "attachment.mkv")
            args += video + QStringList{"-c:a", "libopus", "-attach", picture, "-metadata:s:t", "mimetype=image/png"} + tags;
        else if (source == "mp3.avi")
            args += video + QStringList{"-c:a", "libmp3lame"} + tags;
        else
            args += video + QStringList{"-c:v", "mpeg1video", "-c:a", "mp2", "-map_metadata", "-1"};
        QVERIFY(fixtures::run("ffmpeg", args << path));
    }
    RunJob job;
    job.TagsEnabled = jobTags;
    job.TagTitle = "Mine"; // written only with the switch on; the artist stays the source's
    const Step step = encode(format, "out." + outputExtension(format), job, path);
    QVERIFY2(step.result.ok, qPrintable(step.result.reason));
    QCOMPARE(probeTag(step.out, "title"), tagged ? QString(jobTags ? "Mine" : "Song") : QString());
    QCOMPARE(probeTag(step.out, "artist"), tagged ? QString("Zoë") : QString());
    bool picture = false;
    for (const auto &stream : probe(step.out).value("streams").toArray())
        picture = picture || stream.toObject().value("disposition").toObject().value("attached_pic").toInt() == 1;
    QCOMPARE(picture, cover);
}

void TestEncode::progressFollowsTheCopyAndStopEndsIt()
{
    const Step step = encode(0, "gauged.mp3", {}, makeWav("six.wav", 6.0));
    QVERIFY2(step.result.ok, qPrintable(step.result.reason));
    QVERIFY(step.percents.size() >= 5); // about one report per second of sound
    for (int i = 1; i < step.percents.size(); ++i)
        QVERIFY(step.percents[i] > step.percents[i - 1]);
    QVERIFY(step.percents.first() < 100);
    QCOMPARE(step.percents.last(), 100);

    // Stopped: no copy, no tags, not a success; the file is the caller's to remove.
    RunJob job;
    job.TagsEnabled = true;
    job.TagTitle = "Stopped";
    const Step stopped = encode(0, "stopped.mp3", job, {}, true);
    QVERIFY(stopped.result.stopped);
    QVERIFY(!stopped.result.ok);
    QVERIFY(stopped.percents.isEmpty());
    QVERIFY(probeTag(stopped.out, "title").isEmpty());
}

void TestEncode::faultsEndTheStepAsFailed()
{
    // The reader cannot open the temporary WAV: failed with a reason, for every format.
    for (int format : {0, 1, 3}) {
        const Step step = encode(format, "clip." + outputExtension(format), {}, file("missing.wav"));
        QVERIFY(!step.result.ok);
        QVERIFY2(!step.result.reason.isEmpty(), qPrintable(outputExtension(format)));
    }

    // The writer cannot create the output.
    Step step = encode(0, "no such folder/clip.mp3");
    QVERIFY(!step.result.ok && !step.result.reason.isEmpty());

    // Values no encoder takes end the step with a reason before any file is written to.
    const QString users = file("clip.mp3");
    writeAll(users, "the user's");
    m_s.Mp3Channels = 0;
    step = encode(0, "clip.mp3");
    QVERIFY(!step.result.ok && !step.result.reason.isEmpty());
    QCOMPARE(readAll(users), QByteArray("the user's"));

    m_s.WmaProfile = -1;
    step = encode(1, "clip.wma");
    QVERIFY(!step.result.ok && !step.result.reason.isEmpty());
    QVERIFY(!QFile::exists(step.out));

    m_s.OggVbr = true;
    m_s.OggMinBitrate = 192;
    m_s.OggMaxBitrate = 128;
    step = encode(3, "clip.ogg");
    QVERIFY(step.result.reason.startsWith("Incorrect format"));
    QVERIFY(!QFile::exists(step.out));

    // A source without a single frame: the clip holds no sound, and no file is made.
    m_s.OggVbr = false;
    const QString empty = file("empty.wav");
    QVERIFY(runFfmpeg({"-f", "lavfi", "-i", "anullsrc=r=44100:cl=stereo", "-t", "0", "-c:a", "pcm_s16le", empty}));
    step = encode(3, "empty.ogg", {}, empty);
    QVERIFY(!step.result.ok);
    QVERIFY(!QFile::exists(step.out));
}

void TestEncode::encoderRemarksAndRefusalsInARun()
{
    RunHarness h;
    QTemporaryDir media;
    const QString video = makeVideo(media.path() + "/clip.avi", "avi", 1.0);
    // OGG bit rates the encoder refuses: each job says "Incorrect format" and fails, and no
    // file is made.
    h.setFormat(3);
    setSetting(h.settings, &OutputSettings::OggVbr, true);
    setSetting(h.settings, &OutputSettings::OggMinBitrate, 192);
    setSetting(h.settings, &OutputSettings::OggMaxBitrate, 128);
    h.queue({video, video});
    h.window->ui->toolConvert->trigger();
    QCOMPARE(h.statuses(), (QStringList{"Failed", "Failed"}));
    QVERIFY(cell(*h.window, 0, ColStatus, Qt::ToolTipRole).startsWith("Incorrect format"));
    QCOMPARE(h.desktop.texts(), (QStringList{"Incorrect format", "Incorrect format",
                                             "Task complete!\n2 of 2 files could not be converted; their Status says why."}));
    QVERIFY(h.files().isEmpty());

    // MP3 at 8000 Hz and 320 kbps: the job succeeds, its tooltip tells the rate it got.
    setSetting(h.settings, &OutputSettings::OggVbr, false);
    h.setFormat(0);
    setSetting(h.settings, &OutputSettings::Mp3Frequency, 8000);
    setSetting(h.settings, &OutputSettings::Mp3Bitrate, 320);
    h.window->ui->toolConvert->trigger();
    QCOMPARE(h.statuses(), (QStringList{"100%", "100%"}));
    const QString why = cell(*h.window, 0, ColStatus, Qt::ToolTipRole);
    QVERIFY2(why.contains("64 kbps") && why.contains("8000 Hz"), qPrintable(why));
    QCOMPARE(h.files(), (QStringList{"clip (2).mp3", "clip.mp3"}));
}

void TestEncode::levelsAndLoudness_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("channels");
    for (int format : {0, 1, 2, 3, 4, 5, 6})
        for (int channels : {1, 2})
            QTest::addRow("%s %s", qPrintable(outputExtension(format)), channels == 1 ? "mono" : "stereo")
                << format << channels;
}

// Every format, mono and stereo: a known tone keeps its level (mono is the mean of the
// channels). Loudness made even is loudnessReachesItsTarget's.
void TestEncode::levelsAndLoudness()
{
    QFETCH(int, format);
    QFETCH(int, channels);
    m_s.Mp3Channels = channels == 1 ? 1 : 3;
    m_s.WmaProfile = channels == 1 ? 37 : 38; // 128 kbps, 44 kHz
    m_s.OggChannels = m_s.FlacChannels = m_s.OpusChannels = m_s.M4aChannels = m_s.WavChannels = channels;
    m_s.WavFrequency = m_s.FlacFrequency = 44100;
    const QString source = file("tone.wav");
    // 1 kHz at half of full scale on both channels: -9.03 dBFS RMS
    QVERIFY(runFfmpeg({"-f", "lavfi", "-i", "aevalsrc=0.5*sin(2*PI*1000*t)|0.5*sin(2*PI*1000*t):s=44100:d=3",
                       "-c:a", "pcm_s24le", source}));
    const Step step = encode(format, "out." + outputExtension(format), {}, source);
    QVERIFY2(step.result.ok, qPrintable(step.result.reason));
    QCOMPARE(fixtures::probe(step.out).channels, channels);
    if (format == 5)
        QCOMPARE(opusHeaderRate(step.out), 44100); // the source's rate
    const int rate = fixtures::probe(step.out).rate;
    const QVector<float> x = decoded(step.out, channels);
    for (int c = 0; c < channels; ++c) {
        const double level = fitTone(x, channels, c, rate, 1000).level;
        QVERIFY2(std::abs(level - -9.03) < 0.5, qPrintable(QString::number(level)));
    }
}

void TestEncode::loudnessReachesItsTarget_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("format");
    // mono, lower (the whole clip lowered), opus32 (32 kbps), wide (within 1.5 LU, see below)
    QTest::addColumn<QString>("options");
    // The percussive source, 5 LU short of -16 LUFS with the gain held by the peaks: in every
    // format, limited at -16 and -14.
    for (int target : {-16, -14})
        for (int format : {0, 1, 2, 3, 4, 5, 6})
            QTest::addRow("percussive %d %s", target, qPrintable(outputExtension(format)))
                << "percussive" << target << format << QString(target == -14 && format == 6 ? "wide" : "");
    // AAC at 192 kbps and Opus at 32 kbps lift the stick attacks by 3.5 to 4 dB: the limiter's
    // ceiling comes down that far and the three tries end within 1.5 LU of -14.
    QTest::newRow("percussive -14 opus 32 kbps") << "percussive" << -14 << 5 << "opus32 wide";
    QTest::newRow("percussive -14 m4a mono") << "percussive" << -14 << 6 << "mono";
    QTest::newRow("noise -14 wav") << "noise" << -14 << 2 << QString();
    QTest::newRow("noise -14 mp3 mono") << "noise" << -14 << 0 << "mono";
    QTest::newRow("noise -16 ogg") << "noise" << -16 << 3 << QString();
    QTest::newRow("noise -23 opus") << "noise" << -23 << 5 << QString();
    QTest::newRow("music -16 wma") << "music" << -16 << 1 << QString();
    QTest::newRow("music -14 flac") << "music" << -14 << 4 << QString();
    QTest::newRow("speech -23 mp3") << "speech" << -23 << 0 << QString();
    QTest::newRow("speech -16 m4a") << "speech" << -16 << 6 << QString();
    // The whole clip lowered instead: short of the target, its peak at the ceiling, and a lossy
    // output checked again lands within 0.5 dB under -1 dBTP, not far below.
    QTest::newRow("percussive -16 flac, lowered") << "percussive" << -16 << 4 << "lower";
    QTest::newRow("percussive -14 opus 32 kbps, lowered") << "percussive" << -14 << 5 << "lower opus32";
}

// Sources made with the ffmpeg tool at 88.2 kHz and taken to 44.1 kHz as a recording would be,
// made even in every format: the decoded output reads within 0.5 LU of the target with its
// true peak at or below -1 dBTP (the ffmpeg tool's ebur128; sox at 384 kHz for WAV and FLAC),
// and the loudness the step reports is the one read.
void TestEncode::loudnessReachesItsTarget()
{
    QFETCH(QString, source);
    QFETCH(int, target);
    QFETCH(int, format);
    QFETCH(QString, options);
    static const QMap<QString, QString> kSources{
        {"speech", "aevalsrc=0.25*sin(2*PI*(130+30*sin(2*PI*2.7*t))*t+2*sin(2*PI*260*t))*(0.5+0.5*sin(2*PI*3.5*t))"
                   "*gt(sin(2*PI*0.6*t)\\,-0.4)+0.004*(random(1)*2-1):s=88200:d=4"},
        {"music", "aevalsrc=0.12*sin(2*PI*220*t)+0.1*sin(2*PI*277.2*t)+0.08*sin(2*PI*329.6*t)"
                  "+0.25*sin(2*PI*880*t)*exp(-6*mod(t\\,0.5))|0.12*sin(2*PI*220*t)+0.1*sin(2*PI*329.6*t)"
                  "+0.08*sin(2*PI*440*t)+0.25*sin(2*PI*660*t)*exp(-6*mod(t+0.25\\,0.5)):s=88200:d=4"},
        {"noise", "anoisesrc=r=88200:color=pink:amplitude=0.5:seed=3:d=4,volume=0.6+0.4*sin(2*PI*0.5*t):eval=frame"},
        // Drums whose stick attacks peak 20 dB over their loudness.
        {"percussive", "aevalsrc=0.27*sin(2*PI*55*t)*exp(-10*mod(t\\,0.5))+0.8*(random(1)*2-1)*exp(-400*mod(t+0.25\\,0.5))"
                       "+0.15*(random(1)*2-1)*exp(-25*mod(t+0.25\\,0.5))+0.05*(random(1)*2-1)*exp(-60*mod(t\\,0.125))"
                       "|0.27*sin(2*PI*55*t)*exp(-10*mod(t+0.01\\,0.5))+0.8*(random(2)*2-1)*exp(-400*mod(t+0.25\\,0.5))"
                       "+0.15*(random(2)*2-1)*exp(-25*mod(t+0.25\\,0.5))+0.05*(random(2)*2-1)*exp(-60*mod(t\\,0.125))"
                       ":s=88200:d=4"}};
    static QTemporaryDir sources;
    const QString wav = sources.filePath(source + ".wav");
    if (!QFile::exists(wav))
        QVERIFY(runFfmpeg({"-f", "lavfi", "-i", kSources.value(source), "-af", "aresample=44100:resampler=soxr",
                           "-c:a", "pcm_s16le", wav}));
    const int channels = options.contains("mono") ? 1 : 2;
    m_s.Mp3Channels = channels == 1 ? 1 : 3;
    m_s.WmaProfile = channels == 1 ? 37 : 38;
    m_s.OggChannels = m_s.FlacChannels = m_s.OpusChannels = m_s.M4aChannels = m_s.WavChannels = channels;
    m_s.WavFrequency = m_s.FlacFrequency = 44100;
    if (options.contains("opus32"))
        m_s.OpusBitrate = 32;
    m_s.LoudnessTarget = target;
    m_s.LoudnessPeaks = options.contains("lower") ? OutputSettings::LowerClip : OutputSettings::LimitPeaks;
    const Step step = encode(format, "even." + outputExtension(format), {}, wav);
    QVERIFY2(step.result.ok, qPrintable(step.result.reason));
    const LoudnessMeasurement out = fixtures::ffmpegLoudness(step.out);
    const double sox = format == 2 || format == 4 ? fixtures::soxTruePeak(step.out) : -INFINITY;
    if (format == 2 || format == 4) // the limiter gives back every frame it held
        QCOMPARE(fixtures::decodedFrames(step.out), qint64(4 * 44100));
    qInfo("%.1f LUFS (reported %.2f), %.1f dBTP, sox %.2f dBTP, encoded %d times", out.integratedLufs,
          step.result.loudnessLufs, out.truePeakDbtp, sox, step.result.encodes);
    QVERIFY2(out.truePeakDbtp <= -1.0 && sox <= -1.0, qPrintable(QString::number(out.truePeakDbtp)));
    QVERIFY2(std::abs(step.result.loudnessLufs - out.integratedLufs) <= 0.2, qPrintable(QString::number(step.result.loudnessLufs)));
    if (options.contains("lower")) {
        QVERIFY2(out.integratedLufs < target - 3, qPrintable(QString::number(out.integratedLufs)));
        if (options.contains("opus32"))
            QVERIFY2(out.truePeakDbtp >= -1.5, qPrintable(QString::number(out.truePeakDbtp)));
    } else {
        const double tolerance = options.contains("wide") ? 1.5 : 0.5;
        QVERIFY2(std::abs(out.integratedLufs - target) <= tolerance, qPrintable(QString::number(out.integratedLufs)));
    }
    // The limiter's ceilings leave room for what the encoders add: encoded once, but for AAC,
    // and for MP3, whose low-pass takes loudness that the measuring pass does not see.
    if (source == "percussive" && options.isEmpty() && format != 6)
        QVERIFY2(step.result.encodes <= (format == 0 ? 2 : 1), qPrintable(QString::number(step.result.encodes)));
    // The gauge only rises, also while the output is checked and encoded again.
    QVERIFY(std::is_sorted(step.percents.begin(), step.percents.end()));
    QCOMPARE(step.percents.last(), 100);
}

// A quiet 24-bit tone (-50 dBFS) made even at -14 LUFS into 16-bit FLAC: the gain is applied
// before the word length is cut, so the noise floor stays that of 16 bits.
void TestEncode::quietSourceMadeLoudKeepsItsNoiseFloor()
{
    const QString source = file("quiet.wav");
    QVERIFY(runFfmpeg({"-f", "lavfi", "-i", "aevalsrc=0.00316*sin(2*PI*1000*t):s=48000:d=4", "-c:a", "pcm_s24le", source}));
    m_s.FlacFrequency = 48000;
    m_s.FlacBps = 16;
    m_s.FlacChannels = 1;
    m_s.LoudnessTarget = -14;
    const Step step = encode(4, "loud.flac", {}, source);
    QVERIFY2(step.result.ok, qPrintable(step.result.reason));
    const ToneFit fit = fitTone(decoded(step.out, 1), 1, 0, 48000, 1000);
    QVERIFY2(fit.level > -20, qPrintable(QString::number(fit.level)));
    QVERIFY2(fit.residual <= -90, qPrintable(QString::number(fit.residual)));
    const QString mismatch = fixtures::flacSignatureMismatch(step.out, 16);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void TestEncode::pcmInHalvesIsTheSource_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end"); // 0: the source's end
    QTest::addColumn<int>("rate");
    QTest::newRow("whole") << 0.0 << 0.0 << 44100;
    QTest::newRow("from 5 ms: the start half a sample off the grid") << 0.005 << 0.0 << 44100;
    QTest::newRow("cut, 48 kHz") << 3.0113 << 31.9 << 48000;
    QTest::newRow("from 5 ms to 30 s: the length rounds up") << 0.005 << 30.0 << 44100;
}

// A WAV of 20 s or more from a source at its own rate is decoded in two halves at once: the
// output is still the clip's samples, each once and in its place (noise, so that a sample
// lost or repeated at the seam shows).
void TestEncode::pcmInHalvesIsTheSource()
{
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(int, rate);
    const QString source = file("noise.wav");
    QVERIFY(runFfmpeg({"-f", "lavfi", "-i", QStringLiteral("anoisesrc=r=%1:a=0.5:d=42:seed=7").arg(rate), "-ac", "2",
                       "-c:a", "pcm_s16le", source}));
    m_s.WavFrequency = rate;
    m_s.WavChannels = 2;
    m_s.WavBps = 16;
    const QString out = file("halves.wav");
    const std::stop_token stop;
    QList<int> percents;
    const EncodeResult r = encodeClip({source, start, end > 0 ? end : VideoEdit::ToEnd}, out, 2, m_s, {}, stop,
                                       [&](int p) { percents << p; });
    QVERIFY2(r.ok, qPrintable(r.reason));
    const QVector<float> in = decoded(source, 2), got = decoded(out, 2);
    const qsizetype first = 2 * std::llround(start * rate);
    const qsizetype count = end > 0 ? 2 * std::llround((end - start) * rate) : in.size() - first;
    QCOMPARE(got.size(), count);
    QVERIFY(got == in.mid(first, count));
    QVERIFY(std::is_sorted(percents.begin(), percents.end()));
    QCOMPARE(percents.last(), 100);
}

void TestEncode::loudnessInTwoPiecesEqualsOnePass_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end"); // 0: the source's end
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::newRow("whole, as is") << 0.0 << 0.0 << 44100 << 2;
    QTest::newRow("cut, 48 kHz mono") << 3.217 << 31.9 << 48000 << 1;
    QTest::newRow("to the end, 22 kHz") << 1.5 << 0.0 << 22050 << 2;
    QTest::newRow("11 kHz, blocks off the sample grid") << 0.0 << 0.0 << 11025 << 2;
}

// A clip measured in two pieces at once gives what one pass gives: an MP3 sound track whose
// level jumps (so that the gating matters) and a click.
void TestEncode::loudnessInTwoPiecesEqualsOnePass()
{
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(int, rate);
    QFETCH(int, channels);
    const QString video = file("levels.avi");
    if (!QFile::exists(video))
        QVERIFY(runFfmpeg({"-f", "lavfi", "-i", "testsrc=size=64x48:rate=5:duration=36", "-f", "lavfi", "-i",
                           "aevalsrc=0.4*sin(2*PI*300*t)*(0.05+gt(mod(t\\,7)\\,4))+0.9*between(t\\,15.99\\,16.0005)"
                           "|0.3*sin(2*PI*2000*t)*(0.02+gt(mod(t\\,5)\\,2)):s=44100:d=36",
                           "-c:v", "mpeg4", "-c:a", "libmp3lame", "-b:a", "192k", video}));
    const ClipSource clip{video, start, end > 0 ? end : VideoEdit::ToEnd};
    const double seconds = (end > 0 ? end : 36.0) - start;
    const std::stop_token stop;
    LoudnessMeasurement one, two;
    QString reason;
    QCOMPARE(measureClipLoudness(clip, seconds, rate, channels, -1, stop, &one, &reason, 1), PassOutcome::Done);
    QCOMPARE(measureClipLoudness(clip, seconds, rate, channels, -1, stop, &two, &reason, 2), PassOutcome::Done);
    qInfo("%.3f / %.3f LUFS, %.3f / %.3f dBTP", one.integratedLufs, two.integratedLufs, one.truePeakDbtp,
          two.truePeakDbtp);
    QVERIFY(std::isfinite(one.integratedLufs));
    QVERIFY2(std::abs(one.integratedLufs - two.integratedLufs) <= 0.05, qPrintable(QString::number(two.integratedLufs)));
    QVERIFY2(std::abs(one.truePeakDbtp - two.truePeakDbtp) <= 0.05, qPrintable(QString::number(two.truePeakDbtp)));
}

// FLAC with "Same as source" from a 96 kHz 24-bit source keeps every sample.
void TestEncode::flacSameAsSourceIsBitExact()
{
    const QString source = file("hires.wav");
    QVERIFY(runFfmpeg({"-f", "lavfi", "-i", "anoisesrc=a=0.3:r=96000:d=2", "-ac", "2", "-c:a", "pcm_s24le", source}));
    m_s.FlacFrequency = 0;
    m_s.FlacBps = 0;
    m_s.FlacChannels = 2;
    const Step step = encode(4, "hires.flac", {}, source);
    QVERIFY2(step.result.ok, qPrintable(step.result.reason));
    const fixtures::Probe p = fixtures::probe(step.out);
    QCOMPARE(p.rate, 96000);
    QByteArray a, b;
    QVERIFY(fixtures::run("ffmpeg", {"-v", "error", "-i", source, "-f", "s32le", "-"}, &a));
    QVERIFY(fixtures::run("ffmpeg", {"-v", "error", "-i", step.out, "-f", "s32le", "-"}, &b));
    QCOMPARE(a.size(), b.size());
    QVERIFY(a == b);
    // The MD5 signature, computed on the decoder's thread here, names those samples.
    const QString mismatch = fixtures::flacSignatureMismatch(step.out, 24);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

// A clip with no sound in it (the sound ends at 5 s of a 20 s video, the clip starts at
// 10 s) fails with its reason in every format and leaves no file; so does a start past the
// end of the source.
void TestEncode::clipWithoutSoundLeavesNothing()
{
    const QString video = file("short sound.avi");
    QVERIFY(runFfmpeg({"-f", "lavfi", "-i", "testsrc=size=64x48:rate=5:duration=20", "-f", "lavfi", "-i",
                       "sine=frequency=440:sample_rate=44100:duration=5", "-c:v", "mpeg4", "-c:a", "libmp3lame", video}));
    for (int format : {0, 1, 2, 3, 4, 5, 6}) {
        const QString out = file("empty." + outputExtension(format));
        const std::stop_token stop;
        EncodeResult r = encodeClip({video, 10}, out, format, m_s, {}, stop);
        QCOMPARE(r.reason, QString("The clip holds no sound"));
        QVERIFY(!QFile::exists(out));
        r = encodeClip({video, 30}, out, format, m_s, {}, stop);
        QVERIFY2(r.reason.contains("after the end of the source"), qPrintable(r.reason));
        QVERIFY(!QFile::exists(out));
    }
}

// Each format record against a file written through its writer: the extension leads back
// to the record, the job's tags are there exactly when the record says the format takes
// them, and so is a cover picture written afterwards.
void TestEncode::formatRecordsHoldForTheirFiles_data()
{
    QTest::addColumn<int>("format");
    for (int f = 0; f < outputFormatCount(); ++f)
        QTest::newRow(outputFormat(f).extension) << f;
}

void TestEncode::formatRecordsHoldForTheirFiles()
{
    QFETCH(int, format);
    const OutputFormatModule &record = outputFormat(format);
    RunJob job;
    job.TagsEnabled = true;
    job.TagTitle = "Table";
    const Step step = encode(format, QStringLiteral("out.") + QLatin1String(record.extension), job);
    QVERIFY2(step.result.ok, qPrintable(step.result.reason));
    QCOMPARE(outputFormatByExtension(QFileInfo(step.out).suffix().toUpper()), &record);
    QVERIFY(std::abs(probeDuration(step.out) - 2.0) < 0.1);
    QCOMPARE(probeTag(step.out, "title") == job.TagTitle, record.tags);

    const QString cover = file("cover.jpg");
    QVERIFY(runFfmpeg({"-f", "lavfi", "-i", "color=c=red:s=32x32", "-frames:v", "1", cover}));
    QFile picture(cover);
    QVERIFY(picture.open(QIODevice::ReadOnly));
    OutputTags info;
    info.infoTitle = job.TagTitle;
    info.infoCover = picture.readAll();
    info.infoCoverMime = "image/jpeg";
    const bool written = writeTagsTo(info, step.out);
    bool shown = false;
    for (const QJsonValue &stream : probe(step.out).value("streams").toArray())
        shown = shown || stream.toObject().value("codec_type").toString() == "video";
    QCOMPARE(written && shown, record.pictures);
}

QTEST_MAIN(TestEncode)
#include "tst_encode.moc"
