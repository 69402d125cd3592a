// PCM WAV output (libsndfile) behind the AudioWriter interface: takes full-scale 32-bit
// samples already at the file's rate, channels and word length.
#include "media/audiowriters.h"
#include <QCoreApplication>

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
        info.format = SF_FORMAT_WAV
            | (m_s.bits == 8 ? SF_FORMAT_PCM_U8 : m_s.bits == 24 ? SF_FORMAT_PCM_24 : SF_FORMAT_PCM_16);
        m_file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
        if (!m_file)
            error = QCoreApplication::translate("Media", "Cannot write the output file %1 (%2)")
                        .arg(path, QString::fromLocal8Bit(sf_strerror(nullptr)));
        return m_file != nullptr;
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
        if (written(samples, frames) == frames)
            return true;
        error = QCoreApplication::translate("Media", "Cannot write the output file %1 (%2)")
                    .arg(m_path, QString::fromLocal8Bit(sf_strerror(m_file)));
        return false;
    }
    bool write32At(int64_t at, const int32_t *samples, int frames) override
    {
        if (sf_seek(m_file, at, SEEK_SET) == at)
            return write32(samples, frames);
        error = QCoreApplication::translate("Media", "Cannot write the output file %1 (%2)")
                    .arg(m_path, QString::fromLocal8Bit(sf_strerror(m_file)));
        return false;
    }
    bool finish() override
    {
        const int r = sf_close(m_file);
        m_file = nullptr;
        if (r != 0)
            error = QCoreApplication::translate("Media", "Cannot write the output file %1").arg(m_path);
        return r == 0;
    }

private:
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
};
} // namespace

std::unique_ptr<AudioWriter> makeWavWriter(const WavSettings &s) { return std::make_unique<WavWriter>(s); }
