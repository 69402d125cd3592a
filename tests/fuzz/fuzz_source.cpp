// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: every input is a source file, held in memory, that goes through the
// probes, the tags and chapters reader and a one-second conversion, as a job would take it.
#include "media/avinput.h"
#include "media/medialength.h"
#include "media/sourceinfo.h"
#include "media/videoedit.h"

#include <stop_token>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// A conversion of [start, start + 1 s) to 44.1 kHz stereo: never more sound than asked for,
// and every sample a number no further than +12 dBFS (damaged values are clipped).
void convertOneSecond(const QString &path, double start, int stream)
{
    constexpr int rate = 44100, channels = 2;
    const std::stop_token stop;
    int64_t frames = 0;
    QString error;
    const PassOutcome o = readClipSound(path, start, start + 1.0, rate, channels, stop,
                                         [&](const float *samples, int n) {
                                             for (int i = 0; i < n * channels; ++i)
                                                 if (!(std::fabs(samples[i]) <= 4.0f)) {
                                                     std::fprintf(stderr, "sample %d is %f\n", i, samples[i]);
                                                     std::abort();
                                                 }
                                             frames += n;
                                             return true;
                                         },
                                         &error, stream);
    if (frames > rate || (o == PassOutcome::Done && frames != rate)) {
        std::fprintf(stderr, "a one-second clip gave %lld frames\n", static_cast<long long>(frames));
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    VideoEdit::initialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const InMemorySource source(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const std::stop_token stop;
    QString error;
    SourceSound sound;
    const bool probed = probeSourceSound(source.path(), stop, &sound, &error);
    mediaLengthMs(source.path(), &error);
    // The track a job takes: the default one of the tracks the reader found.
    const std::optional<SourceInfo> info = readSourceInfo(source.path(), nullptr, &error);
    const int stream = info && info->defaultTrack() > 0 ? info->tracks[info->defaultTrack() - 1].streamIndex : -1;
    convertOneSecond(source.path(), 0, stream);
    // A source long enough is also cut after a seek, which has paths of its own.
    if (probed && sound.seconds > 2.5)
        convertOneSecond(source.path(), 1.5, stream);
    return 0;
}
