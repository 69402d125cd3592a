// The encoding step: the output settings reach the MP3, OGG and WMA files as the step's
// tables map them (read back from the files), tags follow the switch, the gauges follow
// the copy, and faults end the step as failed without touching what it did not make.
#include "media/videoedit.h"
#include "ui_main.h"
#include "runharness.h"

#include <QProgressBar>
#include <QtTest>

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
Mp3Layout ReadMp3Frames(const QString &path)
{
    static const int kbps1[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
    static const int kbps2[] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0};
    static const int rates[4][3] = {{11025, 12000, 8000}, {0, 0, 0}, {22050, 24000, 16000}, {44100, 48000, 32000}};
    const QByteArray data = ReadAll(path);
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

VorbisHeader ReadVorbisHeader(const QString &path)
{
    const QByteArray data = ReadAll(path);
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

QSet<int> Modes(const Mp3Layout &layout)
{
    QSet<int> modes;
    for (const Mp3Frame &f : layout.frames.mid(1))
        modes.insert(f.mode);
    return modes;
}

// A tag as the file's reader names it, whichever of the names it uses.
QString AnyTag(const QString &path, const QStringList &names)
{
    for (const QString &name : names)
        if (const QString value = ProbeTag(path, name); !value.isEmpty())
            return value;
    return {};
}
} // namespace

class TestEncode : public QObject
{
    Q_OBJECT
    std::unique_ptr<RunHarness> m_h;

    // The job that the step works on: job 1 of a queue of `jobs`, or the job RunJob names.
    void prepare(int jobs = 1)
    {
        m_h = std::make_unique<RunHarness>();
        QStringList videos;
        for (int i = 1; i <= jobs; ++i)
            videos << QStringLiteral("/videos/clip%1.avi").arg(i);
        m_h->queue(videos);
        RunJob = 0;
    }
    // The temporary WAV the video step leaves: 44100 Hz, stereo, 16 bits.
    QString tempWav(double seconds = 2.0)
    {
        RunTempWav = m_h->outFile("clip.wav");
        if (!RunFfmpeg({"-f", "lavfi", "-i", QStringLiteral("sine=frequency=440:sample_rate=44100:duration=%1").arg(seconds),
                        "-ac", "2", "-c:a", "pcm_s16le", RunTempWav}))
            return {};
        return RunTempWav;
    }
    // One encoding step into `name` the way the run performs it.
    QString encode(int format, const QString &name)
    {
        RunOutputFile = m_h->outFile(name);
        RunError.clear();
        CancelRequested = false;
        EncodeActive = true;
        if (format == 0)
            m_h->window->EncodeMp3();
        else if (format == 1)
            m_h->window->EncodeWma();
        else
            m_h->window->EncodeOgg();
        EncodeActive = false;
        return RunOutputFile;
    }

private slots:
    void cleanup() { m_h.reset(); }

    void mp3ValueMapping();
    void oggValueMapping();
    void wmaProfiles();
    void tagsFollowTheSwitchAndTheJob();
    void gaugesFollowTheCopy();
    void faultsEndTheStepAsFailed();
    void incorrectOggFormatInARun();
};

void TestEncode::mp3ValueMapping()
{
    prepare();
    // Defaults: constant 128 kbps, 44100 Hz, joint stereo (SetMp3Format(44100, 128, 3)).
    QVERIFY(!tempWav().isEmpty());
    QString out = encode(0, "cbr.mp3");
    QVERIFY2(RunError.isEmpty(), qPrintable(RunError));
    QCOMPARE(m_h->statuses(), QStringList{"100%"});
    QVERIFY(!QFile::exists(RunTempWav));
    QJsonObject a = ProbeAudio(out);
    QCOMPARE(a.value("codec_name").toString(), QString("mp3"));
    QCOMPARE(a.value("sample_rate").toString(), QString("44100"));
    QCOMPARE(a.value("channels").toInt(), 2);
    QVERIFY(qAbs(a.value("bit_rate").toString().toDouble() - 128000) < 12800);
    Mp3Layout mp3 = ReadMp3Frames(out);
    QCOMPARE(mp3.firstFrameTag, QByteArray("Info"));
    QCOMPARE(Modes(mp3), QSet<int>{1});
    QVERIFY(qAbs(ProbeDuration(out) - 2.0) < 0.06);

    // Channel values 1 to 5 are handed on unchanged: mono, stereo, ..., dual channel.
    const QList<std::pair<int, int>> modes{{1, 3}, {2, 0}, {5, 2}};
    for (const auto &[channels, mode] : modes) {
        OutputSettings.Mp3Channels = channels;
        OutputSettings.Mp3Frequency = 32000;
        OutputSettings.Mp3Bitrate = 64;
        tempWav();
        out = encode(0, QStringLiteral("mode%1.mp3").arg(channels));
        QVERIFY2(RunError.isEmpty(), qPrintable(RunError));
        QCOMPARE(Modes(ReadMp3Frames(out)), QSet<int>{mode});
        a = ProbeAudio(out);
        QCOMPARE(a.value("channels").toInt(), channels == 1 ? 1 : 2);
        QCOMPARE(a.value("sample_rate").toString(), QString("32000"));
        QVERIFY(qAbs(a.value("bit_rate").toString().toDouble() - 64000) < 6400);
    }

    // Variable bit rate: quality and maximum reach LAME, the mode is Mp3Channels - 1.
    OutputSettings.Mp3Vbr = 1;
    OutputSettings.Mp3Channels = 3;
    OutputSettings.Mp3Frequency = 44100;
    OutputSettings.Mp3Bitrate = 32;
    OutputSettings.Mp3MaxBitrate = 320;
    OutputSettings.Mp3VbrQuality = 0;
    tempWav();
    out = encode(0, "vbr-q0.mp3");
    QVERIFY2(RunError.isEmpty(), qPrintable(RunError));
    mp3 = ReadMp3Frames(out);
    QCOMPARE(mp3.firstFrameTag, QByteArray("Xing"));
    QCOMPARE(Modes(mp3), QSet<int>{1});
    const double best = ProbeAudio(out).value("bit_rate").toString().toDouble();
    OutputSettings.Mp3VbrQuality = 9;
    tempWav();
    out = encode(0, "vbr-q9.mp3");
    const double worst = ProbeAudio(out).value("bit_rate").toString().toDouble();
    QVERIFY2(best > worst, qPrintable(QStringLiteral("%1 %2").arg(best).arg(worst)));

    OutputSettings.Mp3VbrQuality = 0;
    OutputSettings.Mp3MaxBitrate = 64;
    OutputSettings.Mp3Channels = 1;
    tempWav();
    out = encode(0, "vbr-max64.mp3");
    mp3 = ReadMp3Frames(out);
    QVERIFY(mp3.frames.size() > 50);
    for (const Mp3Frame &f : mp3.frames.mid(1))
        QVERIFY2(f.kbps <= 64, qPrintable(QString::number(f.kbps)));
    QCOMPARE(Modes(mp3), QSet<int>{3});
    QCOMPARE(m_h->window->MP3LameEncoder.LameMode, 0);
    QCOMPARE(m_h->window->MP3LameEncoder.LameOption, 0);
    QVERIFY(m_h->window->MP3LameEncoder.LameVbr);
}

void TestEncode::oggValueMapping()
{
    prepare();
    // Nominal bit rate only.
    tempWav();
    QString out = encode(3, "nominal.ogg");
    QVERIFY2(RunError.isEmpty(), qPrintable(RunError));
    QCOMPARE(m_h->statuses(), QStringList{"100%"});
    VorbisHeader v = ReadVorbisHeader(out);
    QCOMPARE(v.channels, 2);
    QCOMPARE(v.rate, 44100);
    QCOMPARE(v.nominal, 128000);
    QVERIFY(v.minimum <= 0 && v.maximum <= 0);
    QVERIFY(qAbs(ProbeDuration(out) - 2.0) < 0.06);

    // Managed variable bit rate: nominal, minimum and maximum.
    OutputSettings.OggVbr = true;
    OutputSettings.OggMinBitrate = 64;
    OutputSettings.OggMaxBitrate = 192;
    tempWav();
    out = encode(3, "vbr.ogg");
    QVERIFY2(RunError.isEmpty(), qPrintable(RunError));
    v = ReadVorbisHeader(out);
    QCOMPARE(v.nominal, 128000);
    QCOMPARE(v.minimum, 64000);
    QCOMPARE(v.maximum, 192000);

    // Quality mode wins over variable bit rate and is not checked against the bit rates
    // (which here no encoder would take).
    OutputSettings.OggUseQuality = true;
    OutputSettings.OggMinBitrate = 500;
    OutputSettings.OggMaxBitrate = 100;
    OutputSettings.OggFrequency = 22050;
    OutputSettings.OggChannels = 1;
    qint32 nominal[2] = {};
    for (int i : {0, 1}) {
        OutputSettings.OggQuality = i == 0 ? 100 : 1000;
        tempWav();
        out = encode(3, QStringLiteral("q%1.ogg").arg(OutputSettings.OggQuality));
        QVERIFY2(RunError.isEmpty(), qPrintable(RunError));
        v = ReadVorbisHeader(out);
        QCOMPARE(v.channels, 1);
        QCOMPARE(v.rate, 22050);
        QVERIFY(v.minimum <= 0 && v.maximum <= 0);
        nominal[i] = v.nominal;
    }
    QVERIFY2(nominal[1] > 2 * nominal[0], qPrintable(QStringLiteral("%1 %2").arg(nominal[0]).arg(nominal[1])));
    QVERIFY(m_h->desktop.messages.isEmpty());
}

void TestEncode::wmaProfiles()
{
    prepare();
    const struct
    {
        int profile;
        QString rate;
        int channels;
        double bitRate;
    } cases[] = {{38, "44100", 2, 128000}, {3, "16000", 1, 24000}, {47, "48000", 2, 320000}};
    for (const auto &c : cases) {
        OutputSettings.WmaProfile = c.profile;
        tempWav();
        const QString out = encode(1, QStringLiteral("p%1.wma").arg(c.profile));
        QVERIFY2(RunError.isEmpty(), qPrintable(RunError));
        const QJsonObject a = ProbeAudio(out);
        QCOMPARE(a.value("codec_name").toString(), QString("wmav2"));
        QCOMPARE(a.value("sample_rate").toString(), c.rate);
        QCOMPARE(a.value("channels").toInt(), c.channels);
        QVERIFY(qAbs(a.value("bit_rate").toString().toDouble() - c.bitRate) < c.bitRate / 10);
        QVERIFY(!QFile::exists(RunTempWav));
    }
    QCOMPARE(m_h->statuses(), QStringList{"100%"});
}

void TestEncode::tagsFollowTheSwitchAndTheJob()
{
    prepare(2);
    RunJob = 1; // the second job: its own slot's tags
    TJob &job = JobTable[2];
    job.TagTitle = QString::fromUtf8("Grüße aus Köln – 東京");
    job.TagArtist = "Ana & Bo";
    job.TagAlbum = "Live \"#1\"";
    job.TagComment = "Clipvox";
    job.TagCopyright = "2024 Ana";
    job.TagYear = 2024;
    job.TagTrack = 7;
    job.TagGenre = 17; // Rock
    JobTable[1].TagTitle = "Not this one";

    // Off: the files carry no tags.
    for (int format : {0, 1, 3}) {
        tempWav();
        const QString out = encode(format, "untagged." + FormatExtension(format));
        QVERIFY2(RunError.isEmpty(), qPrintable(RunError));
        QVERIFY(AnyTag(out, {"title", "artist", "album"}).isEmpty());
    }

    TagsEnabled = true;
    for (int format : {0, 1, 3}) {
        tempWav();
        const QString out = encode(format, "tagged." + FormatExtension(format));
        QVERIFY2(RunError.isEmpty(), qPrintable(RunError));
        QCOMPARE(m_h->statuses(), (QStringList{"Waiting", "100%"}));
        QCOMPARE(ProbeTag(out, "title"), job.TagTitle);
        QCOMPARE(AnyTag(out, {"artist", "author"}), job.TagArtist);
        QCOMPARE(ProbeTag(out, "album"), job.TagAlbum);
        QCOMPARE(AnyTag(out, {"comment", "description"}), job.TagComment);
        QCOMPARE(ProbeTag(out, "copyright"), job.TagCopyright);
        QVERIFY(AnyTag(out, {"date", "year", "WM/Year"}).startsWith("2024"));
        QCOMPARE(AnyTag(out, {"track", "tracknumber", "WM/TrackNumber"}).section('/', 0, 0), QString("7"));
        QCOMPARE(ProbeTag(out, "genre"), QString("Rock"));
    }
}

void TestEncode::gaugesFollowTheCopy()
{
    prepare(3);
    RunJob = 2;
    ExecForm = new TExecForm(m_h->window.get()); // not shown: no run of its own
    ExecForm->Gauge2->setMaximum(300);
    QList<std::pair<int, int>> seen;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (ExecForm)
            seen.append({ExecForm->Gauge1->value(), ExecForm->Gauge2->value()});
    });
    probe.start(0);
    tempWav(6.0);
    encode(0, "gauged.mp3");
    probe.stop();

    QVERIFY2(RunError.isEmpty(), qPrintable(RunError));
    QVERIFY(seen.size() >= 5); // events went through between chunks
    for (int i = 0; i < seen.size(); ++i) {
        QCOMPARE(seen[i].second, seen[i].first + 200);
        if (i > 0)
            QVERIFY(seen[i].first >= seen[i - 1].first);
    }
    QVERIFY(seen.first().first < 100);
    QCOMPARE(ExecForm->Gauge1->value(), 100);
    QCOMPARE(ExecForm->Gauge2->value(), 300);
    QCOMPARE(ExecForm->Gauge2->text(), QString("100%"));
    delete ExecForm.data();
}

void TestEncode::faultsEndTheStepAsFailed()
{
    prepare();
    // The reader cannot open the temporary WAV: failed, no output, for every format.
    for (int format : {0, 1, 3}) {
        RunTempWav = m_h->outFile("missing.wav");
        const QString out = encode(format, "clip." + FormatExtension(format));
        QVERIFY2(!RunError.isEmpty(), qPrintable(FormatExtension(format)));
        QVERIFY(!QFile::exists(out));
        QCOMPARE(m_h->statuses(), QStringList{"Waiting"});
    }
    QVERIFY(m_h->files().isEmpty());

    // The writer cannot create the output: failed; the temporary WAV, the run's own, goes.
    tempWav();
    encode(0, "no such folder/clip.mp3");
    QVERIFY(!RunError.isEmpty());
    QVERIFY(m_h->files().isEmpty());

    // A file of the user's at the output name survives a step that fails before writing.
    const QString users = m_h->outFile("clip.mp3");
    WriteAll(users, "the user's");
    OutputSettings.Mp3Channels = 0;
    tempWav();
    encode(0, "clip.mp3");
    QVERIFY(!RunError.isEmpty());
    QCOMPARE(ReadAll(users), QByteArray("the user's"));
    OutputSettings.Mp3Channels = 3;

    // Values no encoder takes end the step with a reason and no file.
    OutputSettings.WmaProfile = -1;
    tempWav();
    QString out = encode(1, "clip.wma");
    QVERIFY(!RunError.isEmpty());
    QVERIFY(!QFile::exists(out));

    OutputSettings.OggVbr = true;
    OutputSettings.OggMinBitrate = 192;
    OutputSettings.OggMaxBitrate = 128;
    tempWav();
    out = encode(3, "clip.ogg");
    QVERIFY(RunError.startsWith("Incorrect format"));
    QVERIFY(!QFile::exists(out));
    QCOMPARE(m_h->desktop.messages.size(), 1);
    QCOMPARE(m_h->desktop.messages[0].text, QString("Incorrect format"));
    QCOMPARE(m_h->desktop.messages[0].caption, QString("Clipvox"));
    QCOMPARE(m_h->desktop.messages[0].icon, QMessageBox::NoIcon);
    QCOMPARE(m_h->files(), QStringList{"clip.mp3"});
    QCOMPARE(m_h->statuses(), QStringList{"Waiting"});

    // A WAV without a single frame: nothing to copy, and that is no failure.
    OutputSettings.OggVbr = false;
    RunTempWav = m_h->outFile("clip.wav");
    QVERIFY(RunFfmpeg({"-f", "lavfi", "-i", "anullsrc=r=44100:cl=stereo", "-t", "0", "-c:a", "pcm_s16le", RunTempWav}));
    encode(3, "empty.ogg");
    QVERIFY2(RunError.isEmpty(), qPrintable(RunError));
    QCOMPARE(m_h->statuses(), QStringList{"100%"});
}

void TestEncode::incorrectOggFormatInARun()
{
    m_h = std::make_unique<RunHarness>();
    QTemporaryDir media;
    const QString video = MakeVideo(media.path() + "/clip.avi", "avi", 1.0);
    m_h->setFormat(3);
    OutputSettings.OggVbr = true;
    OutputSettings.OggMinBitrate = 192;
    OutputSettings.OggMaxBitrate = 128;
    m_h->queue({video, video});
    m_h->window->ui->TBXItem1->trigger();
    QCOMPARE(m_h->statuses(), (QStringList{"Failed", "Failed"}));
    QVERIFY(m_h->row(0)->toolTip(ColStatus).startsWith("Incorrect format"));
    QCOMPARE(m_h->desktop.texts(), (QStringList{"Incorrect format", "Incorrect format", "Task complete!"}));
    QVERIFY(m_h->files().isEmpty());
}

QTEST_MAIN(TestEncode)
#include "tst_encode.moc"
