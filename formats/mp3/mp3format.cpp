// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/mp3/mp3format.h"

#include "media/outputfile.h"
#include "media/tagwriting.h"

#include <algorithm>
#include <lame/lame.h>
#include <QCoreApplication>
#include <taglib/attachedpictureframe.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/mpegfile.h>
#include <taglib/textidentificationframe.h>
#include <vector>

namespace {
lame_t makeLame(const Mp3Settings &s, int inRate, int inChannels, QString *error)
{
    static const MPEG_mode modes[] = {MONO, STEREO, JOINT_STEREO, JOINT_STEREO, DUAL_CHANNEL};
    if (s.mode < 1 || s.mode > 5) {
        *error = QCoreApplication::translate("Media", "Unknown MP3 channel mode %1").arg(s.mode);
        return nullptr;
    }
    if (inChannels < 1 || inChannels > 2 || inRate <= 0) {
        *error = QCoreApplication::translate("Media", "The MP3 encoder takes mono or stereo input only");
        return nullptr;
    }
    lame_t gf = lame_init();
    lame_set_in_samplerate(gf, inRate);
    lame_set_num_channels(gf, inChannels);
    lame_set_out_samplerate(gf, s.rate);
    lame_set_mode(gf, modes[s.mode - 1]);
    if (s.mode == 4)
        lame_set_force_ms(gf, 1);
    if (s.vbr) {
        lame_set_VBR(gf, vbr_mtrh);
        lame_set_VBR_quality(gf, float(std::clamp(s.vbrQuality, 0, 9)));
        lame_set_VBR_max_bitrate_kbps(gf, s.maxKbps);
        if (s.kbps > 0 && s.kbps <= s.maxKbps)
            lame_set_VBR_min_bitrate_kbps(gf, s.kbps);
    } else {
        lame_set_VBR(gf, vbr_off);
        lame_set_brate(gf, s.kbps);
    }
    lame_set_bWriteVbrTag(gf, 1);
    if (s.rate <= 0 || s.kbps <= 0 || lame_init_params(gf) < 0) {
        lame_close(gf);
        *error = QCoreApplication::translate("Media", "The MP3 encoder refuses %1 Hz at %2 kbps").arg(s.rate).arg(s.kbps);
        return nullptr;
    }
    return gf;
}

class Mp3Writer final : public AudioWriter
{
public:
    explicit Mp3Writer(const Mp3Settings &s) : m_s(s) {}
    ~Mp3Writer() override { close(); }

    bool open(const QString &path) override
    {
        if (!setInput(m_inRate, m_inChannels))
            return false;
        m_path = path;
        if (!m_file.open(path, "w+b")) { // the tag writer reads back
            error = cannotCreate(path);
            return false;
        }
        return true;
    }
    bool setInput(int rate, int channels) override
    {
        if (m_started) {
            error = QCoreApplication::translate("Media", "The input format cannot change after samples were written");
            return false;
        }
        lame_t gf = makeLame(m_s, rate, channels, &error);
        if (!gf)
            return false;
        if (m_gf)
            lame_close(m_gf);
        m_gf = gf;
        m_inRate = rate;
        m_inChannels = channels;
        return true;
    }
    bool write(const int16_t *samples, int frames) override
    {
        m_started = true;
        m_buf.resize(size_t(frames) * 5 / 4 + 7200);
        const int n = m_inChannels == 2
            ? lame_encode_buffer_interleaved(m_gf, const_cast<short *>(samples), frames, m_buf.data(), int(m_buf.size()))
            : lame_encode_buffer(m_gf, samples, samples, frames, m_buf.data(), int(m_buf.size()));
        return put(n);
    }
    bool writeFloat(const float *samples, int frames) override
    {
        m_started = true;
        m_buf.resize(size_t(frames) * 5 / 4 + 7200);
        const int n = m_inChannels == 2
            ? lame_encode_buffer_interleaved_ieee_float(m_gf, samples, frames, m_buf.data(), int(m_buf.size()))
            : lame_encode_buffer_ieee_float(m_gf, samples, samples, frames, m_buf.data(), int(m_buf.size()));
        return put(n);
    }
    bool finish() override
    {
        m_buf.resize(7200);
        bool ok = put(lame_encode_flush(m_gf, m_buf.data(), int(m_buf.size())));
        // The Info/VBR header, so players know the length. LAME reports no failure of its
        // own writes: the sound is flushed first, and the stream's state checked after.
        if (ok && m_file.flush())
            lame_mp3_tags_fid(m_gf, m_file.handle());
        return close() && ok;
    }
    const char *streamFormat() const override { return "mp3"; }
    // The Info frame, all zeros until the file is finished, decodes as a frame of silence;
    // then LAME's delay and the decoder's own (529 samples).
    int64_t primingFrames() const override
    {
        return m_gf ? int64_t(lame_get_framesize(m_gf)) + lame_get_encoder_delay(m_gf) + 529 : 0;
    }

private:
    bool put(int n)
    {
        if (n < 0 || !m_file.write(m_buf.data(), size_t(n))) {
            error = n < 0 ? QCoreApplication::translate("Media", "The MP3 encoder failed") : cannotWrite(m_path, m_file.reason());
            return false;
        }
        if (tap && n > 0)
            tap(m_buf.data(), size_t(n));
        return true;
    }
    bool close()
    {
        const bool ok = m_file.close();
        if (!ok && error.isEmpty())
            error = cannotWrite(m_path, m_file.reason());
        if (m_gf)
            lame_close(m_gf);
        m_gf = nullptr;
        return ok;
    }

    Mp3Settings m_s;
    QString m_path;
    OutputFile m_file;
    lame_t m_gf = nullptr;
    int m_inRate = 44100, m_inChannels = 2;
    bool m_started = false;
    std::vector<unsigned char> m_buf;
};


// The settings' keys, in the order a new setup.ini gets them.
const FormatSettingKey kKeys[] = {
    {"mp3", "channels", &OutputSettings::Mp3Channels, 3, 1, 5},
    {"mp3", "frequency", &OutputSettings::Mp3Frequency, 44100, INT_MIN, INT_MAX, kFrequencies},
    {"mp3", "bitrate", &OutputSettings::Mp3Bitrate, 128, INT_MIN, INT_MAX, kMp3Bitrates},
    {"mp3", "fvbr", &OutputSettings::Mp3Vbr, 0},
    {"mp3", "maxbitrate", &OutputSettings::Mp3MaxBitrate, 192, INT_MIN, INT_MAX, kMp3Bitrates},
    {"mp3", "vbrquality", &OutputSettings::Mp3VbrQuality, 7, 0, 9},
};

// The tags as an ID3v2.4 tag.
bool writeTags(TagLib::IOStream *stream, const OutputTags &info, bool all)
{
    TagLib::MPEG::File f(stream, TagLib::ID3v2::FrameFactory::instance(), false);
    if (!f.isValid())
        return false;
    TagLib::ID3v2::Tag *tag = f.ID3v2Tag(true);
    setId3Gain(tag, info.infoReplayGain);
    if (all) {
        setCommon(tag, info);
        tag->removeFrames("TCOP");
        if (info.InfoTrack > 0 && info.InfoTrackTotal > 0) { // TRCK "3/12"
            tag->removeFrames("TRCK");
            auto *frame = new TagLib::ID3v2::TextIdentificationFrame("TRCK", TagLib::String::UTF8);
            frame->setText(TagLib::String::number(info.InfoTrack) + "/" + TagLib::String::number(info.InfoTrackTotal));
            tag->addFrame(frame);
        }
    }
    if (all && !info.infoCopyright.isEmpty()) {
        auto *frame = new TagLib::ID3v2::TextIdentificationFrame("TCOP", TagLib::String::UTF8);
        frame->setText(str(info.infoCopyright));
        tag->addFrame(frame);
    }
    if (all && !info.infoCover.isEmpty()) {
        tag->removeFrames("APIC");
        auto *pic = new TagLib::ID3v2::AttachedPictureFrame;
        pic->setTextEncoding(TagLib::String::UTF8);
        pic->setType(TagLib::ID3v2::AttachedPictureFrame::FrontCover);
        pic->setMimeType(str(coverMime(info)));
        pic->setPicture(bytes(info.infoCover));
        tag->addFrame(pic);
    }
    return f.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripNone, TagLib::ID3v2::v4);
}

WriterPlan plan(const OutputSettings &o, const SourceSound &)
{
    const Mp3Settings m = mp3Settings(o);
    WriterPlan p;
    p.reason = checkMp3Settings(m);
    if (!p.reason.isEmpty())
        return p;
    // LAME quietly takes another bit rate when the sample rate cannot carry the chosen one.
    const int kbps = m.vbr ? 0 : mp3EncodedKbps(m);
    if (kbps > 0 && kbps != m.kbps)
        p.remark = QCoreApplication::translate("RunEngine", "Encoded at %1 kbps: MP3 at %2 Hz cannot carry %3 kbps")
                       .arg(kbps)
                       .arg(m.rate)
                       .arg(m.kbps);
    p.writer = makeMp3Writer(m);
    p.rate = m.rate;
    p.channels = m.mode == 1 ? 1 : 2;
    return p;
}
} // namespace

// MP3 takes 0.6 to 0.9 LU of limited drums away with their highs: limited sound is aimed
// 0.5 LU over the target.
const OutputFormatModule mp3Format = {
    .name = "MP3",
    .extension = "mp3",
    .tags = true,
    .pictures = true,
    .keys = kKeys,
    .plan = plan,
    .ceilingDb = -1.5,
    .limitCeilingDb = -3.0,
    .limitLiftLu = 0.5,
    .lossy = true,
    .tagWriter = writeTags,
};

Mp3Settings mp3Settings(const OutputSettings &o)
{
    const bool vbr = o.Mp3Vbr == 1;
    return {o.Mp3Frequency, o.Mp3Bitrate, o.Mp3Channels, vbr, vbr ? o.Mp3VbrQuality : 7, vbr ? o.Mp3MaxBitrate : 192};
}

std::unique_ptr<AudioWriter> makeMp3Writer(const Mp3Settings &s) { return std::make_unique<Mp3Writer>(s); }

QString checkMp3Settings(const Mp3Settings &s)
{
    QString error;
    lame_t gf = makeLame(s, 44100, 2, &error);
    if (gf)
        lame_close(gf);
    return error;
}

int mp3EncodedKbps(const Mp3Settings &s)
{
    QString error;
    lame_t gf = makeLame(s, 44100, 2, &error);
    if (!gf)
        return 0;
    const int kbps = lame_get_brate(gf);
    lame_close(gf);
    return kbps;
}
