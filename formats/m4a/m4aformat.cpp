// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/m4a/m4aformat.h"

#include "media/avinput.h"
#include "media/tagwriting.h"

#include <QCoreApplication>
#include <taglib/mp4coverart.h>
#include <taglib/mp4file.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {
class M4aWriter final : public CodecWriter
{
public:
    explicit M4aWriter(const M4aSettings &s) : CodecWriter(s.rate, s.channels, s.kbps), m_s(s) {}

    bool open(const QString &path) override
    {
        if (const QString why = checkM4aSettings(m_s); !why.isEmpty())
            return fail(why);
        return openCodec(path, avcodec_find_encoder_by_name("aac"), "ipod");
    }

private:
    QString say(Trouble what) const override
    {
        switch (what) {
        case Trouble::NoEncoder:
            return QCoreApplication::translate("Media", "No AAC encoder");
        case Trouble::Refused:
            return QCoreApplication::translate("Media", "The AAC encoder refuses %1 kbps at %2 Hz").arg(m_s.kbps).arg(m_s.rate);
        case Trouble::Failed:
            break;
        }
        return QCoreApplication::translate("Media", "The AAC encoder failed");
    }
    void muxerOptions(AVDictionary **opts) override
    {
        // The movie counts in samples, so its edit list trims the encoder's delay and the
        // last frame exactly (the default, milliseconds, cannot). The index goes before the
        // sound, so the file plays while it is still being copied: the muxer moves it there
        // at the end, reopening the file by its name.
        m_oc->url = av_strdup(avFileUrl(m_path).constData());
        av_dict_set_int(opts, "movie_timescale", m_s.rate, 0);
        av_dict_set(opts, "movflags", "+faststart", 0);
    }
    bool end() override
    {
        // The last frame may be short: the encoder then marks the end, so the file's
        // length is the sound's.
        return fifoSize() == 0 || encodeFrame(fifoSize());
    }

    M4aSettings m_s;
};

const FormatSettingKey kKeys[] = {
    {"m4a", "frequency", &OutputSettings::M4aFrequency, 44100, INT_MIN, INT_MAX, kM4aFrequencies},
    {"m4a", "bitrate", &OutputSettings::M4aBitrate, 192, 64, 320},
    {"m4a", "channels", &OutputSettings::M4aChannels, 2, 1, 2},
};

// The tags as MP4 atoms.
bool writeTags(TagLib::IOStream *stream, const OutputTags &info, bool all)
{
    TagLib::MP4::File f(stream, false);
    if (!f.isValid())
        return false;
    TagLib::MP4::Tag *tag = f.tag();
    setMp4Gain(tag, info.infoReplayGain);
    if (all) {
        setCommon(tag, info);
        tag->removeItem("cprt");
        if (info.InfoTrack > 0 && info.InfoTrackTotal > 0)
            tag->setItem("trkn", TagLib::MP4::Item(int(info.InfoTrack), int(info.InfoTrackTotal)));
    }
    if (all && !info.infoCopyright.isEmpty())
        tag->setItem("cprt", TagLib::StringList(str(info.infoCopyright)));
    if (all && !info.infoCover.isEmpty()) {
        const QString mime = coverMime(info);
        const auto format = mime == QLatin1String("image/png") ? TagLib::MP4::CoverArt::PNG
                                                               : TagLib::MP4::CoverArt::JPEG;
        tag->setItem("covr", TagLib::MP4::CoverArtList().append(TagLib::MP4::CoverArt(format, bytes(info.infoCover))));
    }
    return f.save();
}

WriterPlan plan(const OutputSettings &o, const SourceSound &)
{
    const M4aSettings s{o.M4aFrequency, o.M4aBitrate, o.M4aChannels};
    WriterPlan p;
    p.reason = checkM4aSettings(s);
    if (!p.reason.isEmpty())
        return p;
    p.writer = makeM4aWriter(s);
    p.rate = s.rate;
    p.channels = s.channels;
    return p;
}
} // namespace

// AAC's lift on limited sound swings between +0.2 and +4.4 dB with no ceiling that holds
// every case, so M4A keeps its ceiling and the check (see format.h).
const OutputFormatModule m4aFormat = {
    .name = "M4A",
    .extension = "m4a",
    .tags = true,
    .pictures = true,
    .keys = kKeys,
    .plan = plan,
    .ceilingDb = -1.5,
    .limitCeilingDb = -1.5,
    .limitLiftLu = 0,
    .lossy = true,
    .tagWriter = writeTags,
};

std::unique_ptr<AudioWriter> makeM4aWriter(const M4aSettings &s) { return std::make_unique<M4aWriter>(s); }

QString checkM4aSettings(const M4aSettings &s)
{
    if ((s.rate != 44100 && s.rate != 48000) || s.kbps < 64 || s.kbps > 320 || s.channels < 1 || s.channels > 2)
        return QCoreApplication::translate("Media", "M4A takes 44100 or 48000 Hz, 64 to 320 kbps and 1 or 2 channels, not %1 Hz, "
                              "%2 kbps, %3 channels")
            .arg(s.rate).arg(s.kbps).arg(s.channels);
    return {};
}
