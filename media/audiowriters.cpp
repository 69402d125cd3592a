// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/audiowriters.h"
#include <QCoreApplication>

#include "media/avinput.h"
#include "media/outputfile.h"

#include <QFile>
#include <QRandomGenerator>
#include <cstdio>
#include <cstring>
#include <lame/lame.h>
#include <random>
#include <vector>
#include <vorbis/vorbisenc.h>
#include <FLAC/metadata.h>
#include <FLAC/stream_encoder.h>
#include <opus/opusenc.h>
#include <algorithm>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
#include <libavutil/md5.h>
#include <libswresample/swresample.h>
}

namespace {

QString cannotCreate(const QString &path)
{
    return QCoreApplication::translate("Media", "Cannot create %1 (%2)").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
}

// The system's words for an FFmpeg error: "No space left on device"...
QString avReason(int error)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(error, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

// Ends an FFmpeg output: the trailer, then the file's close; false with the reason in *error
// when either fails (a write that failed before is reported by both).
bool endAvOutput(AVFormatContext *oc, bool ok, const QString &path, QString *error)
{
    int r = av_write_trailer(oc);
    const int closed = avio_closep(&oc->pb);
    r = r < 0 ? r : closed;
    if (r < 0 && ok)
        *error = cannotWrite(path, avReason(r));
    return ok && r >= 0;
}

// Interleaved float samples into the planar FIFO of an FFmpeg encoder.
bool deinterleave(const float *samples, int frames, int channels, std::vector<std::vector<float>> &planes,
                  AVAudioFifo *fifo)
{
    planes.resize(size_t(channels));
    std::vector<void *> out;
    for (int c = 0; c < channels; ++c) {
        std::vector<float> &plane = planes[size_t(c)];
        plane.resize(size_t(std::max(frames, 0)));
        for (int i = 0; i < frames; ++i)
            plane[size_t(i)] = samples[size_t(i) * size_t(channels) + size_t(c)];
        out.push_back(plane.data());
    }
    return frames <= 0 || av_audio_fifo_write(fifo, out.data(), frames) == frames;
}

// Converts rate, channel count and sample format; by default interleaved 16-bit input to
// planar float output, for the encoders that want floats.
class Resampler
{
public:
    ~Resampler() { swr_free(&m_swr); }
    bool configure(int inRate, int inChannels, int outRate, int outChannels,
                   AVSampleFormat inFormat = AV_SAMPLE_FMT_S16, AVSampleFormat outFormat = AV_SAMPLE_FMT_FLTP)
    {
        swr_free(&m_swr);
        AVChannelLayout in{}, out{};
        av_channel_layout_default(&in, inChannels);
        av_channel_layout_default(&out, outChannels);
        const int r = swr_alloc_set_opts2(&m_swr, &out, outFormat, outRate, &in, inFormat, inRate, 0, nullptr);
        return r >= 0 && swr_init(m_swr) >= 0;
    }
    int capacity(int inFrames) const { return swr_get_out_samples(m_swr, inFrames) + 32; }
    // Converts into the planes at out (one for interleaved output); in = nullptr drains.
    // Returns frames or < 0.
    int convert(void **out, int outCap, const void *in, int inFrames)
    {
        const uint8_t *src[1] = {static_cast<const uint8_t *>(in)};
        return swr_convert(m_swr, reinterpret_cast<uint8_t **>(out), outCap, in ? src : nullptr, inFrames);
    }
    int convert(float **out, int outCap, const int16_t *in, int inFrames)
    {
        return convert(reinterpret_cast<void **>(out), outCap, in, inFrames);
    }

private:
    SwrContext *m_swr = nullptr;
};

// ---- MP3 -------------------------------------------------------------------------------

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

// ---- OGG -------------------------------------------------------------------------------

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

// ---- WMA -------------------------------------------------------------------------------

class WmaWriter final : public AudioWriter
{
public:
    explicit WmaWriter(const WmaProfile &p) : m_p(p) {}
    ~WmaWriter() override
    {
        if (m_oc) {
            avio_closep(&m_oc->pb);
            avformat_free_context(m_oc);
        }
        avcodec_free_context(&m_enc);
        av_audio_fifo_free(m_fifo);
        av_frame_free(&m_frame);
        av_packet_free(&m_pkt);
    }

    bool open(const QString &path) override
    {
        quietAvLogging();
        m_path = path;
        const AVCodec *codec = avcodec_find_encoder(AV_CODEC_ID_WMAV2);
        if (!codec || avformat_alloc_output_context2(&m_oc, nullptr, "asf", nullptr) < 0)
            return fail(QCoreApplication::translate("Media", "No WMA encoder"));
        m_enc = avcodec_alloc_context3(codec);
        m_enc->sample_fmt = AV_SAMPLE_FMT_FLTP;
        m_enc->sample_rate = m_p.rate;
        av_channel_layout_default(&m_enc->ch_layout, m_p.channels);
        m_enc->bit_rate = int64_t(m_p.kbps) * 1000;
        m_enc->time_base = {1, m_p.rate};
        if (m_oc->oformat->flags & AVFMT_GLOBALHEADER)
            m_enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        if (avcodec_open2(m_enc, codec, nullptr) < 0)
            return fail(QCoreApplication::translate("Media", "The WMA encoder refuses %1 kbps at %2 Hz").arg(m_p.kbps).arg(m_p.rate));
        AVStream *st = avformat_new_stream(m_oc, nullptr);
        if (!st || avcodec_parameters_from_context(st->codecpar, m_enc) < 0)
            return fail(QCoreApplication::translate("Media", "No WMA encoder"));
        st->time_base = m_enc->time_base;
        if (!setInput(m_inRate, m_inChannels))
            return false;
        if (const int r = avio_open(&m_oc->pb, avFileUrl(path).constData(), AVIO_FLAG_WRITE); r < 0)
            return fail(QCoreApplication::translate("Media", "Cannot create %1 (%2)").arg(path, avReason(r)));
        // Packets that hold whole frames: the muxer never splits an audio frame, so a frame
        // that does not fit pads the rest of the packet away.
        AVDictionary *opts = nullptr;
        const int payload = m_enc->block_align + 17; // a frame plus its payload header
        const int perPacket = std::clamp(4096 / payload, 1, 63);
        av_dict_set_int(&opts, "packet_size", std::clamp(perPacket * payload + 48, 100, 65536), 0);
        av_dict_set(&opts, "avoid_negative_ts", "disabled", 0); // ASF keeps times before 0 in its preroll
        const int r = avformat_write_header(m_oc, &opts);
        av_dict_free(&opts);
        if (r < 0)
            return fail(cannotWrite(path, avReason(r)));
        m_fifo = av_audio_fifo_alloc(AV_SAMPLE_FMT_FLTP, m_p.channels, m_enc->frame_size * 2);
        m_frame = av_frame_alloc();
        m_pkt = av_packet_alloc();
        m_frame->nb_samples = m_enc->frame_size;
        m_frame->format = AV_SAMPLE_FMT_FLTP;
        m_frame->sample_rate = m_p.rate;
        av_channel_layout_copy(&m_frame->ch_layout, &m_enc->ch_layout);
        if (av_frame_get_buffer(m_frame, 0) < 0)
            return fail(QCoreApplication::translate("Media", "Out of memory"));
        // The decoder gives out nothing for the first two packets (the encoder's one-frame
        // delay, and a first superframe it takes for the tail of an earlier one), which
        // would cost the clip its first frame: a frame of silence goes first, timed before
        // 0, and is the one lost. The first sound decoded is then the clip's first, at 0.
        m_pts = -m_enc->frame_size;
        return silence(m_enc->frame_size);
    }
    bool setInput(int rate, int channels) override
    {
        if (m_started || channels < 1 || rate <= 0 || !m_rs.configure(rate, channels, m_p.rate, m_p.channels))
            return fail(QCoreApplication::translate("Media", "Cannot take input of %1 Hz, %2 channels").arg(rate).arg(channels));
        m_inRate = rate;
        m_inChannels = channels;
        return true;
    }
    bool write(const int16_t *samples, int frames) override
    {
        m_started = true;
        const int cap = m_rs.capacity(frames);
        m_planes.resize(size_t(m_p.channels));
        std::vector<float *> out;
        for (auto &plane : m_planes) {
            plane.resize(size_t(cap));
            out.push_back(plane.data());
        }
        const int got = m_rs.convert(out.data(), cap, samples, frames);
        if (got < 0 || av_audio_fifo_write(m_fifo, reinterpret_cast<void **>(out.data()), got) < got)
            return fail(QCoreApplication::translate("Media", "The WMA encoder failed"));
        m_samples += got;
        while (av_audio_fifo_size(m_fifo) >= m_enc->frame_size) {
            if (!encodeFrame())
                return false;
        }
        return true;
    }
    bool writeFloat(const float *samples, int frames) override
    {
        m_started = true;
        if (!deinterleave(samples, frames, m_p.channels, m_planes, m_fifo))
            return fail(QCoreApplication::translate("Media", "The WMA encoder failed"));
        m_samples += frames;
        while (av_audio_fifo_size(m_fifo) >= m_enc->frame_size)
            if (!encodeFrame())
                return false;
        return true;
    }
    bool finish() override
    {
        bool ok = write(nullptr, 0);
        // Pad to a whole frame; the decoder gives the last one out when it is flushed.
        const int fs = m_enc->frame_size;
        ok = ok && silence((fs - av_audio_fifo_size(m_fifo) % fs) % fs);
        while (ok && av_audio_fifo_size(m_fifo) >= fs)
            ok = encodeFrame();
        ok = ok && avcodec_send_frame(m_enc, nullptr) >= 0 && drain();
        ok = endAvOutput(m_oc, ok, m_path, &error);
        if (!ok && error.isEmpty())
            error = QCoreApplication::translate("Media", "Cannot write %1").arg(m_path);
        return ok;
    }

    const AVCodecParameters *streamCodec() const override { return m_oc && m_oc->nb_streams ? m_oc->streams[0]->codecpar : nullptr; }

private:
    bool fail(const QString &why)
    {
        error = why;
        return false;
    }
    bool silence(int frames)
    {
        std::vector<std::vector<float>> zeros(size_t(m_p.channels), std::vector<float>(size_t(frames)));
        std::vector<float *> z;
        for (auto &plane : zeros)
            z.push_back(plane.data());
        return av_audio_fifo_write(m_fifo, reinterpret_cast<void **>(z.data()), frames) == frames
            || fail(QCoreApplication::translate("Media", "Out of memory"));
    }
    bool encodeFrame()
    {
        if (av_frame_make_writable(m_frame) < 0
            || av_audio_fifo_read(m_fifo, reinterpret_cast<void **>(m_frame->data), m_enc->frame_size) < m_enc->frame_size)
            return fail(QCoreApplication::translate("Media", "The WMA encoder failed"));
        m_frame->pts = m_pts;
        m_pts += m_enc->frame_size;
        if (avcodec_send_frame(m_enc, m_frame) < 0)
            return fail(QCoreApplication::translate("Media", "The WMA encoder failed"));
        return drain();
    }
    bool drain()
    {
        int r;
        while ((r = avcodec_receive_packet(m_enc, m_pkt)) >= 0) {
            // The padding is no sound: the file's stated length (the muxer takes the latest
            // packet end) ends with the real samples. A packet's time is that of the sound
            // it decodes to; the last frame comes out when the decoder is flushed, after the
            // last packet, which therefore stands for up to two frames. The muxer counts in
            // milliseconds and takes a duration that rounds to 0 as unknown.
            if (m_pkt->pts != AV_NOPTS_VALUE)
                m_pkt->duration = std::clamp<int64_t>(m_samples - m_pkt->pts, m_p.rate / 1000 + 1,
                                                      2 * m_enc->frame_size);
            av_packet_rescale_ts(m_pkt, m_enc->time_base, m_oc->streams[0]->time_base);
            m_pkt->stream_index = 0;
            if (tap)
                tap(m_pkt->data, size_t(m_pkt->size));
            if (const int w = av_write_frame(m_oc, m_pkt); w < 0)
                return fail(cannotWrite(m_path, avReason(w)));
            av_packet_unref(m_pkt);
        }
        return r == AVERROR(EAGAIN) || r == AVERROR_EOF || fail(QCoreApplication::translate("Media", "The WMA encoder failed"));
    }

    WmaProfile m_p;
    QString m_path;
    AVFormatContext *m_oc = nullptr;
    AVCodecContext *m_enc = nullptr;
    AVAudioFifo *m_fifo = nullptr;
    AVFrame *m_frame = nullptr;
    AVPacket *m_pkt = nullptr;
    Resampler m_rs;
    std::vector<std::vector<float>> m_planes;
    int64_t m_pts = 0, m_samples = 0;
    int m_inRate = 44100, m_inChannels = 2;
    bool m_started = false;
};

// ---- Writers that keep 24-bit sound -----------------------------------------------------

// Takes 32-bit samples; 16-bit input is widened (its 16 bits become the top ones).
class WideWriter : public AudioWriter
{
public:
    bool wide() const override { return true; }
    bool write(const int16_t *samples, int frames) override
    {
        m_wide.resize(size_t(frames) * size_t(m_inChannels));
        for (size_t i = 0; i < m_wide.size(); ++i)
            m_wide[i] = int32_t(uint32_t(uint16_t(samples[i])) << 16);
        return write32(m_wide.data(), frames);
    }

protected:
    bool fail(const QString &why)
    {
        error = why;
        return false;
    }
    bool takeInput(int rate, int channels, int outRate, int outChannels, AVSampleFormat outFormat)
    {
        if (m_started || channels < 1 || channels > 8 || rate <= 0
            || !m_rs.configure(rate, channels, outRate, outChannels, AV_SAMPLE_FMT_S32, outFormat))
            return fail(QCoreApplication::translate("Media", "Cannot take input of %1 Hz, %2 channels").arg(rate).arg(channels));
        m_inRate = rate;
        m_inChannels = channels;
        m_same = rate == outRate && channels == outChannels && outFormat == AV_SAMPLE_FMT_S32;
        return true;
    }
    // The input at the output's rate and channels in m_converted (interleaved, one plane);
    // samples = nullptr drains the resampler. Returns frames or < 0.
    template <typename T>
    int convert(const int32_t *samples, int frames, int outChannels, std::vector<T> &out)
    {
        const int cap = m_rs.capacity(frames);
        out.resize(size_t(cap) * size_t(outChannels));
        void *planes[1] = {out.data()};
        return m_rs.convert(planes, cap, samples, frames);
    }

    Resampler m_rs;
    int m_inRate = 44100, m_inChannels = 2;
    bool m_started = false, m_same = false;
    std::vector<int32_t> m_wide;
};

// ---- FLAC ------------------------------------------------------------------------------

// Exported by libFLAC and used by its flac tool (--no-md5-sum), but declared only in a
// header libFLAC does not install.
extern "C" FLAC__bool FLAC__stream_encoder_set_do_md5(FLAC__StreamEncoder *encoder, FLAC__bool value);

class FlacWriter final : public WideWriter
{
public:
    explicit FlacWriter(const FlacSettings &s) : m_s(s), m_md5(av_md5_alloc())
    {
        if (m_md5)
            av_md5_init(m_md5.get());
    }
    ~FlacWriter() override
    {
        if (m_enc)
            FLAC__stream_encoder_delete(m_enc);
        m_file.close(); // before its buffer goes
        if (m_seekTable)
            FLAC__metadata_object_delete(m_seekTable);
        if (m_padding)
            FLAC__metadata_object_delete(m_padding);
    }
    void expectFrames(int64_t frames) override { m_expected = frames; }
    // The MD5 signature of the sound, which costs the encoder about a seventh of its time,
    // is computed ahead when the samples reach the encoder as they are.
    std::function<void(const int32_t *, int)> workAhead() override
    {
        if (!m_same || m_started)
            return {};
        m_md5Ahead = true;
        return [this](const int32_t *samples, int frames) {
            m_aheadBuf.resize(size_t(frames) * size_t(m_s.channels));
            toWidth(samples, m_aheadBuf.size(), m_aheadBuf.data());
            digest(m_aheadBuf.data(), m_aheadBuf.size(), m_aheadBytes);
        };
    }

    bool open(const QString &path) override
    {
        m_path = path;
        if (const QString why = checkFlacSettings(m_s); !why.isEmpty())
            return fail(why);
        if (!setInput(m_inRate, m_inChannels))
            return false;
        if (!m_file.open(path, "w+b")) // STREAMINFO and the seek table are rewritten at the end
            return fail(cannotCreate(path));
        // A write call every 64 KiB, not every 4 (the bytes libFLAC rewrites at the end cost
        // one buffer of writing again).
        m_fileBuffer.resize(64 * 1024);
        std::setvbuf(m_file.handle(), m_fileBuffer.data(), _IOFBF, m_fileBuffer.size());
        m_enc = FLAC__stream_encoder_new();
        if (!m_enc || !m_md5)
            return fail(QCoreApplication::translate("Media", "Out of memory"));
        // The MD5 signature is ours (see digest), written into STREAMINFO at the end.
        FLAC__stream_encoder_set_do_md5(m_enc, false);
        FLAC__stream_encoder_set_channels(m_enc, unsigned(m_s.channels));
        FLAC__stream_encoder_set_bits_per_sample(m_enc, unsigned(m_s.bits));
        FLAC__stream_encoder_set_sample_rate(m_enc, unsigned(m_s.rate));
        FLAC__stream_encoder_set_compression_level(m_enc, unsigned(m_s.compression));
        if (!addSeekTable())
            return fail(QCoreApplication::translate("Media", "Out of memory"));
        // The file is ours, not libFLAC's, which would close it without a look at the result.
        const auto write = [](const FLAC__StreamEncoder *, const FLAC__byte buffer[], size_t bytes, uint32_t, uint32_t,
                              void *self) {
            return static_cast<FlacWriter *>(self)->m_file.write(buffer, bytes) ? FLAC__STREAM_ENCODER_WRITE_STATUS_OK
                                                                                : FLAC__STREAM_ENCODER_WRITE_STATUS_FATAL_ERROR;
        };
        const auto seek = [](const FLAC__StreamEncoder *, FLAC__uint64 offset, void *self) {
            return static_cast<FlacWriter *>(self)->m_file.seek(int64_t(offset)) ? FLAC__STREAM_ENCODER_SEEK_STATUS_OK
                                                                                 : FLAC__STREAM_ENCODER_SEEK_STATUS_ERROR;
        };
        const auto tell = [](const FLAC__StreamEncoder *, FLAC__uint64 *offset, void *self) {
            const int64_t at = static_cast<FlacWriter *>(self)->m_file.tell();
            *offset = FLAC__uint64(std::max<int64_t>(at, 0));
            return at >= 0 ? FLAC__STREAM_ENCODER_TELL_STATUS_OK : FLAC__STREAM_ENCODER_TELL_STATUS_ERROR;
        };
        if (FLAC__stream_encoder_init_stream(m_enc, write, seek, tell, nullptr, this) != FLAC__STREAM_ENCODER_INIT_STATUS_OK)
            return fail(QCoreApplication::translate("Media", "The FLAC encoder refuses %1 Hz, %2 channels, %3 bits")
                            .arg(m_s.rate).arg(m_s.channels).arg(m_s.bits));
        return true;
    }
    bool setInput(int rate, int channels) override
    {
        return takeInput(rate, channels, m_s.rate, m_s.channels, AV_SAMPLE_FMT_S32);
    }
    bool write32(const int32_t *samples, int frames) override
    {
        m_started = true;
        if (m_same)
            return encode(samples, frames);
        const int got = convert(samples, frames, m_s.channels, m_converted);
        return got >= 0 ? encode(m_converted.data(), got) : fail(QCoreApplication::translate("Media", "The FLAC encoder failed"));
    }
    bool finish() override
    {
        bool ok = m_same || write32(nullptr, 0); // the resampler's tail
        ok = FLAC__stream_encoder_finish(m_enc) && ok;
        FLAC__stream_encoder_delete(m_enc);
        m_enc = nullptr;
        ok = ok && rewriteMetadata();
        const bool closed = m_file.close();
        if (m_file.failed())
            error = cannotWrite(m_path, m_file.reason());
        else if (!ok && error.isEmpty())
            error = QCoreApplication::translate("Media", "The FLAC encoder failed");
        return ok && closed;
    }

private:
    // A seek point every 10 s of the expected length, as the flac tool writes: a template
    // the encoder fills in as it passes each point and writes back at the end. Without a
    // length there is no table (its size is fixed before the first frame).
    bool addSeekTable()
    {
        // Output samples, kept a little short so that resampling cannot leave the last
        // point past the end.
        const int64_t total = m_expected * m_s.rate / m_inRate - m_s.rate / 10;
        FLAC__StreamMetadata *blocks[2];
        unsigned count = 0;
        if (total > 0) {
            FLAC__stream_encoder_set_total_samples_estimate(m_enc, FLAC__uint64(total));
            m_seekTable = FLAC__metadata_object_new(FLAC__METADATA_TYPE_SEEKTABLE);
            if (!m_seekTable
                || !FLAC__metadata_object_seektable_template_append_spaced_points_by_samples(
                    m_seekTable, unsigned(10 * m_s.rate), FLAC__uint64(total))
                || !FLAC__metadata_object_seektable_template_sort(m_seekTable, true))
                return false;
            blocks[count++] = m_seekTable;
        }
        // 8 KiB of padding, as the flac tool leaves: the tags written afterwards take its
        // room instead of moving the whole file.
        m_padding = FLAC__metadata_object_new(FLAC__METADATA_TYPE_PADDING);
        if (!m_padding)
            return false;
        m_padding->length = 8192;
        blocks[count++] = m_padding;
        return FLAC__stream_encoder_set_metadata(m_enc, blocks, count);
    }
    // STREAMINFO gets the MD5 signature. Seek points the sound never reached (it ended
    // before the expected length) would name samples past the end: they become placeholders.
    // Both blocks are rewritten in place.
    bool rewriteMetadata()
    {
        uint8_t md5[16];
        av_md5_final(m_md5.get(), md5);
        bool unreached = false;
        if (m_seekTable) {
            FLAC__StreamMetadata_SeekTable &table = m_seekTable->data.seek_table;
            for (unsigned i = 0; i < table.num_points; ++i) {
                FLAC__StreamMetadata_SeekPoint &p = table.points[i];
                if (p.frame_samples == 0 && p.sample_number != FLAC__STREAM_METADATA_SEEKPOINT_PLACEHOLDER) {
                    p = {FLAC__STREAM_METADATA_SEEKPOINT_PLACEHOLDER, 0, 0};
                    unreached = true;
                }
            }
            if (unreached)
                FLAC__metadata_object_seektable_template_sort(m_seekTable, false);
        }
        // STREAMINFO comes first: its signature is 26 bytes into the file ("fLaC", the block's
        // header, 18 bytes of sizes and rates). The seek table is found by its block header.
        bool ok = m_file.seek(26) && m_file.write(md5, sizeof md5);
        for (int64_t at = 4; ok && unreached;) {
            uint8_t header[4];
            ok = m_file.seek(at) && m_file.read(header, sizeof header);
            const int64_t length = (int64_t(header[1]) << 16) | (int64_t(header[2]) << 8) | header[3];
            if (ok && (header[0] & 0x7f) == FLAC__METADATA_TYPE_SEEKTABLE) {
                const FLAC__StreamMetadata_SeekTable &table = m_seekTable->data.seek_table;
                std::vector<uint8_t> points;
                for (unsigned i = 0; i < table.num_points; ++i) {
                    const FLAC__StreamMetadata_SeekPoint &p = table.points[i];
                    for (int k = 7; k >= 0; --k)
                        points.push_back(uint8_t(p.sample_number >> (8 * k)));
                    for (int k = 7; k >= 0; --k)
                        points.push_back(uint8_t(p.stream_offset >> (8 * k)));
                    points.push_back(uint8_t(p.frame_samples >> 8));
                    points.push_back(uint8_t(p.frame_samples));
                }
                ok = int64_t(points.size()) == length && m_file.seek(at + 4) && m_file.write(points.data(), points.size());
                break;
            }
            ok = ok && !(header[0] & 0x80); // the last block, and no seek table
            at += 4 + length;
        }
        return ok || fail(QCoreApplication::translate("Media", "The FLAC encoder failed"));
    }
    // Full-scale samples down to the file's sample size, rounded half up (the largest value
    // kept), in 32-bit steps that the compiler vectorises.
    void toWidth(const int32_t *in, size_t n, FLAC__int32 *out) const
    {
        const int shift = 32 - m_s.bits;
        const int32_t top = int32_t((int64_t(1) << (m_s.bits - 1)) - 1);
        for (size_t i = 0; i < n; ++i)
            out[i] = std::min((in[i] >> shift) + ((in[i] >> (shift - 1)) & 1), top);
    }
    // FLAC's MD5 signature: every sample in little-endian order in whole bytes.
    void digest(const FLAC__int32 *samples, size_t n, std::vector<uint8_t> &bytes)
    {
        const size_t width = size_t(m_s.bits + 7) / 8;
        bytes.resize(n * width);
        uint8_t *b = bytes.data();
        if (width == 2) {
            for (size_t i = 0; i < n; ++i, b += 2) {
                b[0] = uint8_t(samples[i]);
                b[1] = uint8_t(samples[i] >> 8);
            }
        } else {
            for (size_t i = 0; i < n; ++i)
                for (size_t k = 0; k < width; ++k)
                    *b++ = uint8_t(samples[i] >> (8 * k));
        }
        av_md5_update(m_md5.get(), bytes.data(), bytes.size());
    }
    // Full-scale samples down to the file's sample size, rounded.
    bool encode(const int32_t *samples, int frames)
    {
        if (frames <= 0)
            return true;
        m_buf.resize(size_t(frames) * size_t(m_s.channels));
        toWidth(samples, m_buf.size(), m_buf.data());
        if (!m_md5Ahead)
            digest(m_buf.data(), m_buf.size(), m_bytes);
        if (FLAC__stream_encoder_process_interleaved(m_enc, m_buf.data(), unsigned(frames)))
            return true;
        if (m_file.failed())
            return fail(cannotWrite(m_path, m_file.reason()));
        const FLAC__StreamEncoderState state = FLAC__stream_encoder_get_state(m_enc);
        return fail(state == FLAC__STREAM_ENCODER_IO_ERROR || state == FLAC__STREAM_ENCODER_CLIENT_ERROR
                        ? QCoreApplication::translate("Media", "Cannot write %1").arg(m_path)
                        : QCoreApplication::translate("Media", "The FLAC encoder failed (%1)").arg(FLAC__StreamEncoderStateString[state]));
    }

    FlacSettings m_s;
    QString m_path;
    OutputFile m_file;
    FLAC__StreamEncoder *m_enc = nullptr;
    FLAC__StreamMetadata *m_padding = nullptr;
    FLAC__StreamMetadata *m_seekTable = nullptr;
    int64_t m_expected = 0; // input frames
    std::vector<int32_t> m_converted;
    std::vector<FLAC__int32> m_buf;
    struct Md5Free
    {
        void operator()(AVMD5 *p) const { av_free(p); }
    };
    std::unique_ptr<AVMD5, Md5Free> m_md5;
    bool m_md5Ahead = false;              // the signature is computed by workAhead's function
    std::vector<uint8_t> m_bytes;         // the encoder thread's samples as the signature reads them
    std::vector<FLAC__int32> m_aheadBuf;  // the same for the thread ahead
    std::vector<uint8_t> m_aheadBytes;
    std::vector<char> m_fileBuffer; // the output's stdio buffer, in use until libFLAC closes the file
};

// ---- Opus ------------------------------------------------------------------------------

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

// ---- M4A -------------------------------------------------------------------------------

class M4aWriter final : public WideWriter
{
public:
    explicit M4aWriter(const M4aSettings &s) : m_s(s) {}
    ~M4aWriter() override
    {
        if (m_oc) {
            avio_closep(&m_oc->pb);
            avformat_free_context(m_oc);
        }
        avcodec_free_context(&m_enc);
        av_audio_fifo_free(m_fifo);
        av_frame_free(&m_frame);
        av_packet_free(&m_pkt);
    }

    bool open(const QString &path) override
    {
        quietAvLogging();
        m_path = path;
        if (const QString why = checkM4aSettings(m_s); !why.isEmpty())
            return fail(why);
        const AVCodec *codec = avcodec_find_encoder_by_name("aac");
        if (!codec || avformat_alloc_output_context2(&m_oc, nullptr, "ipod", nullptr) < 0)
            return fail(QCoreApplication::translate("Media", "No AAC encoder"));
        m_enc = avcodec_alloc_context3(codec);
        m_enc->sample_fmt = AV_SAMPLE_FMT_FLTP;
        m_enc->sample_rate = m_s.rate;
        av_channel_layout_default(&m_enc->ch_layout, m_s.channels);
        m_enc->bit_rate = int64_t(m_s.kbps) * 1000;
        m_enc->time_base = {1, m_s.rate};
        if (m_oc->oformat->flags & AVFMT_GLOBALHEADER)
            m_enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        if (avcodec_open2(m_enc, codec, nullptr) < 0)
            return fail(QCoreApplication::translate("Media", "The AAC encoder refuses %1 kbps at %2 Hz").arg(m_s.kbps).arg(m_s.rate));
        AVStream *st = avformat_new_stream(m_oc, nullptr);
        if (!st || avcodec_parameters_from_context(st->codecpar, m_enc) < 0)
            return fail(QCoreApplication::translate("Media", "No AAC encoder"));
        st->time_base = m_enc->time_base;
        if (!setInput(m_inRate, m_inChannels))
            return false;
        if (const int r = avio_open(&m_oc->pb, avFileUrl(path).constData(), AVIO_FLAG_WRITE); r < 0)
            return fail(QCoreApplication::translate("Media", "Cannot create %1 (%2)").arg(path, avReason(r)));
        // The movie counts in samples, so its edit list trims the encoder's delay and the
        // last frame exactly (the default, milliseconds, cannot). The index goes before the
        // sound, so the file plays while it is still being copied: the muxer moves it there
        // at the end, reopening the file by its name.
        m_oc->url = av_strdup(avFileUrl(path).constData());
        AVDictionary *opts = nullptr;
        av_dict_set_int(&opts, "movie_timescale", m_s.rate, 0);
        av_dict_set(&opts, "movflags", "+faststart", 0);
        const int r = avformat_write_header(m_oc, &opts);
        av_dict_free(&opts);
        if (r < 0)
            return fail(cannotWrite(path, avReason(r)));
        m_fifo = av_audio_fifo_alloc(AV_SAMPLE_FMT_FLTP, m_s.channels, m_enc->frame_size * 2);
        m_frame = av_frame_alloc();
        m_pkt = av_packet_alloc();
        return (m_fifo && m_frame && m_pkt) || fail(QCoreApplication::translate("Media", "Out of memory"));
    }
    bool setInput(int rate, int channels) override
    {
        return takeInput(rate, channels, m_s.rate, m_s.channels, AV_SAMPLE_FMT_FLTP);
    }
    bool write32(const int32_t *samples, int frames) override
    {
        m_started = true;
        const int cap = m_rs.capacity(frames);
        m_planes.resize(size_t(m_s.channels));
        std::vector<void *> out;
        for (auto &plane : m_planes) {
            plane.resize(size_t(cap));
            out.push_back(plane.data());
        }
        const int got = m_rs.convert(out.data(), cap, samples, frames);
        if (got < 0 || av_audio_fifo_write(m_fifo, out.data(), got) < got)
            return fail(QCoreApplication::translate("Media", "The AAC encoder failed"));
        while (av_audio_fifo_size(m_fifo) >= m_enc->frame_size)
            if (!encodeFrame(m_enc->frame_size))
                return false;
        return true;
    }
    bool writeFloat(const float *samples, int frames) override
    {
        m_started = true;
        if (!deinterleave(samples, frames, m_s.channels, m_planes, m_fifo))
            return fail(QCoreApplication::translate("Media", "The AAC encoder failed"));
        while (av_audio_fifo_size(m_fifo) >= m_enc->frame_size)
            if (!encodeFrame(m_enc->frame_size))
                return false;
        return true;
    }
    bool finish() override
    {
        bool ok = write32(nullptr, 0);
        // The last frame may be short: the encoder then marks the end, so the file's
        // length is the sound's.
        if (ok && av_audio_fifo_size(m_fifo) > 0)
            ok = encodeFrame(av_audio_fifo_size(m_fifo));
        ok = ok && avcodec_send_frame(m_enc, nullptr) >= 0 && drain();
        ok = endAvOutput(m_oc, ok, m_path, &error);
        if (!ok && error.isEmpty())
            error = QCoreApplication::translate("Media", "Cannot write %1").arg(m_path);
        return ok;
    }

    const AVCodecParameters *streamCodec() const override { return m_oc && m_oc->nb_streams ? m_oc->streams[0]->codecpar : nullptr; }

private:
    bool encodeFrame(int samples)
    {
        av_frame_unref(m_frame);
        m_frame->nb_samples = samples;
        m_frame->format = AV_SAMPLE_FMT_FLTP;
        m_frame->sample_rate = m_s.rate;
        av_channel_layout_copy(&m_frame->ch_layout, &m_enc->ch_layout);
        if (av_frame_get_buffer(m_frame, 0) < 0
            || av_audio_fifo_read(m_fifo, reinterpret_cast<void **>(m_frame->data), samples) < samples)
            return fail(QCoreApplication::translate("Media", "The AAC encoder failed"));
        m_frame->pts = m_pts;
        m_pts += samples;
        if (avcodec_send_frame(m_enc, m_frame) < 0)
            return fail(QCoreApplication::translate("Media", "The AAC encoder failed"));
        return drain();
    }
    bool drain()
    {
        int r;
        while ((r = avcodec_receive_packet(m_enc, m_pkt)) >= 0) {
            av_packet_rescale_ts(m_pkt, m_enc->time_base, m_oc->streams[0]->time_base);
            m_pkt->stream_index = 0;
            if (tap)
                tap(m_pkt->data, size_t(m_pkt->size));
            if (const int w = av_write_frame(m_oc, m_pkt); w < 0)
                return fail(cannotWrite(m_path, avReason(w)));
            av_packet_unref(m_pkt);
        }
        return r == AVERROR(EAGAIN) || r == AVERROR_EOF || fail(QCoreApplication::translate("Media", "The AAC encoder failed"));
    }

    M4aSettings m_s;
    QString m_path;
    AVFormatContext *m_oc = nullptr;
    AVCodecContext *m_enc = nullptr;
    AVAudioFifo *m_fifo = nullptr;
    AVFrame *m_frame = nullptr;
    AVPacket *m_pkt = nullptr;
    std::vector<std::vector<float>> m_planes;
    int64_t m_pts = 0;
};

} // namespace

std::unique_ptr<AudioWriter> makeMp3Writer(const Mp3Settings &s) { return std::make_unique<Mp3Writer>(s); }
std::unique_ptr<AudioWriter> makeOggWriter(const OggSettings &s) { return std::make_unique<OggWriter>(s); }
std::unique_ptr<AudioWriter> makeWmaWriter(const WmaProfile &p) { return std::make_unique<WmaWriter>(p); }
std::unique_ptr<AudioWriter> makeFlacWriter(const FlacSettings &s) { return std::make_unique<FlacWriter>(s); }
std::unique_ptr<AudioWriter> makeOpusWriter(const OpusSettings &s) { return std::make_unique<OpusWriter>(s); }
std::unique_ptr<AudioWriter> makeM4aWriter(const M4aSettings &s) { return std::make_unique<M4aWriter>(s); }

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

QString checkMp3Settings(const Mp3Settings &s)
{
    QString error;
    lame_t gf = makeLame(s, 44100, 2, &error);
    if (gf)
        lame_close(gf);
    return error;
}

QString checkFlacSettings(const FlacSettings &s)
{
    if (s.rate < 1 || s.rate > 655350 || s.channels < 1 || s.channels > 2 || (s.bits != 16 && s.bits != 24)
        || s.compression < 0 || s.compression > 8)
        return QCoreApplication::translate("Media", "FLAC takes 1 or 2 channels, 16 or 24 bits and compression 0 to 8, not %1 Hz, "
                              "%2 channels, %3 bits, compression %4")
            .arg(s.rate).arg(s.channels).arg(s.bits).arg(s.compression);
    return {};
}

QString checkOpusSettings(const OpusSettings &s)
{
    if (s.kbps < 32 || s.kbps > 256 || s.channels < 1 || s.channels > 2)
        return QCoreApplication::translate("Media", "Opus takes 32 to 256 kbps and 1 or 2 channels, not %1 kbps, %2 channels")
            .arg(s.kbps).arg(s.channels);
    return {};
}

QString checkM4aSettings(const M4aSettings &s)
{
    if ((s.rate != 44100 && s.rate != 48000) || s.kbps < 64 || s.kbps > 320 || s.channels < 1 || s.channels > 2)
        return QCoreApplication::translate("Media", "M4A takes 44100 or 48000 Hz, 64 to 320 kbps and 1 or 2 channels, not %1 Hz, "
                              "%2 kbps, %3 channels")
            .arg(s.rate).arg(s.kbps).arg(s.channels);
    return {};
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
