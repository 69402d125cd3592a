#include "media/loudness.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <ebur128.h>
#include <sndfile.h>
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
        if (s_gain == 0)
            setup();
    }
    double peak() const { return m_peak; }

    // Interleaved samples scaled to +-1.
    void add(const float *x, size_t frames)
    {
        std::vector<float> &buf = m_buf;
        for (int c = 0; c < m_channels; ++c) {
            // The channel's last kTaps samples, then the new ones.
            buf.assign(m_tail[size_t(c)].begin(), m_tail[size_t(c)].end());
            for (size_t i = 0; i < frames; ++i)
                buf.push_back(x[i * size_t(m_channels) + size_t(c)]);
            scan(buf);
            std::copy(buf.end() - kTaps, buf.end(), m_tail[size_t(c)].begin());
        }
    }

private:
    static constexpr int kTaps = 12, kPhases = 4, kHalf = kTaps / 2;
    static inline float s_coef[kPhases][kTaps];
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
                s_coef[p][j] = float(sinc * window);
                sum += sinc * window;
            }
            for (int j = 0; j < kTaps; ++j) {
                s_coef[p][j] = float(s_coef[p][j] / sum); // unity gain at DC
                abs += std::abs(s_coef[p][j]);
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
        for (int i = 0; i < n; ++i) {
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
            for (int p = 1; p < kPhases; ++p) {
                float y = 0;
                for (int j = 0; j < kTaps; ++j)
                    y += s_coef[p][j] * w[j];
                m_peak = std::max(m_peak, double(std::abs(y)));
            }
        }
    }

    int m_channels;
    std::vector<std::vector<float>> m_tail;
    std::vector<float> m_buf;
    double m_peak = 0;
};
} // namespace

struct LoudnessMeter::Private
{
    ebur128_state *state = nullptr;
    int channels = 0;
    std::unique_ptr<TruePeak> peak;
    std::vector<float> scaled;

    template <typename T>
    void add(const T *samples, size_t frames, float scale)
    {
        if (!state || frames == 0)
            return;
        scaled.resize(frames * size_t(channels));
        for (size_t i = 0; i < scaled.size(); ++i)
            scaled[i] = float(samples[i]) * scale;
        ebur128_add_frames_float(state, scaled.data(), frames);
        peak->add(scaled.data(), frames);
    }
};

LoudnessMeter::LoudnessMeter(int channels, int rate) : d(std::make_unique<Private>())
{
    d->channels = channels;
    if (channels > 0 && rate > 0) {
        d->state = ebur128_init(unsigned(channels), static_cast<unsigned long>(rate), EBUR128_MODE_I);
        d->peak = std::make_unique<TruePeak>(channels);
    }
}

LoudnessMeter::~LoudnessMeter()
{
    if (d->state)
        ebur128_destroy(&d->state);
}

void LoudnessMeter::add(const int16_t *samples, size_t frames)
{
    d->add(samples, frames, 1.f / 32768);
}

void LoudnessMeter::add(const int32_t *samples, size_t frames)
{
    d->add(samples, frames, 1.f / 2147483648.f);
}

LoudnessMeasurement LoudnessMeter::result() const
{
    LoudnessMeasurement m;
    if (!d->state)
        return m;
    double lufs = 0;
    if (ebur128_loudness_global(d->state, &lufs) == EBUR128_SUCCESS && std::isfinite(lufs))
        m.integratedLufs = lufs;
    const double peak = d->peak->peak();
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

bool ApplyWavGain(const QString &path, double gainDb, QString *error)
{
    if (gainDb == 0 || !std::isfinite(gainDb))
        return true;
    const auto cannot = [&](const QString &why) {
        *error = QStringLiteral("Cannot even the loudness of %1 (%2)").arg(path, why);
        return false;
    };
    SF_INFO info{};
    SNDFILE *in = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!in)
        return cannot(QString::fromLocal8Bit(sf_strerror(nullptr)));
    int bits = 32;
    switch (info.format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_U8: case SF_FORMAT_PCM_S8: bits = 8; break;
    case SF_FORMAT_PCM_16: bits = 16; break;
    case SF_FORMAT_PCM_24: bits = 24; break;
    default: break;
    }
    QSaveFile file(path);
    SNDFILE *out = nullptr;
    if (file.open(QIODevice::WriteOnly))
        out = sf_open_fd(file.handle(), SFM_WRITE, &info, 0);
    if (!out) {
        sf_close(in);
        return cannot(file.isOpen() ? QString::fromLocal8Bit(sf_strerror(nullptr)) : file.errorString());
    }
    // Rounded to the file's own sample size, so that libsndfile's truncation keeps the value.
    const double factor = std::pow(10.0, gainDb / 20.0);
    const int64_t quantum = int64_t(1) << (32 - bits);
    std::vector<int> buffer(size_t(info.samplerate) * size_t(info.channels));
    bool ok = true;
    for (;;) {
        const sf_count_t got = sf_readf_int(in, buffer.data(), info.samplerate);
        if (got <= 0)
            break;
        for (size_t i = 0; i < size_t(got) * size_t(info.channels); ++i) {
            const int64_t v = std::llround(buffer[i] * factor / double(quantum)) * quantum;
            buffer[i] = int(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX - quantum + 1));
        }
        if (sf_writef_int(out, buffer.data(), got) != got) {
            ok = false;
            break;
        }
    }
    ok = sf_error(in) == SF_ERR_NO_ERROR && ok;
    sf_close(in);
    ok = sf_close(out) == 0 && ok;
    if (!ok) {
        file.cancelWriting();
        return cannot(QStringLiteral("write failed"));
    }
    return file.commit() || cannot(file.errorString());
}
