// SPDX-License-Identifier: GPL-3.0-or-later
// PCM WAV output (libsndfile) behind the AudioWriter interface: takes full-scale 32-bit
// samples already at the file's rate, channels and word length.
#include "formats/wav/wavformat.h"

#include <QCoreApplication>

#include "media/outputfile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <QFile>
#include <sndfile.h>
#include <vector>

namespace {
class WavWriter final : public AudioWriter
{
public:
    explicit WavWriter(const WavSettings &s) : m_s(s) {}
    ~WavWriter() override
    {
        if (m_file)
            sf_close(m_file);
    }

    bool open(const QString &path) override
    {
        m_path = path;
        SF_INFO info{};
        info.samplerate = m_s.rate;
        info.channels = m_s.channels;
        // RF64, which becomes a plain RIFF WAV when closed with less than 4 GiB of sound: a RIFF
        // header cannot count more, and its sizes would wrap.
        info.format = SF_FORMAT_RF64
            | (m_s.bits == 8 ? SF_FORMAT_PCM_U8 : m_s.bits == 24 ? SF_FORMAT_PCM_24 : SF_FORMAT_PCM_16);
        m_file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
        if (!m_file)
            return fail(errno);
        sf_command(m_file, SFC_RF64_AUTO_DOWNGRADE, nullptr, SF_TRUE);
        return true;
    }
    bool setInput(int rate, int channels) override
    {
        if (rate == m_s.rate && channels == m_s.channels)
            return true;
        error = QCoreApplication::translate("Media", "Cannot take input of %1 Hz, %2 channels").arg(rate).arg(channels);
        return false;
    }
    bool write(const int16_t *, int) override { return false; }
    bool wide() const override { return true; }
    bool light() const override { return true; }
    bool write32(const int32_t *samples, int frames) override
    {
        m_started = true;
        errno = 0;
        return written(samples, frames) == frames || fail(errno);
    }
    bool write32At(int64_t at, const int32_t *samples, int frames) override
    {
        // libsndfile's RF64 refuses a first write anywhere but at the start: a frame of
        // silence goes there first, and the sound meant for it over it later.
        if (!m_started && at != 0) {
            const std::vector<int32_t> silence(size_t(m_s.channels), 0);
            if (!write32(silence.data(), 1))
                return false;
        }
        errno = 0;
        return sf_seek(m_file, at, SEEK_SET) == at ? write32(samples, frames) : fail(errno);
    }
    bool finish() override
    {
        // The header's sizes, written now: libsndfile's close tells no failure to write them,
        // its error state does.
        errno = 0;
        sf_command(m_file, SFC_UPDATE_HEADER_NOW, nullptr, 0);
        const int e = errno;
        const bool ok = sf_error(m_file) == SF_ERR_NO_ERROR || fail(e);
        errno = 0;
        const int r = sf_close(m_file);
        m_file = nullptr;
        return (r == 0 || fail(errno)) && ok;
    }

private:
    // The system's reason when there is one, else libsndfile's.
    bool fail(int systemError)
    {
        if (error.isEmpty())
            error = cannotWrite(m_path, systemError ? QString::fromLocal8Bit(std::strerror(systemError))
                                                    : QString::fromLocal8Bit(sf_strerror(m_file)));
        return false;
    }
    // 16-bit output takes its top halves as they are: libsndfile then writes them without a
    // conversion of its own.
    sf_count_t written(const int32_t *samples, int frames)
    {
        if (m_s.bits != 16)
            return sf_writef_int(m_file, samples, frames);
        m_shorts.resize(size_t(frames) * size_t(m_s.channels));
        for (size_t i = 0; i < m_shorts.size(); ++i)
            m_shorts[i] = int16_t(samples[i] >> 16);
        return sf_writef_short(m_file, m_shorts.data(), frames);
    }

    WavSettings m_s;
    std::vector<int16_t> m_shorts;
    QString m_path;
    SNDFILE *m_file = nullptr;
    bool m_started = false; // a frame was written
};
} // namespace

namespace {
const FormatSettingKey kKeys[] = {
    {"wav", "frequency", &OutputSettings::WavFrequency, 44100, INT_MIN, INT_MAX, kWavFrequencies},
    {"wav", "channels", &OutputSettings::WavChannels, 2, 1, 2},
    {"wav", "bps", &OutputSettings::WavBps, 16, INT_MIN, INT_MAX, kWavBits},
};

WriterPlan plan(const OutputSettings &s, const SourceSound &source)
{
    WriterPlan p;
    // A rate of 0 is the source's own (within what a WAV file is made at).
    const int rate = s.WavFrequency == 0 ? std::clamp(source.rate, 8000, 384000) : s.WavFrequency;
    if (!(s.WavChannels >= 1 && s.WavChannels <= 8 && rate >= 1000 && rate <= 768000
          && (s.WavBps == 2 || s.WavBps == 8 || s.WavBps == 16 || s.WavBps == 24))) {
        p.reason = QCoreApplication::translate("RunEngine", "WAV takes 8, 16 or 24 bits, not %1 Hz, %2 channels, %3 bits")
                       .arg(s.WavFrequency).arg(s.WavChannels).arg(s.WavBps);
        return p;
    }
    const int bits = s.WavBps == 2 ? 16 : s.WavBps;
    p.writer = makeWavWriter({rate, s.WavChannels, bits});
    p.rate = rate;
    p.channels = s.WavChannels;
    p.bits = bits;
    return p;
}
} // namespace

// WAV takes no tags.
const OutputFormatModule wavFormat = {
    .name = "WAV",
    .extension = "wav",
    .tags = false,
    .pictures = false,
    .keys = kKeys,
    .plan = plan,
    .ceilingDb = -1.3,
    .limitCeilingDb = -1.3,
    .limitLiftLu = 0,
    .lossy = false,
    .tagWriter = nullptr,
};

std::unique_ptr<AudioWriter> makeWavWriter(const WavSettings &s) { return std::make_unique<WavWriter>(s); }
