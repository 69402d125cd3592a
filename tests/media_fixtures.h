// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test media made with the ffmpeg tool, and ffprobe as an independent reader of our output.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTest>

#include "formats/wav/wavformat.h"
#include "support/audiofile.h"
#include "media/loudness.h"
#include "media/quantiser.h"
#include "media/videoedit.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <stop_token>
#include <cmath>
#include <memory>
#include <vector>

namespace fixtures {

inline bool run(const QString &program, const QStringList &args, QByteArray *out = nullptr)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning() << program << args << p.readAllStandardError();
        return false;
    }
    if (out)
        *out = p.readAllStandardOutput();
    return true;
}

// A test video of `seconds` with a 440 Hz tone: kind "avi" (mpeg4 + mp3), "mpg" (mpeg1 +
// mp2), "wmv" (wmv2 + wmav2), "asf" (msmpeg4 + wmav1), "silent.avi" (no sound track).
inline bool makeVideo(const QString &path, const QString &kind, double seconds = 3)
{
    const QString d = QString::number(seconds);
    QStringList a{"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=" + d};
    if (kind != "silent.avi")
        a << "-f" << "lavfi" << "-i" << "sine=frequency=440:sample_rate=44100:duration=" + d << "-ac" << "2";
    if (kind == "avi")
        a << "-c:v" << "mpeg4" << "-c:a" << "libmp3lame" << "-b:a" << "128k" << "-f" << "avi";
    else if (kind == "mpg")
        a << "-c:v" << "mpeg1video" << "-c:a" << "mp2" << "-b:a" << "192k" << "-f" << "mpeg";
    else if (kind == "wmv")
        a << "-c:v" << "wmv2" << "-c:a" << "wmav2" << "-b:a" << "128k" << "-f" << "asf";
    else if (kind == "asf")
        a << "-c:v" << "msmpeg4" << "-c:a" << "wmav1" << "-b:a" << "128k" << "-f" << "asf";
    else
        a << "-c:v" << "mpeg4" << "-an" << "-f" << "avi";
    return run("ffmpeg", a << path);
}

// A WAV of a tone made by the ffmpeg tool; codec pcm_s16le or pcm_u8.
inline bool makeWav(const QString &path, double seconds, int rate, int channels, const QString &codec = "pcm_s16le")
{
    return run("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i",
                          QString("sine=frequency=440:sample_rate=%1:duration=%2").arg(rate).arg(seconds),
                          "-ac", QString::number(channels), "-c:a", codec, path});
}

// What ffprobe reports of a file's first audio stream: codec, rate, channels, duration,
// bit rate, and the tags of format and stream with lower-case keys.
struct Probe
{
    bool ok = false;
    QString codec;
    int rate = 0, channels = 0;
    double duration = 0, bitRate = 0;
    QMap<QString, QString> tags;
};

// Seconds of sound that the ffmpeg tool's decoder gets out of a file.
inline double decodedSeconds(const QString &path)
{
    QByteArray pcm;
    if (!run("ffmpeg", {"-v", "error", "-i", path, "-f", "s16le", "-ac", "1", "-ar", "8000", "-"}, &pcm))
        return -1;
    return pcm.size() / 2 / 8000.0;
}

// Frames of sound that the ffmpeg tool's decoder gets out of a file at the file's own rate:
// encoder delays, Vorbis and Opus end granules and LAME's gapless header are honoured; the
// end of an M4A edit list is not (see the stream's duration_ts).
inline qint64 decodedFrames(const QString &path)
{
    QByteArray pcm;
    if (!run("ffmpeg", {"-v", "error", "-i", path, "-f", "s16le", "-ac", "1", "-"}, &pcm))
        return -1;
    return pcm.size() / 2;
}

// The audio stream's own bit rate: the size of its packets over the decoded length.
inline double streamKbps(const QString &path)
{
    QByteArray out;
    if (!run("ffprobe", {"-v", "error", "-select_streams", "a:0", "-show_entries", "packet=size", "-of", "csv=p=0", path}, &out))
        return -1;
    double bytes = 0;
    for (const QByteArray &line : out.split('\n'))
        bytes += line.trimmed().toDouble();
    return bytes * 8 / decodedSeconds(path) / 1000;
}

inline Probe probe(const QString &path)
{
    Probe p;
    QByteArray out;
    if (!run("ffprobe", {"-v", "error", "-of", "json", "-show_format", "-show_streams", "-select_streams", "a:0", path}, &out))
        return p;
    const QJsonObject root = QJsonDocument::fromJson(out).object();
    const QJsonObject format = root["format"].toObject();
    const QJsonArray streams = root["streams"].toArray();
    if (streams.isEmpty())
        return p;
    const QJsonObject s = streams[0].toObject();
    p.ok = true;
    p.codec = s["codec_name"].toString();
    p.rate = s["sample_rate"].toString().toInt();
    p.channels = s["channels"].toInt();
    p.duration = format["duration"].toString().toDouble();
    p.bitRate = format["bit_rate"].toString().toDouble();
    for (const QJsonObject &t : {format["tags"].toObject(), s["tags"].toObject()})
        for (auto it = t.begin(); it != t.end(); ++it)
            p.tags[it.key().toLower()] = it.value().toString();
    return p;
}

// One pass over a clip into a PCM WAV, as a job with WAV output makes it: channels, rate
// (0: the source's) and size (8, 16 or 24 bits, 2 for 16, 0 for the source's). A meter, when
// given, measures the sound on its way. The file is made at the first sound.
struct Extraction
{
    bool ok = false;
    QString error;
};

inline Extraction extract(const QString &source, double start, double end, const QString &wav, int channels = 2,
                          int rate = 44100, int size = 2, LoudnessMeter *meter = nullptr)
{
    Extraction e;
    const std::stop_token stop;
    SourceSound sound;
    if ((rate == 0 || size == 0) && !probeSourceSound(source, stop, &sound, &e.error))
        return e;
    rate = rate ? rate : sound.rate;
    const int bits = size == 2 ? 16 : size ? size : sound.keptBits;
    const std::unique_ptr<AudioWriter> writer = makeWavWriter({rate, channels, bits});
    Quantiser quantise(bits, false);
    std::vector<int32_t> ints;
    bool opened = false;
    const PassOutcome o = readClipSound(
        source, start, end, rate, channels, stop,
        [&](const float *x, int frames) {
            if (!opened && !(writer->setInput(rate, channels) && writer->open(wav))) {
                e.error = writer->error;
                return false;
            }
            opened = true;
            if (meter)
                meter->add(x, size_t(frames));
            ints.resize(size_t(frames) * size_t(channels));
            quantise.run(x, ints.data(), ints.size());
            if (writer->write32(ints.data(), frames))
                return true;
            e.error = writer->error;
            return false;
        },
        &e.error);
    e.ok = o == PassOutcome::Done && opened && writer->finish();
    if (opened && !e.ok && e.error.isEmpty())
        e.error = writer->error;
    return e;
}

// The encoding step's copy loop: reads the WAV a second at a time into the writer, with
// full-scale 32-bit samples so that 24-bit sound keeps its bits. The writer is told the
// WAV's length, or lengthHint frames when that is given.
inline QString transcode(const QString &wav, const QString &out, TestAudioFile &writer, int64_t lengthHint = -1)
{
    TestAudioFile reader;
    reader.openFile(wav, 0, 1);
    if (reader.lastError())
        return "open: " + reader.lastErrorText();
    writer.setEnableFlag(true);
    writer.setInputLength(lengthHint < 0 ? reader.totalFrames() : lengthHint);
    writer.createFile(out, 0);
    if (writer.lastError())
        return "create: " + writer.lastErrorText();
    writer.setInputFormat(reader.formatB(), reader.formatA());
    const int n = reader.formatA() * reader.formatB();
    for (SampleArray32 a = reader.readSamples32(n); !a.empty(); a = reader.readSamples32(n)) {
        writer.writeSamples32(a);
        if (writer.lastError())
            return "write: " + writer.lastErrorText();
    }
    writer.closeFile();
    reader.closeFile();
    return writer.lastError() ? "close: " + writer.lastErrorText() : QString();
}

// The ffmpeg tool's EBU R128 reading of a file: integrated loudness and true peak.
inline LoudnessMeasurement ffmpegLoudness(const QString &file)
{
    QProcess p;
    p.start("ffmpeg", {"-nostats", "-v", "info", "-i", file, "-af", "ebur128=peak=true", "-f", "null", "-"});
    p.waitForFinished(120000);
    const QString log = QString::fromUtf8(p.readAllStandardError());
    const auto last = [&](const QString &pattern) {
        double v = -INFINITY;
        for (auto it = QRegularExpression(pattern).globalMatch(log); it.hasNext();)
            v = it.next().captured(1).toDouble();
        return v;
    };
    return {last(R"(I:\s+(-?[\d.]+) LUFS)"), last(R"(Peak:\s+(-?[\d.]+) dBFS)")};
}

// sox's true peak of a file (dBTP): the sound taken to 384 kHz at its very high quality, then
// the largest sample.
inline double soxTruePeak(const QString &file)
{
    QProcess p;
    p.start("sox", {file, "-n", "rate", "-v", "384k", "stat"});
    p.waitForFinished(120000);
    const QString log = QString::fromUtf8(p.readAllStandardError());
    double peak = 0;
    for (const char *name : {"Maximum amplitude", "Minimum amplitude"}) {
        const QRegularExpressionMatch m = QRegularExpression(QString(name) + R"(:\s+(-?[\d.]+))").match(log);
        if (!m.hasMatch())
            return NAN;
        peak = std::max(peak, std::abs(m.captured(1).toDouble()));
    }
    return 20 * std::log10(peak);
}

// The MD5 signature in a FLAC file's STREAMINFO (metaflac) against the MD5 of its samples
// as the ffmpeg tool decodes them, little-endian in whole bytes of `bits`: empty when they
// agree, else both.
inline QString flacSignatureMismatch(const QString &flac, int bits)
{
    QByteArray stored, samples;
    if (!run("metaflac", {"--show-md5sum", flac}, &stored)
        || !run("ffmpeg", {"-v", "error", "-i", flac, "-f", bits == 24 ? "s24le" : "s16le", "-"}, &samples))
        return "cannot read " + flac;
    const QByteArray computed = QCryptographicHash::hash(samples, QCryptographicHash::Md5).toHex();
    return stored.trimmed() == computed ? QString() : QString("%1 stored, %2 computed").arg(stored.trimmed(), computed);
}

} // namespace fixtures
