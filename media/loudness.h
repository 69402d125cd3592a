#pragma once
// Even loudness (EBU R128, libebur128): a meter fed with the sound as it passes, the gain
// that brings a clip to a target loudness without a true peak above the ceiling.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>

struct LoudnessMeasurement
{
    // -inf when the clip is silent or stays below the absolute gate (-70 LUFS).
    double integratedLufs = -std::numeric_limits<double>::infinity();
    double truePeakDbtp = -std::numeric_limits<double>::infinity();
};

class LoudnessMeter
{
public:
    LoudnessMeter(int channels, int rate);
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

// The gain in dB that brings the integrated loudness to targetLufs, lowered where needed so
// that the true peak ends at or below ceilingDbtp. 0 for a silent clip.
double LoudnessGainDb(const LoudnessMeasurement &m, double targetLufs, double ceilingDbtp = -1.0);

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
