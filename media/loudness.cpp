#include "media/loudness.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <ebur128.h>
#include <sndfile.h>
#include <vector>

struct LoudnessMeter::Private
{
    ebur128_state *state = nullptr;
    int channels = 0;
};

LoudnessMeter::LoudnessMeter(int channels, int rate) : d(std::make_unique<Private>())
{
    d->channels = channels;
    if (channels > 0 && rate > 0)
        d->state = ebur128_init(unsigned(channels), static_cast<unsigned long>(rate), EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK);
}

LoudnessMeter::~LoudnessMeter()
{
    if (d->state)
        ebur128_destroy(&d->state);
}

void LoudnessMeter::add(const int16_t *samples, size_t frames)
{
    if (d->state && frames > 0)
        ebur128_add_frames_short(d->state, samples, frames);
}

void LoudnessMeter::add(const int32_t *samples, size_t frames)
{
    if (d->state && frames > 0)
        ebur128_add_frames_int(d->state, samples, frames);
}

LoudnessMeasurement LoudnessMeter::result() const
{
    LoudnessMeasurement m;
    if (!d->state)
        return m;
    double lufs = 0;
    if (ebur128_loudness_global(d->state, &lufs) == EBUR128_SUCCESS && std::isfinite(lufs))
        m.integratedLufs = lufs;
    double peak = 0;
    for (int c = 0; c < d->channels; ++c) {
        double p = 0;
        if (ebur128_true_peak(d->state, unsigned(c), &p) == EBUR128_SUCCESS)
            peak = std::max(peak, p);
    }
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
