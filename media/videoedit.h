// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The video decoding control: the sound of a video read, cut exact to the sample and
// converted in one pass (readClipSound), and the format of a source's sound.
#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <limits>
#include <stop_token>

class VideoEdit
{
public:
    // An end of ToEnd means the end of the source.
    static constexpr double ToEnd = std::numeric_limits<double>::infinity();

    // One-time, non-blocking set-up of the decoding libraries (quiet logging).
    static void initialize();
};

// The sound of a source as its decoder gives it.
struct SourceSound
{
    int rate = 0, channels = 0;
    int bits = 0;        // 8, 16, 24 or 32 for integer sound; 0 for float sound
    int keptBits = 16;   // the size that keeps every bit: 24 above 16 bits, else 16 (coded sound)
    double seconds = -1; // the source's length, -1 when unknown
};

// Opens the source and reads the format of its sound: the audio stream of index `stream`, or
// the best one when stream is negative. A stop requested through stop ends the probe at once.
// False with the reason in *error.
bool probeSourceSound(const QString &source, std::stop_token stop, SourceSound *sound, QString *error, int stream = -1);

// The sound of the audio stream of index `stream` of a probed source.
struct AVFormatContext;
SourceSound soundOfStream(const AVFormatContext *fmt, int stream);

enum class PassOutcome { Done, Failed, Stopped };

// One pass over a clip (end ToEnd: to the end of the source). A decoder thread cuts it exact
// to the sample, converts it once, in float, to rate and channels (the mix normalised: mono
// is the mean of the channels) and queues up to about a second of it; `block` gets the
// interleaved samples (+-1) in order on the calling thread, and ends the pass as failed by
// returning false (its reason is the caller's). A clip without a single sample fails with
// "The clip holds no sound". A stop requested through stop ends the pass within a few
// hundredths of a second. stream: the audio stream's index in the container; negative for the best one. `watch`, when
// given, sees every block on the decoder's thread before `block` gets it (a meter there costs
// the caller's thread nothing).
PassOutcome readClipSound(const QString &source, double start, double end, int rate, int channels,
                           std::stop_token stop,
                           const std::function<bool(const float *samples, int frames)> &block, QString *error,
                           int stream = -1, const std::function<void(const float *samples, int frames)> &watch = {},
                           std::atomic<int64_t> *wild = nullptr);

// As readClipSound, for outputs of integer samples: `prepare` turns each block of float sound
// (frames x channels samples) into as many 32-bit samples on the decoder thread, so that this
// work runs beside the encoder's, and `block` gets them in order on the calling thread.
PassOutcome readClipSamples(const QString &source, double start, double end, int rate, int channels,
                             std::stop_token stop,
                             const std::function<void(const float *in, int frames, int32_t *out)> &prepare,
                             const std::function<bool(const int32_t *samples, int frames)> &block, QString *error,
                             int stream = -1, std::atomic<int64_t> *wild = nullptr);
