#include "media/loudness.h"

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <ebur128.h>
#include <mutex>
#include <thread>
#include <type_traits>
#include <vector>

namespace {
// True peak (4x oversampling, 12-tap windowed-sinc phases), computed only where it can raise
// the peak found so far: an interpolated value is at most kGain times the largest sample of
// its window, so windows without a sample above peak / kGain are skipped. On most sound
// this spares nearly all of the work that a full oversampler does.
class TruePeak
{
public:
    explicit TruePeak(int channels) : m_channels(channels), m_tail(size_t(channels), std::vector<float>(kTaps, 0.f))
    {
        static const bool ready = (setup(), true); // once, even with meters made on several threads
        (void)ready;
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
    static constexpr int kTaps = 12, kPhases = 4, kHalf = kTaps / 2, kChunk = 64;
    // Tap-major, so that the phases of one point are computed side by side (phase 0, the
    // sample itself, has zero taps).
    using Phases = float __attribute__((vector_size(kPhases * sizeof(float))));
    static inline Phases s_coef[kTaps];
    static inline double s_gain = 0;

    static void setup()
    {
        double gain = 1;
        for (int p = 1; p < kPhases; ++p) {
            double sum = 0, abs = 0;
            for (int j = 0; j < kTaps; ++j) {
                const double t = (j - kHalf + 1) - double(p) / kPhases; // tap position from the point
                const double sinc = std::sin(M_PI * t) / (M_PI * t);
                const double window = 0.5 * (1 + std::cos(M_PI * t / (kHalf + 0.5)));
                s_coef[j][p] = float(sinc * window);
                sum += sinc * window;
            }
            for (int j = 0; j < kTaps; ++j) {
                s_coef[j][p] = float(s_coef[j][p] / sum); // unity gain at DC
                abs += std::abs(s_coef[j][p]);
            }
            gain = std::max(gain, abs);
        }
        s_gain = gain;
    }

    // Samples i - kHalf + 1 .. i + kHalf form the window of the points between i and i + 1.
    void scan(const std::vector<float> &buf)
    {
        const int n = int(buf.size());
        int hot = -kTaps; // last sample that could lift the peak
        for (int start = 0; start < n; start += kChunk) {
            const int end = std::min(n, start + kChunk);
            // A chunk with no sample that could lift the peak, after kTaps such samples,
            // computes nothing: skip it on its largest magnitude (compared as bit patterns,
            // which order non-negative floats as their values).
            if (start - hot >= kTaps) {
                int32_t top = 0;
                for (int i = start; i < end; ++i) {
                    int32_t bits;
                    std::memcpy(&bits, &buf[size_t(i)], sizeof bits);
                    top = std::max(top, bits & 0x7fffffff);
                }
                float largest;
                std::memcpy(&largest, &top, sizeof largest);
                if (!(largest * s_gain > m_peak))
                    continue;
            }
            for (int i = start; i < end; ++i) {
                const float a = std::abs(buf[size_t(i)]);
                if (a > m_peak)
                    m_peak = a;
                if (a * s_gain > m_peak)
                    hot = i;
                // The points after sample k = i - kHalf: their window ends at i.
                const int k = i - kHalf;
                if (k < kHalf - 1 || i - hot >= kTaps)
                    continue;
                const float *w = buf.data() + (k - kHalf + 1);
                Phases y = {};
                for (int j = 0; j < kTaps; ++j)
                    y += s_coef[j] * w[j];
                for (int p = 1; p < kPhases; ++p)
                    m_peak = std::max(m_peak, double(std::abs(y[p])));
            }
        }
    }

    int m_channels;
    std::vector<std::vector<float>> m_tail;
    std::vector<float> m_buf;
    double m_peak = 0;
};
} // namespace

// The measuring runs on a thread of its own, fed through a short queue of blocks, so that it
// overlaps the decoding that produces the sound.
struct LoudnessMeter::Private
{
    ebur128_state *state = nullptr;
    int channels = 0;
    std::unique_ptr<TruePeak> peak;
    std::vector<float> scaled;
    bool ownThread = true;

    struct Block
    {
        std::vector<uint8_t> bytes;
        int width = 2; // bytes per sample: 2 for 16-bit, 4 for 32-bit or (floating) float samples
        bool floating = false;
        size_t frames = 0;
    };
    static constexpr size_t kMaxQueued = 8;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<Block> queue;
    std::vector<std::vector<uint8_t>> spare; // buffers of measured blocks, for reuse
    size_t pending = 0;                     // blocks queued or being measured
    bool quit = false;
    std::thread worker;

    template <typename T>
    void enqueue(const T *samples, size_t frames)
    {
        if (!state || frames == 0)
            return;
        if (!ownThread) {
            if constexpr (std::is_floating_point_v<T>)
                measure(samples, frames, 1.f);
            else
                measure(samples, frames, sizeof(T) == 4 ? 1.f / 2147483648.f : 1.f / 32768);
            return;
        }
        std::unique_lock lock(mutex);
        if (!worker.joinable())
            worker = std::thread([this] { run(); });
        changed.wait(lock, [&] { return pending < kMaxQueued; });
        Block b;
        if (!spare.empty()) {
            b.bytes = std::move(spare.back());
            spare.pop_back();
        }
        lock.unlock();
        const auto *bytes = reinterpret_cast<const uint8_t *>(samples);
        b.bytes.assign(bytes, bytes + frames * size_t(channels) * sizeof(T));
        b.width = int(sizeof(T));
        b.floating = std::is_floating_point_v<T>;
        b.frames = frames;
        lock.lock();
        queue.push_back(std::move(b));
        ++pending;
        changed.notify_all();
    }
    void run()
    {
        std::unique_lock lock(mutex);
        for (;;) {
            changed.wait(lock, [&] { return quit || !queue.empty(); });
            if (quit)
                return;
            Block b = std::move(queue.front());
            queue.pop_front();
            lock.unlock();
            if (b.floating)
                measure(reinterpret_cast<const float *>(b.bytes.data()), b.frames, 1.f);
            else if (b.width == 4)
                measure(reinterpret_cast<const int32_t *>(b.bytes.data()), b.frames, 1.f / 2147483648.f);
            else
                measure(reinterpret_cast<const int16_t *>(b.bytes.data()), b.frames, 1.f / 32768);
            lock.lock();
            spare.push_back(std::move(b.bytes));
            --pending;
            changed.notify_all();
        }
    }
    // Waits until every block given so far is measured.
    void drain()
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return pending == 0; });
    }
    void measure(const float *samples, size_t frames, float scale)
    {
        if (scale != 1.f)
            return measure<float>(samples, frames, scale);
        ebur128_add_frames_float(state, samples, frames);
        peak->add(samples, frames);
    }
    template <typename T>
    void measure(const T *samples, size_t frames, float scale)
    {
        scaled.resize(frames * size_t(channels));
        for (size_t i = 0; i < scaled.size(); ++i)
            scaled[i] = float(samples[i]) * scale;
        ebur128_add_frames_float(state, scaled.data(), frames);
        peak->add(scaled.data(), frames);
    }
};

LoudnessMeter::LoudnessMeter(int channels, int rate, bool ownThread) : d(std::make_unique<Private>())
{
    d->channels = channels;
    d->ownThread = ownThread;
    if (channels > 0 && rate > 0) {
        d->state = ebur128_init(unsigned(channels), static_cast<unsigned long>(rate), EBUR128_MODE_I);
        d->peak = std::make_unique<TruePeak>(channels);
    }
}

LoudnessMeter::~LoudnessMeter()
{
    {
        std::lock_guard lock(d->mutex);
        d->quit = true;
        d->changed.notify_all();
    }
    if (d->worker.joinable())
        d->worker.join();
    if (d->state)
        ebur128_destroy(&d->state);
}

void LoudnessMeter::add(const int16_t *samples, size_t frames)
{
    d->enqueue(samples, frames);
}

void LoudnessMeter::add(const int32_t *samples, size_t frames)
{
    d->enqueue(samples, frames);
}

void LoudnessMeter::add(const float *samples, size_t frames)
{
    d->enqueue(samples, frames);
}

LoudnessMeasurement LoudnessMeter::result() const
{
    const LoudnessMeter *self = this;
    return combined(&self, 1);
}

LoudnessMeasurement LoudnessMeter::combined(const LoudnessMeter *const *meters, size_t count)
{
    LoudnessMeasurement m;
    std::vector<ebur128_state *> states;
    double peak = 0;
    for (size_t i = 0; i < count; ++i) {
        if (!meters[i]->d->state)
            return m;
        meters[i]->d->drain();
        states.push_back(meters[i]->d->state);
        peak = std::max(peak, meters[i]->d->peak->peak());
    }
    double lufs = 0;
    if (!states.empty() && ebur128_loudness_global_multiple(states.data(), states.size(), &lufs) == EBUR128_SUCCESS
        && std::isfinite(lufs))
        m.integratedLufs = lufs;
    if (peak > 0)
        m.truePeakDbtp = 20 * std::log10(peak);
    return m;
}

double LoudnessGainDb(const LoudnessMeasurement &m, double targetLufs, double ceilingDbtp)
{
    if (!std::isfinite(m.integratedLufs) || !std::isfinite(targetLufs))
        return 0;
    double gain = targetLufs - m.integratedLufs;
    if (std::isfinite(m.truePeakDbtp))
        gain = std::min(gain, ceilingDbtp - m.truePeakDbtp);
    return gain;
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
