// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/loudness.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <optional>
#include <type_traits>
#include <vector>

namespace {
// The points between samples: 8x oversampling with 32-tap Kaiser-windowed sinc phases. A 4x,
// 12-tap reading (the ITU filter's size) read 5 ms bursts of noise up to 0.9 dB under sox's
// `rate -v 384k`; this one reads them within 0.2 dB of it, mostly above.
template <int Taps, int BetaTenths>
class Oversampler
{
public:
    static constexpr int kTaps = Taps, kPhases = 8, kHalf = kTaps / 2;

    static void prepare()
    {
        static const bool ready = (setup(), true); // once, even with meters made on several threads
        (void)ready;
    }
    // Points are computed only where they may come near the level sought (a statistical bound,
    // checked on white noise, the hardest case: the strict bound, the taps' summed magnitudes,
    // would compute most points of a steady tone). First one of the four nearest samples must
    // be above the level over kNear: on 2 million points of white noise the loudest 192 (within
    // 2 dB of the peak) were at most 4.8 dB over their four nearest samples. Then a cubic
    // through them, plus kSpread times their largest third or fourth difference (how far the
    // sound may bend between them) must reach the level: 0.17 was needed there, 0.43 for the
    // points within 6 dB of the peak.
    static constexpr float kNear = 2.0f, kSpread = 0.5f;
    // The largest magnitude of the four samples nearest to the points after w[kHalf - 1].
    static float nearest(const float *w)
    {
        return std::max(std::max(std::abs(w[kHalf - 2]), std::abs(w[kHalf - 1])),
                        std::max(std::abs(w[kHalf]), std::abs(w[kHalf + 1])));
    }
    // The most the points after w[kHalf - 1] may reach, by the cubic and the differences.
    static float reach(const float *w)
    {
        const float *x = w + kHalf - 3; // x[2] is the sample the points follow
        const Half lo = s_cubic[0][0] * x[1] + s_cubic[1][0] * x[2] + s_cubic[2][0] * x[3] + s_cubic[3][0] * x[4];
        const Half hi = s_cubic[0][1] * x[1] + s_cubic[1][1] * x[2] + s_cubic[2][1] * x[3] + s_cubic[3][1] * x[4];
        const float top = largest(lo, hi);
        const float third = std::abs(x[1] - 3 * x[2] + 3 * x[3] - x[4]);
        const float before = std::abs(x[0] - 4 * x[1] + 6 * x[2] - 4 * x[3] + x[4]);
        const float after = std::abs(x[1] - 4 * x[2] + 6 * x[3] - 4 * x[4] + x[5]);
        return top + kSpread * std::max(third, std::max(before, after));
    }
    // Whether the points after w[kHalf - 1] may reach level.
    static bool mayReach(const float *w, float level)
    {
        return nearest(w) * kNear > level && reach(w) > level;
    }

    // The largest magnitude of sample w[kHalf - 1] and the points after it, up to the next
    // sample: w holds kTaps samples of one channel.
    static float pointsPeak(const float *w)
    {
        // Two halves of four phases: vectors the baseline instruction set holds in registers.
        Half lo = {}, hi = {};
        for (int j = 0; j < kTaps; ++j) {
            lo += s_lo[j] * w[j];
            hi += s_hi[j] * w[j];
        }
        return largest(lo, hi);
    }

private:
    // Tap-major, so that the phases of one point are computed side by side (phase 0, the
    // sample itself, is a single tap of 1): phases 0-3 in s_lo, 4-7 in s_hi.
    using Half = float __attribute__((vector_size(4 * sizeof(float))));
    static inline Half s_lo[kTaps], s_hi[kTaps];
    static inline Half s_cubic[4][2]; // Lagrange through the samples before, at, after and next

    static float largest(Half lo, Half hi)
    {
        lo = lo < 0 ? -lo : lo;
        hi = hi < 0 ? -hi : hi;
        const Half m = lo > hi ? lo : hi;
        return std::max(std::max(m[0], m[1]), std::max(m[2], m[3]));
    }

    static double besselI0(double x)
    {
        double sum = 1, term = 1;
        for (int k = 1; k < 40; ++k) {
            term *= (x / (2 * k)) * (x / (2 * k));
            sum += term;
        }
        return sum;
    }
    static void setup()
    {
        // Every phase's taps first, then whole vectors of them: GCC 12 miscompiles stores into
        // single elements of these vectors under -fsanitize=shift.
        constexpr double kBeta = BetaTenths / 10.0;
        float taps[kPhases][kTaps], cubics[kPhases][4];
        for (int p = 0; p < kPhases; ++p) {
            double sum = 0;
            double c[kTaps];
            for (int j = 0; j < kTaps; ++j) {
                const double t = (j - kHalf + 1) - double(p) / kPhases; // tap position from the point
                const double sinc = t == 0 ? 1 : std::sin(M_PI * t) / (M_PI * t);
                const double r = t / kHalf;
                c[j] = sinc * besselI0(kBeta * std::sqrt(std::max(0.0, 1 - r * r))) / besselI0(kBeta);
                sum += c[j];
            }
            for (int j = 0; j < kTaps; ++j)
                taps[p][j] = float(c[j] / sum); // unity gain at DC
            const double t = double(p) / kPhases;
            const double cubic[4] = {-t * (t - 1) * (t - 2) / 6, (t + 1) * (t - 1) * (t - 2) / 2,
                                     -(t + 1) * t * (t - 2) / 2, (t + 1) * t * (t - 1) / 6};
            for (int j = 0; j < 4; ++j)
                cubics[p][j] = float(cubic[j]);
        }
        for (int j = 0; j < kTaps; ++j) {
            s_lo[j] = Half{taps[0][j], taps[1][j], taps[2][j], taps[3][j]};
            s_hi[j] = Half{taps[4][j], taps[5][j], taps[6][j], taps[7][j]};
        }
        for (int j = 0; j < 4; ++j) {
            s_cubic[j][0] = Half{cubics[0][j], cubics[1][j], cubics[2][j], cubics[3][j]};
            s_cubic[j][1] = Half{cubics[4][j], cubics[5][j], cubics[6][j], cubics[7][j]};
        }
    }
};

// The meter's reading: 32 taps.
using MeterOversampler = Oversampler<32, 50>;
// The limiter's: 64 taps, which read sound that a limiter has pressed against the ceiling
// within 0.3 dB of sox at 384 kHz (many peaks held at one reading bring out the largest
// error of the filter: 0.76 dB with 32 taps on white noise that reaches the Nyquist
// frequency; each peak alone is read within 0.2 dB).
using LimiterOversampler = Oversampler<64, 70>;

// True peak, computed only where it can raise the peak found so far (see Oversampler::kNear):
// stretches whose samples all stay kNear under the peak are skipped. On most sound this spares
// nearly all of the work that a full oversampler does.
class TruePeak
{
public:
    explicit TruePeak(int channels) : m_channels(channels), m_tail(size_t(channels), std::vector<float>(kTaps, 0.f))
    {
        MeterOversampler::prepare();
    }
    double peak() const { return m_peak; }

    // Interleaved samples scaled to +-1.
    void add(const float *x, size_t frames)
    {
        std::vector<float> &buf = m_buf;
        buf.resize(kTaps + frames);
        for (int c = 0; c < m_channels; ++c) {
            // The channel's last kTaps samples, then the new ones.
            std::vector<float> &tail = m_tail[size_t(c)];
            std::copy(tail.begin(), tail.end(), buf.begin());
            const float *in = x + c;
            for (size_t i = 0; i < frames; ++i)
                buf[kTaps + i] = in[i * size_t(m_channels)];
            scan(buf);
            std::copy(buf.end() - kTaps, buf.end(), tail.begin());
        }
    }

private:
    using Oversampler = MeterOversampler;
    static constexpr int kTaps = Oversampler::kTaps, kHalf = Oversampler::kHalf, kChunk = 64;

    // The points after samples kHalf - 1 .. n - kHalf - 1: their windows lie in buf.
    void scan(const std::vector<float> &buf)
    {
        const int first = kHalf - 1, last = int(buf.size()) - kHalf; // points first .. last - 1
        for (int start = first; start < last; start += kChunk) {
            const int end = std::min(last, start + kChunk);
            // A chunk whose samples all stay kNear under the peak computes nothing: skip it on
            // its largest magnitude (compared as bit patterns, which order non-negative floats
            // as their values).
            int32_t top = 0;
            for (int i = start - 1; i < end + 2; ++i) {
                int32_t bits;
                std::memcpy(&bits, &buf[size_t(i)], sizeof bits);
                top = std::max(top, bits & 0x7fffffff);
            }
            float largest;
            std::memcpy(&largest, &top, sizeof largest);
            if (!(largest * Oversampler::kNear > m_peak))
                continue;
            for (int k = start; k < end; ++k) {
                const float *w = buf.data() + (k - kHalf + 1);
                if (Oversampler::mayReach(w, float(m_peak)))
                    m_peak = std::max(m_peak, double(Oversampler::pointsPeak(w)));
            }
        }
    }

    int m_channels;
    std::vector<std::vector<float>> m_tail;
    std::vector<float> m_buf;
    double m_peak = 0;
};

// K-weighting (ITU-R BS.1770): a high shelf and a high-pass, from the standard's analogue
// prototypes at any rate, run in double in transposed direct form II.
struct KWeighting
{
    double b0, b1, b2, a1, a2; // the shelf; the high-pass is 1, -2, 1 over 1, c1, c2
    double c1, c2;

    explicit KWeighting(int rate)
    {
        double f0 = 1681.974450955533, gain = 3.999843853973347, q = 0.7071752369554196;
        double k = std::tan(M_PI * f0 / rate);
        const double vh = std::pow(10.0, gain / 20), vb = std::pow(vh, 0.4996667741545416);
        double a0 = 1 + k / q + k * k;
        b0 = (vh + vb * k / q + k * k) / a0;
        b1 = 2 * (k * k - vh) / a0;
        b2 = (vh - vb * k / q + k * k) / a0;
        a1 = 2 * (k * k - 1) / a0;
        a2 = (1 - k / q + k * k) / a0;
        f0 = 38.13547087602444;
        q = 0.5003270373238773;
        k = std::tan(M_PI * f0 / rate);
        a0 = 1 + k / q + k * k;
        c1 = 2 * (k * k - 1) / a0;
        c2 = (1 - k / q + k * k) / a0;
    }
};

// A channel's weight in the sum: L, R, C 1, LFE none, Ls, Rs 1.41 (libebur128's default map,
// which gives the 7.1 sides none).
double channelWeight(int c, int channels)
{
    if (channels == 1 || c < 3)
        return 1;
    return c == 4 || c == 5 ? 1.41 : 0;
}

constexpr int kSegments = 10; // per 100 ms step: the limiter's look at the sound

// The mean squares of the 400 ms blocks, every 100 ms, of segment energies (K-weighted,
// summed over channels); each segment's energy scaled by gain2[i] when given. Gated below
// with the absolute gate at -70 LUFS and the relative one 10 LU below, as BS.1770 and
// libebur128 compute them.
std::vector<double> gatingBlocks(const std::vector<float> &energy, int64_t step, const std::vector<float> *gain2 = nullptr)
{
    const size_t steps = energy.size() / kSegments;
    std::vector<double> stepSum(steps, 0.0);
    for (size_t i = 0; i < steps * kSegments; ++i)
        stepSum[i / kSegments] += double(energy[i]) * (gain2 ? double((*gain2)[i]) : 1.0);
    std::vector<double> blocks;
    for (size_t k = 3; k < steps; ++k)
        blocks.push_back((stepSum[k - 3] + stepSum[k - 2] + stepSum[k - 1] + stepSum[k]) / double(4 * step));
    return blocks;
}

// The gated loudness (LUFS) of 400 ms blocks' mean squares.
template <typename Blocks>
double gated(const Blocks &blocks)
{
    const double absolute = std::pow(10.0, (-70 + 0.691) / 10);
    double sum = 0;
    size_t count = 0;
    for (const double z : blocks)
        if (z >= absolute)
            sum += z, ++count;
    if (count == 0)
        return -std::numeric_limits<double>::infinity();
    const double relative = sum / double(count) * 0.1;
    sum = 0;
    count = 0;
    for (const double z : blocks)
        if (z >= relative)
            sum += z, ++count;
    return count ? 10 * std::log10(sum / double(count)) - 0.691 : -std::numeric_limits<double>::infinity();
}

double gatedLoudness(const std::vector<float> &energy, int64_t step, const std::vector<float> *gain2 = nullptr)
{
    return gated(gatingBlocks(energy, step, gain2));
}

constexpr double kLookAheadSeconds = 0.005, kReleaseSeconds = 0.06;
} // namespace

// What the meter keeps of the sound: for every tenth of a 100 ms step, the K-weighted energy
// and the largest sample, enough to foresee what a limiter takes from the loudness.
struct LoudnessProfile
{
    int64_t step = 0; // frames in 100 ms
    int rate = 0;
    double overshoot = 1; // the true peak over the largest sample
    std::vector<float> energy, peak;
};

// The sound is measured on the thread that adds it: a long clip is measured in pieces on
// threads of their own (see combined).
struct LoudnessMeter::Private
{
    int channels = 0, rate = 0;
    std::optional<KWeighting> k;
    std::vector<double> weight, state; // 4 filter states per channel
    std::unique_ptr<TruePeak> peak;
    std::vector<float> scaled;
    LoudnessProfile profile;
    int64_t inStep = 0; // frames into the current step
    int segment = 0;    // the current segment of the step
    double energy = 0;  // of the current segment
    float top = 0;      // its largest sample

    template <typename T>
    void add(const T *samples, size_t frames)
    {
        if (!k || frames == 0)
            return;
        if constexpr (std::is_floating_point_v<T>) {
            measure(samples, frames);
        } else {
            const float scale = sizeof(T) == 4 ? 1.f / 2147483648.f : 1.f / 32768;
            scaled.resize(frames * size_t(channels));
            for (size_t i = 0; i < scaled.size(); ++i)
                scaled[i] = float(samples[i]) * scale;
            measure(scaled.data(), frames);
        }
    }

    void measure(const float *x, size_t frames)
    {
        if (peak)
            peak->add(x, frames);
        const int64_t step = profile.step;
        while (frames > 0) {
            const int64_t end = step * (segment + 1) / kSegments;
            const size_t n = size_t(std::min<int64_t>(int64_t(frames), end - inStep));
            filter(x, n);
            x += n * size_t(channels);
            frames -= n;
            inStep += int64_t(n);
            if (inStep == end) {
                profile.energy.push_back(float(energy));
                profile.peak.push_back(top);
                energy = 0;
                top = 0;
                if (++segment == kSegments)
                    segment = 0, inStep = 0;
            }
        }
        // Long silence would leave the filters' states as denormals, which are slow.
        for (double &v : state)
            if (std::abs(v) < 1e-30)
                v = 0;
    }

    void filter(const float *x, size_t n)
    {
        const KWeighting f = *k;
        for (int c = 0; c < channels; ++c) {
            if (weight[size_t(c)] == 0) {
                for (size_t i = 0; i < n; ++i)
                    top = std::max(top, std::abs(x[i * size_t(channels) + size_t(c)]));
                continue;
            }
            double s1 = state[4 * size_t(c)], s2 = state[4 * size_t(c) + 1];
            double t1 = state[4 * size_t(c) + 2], t2 = state[4 * size_t(c) + 3];
            double sum = 0;
            float high = top;
            for (size_t i = 0; i < n; ++i) {
                const float in = x[i * size_t(channels) + size_t(c)];
                high = std::max(high, std::abs(in));
                const double v = in;
                const double y = f.b0 * v + s1;
                s1 = f.b1 * v - f.a1 * y + s2;
                s2 = f.b2 * v - f.a2 * y;
                const double z = y + t1;
                t1 = -2 * y - f.c1 * z + t2;
                t2 = y - f.c2 * z;
                sum += z * z;
            }
            top = high;
            energy += sum * weight[size_t(c)];
            state[4 * size_t(c)] = s1;
            state[4 * size_t(c) + 1] = s2;
            state[4 * size_t(c) + 2] = t1;
            state[4 * size_t(c) + 3] = t2;
        }
    }
};

LoudnessMeter::LoudnessMeter(int channels, int rate, bool truePeak) : d(std::make_unique<Private>())
{
    d->channels = channels;
    d->rate = rate;
    if (channels > 0 && rate > 0) {
        d->k.emplace(rate);
        for (int c = 0; c < channels; ++c)
            d->weight.push_back(channelWeight(c, channels));
        d->state.assign(size_t(channels) * 4, 0.0);
        if (truePeak)
            d->peak = std::make_unique<TruePeak>(channels);
        d->profile.step = (rate + 5) / 10;
        d->profile.rate = rate;
    }
}

LoudnessMeter::~LoudnessMeter() = default;

void LoudnessMeter::add(const int16_t *samples, size_t frames)
{
    d->add(samples, frames);
}

void LoudnessMeter::add(const int32_t *samples, size_t frames)
{
    d->add(samples, frames);
}

void LoudnessMeter::add(const float *samples, size_t frames)
{
    d->add(samples, frames);
}

LoudnessMeasurement LoudnessMeter::result() const
{
    const LoudnessMeter *self = this;
    return combined(&self, 1);
}

LoudnessMeasurement LoudnessMeter::combined(const LoudnessMeter *const *meters, size_t count)
{
    LoudnessMeasurement m;
    auto profile = std::make_shared<LoudnessProfile>();
    double peak = 0;
    for (size_t i = 0; i < count; ++i) {
        const Private &p = *meters[i]->d;
        if (!p.k)
            return m;
        profile->step = p.profile.step;
        profile->rate = p.rate;
        // A later piece starts three steps before the end of the one before: its first
        // segments are the earlier piece's last.
        const size_t skip = i == 0 ? 0 : std::min(p.profile.energy.size(), size_t(3 * kSegments));
        profile->energy.insert(profile->energy.end(), p.profile.energy.begin() + ptrdiff_t(skip), p.profile.energy.end());
        profile->peak.insert(profile->peak.end(), p.profile.peak.begin() + ptrdiff_t(skip), p.profile.peak.end());
        if (p.peak)
            peak = std::max(peak, p.peak->peak());
    }
    m.integratedLufs = gatedLoudness(profile->energy, profile->step);
    if (peak > 0)
        m.truePeakDbtp = 20 * std::log10(peak);
    const float top = profile->peak.empty() ? 0.f : *std::max_element(profile->peak.begin(), profile->peak.end());
    if (top > 0 && peak > top)
        profile->overshoot = peak / top;
    m.profile = std::move(profile);
    return m;
}

std::vector<float> loudnessBlocks(const LoudnessMeasurement &m)
{
    if (!m.profile)
        return {};
    const std::vector<double> blocks = gatingBlocks(m.profile->energy, m.profile->step);
    return {blocks.begin(), blocks.end()};
}

double albumLoudness(const std::vector<const std::vector<float> *> &tracks)
{
    std::vector<float> all;
    for (const std::vector<float> *t : tracks)
        if (t)
            all.insert(all.end(), t->begin(), t->end());
    return gated(all);
}

double loudnessGainDb(const LoudnessMeasurement &m, double targetLufs, double ceilingDbtp)
{
    if (!std::isfinite(m.integratedLufs) || !std::isfinite(targetLufs))
        return 0;
    double gain = targetLufs - m.integratedLufs;
    if (std::isfinite(m.truePeakDbtp))
        gain = std::min(gain, ceilingDbtp - m.truePeakDbtp);
    return gain;
}

namespace {
// The loudness (LUFS) of the measured sound at gainDb once a limiter has held its peaks at
// ceilingDbtp, foreseen segment by segment: each segment's largest sample asks for a gain
// that the limiter holds and then releases, as TruePeakLimiter does. A segment's true peak
// is taken as its largest sample times the whole sound's true peak over its largest sample,
// to the power 0.7: with 1 the limited sound came out up to 0.6 LU louder than foreseen on
// bursts of noise, with 0.5 up to 0.4 LU quieter; with 0.7 within 0.16 LU on those, drums
// and a drum with a tone.
double limitedLoudness(const LoudnessProfile &p, double gainDb, double ceilingDbtp)
{
    const double threshold = std::pow(10.0, (ceilingDbtp - gainDb) / 20) / std::pow(p.overshoot, 0.7);
    const double segment = double(p.step) / kSegments / p.rate;
    const double release = 1 - std::exp(-segment / kReleaseSeconds);
    std::vector<float> gain2(p.energy.size());
    double g = 1;
    for (size_t i = 0; i < p.energy.size(); ++i) {
        const double need = p.peak[i] > threshold ? threshold / p.peak[i] : 1;
        g = need < g ? need : g + (need - g) * release;
        gain2[i] = float(g * g);
    }
    return gatedLoudness(p.energy, p.step, &gain2) + gainDb;
}
} // namespace

LoudnessPlan planLoudness(const LoudnessMeasurement &m, double targetLufs, double ceilingDbtp, bool limit)
{
    LoudnessPlan plan;
    plan.gainDb = loudnessGainDb(m, targetLufs, ceilingDbtp);
    plan.lufs = m.integratedLufs + plan.gainDb;
    const double wanted = targetLufs - m.integratedLufs;
    if (!limit || !std::isfinite(m.integratedLufs) || !std::isfinite(targetLufs) || plan.gainDb >= wanted
        || !m.profile)
        return plan;
    // The limiter takes the peaks; the gain rises until the limited sound reaches the target,
    // and no further than kMaxLimitDb over what the ceiling alone allows.
    constexpr double kMaxLimitDb = 30;
    const double most = plan.gainDb + kMaxLimitDb;
    double gain = wanted, lufs = 0;
    for (int i = 0; i < 30; ++i) {
        lufs = limitedLoudness(*m.profile, gain, ceilingDbtp);
        if (!std::isfinite(lufs) || std::abs(lufs - targetLufs) < 0.01)
            break;
        gain = std::min(most, gain + targetLufs - lufs);
    }
    plan.gainDb = gain;
    plan.limitDbtp = ceilingDbtp;
    plan.lufs = lufs;
    return plan;
}

struct TruePeakReader::Private
{
    explicit Private(int channels) : peak(channels) {}
    TruePeak peak;
};

TruePeakReader::TruePeakReader(int channels, int /*rate*/) : d(std::make_unique<Private>(channels)) {}

TruePeakReader::~TruePeakReader() = default;

void TruePeakReader::add(const float *samples, size_t frames)
{
    d->peak.add(samples, frames);
}

double TruePeakReader::truePeakDbtp() const
{
    const double peak = d->peak.peak();
    return peak > 0 ? 20 * std::log10(peak) : -std::numeric_limits<double>::infinity();
}

// The limiter works frame by frame on every channel at once: the gain each point between two
// samples asks for (ceiling over its 8x peak, 1 where it is under) is held over the window of
// samples that make the point and over the look-ahead, released smoothly, and averaged over
// the look-ahead, so that the gain glides down before a peak and never exceeds what any
// point in reach asks for. The sound leaves latency() frames after it came in.
struct TruePeakLimiter::Private
{
    using Oversampler = LimiterOversampler;
    static constexpr int kTaps = Oversampler::kTaps, kHalf = Oversampler::kHalf;
    int channels = 0;
    float gain = 1;
    double threshold = 1; // the ceiling before the gain
    int lookAhead = 1;
    double release = 0;
    int64_t received = 0, sent = 0, end = -1; // frames; end: the sound's length once finished
    int64_t next = 0;                         // the next frame whose gain is worked out
    std::vector<std::vector<float>> history; // each channel's last kTaps samples, then the block
    std::vector<float> pending;             // frames sent .. received, interleaved
    std::vector<float> needs;               // the gain each new point asks for
    std::deque<std::pair<int64_t, float>> lowest; // rising gains asked for in reach, oldest first
    double held = 1;                        // the released gain
    std::vector<float> box;                 // the last lookAhead released gains
    size_t boxAt = 0;
    double boxSum = 0;
    int boxBelowOne = 0;

    int latency() const { return lookAhead + 2 * kHalf - 1; }

    // The gain asked for by the points whose windows end in the block just added (history).
    void ask(size_t frames)
    {
        needs.assign(frames, 1.f);
        for (int c = 0; c < channels; ++c) {
            const std::vector<float> &buf = history[size_t(c)];
            for (size_t j = 0; j < frames; ++j) {
                const float *w = buf.data() + j + 1; // the window ending at kTaps + j
                if (!Oversampler::mayReach(w, float(threshold)))
                    continue;
                const float peak = Oversampler::pointsPeak(w);
                if (peak > threshold)
                    needs[j] = std::min(needs[j], float(threshold / peak));
            }
        }
    }

    void process(const float *in, size_t frames, std::vector<float> &out)
    {
        for (int c = 0; c < channels; ++c) {
            std::vector<float> &buf = history[size_t(c)];
            buf.resize(kTaps + frames);
            for (size_t i = 0; i < frames; ++i)
                buf[kTaps + i] = in[i * size_t(channels) + size_t(c)];
        }
        ask(frames);
        pending.insert(pending.end(), in, in + frames * size_t(channels));
        // The point after sample i has its window end at frame i + kHalf: the block's points
        // are first .. first + frames.
        const int64_t first = received - kHalf;
        received += int64_t(frames);
        const bool quiet = std::all_of(needs.begin(), needs.end(), [](float v) { return v == 1.f; });
        const int64_t from = std::max<int64_t>(sent, 0);
        int64_t upto = first + int64_t(frames) - lookAhead - kHalf + 1; // frames that can go out
        if (end >= 0)
            upto = std::min(upto, end);
        if (quiet && lowest.empty() && held == 1 && boxBelowOne == 0) {
            // Nothing near the ceiling: the block goes out at the gain.
            emit(from, upto, out, nullptr);
            next = std::max(next, upto);
        } else {
            std::vector<float> gains;
            for (size_t j = 0; j < frames; ++j) {
                const int64_t i = first + int64_t(j);
                if (needs[j] < 1) {
                    while (!lowest.empty() && lowest.back().second >= needs[j])
                        lowest.pop_back();
                    lowest.emplace_back(i, needs[j]);
                }
                const int64_t k = i - lookAhead - kHalf + 1; // the frame whose gain is now known
                if (k < next || k >= upto)
                    continue;
                next = k + 1;
                while (!lowest.empty() && lowest.front().first < k - kHalf)
                    lowest.pop_front();
                const double m = lowest.empty() ? 1.0 : lowest.front().second;
                held = m < held ? m : held + (m - held) * release;
                if (held > 1 - 1e-6)
                    held = 1;
                const float old = box[boxAt];
                box[boxAt] = float(held);
                boxAt = (boxAt + 1) % box.size();
                boxSum += held - old;
                boxBelowOne += (held < 1) - (old < 1);
                if (boxBelowOne == 0)
                    boxSum = double(box.size());
                if (k >= from) // the gain already glides over the look-ahead before the start
                    gains.push_back(float(boxSum / double(box.size())));
            }
            emit(from, upto, out, &gains);
        }
        for (int c = 0; c < channels; ++c) {
            std::vector<float> &buf = history[size_t(c)];
            std::copy(buf.end() - kTaps, buf.end(), buf.begin());
            buf.resize(kTaps);
        }
    }

    // Sends frames from .. upto out, each at the gain and its limiter gain, when given.
    void emit(int64_t from, int64_t upto, std::vector<float> &out, const std::vector<float> *gains)
    {
        if (upto <= from)
            return;
        const size_t n = size_t(upto - from) * size_t(channels);
        const size_t at = out.size();
        out.resize(at + n);
        for (size_t i = 0; i < n; ++i) {
            const float g = gains ? gain * (*gains)[i / size_t(channels)] : gain;
            out[at + i] = pending[i] * g;
        }
        pending.erase(pending.begin(), pending.begin() + ptrdiff_t(n));
        sent = upto;
    }
};

TruePeakLimiter::TruePeakLimiter(int channels, int rate, double gainDb, double ceilingDbtp)
    : d(std::make_unique<Private>())
{
    LimiterOversampler::prepare();
    d->channels = std::max(1, channels);
    d->gain = float(std::pow(10.0, gainDb / 20));
    d->threshold = std::pow(10.0, (ceilingDbtp - gainDb) / 20);
    d->lookAhead = std::max(1, int(std::lround(kLookAheadSeconds * rate)));
    d->next = -d->lookAhead;
    d->release = 1 - std::exp(-1.0 / (kReleaseSeconds * std::max(1, rate)));
    d->history.assign(size_t(d->channels), std::vector<float>(Private::kTaps, 0.f));
    d->box.assign(size_t(d->lookAhead), 1.f);
    d->boxSum = d->lookAhead;
}

TruePeakLimiter::~TruePeakLimiter() = default;

void TruePeakLimiter::process(const float *in, size_t frames, std::vector<float> &out)
{
    if (frames > 0)
        d->process(in, frames, out);
}

void TruePeakLimiter::finish(std::vector<float> &out)
{
    if (d->end >= 0)
        return;
    d->end = d->received;
    const std::vector<float> silence(size_t(d->latency() + 1) * size_t(d->channels), 0.f);
    d->process(silence.data(), size_t(d->latency() + 1), out);
}
