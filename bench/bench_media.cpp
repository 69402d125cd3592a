// SPDX-License-Identifier: GPL-3.0-or-later
// Runs one job's conversion as the conversion run does (the encoding step in one pass, from
// the source to the output) with the benchmark's settings: MP3 128k CBR, OGG quality 500,
// WMA profile 38, WAV and FLAC level 5 at 44.1 kHz 16-bit stereo, Opus 128k VBR, M4A 192k.
// With a target, the loudness is evened (a measuring pass first), peaks over the ceiling
// limited, or with "lower" the whole clip lowered instead; with "rg" in place of the target the
// sound stays as it is and gets ReplayGain tags (track). Prints the peak memory, the bytes the
// process wrote to disk and the loudness reached.
//   bench_media <source> <output.mp3|.ogg|.wma|.wav|.flac|.opus|.m4a> [target LUFS [lower] | rg]
#include "engine/encodestep.h"
#include "formats/registry.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <sys/resource.h>

static int fail(const QString &why)
{
    std::fprintf(stderr, "%s\n", qPrintable(why));
    return 1;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3 || argc > 5)
        return fail("usage: bench_media <source> <output.mp3|.ogg|.wma|.wav|.flac|.opus|.m4a> [target LUFS [lower] | rg]");
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    const QString ext = QFileInfo(out).suffix().toLower();
    const int format = outputFormatNumber(ext);
    if (format < 0)
        return fail("unknown output type " + ext);

    OutputSettings s;
    s.Mp3Frequency = 44100, s.Mp3Bitrate = 128, s.Mp3Channels = 3, s.Mp3Vbr = 0;
    s.WmaProfile = 38;
    s.WavFrequency = 44100, s.WavChannels = 2, s.WavBps = 16;
    s.OggFrequency = 44100, s.OggChannels = 2, s.OggUseQuality = true, s.OggQuality = 500;
    s.FlacFrequency = 44100, s.FlacChannels = 2, s.FlacBps = 16, s.FlacCompression = 5;
    s.OpusBitrate = 128, s.OpusVbr = true, s.OpusChannels = 2;
    s.M4aFrequency = 44100, s.M4aBitrate = 192, s.M4aChannels = 2;
    const bool replayGain = argc == 4 && QByteArray(argv[3]) == "rg";
    s.LoudnessTarget = argc >= 4 && !replayGain ? std::atoi(argv[3]) : 0;
    s.ReplayGain = replayGain ? OutputSettings::TrackGain : OutputSettings::NoReplayGain;
    s.LoudnessPeaks = argc == 5 && QByteArray(argv[4]) == "lower" ? OutputSettings::LowerClip : OutputSettings::LimitPeaks;
    const EncodeResult r = encodeClip({source}, out, format, s, RunJob{}, {});
    if (!r.ok)
        return fail(r.reason);

    if (s.LoudnessTarget != 0)
        std::printf("lufs %.2f\n", r.loudnessLufs);
    if (replayGain)
        std::printf("lufs %.2f\n", r.trackLufs);
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    std::printf("peak_kb %ld\n", ru.ru_maxrss);
    QFile io(QStringLiteral("/proc/self/io"));
    if (io.open(QIODevice::ReadOnly))
        for (const QByteArray &line : io.readAll().split('\n'))
            if (line.startsWith("write_bytes:"))
                std::printf("write_bytes %s\n", line.mid(12).trimmed().constData());
    return 0;
}
