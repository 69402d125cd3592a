// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ogg/oggformat.h"

#include "media/outputfile.h"
#include "media/tagwriting.h"

#include <algorithm>
#include <QCoreApplication>
#include <random>
#include <taglib/vorbisfile.h>
#include <vector>
#include <vorbis/vorbisenc.h>

namespace {

// Fills vi from the settings; vi must be initialised; false when libvorbis refuses.
bool setupVorbis(vorbis_info *vi, const OggSettings &s)
{
    if (s.channels < 1 || s.channels > 8 || s.rate < 1000)
        return false;
    if (s.quality >= 0)
        return s.quality <= 1000 && vorbis_encode_init_vbr(vi, s.channels, s.rate, s.quality / 1000.0f) == 0;
    if (s.min > 0 && s.max > 0 && s.min > s.max)
        return false; // libvorbis would accept it
    auto bits = [](int kbps) { return kbps > 0 ? long(kbps) * 1000 : -1L; };
    const bool managed = s.min > 0 || s.max > 0;
    if (vorbis_encode_setup_managed(vi, s.channels, s.rate, bits(s.max), bits(s.nominal), bits(s.min)) != 0)
        return false;
    if (!managed && vorbis_encode_ctl(vi, OV_ECTL_RATEMANAGE2_SET, nullptr) != 0)
        return false; // nominal rate only, no hard limits
    return vorbis_encode_setup_init(vi) == 0;
}

class OggWriter final : public AudioWriter
{
public:
    explicit OggWriter(const OggSettings &s) : m_s(s) {}
    ~OggWriter() override { clearVorbis(); }

    bool open(const QString &path) override
    {
        m_path = path;
        vorbis_info_init(&m_vi);
        m_viReady = true;
        if (!setupVorbis(&m_vi, m_s)) {
            error = QCoreApplication::translate("Media", "The OGG encoder refuses this format");
            return false;
        }
        if (!setInput(m_inRate, m_inChannels))
            return false;
        if (!m_file.open(path, "wb")) {
            error = cannotCreate(path);
            return false;
        }
        vorbis_comment_init(&m_vc);
        vorbis_analysis_init(&m_vd, &m_vi);
        vorbis_block_init(&m_vd, &m_vb);
        ogg_stream_init(&m_os, int(std::random_device{}() & 0x7fffffff));
        m_streams = true;
        ogg_packet id, comment, code;
        vorbis_analysis_headerout(&m_vd, &m_vc, &id, &comment, &code);
        ogg_stream_packetin(&m_os, &id);
        ogg_stream_packetin(&m_os, &comment);
        ogg_stream_packetin(&m_os, &code);
        return pages(true);
    }
    bool setInput(int rate, int channels) override
    {
        if (m_started || channels < 1 || rate <= 0
            || !m_rs.configure(rate, channels, m_s.rate, m_s.channels)) {
            error = QCoreApplication::translate("Media", "Cannot take input of %1 Hz, %2 channels").arg(rate).arg(channels);
            return false;
        }
        m_inRate = rate;
        m_inChannels = channels;
        return true;
    }
    bool write(const int16_t *samples, int frames) override
    {
        m_started = true;
        const int cap = m_rs.capacity(frames);
        const int got = m_rs.convert(vorbis_analysis_buffer(&m_vd, cap), cap, samples, frames);
        if (got < 0)
            return false;
        if (got > 0) // a count of 0 would mark the end of the stream
            vorbis_analysis_wrote(&m_vd, got);
        return encode();
    }
    bool writeFloat(const float *samples, int frames) override
    {
        m_started = true;
        if (frames <= 0)
            return true;
        float **planes = vorbis_analysis_buffer(&m_vd, frames);
        const int channels = m_s.channels;
        for (int c = 0; c < channels; ++c)
            for (int i = 0; i < frames; ++i)
                planes[c][i] = samples[size_t(i) * size_t(channels) + size_t(c)];
        vorbis_analysis_wrote(&m_vd, frames);
        return encode();
    }
    bool finish() override
    {
        bool ok = write(nullptr, 0); // the resampler's tail
        vorbis_analysis_wrote(&m_vd, 0);
        ok = encode() && ok;
        if (!m_file.close() && ok) {
            error = cannotWrite(m_path, m_file.reason());
            return false;
        }
        return ok;
    }
    const char *streamFormat() const override { return "ogg"; }

private:
    bool encode()
    {
        while (vorbis_analysis_blockout(&m_vd, &m_vb) == 1) {
            vorbis_analysis(&m_vb, nullptr);
            vorbis_bitrate_addblock(&m_vb);
            ogg_packet op;
            while (vorbis_bitrate_flushpacket(&m_vd, &op) == 1) {
                ogg_stream_packetin(&m_os, &op);
                // The first two sound packets get a page of their own. A reader that finds
                // the stream's end on its first sound page (the ffmpeg tool's) cannot work
                // out where the sound starts: it places it 128 samples late and cuts as
                // many off its end.
                if (++m_packets == 2 && !op.e_o_s && !pages(true))
                    return false;
            }
            if (!pages(false))
                return false;
        }
        return ogg_stream_eos(&m_os) == 0 || pages(true);
    }
    bool pages(bool flush)
    {
        ogg_page og;
        while (flush ? ogg_stream_flush(&m_os, &og) : ogg_stream_pageout(&m_os, &og)) {
            if (!m_file.write(og.header, size_t(og.header_len)) || !m_file.write(og.body, size_t(og.body_len))) {
                error = cannotWrite(m_path, m_file.reason());
                return false;
            }
            if (tap) {
                tap(og.header, size_t(og.header_len));
                tap(og.body, size_t(og.body_len));
            }
        }
        return true;
    }
    void clearVorbis()
    {
        if (m_streams) {
            ogg_stream_clear(&m_os);
            vorbis_block_clear(&m_vb);
            vorbis_dsp_clear(&m_vd);
            vorbis_comment_clear(&m_vc);
        }
        if (m_viReady)
            vorbis_info_clear(&m_vi);
    }

    OggSettings m_s;
    QString m_path;
    OutputFile m_file;
    Resampler m_rs;
    int m_inRate = 44100, m_inChannels = 2;
    bool m_started = false, m_viReady = false, m_streams = false;
    int64_t m_packets = 0; // sound packets made so far
    vorbis_info m_vi{};
    vorbis_comment m_vc{};
    vorbis_dsp_state m_vd{};
    vorbis_block m_vb{};
    ogg_stream_state m_os{};
};


const FormatSettingKey kKeys[] = {
    {"ogg", "frequency", &OutputSettings::OggFrequency, 44100, INT_MIN, INT_MAX, kFrequencies},
    {"ogg", "channels", &OutputSettings::OggChannels, 2, 1, 2},
    {"ogg", "bitrate", &OutputSettings::OggBitrate, 128, INT_MIN, INT_MAX, kOggBitrates},
    {"ogg", "vbr", &OutputSettings::OggVbr, 0},
    {"ogg", "minbitrate", &OutputSettings::OggMinBitrate, 128, INT_MIN, INT_MAX, kOggBitrates},
    {"ogg", "maxbitrate", &OutputSettings::OggMaxBitrate, 192, INT_MIN, INT_MAX, kOggBitrates},
    {"ogg", "fquality", &OutputSettings::OggUseQuality, 0},
    {"ogg", "quality", &OutputSettings::OggQuality, 500, INT_MIN, INT_MAX, kOggQualities},
};

// The tags as a Xiph comment.
bool writeTags(TagLib::IOStream *stream, const OutputTags &info, bool all)
{
    TagLib::Ogg::Vorbis::File f(stream, false);
    if (!f.isValid())
        return false;
    setXiphGain(f.tag(), info.infoReplayGain, false);
    if (all)
        setXiph(f.tag(), info);
    return f.save();
}

WriterPlan plan(const OutputSettings &o, const SourceSound &)
{
    // Quality mode takes precedence over variable bit rate.
    const OggSettings g = o.OggUseQuality
        ? OggSettings{o.OggFrequency, o.OggChannels, 0, 0, 0, o.OggQuality}
        : OggSettings{o.OggFrequency, o.OggChannels, o.OggBitrate, o.OggVbr ? o.OggMinBitrate : 0,
                      o.OggVbr ? o.OggMaxBitrate : 0, -1};
    WriterPlan p;
    p.reason = checkOggSettings(g);
    if (!p.reason.isEmpty()) {
        if (!o.OggUseQuality) {
            p.incorrectFormat = true;
            p.reason = QCoreApplication::translate("RunEngine", "Incorrect format: the OGG encoder does not accept %1 Hz, %2 channel(s), "
                                                                 "%3 kbps (minimum %4, maximum %5)")
                           .arg(g.rate)
                           .arg(g.channels)
                           .arg(g.nominal)
                           .arg(g.min)
                           .arg(g.max);
        }
        return p;
    }
    p.writer = makeOggWriter(g);
    p.rate = g.rate;
    p.channels = g.channels;
    return p;
}
} // namespace

const OutputFormatModule oggFormat = {
    .name = "OGG",
    .extension = "ogg",
    .tags = true,
    .pictures = true,
    .keys = kKeys,
    .plan = plan,
    .ceilingDb = -1.5,
    .limitCeilingDb = -3.4,
    .limitLiftLu = 0,
    .lossy = true,
    .tagWriter = writeTags,
};

std::unique_ptr<AudioWriter> makeOggWriter(const OggSettings &s) { return std::make_unique<OggWriter>(s); }

QString checkOggSettings(const OggSettings &s)
{
    vorbis_info vi;
    vorbis_info_init(&vi);
    const bool ok = setupVorbis(&vi, s);
    vorbis_info_clear(&vi);
    if (ok)
        return {};
    if (s.quality < 0 && s.min > 0 && s.max > 0 && s.min > s.max)
        return QCoreApplication::translate("Media", "The OGG minimum bit rate %1 kbps is above the maximum %2 kbps").arg(s.min).arg(s.max);
    return QCoreApplication::translate("Media", "The OGG encoder refuses %1 Hz, %2 channels at these bit rates").arg(s.rate).arg(s.channels);
}
