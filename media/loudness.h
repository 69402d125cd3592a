// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Even loudness (EBU R128): a meter fed with the sound as it passes, the gain that brings a
// clip to a target loudness without a true peak above the ceiling, and a true-peak limiter
// for sound that reaches its target only with its peaks taken.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

struct LoudnessProfile;

struct LoudnessMeasurement
{
    // -inf when the clip is silent or stays below the absolute gate (-70 LUFS).
    double integratedLufs = -std::numeric_limits<double>::infinity();
    double truePeakDbtp = -std::numeric_limits<double>::infinity();
    // The level over time, in 10 ms pieces, from which planLoudness foresees a limiter's work.
    std::shared_ptr<const LoudnessProfile> profile;
};

// BS.1770 integrated loudness (K-weighting, 400 ms blocks, gates at -70 LUFS and -10 LU;
// within a hundredth of a LU of libebur128) and the true peak read at 8x.
class LoudnessMeter
{
public:
    // Without truePeak the meter reads the loudness alone.
    LoudnessMeter(int channels, int rate, bool truePeak = true);
    ~LoudnessMeter();
    LoudnessMeter(const LoudnessMeter &) = delete;
    LoudnessMeter &operator=(const LoudnessMeter &) = delete;

    // Interleaved samples: 16-bit, or full-scale 32-bit (24-bit sound in the top bits),
    // measured on the calling thread.
    void add(const int16_t *samples, size_t frames);
    void add(const int32_t *samples, size_t frames);
    void add(const float *samples, size_t frames); // +-1
    LoudnessMeasurement result() const;
    // The measurement of consecutive pieces of one sound, each measured by its own meter
    // (same rate and channels): the gating blocks of all pieces together, the highest peak.
    // A piece after the first that starts 300 ms before the end of the one before, at a
    // whole number of 100 ms blocks from the sound's start, gives exactly one measurement's
    // blocks (the K-weighting filter aside, which settles within a few milliseconds).
    static LoudnessMeasurement combined(const LoudnessMeter *const *meters, size_t count);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// The mean squares of a measurement's 400 ms gating blocks: what an album's loudness is
// gated from, a few bytes per 100 ms where the measurement keeps its profile.
std::vector<float> loudnessBlocks(const LoudnessMeasurement &m);
// The integrated loudness of several sounds played one after the other (an album): the
// gates applied once to the blocks of all, as libebur128's loudness of several meters.
double albumLoudness(const std::vector<const std::vector<float> *> &tracks);

// The gain in dB that brings the integrated loudness to targetLufs, lowered where needed so
// that the true peak ends at or below ceilingDbtp. 0 for a silent clip.
double loudnessGainDb(const LoudnessMeasurement &m, double targetLufs, double ceilingDbtp = -1.0);

// How a clip reaches its target: the gain, the ceiling a TruePeakLimiter holds its peaks to
// (+inf: none needed), and the loudness expected.
struct LoudnessPlan
{
    double gainDb = 0;
    double limitDbtp = std::numeric_limits<double>::infinity();
    double lufs = -std::numeric_limits<double>::infinity();
};

// With limit false, or where the gain leaves the true peak under the ceiling, the gain of
// loudnessGainDb. Otherwise the peaks are limited at ceilingDbtp and the gain is the one that
// brings the limited sound to the target, foreseen from the measurement's profile (at most
// 30 dB of limiting).
LoudnessPlan planLoudness(const LoudnessMeasurement &m, double targetLufs, double ceilingDbtp, bool limit);

// A look-ahead true-peak limiter on interleaved float sound: applies gainDb and holds every
// point between samples (read at 8x) at or below ceilingDbtp. The gain glides down over 5 ms
// before a peak and comes back with a 60 ms release; the sound goes out that much later
// than it came in, and finish() gives its end. Sound that stays under the ceiling only gets
// the gain.
class TruePeakLimiter
{
public:
    TruePeakLimiter(int channels, int rate, double gainDb, double ceilingDbtp);
    ~TruePeakLimiter();
    TruePeakLimiter(const TruePeakLimiter &) = delete;
    TruePeakLimiter &operator=(const TruePeakLimiter &) = delete;

    // Takes frames and appends to out the frames that are ready.
    void process(const float *in, size_t frames, std::vector<float> &out);
    // Appends the rest: out has then received exactly as many frames as came in.
    void finish(std::vector<float> &out);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// The true peak of interleaved float sound (+-1) alone, on the calling thread: the meter's 8x
// oversampler without the loudness.
class TruePeakReader
{
public:
    TruePeakReader(int channels, int rate);
    ~TruePeakReader();
    TruePeakReader(const TruePeakReader &) = delete;
    TruePeakReader &operator=(const TruePeakReader &) = delete;

    void add(const float *samples, size_t frames);
    double truePeakDbtp() const; // -inf for silence

private:
    struct Private;
    std::unique_ptr<Private> d;
};
