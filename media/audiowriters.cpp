// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/audiowriters.h"
#include <QCoreApplication>

#include "media/avinput.h"
#include "media/outputfile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

QString cannotCreate(const QString &path)
{
    return QCoreApplication::translate("Media", "Cannot create %1 (%2)").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
}

QString avReason(int error)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(error, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

namespace {
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
} // namespace

// ---- Resampler --------------------------------------------------------------------------

Resampler::~Resampler() { swr_free(&m_swr); }

bool Resampler::configure(int inRate, int inChannels, int outRate, int outChannels, AVSampleFormat inFormat,
                          AVSampleFormat outFormat)
{
    swr_free(&m_swr);
    AVChannelLayout in{}, out{};
    av_channel_layout_default(&in, inChannels);
    av_channel_layout_default(&out, outChannels);
    const int r = swr_alloc_set_opts2(&m_swr, &out, outFormat, outRate, &in, inFormat, inRate, 0, nullptr);
    return r >= 0 && swr_init(m_swr) >= 0;
}

int Resampler::capacity(int inFrames) const { return swr_get_out_samples(m_swr, inFrames) + 32; }

int Resampler::convert(void **out, int outCap, const void *in, int inFrames)
{
    const uint8_t *src[1] = {static_cast<const uint8_t *>(in)};
    return swr_convert(m_swr, reinterpret_cast<uint8_t **>(out), outCap, in ? src : nullptr, inFrames);
}

// ---- Writers that keep 24-bit sound -----------------------------------------------------

bool WideWriter::write(const int16_t *samples, int frames)
{
    m_wide.resize(size_t(frames) * size_t(m_inChannels));
    for (size_t i = 0; i < m_wide.size(); ++i)
        m_wide[i] = int32_t(uint32_t(uint16_t(samples[i])) << 16);
    return write32(m_wide.data(), frames);
}

bool WideWriter::takeInput(int rate, int channels, int outRate, int outChannels, AVSampleFormat outFormat)
{
    if (m_started || channels < 1 || channels > 8 || rate <= 0
        || !m_rs.configure(rate, channels, outRate, outChannels, AV_SAMPLE_FMT_S32, outFormat))
        return fail(QCoreApplication::translate("Media", "Cannot take input of %1 Hz, %2 channels").arg(rate).arg(channels));
    m_inRate = rate;
    m_inChannels = channels;
    m_same = rate == outRate && channels == outChannels && outFormat == AV_SAMPLE_FMT_S32;
    return true;
}

// ---- FFmpeg encoder and muxer -----------------------------------------------------------

CodecWriter::~CodecWriter()
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

bool CodecWriter::openCodec(const QString &path, const AVCodec *codec, const char *muxer)
{
    quietAvLogging();
    m_path = path;
    if (!codec || avformat_alloc_output_context2(&m_oc, nullptr, muxer, nullptr) < 0)
        return fail(say(Trouble::NoEncoder));
    m_enc = avcodec_alloc_context3(codec);
    m_enc->sample_fmt = AV_SAMPLE_FMT_FLTP;
    m_enc->sample_rate = m_rate;
    av_channel_layout_default(&m_enc->ch_layout, m_channels);
    m_enc->bit_rate = int64_t(m_kbps) * 1000;
    m_enc->time_base = {1, m_rate};
    if (m_oc->oformat->flags & AVFMT_GLOBALHEADER)
        m_enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (avcodec_open2(m_enc, codec, nullptr) < 0)
        return fail(say(Trouble::Refused));
    AVStream *st = avformat_new_stream(m_oc, nullptr);
    if (!st || avcodec_parameters_from_context(st->codecpar, m_enc) < 0)
        return fail(say(Trouble::NoEncoder));
    st->time_base = m_enc->time_base;
    if (!setInput(m_inRate, m_inChannels))
        return false;
    if (const int r = avio_open(&m_oc->pb, avFileUrl(path).constData(), AVIO_FLAG_WRITE); r < 0)
        return fail(QCoreApplication::translate("Media", "Cannot create %1 (%2)").arg(path, avReason(r)));
    AVDictionary *opts = nullptr;
    muxerOptions(&opts);
    const int r = avformat_write_header(m_oc, &opts);
    av_dict_free(&opts);
    if (r < 0)
        return fail(cannotWrite(path, avReason(r)));
    m_fifo = av_audio_fifo_alloc(AV_SAMPLE_FMT_FLTP, m_channels, m_enc->frame_size * 2);
    m_frame = av_frame_alloc();
    m_pkt = av_packet_alloc();
    if (!(m_fifo && m_frame && m_pkt))
        return fail(QCoreApplication::translate("Media", "Out of memory"));
    return begin();
}

bool CodecWriter::setInput(int rate, int channels)
{
    return takeInput(rate, channels, m_rate, m_channels, AV_SAMPLE_FMT_FLTP);
}

bool CodecWriter::write32(const int32_t *samples, int frames)
{
    m_started = true;
    const int cap = m_rs.capacity(frames);
    m_planes.resize(size_t(m_channels));
    std::vector<void *> out;
    for (auto &plane : m_planes) {
        plane.resize(size_t(cap));
        out.push_back(plane.data());
    }
    const int got = m_rs.convert(out.data(), cap, samples, frames);
    if (got < 0 || av_audio_fifo_write(m_fifo, out.data(), got) < got)
        return fail(say(Trouble::Failed));
    m_samples += got;
    while (av_audio_fifo_size(m_fifo) >= m_enc->frame_size)
        if (!encodeFrame(m_enc->frame_size))
            return false;
    return true;
}

bool CodecWriter::writeFloat(const float *samples, int frames)
{
    m_started = true;
    if (!deinterleave(samples, frames, m_channels, m_planes, m_fifo))
        return fail(say(Trouble::Failed));
    m_samples += frames;
    while (av_audio_fifo_size(m_fifo) >= m_enc->frame_size)
        if (!encodeFrame(m_enc->frame_size))
            return false;
    return true;
}

bool CodecWriter::finish()
{
    bool ok = write32(nullptr, 0) && end();
    ok = ok && avcodec_send_frame(m_enc, nullptr) >= 0 && drain();
    ok = endAvOutput(m_oc, ok, m_path, &error);
    if (!ok && error.isEmpty())
        error = QCoreApplication::translate("Media", "Cannot write %1").arg(m_path);
    return ok;
}

const AVCodecParameters *CodecWriter::streamCodec() const
{
    return m_oc && m_oc->nb_streams ? m_oc->streams[0]->codecpar : nullptr;
}

int CodecWriter::frameSize() const { return m_enc->frame_size; }

int CodecWriter::fifoSize() const { return av_audio_fifo_size(m_fifo); }

bool CodecWriter::silence(int frames)
{
    std::vector<std::vector<float>> zeros(static_cast<size_t>(m_channels), std::vector<float>(size_t(frames)));
    std::vector<float *> z;
    for (auto &plane : zeros)
        z.push_back(plane.data());
    return av_audio_fifo_write(m_fifo, reinterpret_cast<void **>(z.data()), frames) == frames
        || fail(QCoreApplication::translate("Media", "Out of memory"));
}

bool CodecWriter::encodeFrame(int samples)
{
    av_frame_unref(m_frame);
    m_frame->nb_samples = samples;
    m_frame->format = AV_SAMPLE_FMT_FLTP;
    m_frame->sample_rate = m_rate;
    av_channel_layout_copy(&m_frame->ch_layout, &m_enc->ch_layout);
    if (av_frame_get_buffer(m_frame, 0) < 0
        || av_audio_fifo_read(m_fifo, reinterpret_cast<void **>(m_frame->data), samples) < samples)
        return fail(say(Trouble::Failed));
    m_frame->pts = m_pts;
    m_pts += samples;
    if (avcodec_send_frame(m_enc, m_frame) < 0)
        return fail(say(Trouble::Failed));
    return drain();
}

bool CodecWriter::drain()
{
    int r;
    while ((r = avcodec_receive_packet(m_enc, m_pkt)) >= 0) {
        timePacket(m_pkt);
        av_packet_rescale_ts(m_pkt, m_enc->time_base, m_oc->streams[0]->time_base);
        m_pkt->stream_index = 0;
        if (tap)
            tap(m_pkt->data, size_t(m_pkt->size));
        if (const int w = av_write_frame(m_oc, m_pkt); w < 0)
            return fail(cannotWrite(m_path, avReason(w)));
        av_packet_unref(m_pkt);
    }
    return r == AVERROR(EAGAIN) || r == AVERROR_EOF || fail(say(Trouble::Failed));
}
