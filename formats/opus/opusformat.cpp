// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/opus/opusformat.h"

#include "media/outputfile.h"
#include "media/tagwriting.h"

#include <algorithm>
#include <opus/opusenc.h>
#include <QCoreApplication>
#include <QRandomGenerator>
#include <taglib/opusfile.h>
#include <vector>

namespace {

// libopusenc writes the Ogg pages (header, pre-skip, end trimming) through these callbacks.
class OpusWriter final : public WideWriter
{
public:
    explicit OpusWriter(const OpusSettings &s) : m_s(s) {}
    ~OpusWriter() override
    {
        if (m_enc)
            ope_encoder_destroy(m_enc);
        if (m_comments)
            ope_comments_destroy(m_comments);
    }

    bool open(const QString &path) override
    {
        m_path = path;
        if (const QString why = checkOpusSettings(m_s); !why.isEmpty())
            return fail(why);
        if (!setInput(m_inRate, m_inChannels))
            return false;
        if (!m_file.open(path, "wb"))
            return fail(cannotCreate(path));
        // libopusenc may call close more than once (again when the encoder is destroyed after
        // a failed write): a closed file only repeats its verdict.
        static const OpusEncCallbacks callbacks{
            [](void *self, const unsigned char *data, opus_int32 size) {
                auto *w = static_cast<OpusWriter *>(self);
                if (!w->m_file.write(data, size_t(size)))
                    return 1;
                if (w->tap)
                    w->tap(data, size_t(size));
                return 0;
            },
            [](void *self) { return static_cast<OpusWriter *>(self)->m_file.close() ? 0 : 1; }};
        m_comments = ope_comments_create();
        int r = 0;
        m_enc = ope_encoder_create_callbacks(&callbacks, this, m_comments, m_s.inputRate, m_s.channels, 0, &r);
        if (!m_enc)
            return fail(QCoreApplication::translate("Media", "The Opus encoder failed (%1)").arg(QString::fromUtf8(ope_strerror(r))));
        // A random stream serial: libopusenc's own comes from rand(), the same on every run,
        // and chained files (joined with cat) need each stream's serial to differ.
        if (ope_encoder_ctl(m_enc, OPE_SET_SERIALNO(opus_int32(QRandomGenerator::system()->generate()))) != OPE_OK)
            return fail(QCoreApplication::translate("Media", "The Opus encoder failed"));
        // Variable bit rate as the opusenc tool does it: unconstrained, the rate an average.
        // 60 ms packets (three 20 ms frames each): libopusenc and libopus spend a fixed cost
        // per packet (encoder size look-ups that probe the CPU each time, slow in a VM), so
        // fewer packets cost less, while the sound is coded in the same 20 ms frames.
        if (ope_encoder_ctl(m_enc, OPUS_SET_EXPERT_FRAME_DURATION(OPUS_FRAMESIZE_60_MS)) != OPE_OK
            || ope_encoder_ctl(m_enc, OPUS_SET_BITRATE(m_s.kbps * 1000)) != OPE_OK
            || ope_encoder_ctl(m_enc, OPUS_SET_VBR(m_s.vbr ? 1 : 0)) != OPE_OK
            || (m_s.vbr && ope_encoder_ctl(m_enc, OPUS_SET_VBR_CONSTRAINT(0)) != OPE_OK))
            return fail(QCoreApplication::translate("Media", "The Opus encoder refuses %1 kbps").arg(m_s.kbps));
        return true;
    }
    bool setInput(int rate, int channels) override
    {
        return takeInput(rate, channels, m_s.inputRate, m_s.channels, AV_SAMPLE_FMT_FLT);
    }
    bool writeFloat(const float *samples, int frames) override
    {
        m_started = true;
        return encoded(frames <= 0 || ope_encoder_write_float(m_enc, samples, frames) == OPE_OK);
    }
    bool write32(const int32_t *samples, int frames) override
    {
        m_started = true;
        const int got = convert(samples, frames, m_s.channels, m_converted);
        return encoded(got >= 0 && (got == 0 || ope_encoder_write_float(m_enc, m_converted.data(), got) == OPE_OK));
    }
    bool finish() override
    {
        bool ok = write32(nullptr, 0); // the resampler's tail
        ok = encoded(ope_encoder_drain(m_enc) == OPE_OK) && ok;
        ope_encoder_destroy(m_enc); // closes the file, if the drain has not
        m_enc = nullptr;
        return encoded(m_file.close()) && ok;
    }
    const char *streamFormat() const override { return "ogg"; }

private:
    // A failed write is named by the file's reason, anything else is the encoder's.
    bool encoded(bool ok)
    {
        if (m_file.failed())
            return error.isEmpty() ? fail(cannotWrite(m_path, m_file.reason())) : false;
        return ok || fail(QCoreApplication::translate("Media", "The Opus encoder failed"));
    }

    OpusSettings m_s;
    QString m_path;
    OutputFile m_file;
    OggOpusComments *m_comments = nullptr;
    OggOpusEnc *m_enc = nullptr;
    std::vector<float> m_converted;
};


const FormatSettingKey kKeys[] = {
    {"opus", "bitrate", &OutputSettings::OpusBitrate, 128, 32, 256},
    {"opus", "vbr", &OutputSettings::OpusVbr, 1, 0, 1},
    {"opus", "channels", &OutputSettings::OpusChannels, 2, 1, 2},
};

// The tags as a Xiph comment.
bool writeTags(TagLib::IOStream *stream, const OutputTags &info, bool all)
{
    TagLib::Ogg::Opus::File f(stream, false);
    if (!f.isValid())
        return false;
    setXiphGain(f.tag(), info.infoReplayGain, true);
    if (all)
        setXiph(f.tag(), info);
    return f.save();
}

WriterPlan plan(const OutputSettings &o, const SourceSound &source)
{
    // libopusenc takes the source's rate, so its header names it.
    const OpusSettings s{o.OpusBitrate, o.OpusVbr, o.OpusChannels, source.rate};
    WriterPlan p;
    p.reason = checkOpusSettings(s);
    if (!p.reason.isEmpty())
        return p;
    p.writer = makeOpusWriter(s);
    p.rate = s.inputRate;
    p.channels = s.channels;
    return p;
}
} // namespace

const OutputFormatModule opusFormat = {
    .name = "OPUS",
    .extension = "opus",
    .tags = true,
    .pictures = true,
    .keys = kKeys,
    .plan = plan,
    .ceilingDb = -1.7,
    .limitCeilingDb = -2.6,
    .limitLiftLu = 0,
    .lossy = true,
    .tagWriter = writeTags,
};

std::unique_ptr<AudioWriter> makeOpusWriter(const OpusSettings &s) { return std::make_unique<OpusWriter>(s); }

QString checkOpusSettings(const OpusSettings &s)
{
    if (s.kbps < 32 || s.kbps > 256 || s.channels < 1 || s.channels > 2)
        return QCoreApplication::translate("Media", "Opus takes 32 to 256 kbps and 1 or 2 channels, not %1 kbps, %2 channels")
            .arg(s.kbps).arg(s.channels);
    return {};
}
