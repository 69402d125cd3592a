// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/wma/wmaformat.h"

#include "media/tagwriting.h"

#include <algorithm>
#include <QCoreApplication>
#include <taglib/asffile.h>
#include <taglib/asfpicture.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {
class WmaWriter final : public CodecWriter
{
public:
    explicit WmaWriter(const WmaProfile &p) : CodecWriter(p.rate, p.channels, p.kbps) {}

    bool open(const QString &path) override { return openCodec(path, avcodec_find_encoder(AV_CODEC_ID_WMAV2), "asf"); }

private:
    QString say(Trouble what) const override
    {
        switch (what) {
        case Trouble::NoEncoder:
            return QCoreApplication::translate("Media", "No WMA encoder");
        case Trouble::Refused:
            return QCoreApplication::translate("Media", "The WMA encoder refuses %1 kbps at %2 Hz").arg(m_kbps).arg(m_rate);
        case Trouble::Failed:
            break;
        }
        return QCoreApplication::translate("Media", "The WMA encoder failed");
    }
    void muxerOptions(AVDictionary **opts) override
    {
        // Packets that hold whole frames: the muxer never splits an audio frame, so a frame
        // that does not fit pads the rest of the packet away.
        const int payload = m_enc->block_align + 17; // a frame plus its payload header
        const int perPacket = std::clamp(4096 / payload, 1, 63);
        av_dict_set_int(opts, "packet_size", std::clamp(perPacket * payload + 48, 100, 65536), 0);
        av_dict_set(opts, "avoid_negative_ts", "disabled", 0); // ASF keeps times before 0 in its preroll
    }
    bool begin() override
    {
        // The decoder gives out nothing for the first two packets (the encoder's one-frame
        // delay, and a first superframe it takes for the tail of an earlier one), which
        // would cost the clip its first frame: a frame of silence goes first, timed before
        // 0, and is the one lost. The first sound decoded is then the clip's first, at 0.
        m_pts = -frameSize();
        return silence(frameSize());
    }
    bool end() override
    {
        // Pad to a whole frame; the decoder gives the last one out when it is flushed.
        const int fs = frameSize();
        bool ok = silence((fs - fifoSize() % fs) % fs);
        while (ok && fifoSize() >= fs)
            ok = encodeFrame(fs);
        return ok;
    }
    void timePacket(AVPacket *pkt) override
    {
        // The padding is no sound: the file's stated length (the muxer takes the latest
        // packet end) ends with the real samples. A packet's time is that of the sound
        // it decodes to; the last frame comes out when the decoder is flushed, after the
        // last packet, which therefore stands for up to two frames. The muxer counts in
        // milliseconds and takes a duration that rounds to 0 as unknown.
        if (pkt->pts != AV_NOPTS_VALUE)
            pkt->duration = std::clamp<int64_t>(m_samples - pkt->pts, m_rate / 1000 + 1, 2 * frameSize());
    }
};

QString describe(const WmaProfile &p)
{
    return QCoreApplication::translate("Media", "WMA %1 kbps, %2 kHz, %3")
        .arg(p.kbps)
        .arg(p.rate / 1000)
        .arg(p.channels == 1 ? QCoreApplication::translate("Media", "mono") : QCoreApplication::translate("Media", "stereo"));
}

const FormatSettingKey kKeys[] = {
    {"wma", "wmaprofile", &OutputSettings::WmaProfile, 38, 0, kWmaProfileCount - 1},
};

// The tags as ASF attributes.
bool writeTags(TagLib::IOStream *stream, const OutputTags &info, bool all)
{
    TagLib::ASF::File f(stream, false);
    if (!f.isValid())
        return false;
    TagLib::ASF::Tag *tag = f.tag();
    setAsfGain(tag, info.infoReplayGain);
    if (all) {
        setCommon(tag, info);
        tag->setCopyright(str(info.infoCopyright));
        // ASF keeps a year, track or genre of 0 or "" as an attribute: drop those.
        if (info.InfoYear <= 0)
            tag->removeItem("WM/Year");
        if (info.InfoTrack <= 0)
            tag->removeItem("WM/TrackNumber");
        if (genre(info).isEmpty())
            tag->removeItem("WM/Genre");
    }
    if (all && !info.infoCover.isEmpty()) {
        TagLib::ASF::Picture pic;
        pic.setType(TagLib::ASF::Picture::FrontCover);
        pic.setMimeType(str(coverMime(info)));
        pic.setPicture(bytes(info.infoCover));
        tag->setAttribute("WM/Picture", TagLib::ASF::Attribute(pic));
    }
    return f.save();
}

WriterPlan plan(const OutputSettings &o, const SourceSound &)
{
    WriterPlan p;
    if (o.WmaProfile < 0 || o.WmaProfile >= kWmaProfileCount) {
        p.reason = QCoreApplication::translate("Media", "There is no WMA profile %1").arg(o.WmaProfile);
        return p;
    }
    const WmaProfile &w = kWmaProfiles[o.WmaProfile];
    p.writer = makeWmaWriter(w);
    p.rate = w.rate;
    p.channels = w.channels;
    return p;
}
} // namespace

const OutputFormatModule wmaFormat = {
    .name = "WMA",
    .extension = "wma",
    .tags = true,
    .pictures = true,
    .keys = kKeys,
    .plan = plan,
    .ceilingDb = -1.6,
    .limitCeilingDb = -2.9,
    .limitLiftLu = 0,
    .lossy = true,
    .tagWriter = writeTags,
};

std::unique_ptr<AudioWriter> makeWmaWriter(const WmaProfile &p) { return std::make_unique<WmaWriter>(p); }

QStringList wmaProfileDescriptions()
{
    QStringList all;
    for (const WmaProfile &p : kWmaProfiles)
        all << describe(p);
    return all;
}
