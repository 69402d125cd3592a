// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/streampeak.h"

#include <algorithm>
#include <atomic>
#include <cmath>

#include "media/avinput.h"
#include "media/loudness.h"

#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {
constexpr size_t kPipeBytes = 1 << 20; // the reader may lag the writer by this much
constexpr size_t kWakeBytes = 64 * 1024; // and wakes when this much waits: seconds of sound
constexpr int kIoBytes = 64 * 1024;

struct IoCloser
{
    void operator()(AVIOContext *io) const
    {
        av_freep(&io->buffer);
        avio_context_free(&io);
    }
};
struct ParametersCloser
{
    void operator()(AVCodecParameters *p) const { avcodec_parameters_free(&p); }
};
} // namespace

struct EncodedPeakReader::Private
{
    std::stop_token stop;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::vector<uint8_t>> chunks;
    size_t offset = 0; // into the first chunk
    size_t queued = 0;
    bool ended = false, readerDone = false;
    std::optional<LoudnessMeasurement> measured; // once read to the end
    std::unique_ptr<AVCodecParameters, ParametersCloser> codec;
    int64_t skip = 0; // decoded frames still to drop
    std::atomic<double> length{-1}; // seconds to measure, once known
    int64_t taken = 0;                // frames measured
    std::thread thread;

    explicit Private(std::stop_token s) : stop(std::move(s)) {}

    // Waits for bytes to read (once out of them, for kWakeBytes), the stream's end or a stop:
    // 0 when there are bytes, else AVERROR_EOF or AVERROR_EXIT.
    int await(std::unique_lock<std::mutex> &lock)
    {
        if (chunks.empty())
            while (queued < kWakeBytes && !ended && !stop.stop_requested())
                changed.wait_for(lock, std::chrono::milliseconds(20));
        return stop.stop_requested() ? AVERROR_EXIT : chunks.empty() ? AVERROR_EOF : 0;
    }

    // libavformat's read.
    int read(uint8_t *buf, int size)
    {
        std::unique_lock lock(mutex);
        if (const int r = await(lock))
            return r;
        int got = 0;
        while (got < size && !chunks.empty()) {
            std::vector<uint8_t> &front = chunks.front();
            const size_t n = std::min(size_t(size - got), front.size() - offset);
            std::memcpy(buf + got, front.data() + offset, n);
            got += int(n);
            offset += n;
            if (offset == front.size()) {
                chunks.pop_front();
                offset = 0;
            }
        }
        queued -= size_t(got);
        changed.notify_all();
        return got;
    }

    // The next packet the encoder gave, whole; AVERROR_EOF at the end.
    int takePacket(AVPacket *pkt)
    {
        std::unique_lock lock(mutex);
        if (const int r = await(lock))
            return r;
        const std::vector<uint8_t> packet = std::move(chunks.front());
        chunks.pop_front();
        queued -= packet.size();
        changed.notify_all();
        lock.unlock();
        if (av_new_packet(pkt, int(packet.size())) < 0)
            return AVERROR(ENOMEM);
        std::memcpy(pkt->data, packet.data(), packet.size());
        return 0;
    }

    // Decodes the stream to its end and sets the peak; leaves it unset when it cannot.
    void run(const char *container, const AVCodecParameters *codec)
    {
        std::unique_ptr<AVIOContext, IoCloser> io;
        AVFormatPtr fmt;
        int si = 0;
        if (!codec && !container)
            return;
        const bool packets = codec != nullptr;
        if (!codec) {
            if (!openContainer(container, io, fmt))
                return;
            // The stream's first sound track; its rate and channels are found by its decoder.
            while (si < int(fmt->nb_streams) && fmt->streams[si]->codecpar->codec_type != AVMEDIA_TYPE_AUDIO)
                ++si;
            if (si == int(fmt->nb_streams))
                return;
            codec = fmt->streams[si]->codecpar;
        }
        if (packets)
            skip += codec->initial_padding;
        const AVCodec *decoder = avcodec_find_decoder(codec->codec_id);
        std::unique_ptr<AVCodecContext, CodecCloser> dec(decoder ? avcodec_alloc_context3(decoder) : nullptr);
        if (!dec || avcodec_parameters_to_context(dec.get(), codec) < 0 || avcodec_open2(dec.get(), decoder, nullptr) < 0)
            return;
        std::unique_ptr<AVPacket, PacketCloser> pkt(av_packet_alloc());
        std::unique_ptr<AVFrame, FrameCloser> frame(av_frame_alloc());
        std::optional<LoudnessMeter> meter;
        std::vector<float> interleaved;
        // Takes every frame the decoder has ready; false on a sound it cannot read.
        const auto drain = [&] {
            while (avcodec_receive_frame(dec.get(), frame.get()) == 0) {
                const int channels = frame->ch_layout.nb_channels;
                const int dropped = int(std::clamp<int64_t>(skip, 0, frame->nb_samples));
                int n = frame->nb_samples - dropped;
                skip -= dropped;
                if (const double seconds = length; seconds >= 0)
                    n = int(std::clamp<int64_t>(std::llround(seconds * frame->sample_rate) - taken, 0, n));
                taken += n;
                if (!meter)
                    meter.emplace(channels, frame->sample_rate);
                if (frame->format == AV_SAMPLE_FMT_FLT) {
                    meter->add(reinterpret_cast<const float *>(frame->data[0]) + size_t(dropped) * size_t(channels), size_t(n));
                } else if (frame->format == AV_SAMPLE_FMT_FLTP) {
                    interleaved.resize(size_t(n) * size_t(channels));
                    for (int c = 0; c < channels; ++c) {
                        const auto *plane = reinterpret_cast<const float *>(frame->extended_data[c]) + dropped;
                        for (int i = 0; i < n; ++i)
                            interleaved[size_t(i) * size_t(channels) + size_t(c)] = plane[i];
                    }
                    meter->add(interleaved.data(), size_t(n));
                } else {
                    return false; // the float decoders of these formats give no other
                }
                av_frame_unref(frame.get());
            }
            return true;
        };
        int r = 0;
        while ((r = fmt ? av_read_frame(fmt.get(), pkt.get()) : takePacket(pkt.get())) >= 0) {
            const bool ours = pkt->stream_index == si;
            // A damaged packet is skipped, as a player would.
            if (ours && avcodec_send_packet(dec.get(), pkt.get()) < 0 && stop.stop_requested())
                r = AVERROR_EXIT;
            av_packet_unref(pkt.get());
            if (r < 0 || (ours && !drain()))
                return;
        }
        if (r != AVERROR_EOF || avcodec_send_packet(dec.get(), nullptr) < 0 || !drain())
            return;
        measured = meter ? meter->result() : LoudnessMeasurement{};
    }

    // libavformat reading the bytes fed, as they come.
    bool openContainer(const char *container, std::unique_ptr<AVIOContext, IoCloser> &io, AVFormatPtr &fmt)
    {
        auto *buffer = static_cast<uint8_t *>(av_malloc(kIoBytes));
        io.reset(avio_alloc_context(
            buffer, kIoBytes, 0, this,
            [](void *self, uint8_t *b, int n) { return static_cast<Private *>(self)->read(b, n); }, nullptr, nullptr));
        AVFormatContext *raw = avformat_alloc_context();
        if (!io || !raw) {
            if (!io)
                av_free(buffer);
            avformat_free_context(raw);
            return false;
        }
        raw->pb = io.get();
        raw->flags |= AVFMT_FLAG_CUSTOM_IO;
        raw->interrupt_callback = stopInterrupt(&stop);
        if (avformat_open_input(&raw, nullptr, av_find_input_format(container), nullptr) < 0)
            return false; // raw is freed
        fmt.reset(raw);
        return true;
    }
};

EncodedPeakReader::EncodedPeakReader(const char *container, const AVCodecParameters *codec,
                                     std::stop_token stop, int64_t skip)
    : d(std::make_unique<Private>(std::move(stop)))
{
    d->skip = skip;
    // The reader keeps its own copy of the encoder's parameters.
    if (codec) {
        d->codec.reset(avcodec_parameters_alloc());
        if (d->codec)
            avcodec_parameters_copy(d->codec.get(), codec);
    }
    d->thread = std::thread([this, container] {
        d->run(container, d->codec.get());
        std::lock_guard lock(d->mutex);
        d->readerDone = true;
        d->chunks.clear();
        d->queued = 0;
        d->changed.notify_all();
    });
}

EncodedPeakReader::~EncodedPeakReader()
{
    finish();
}

void EncodedPeakReader::setLength(int64_t frames, int rate) { d->length = double(frames) / rate; }

void EncodedPeakReader::feed(const void *data, size_t size)
{
    std::unique_lock lock(d->mutex);
    while (d->queued >= kPipeBytes && !d->readerDone && !d->stop.stop_requested())
        d->changed.wait_for(lock, std::chrono::milliseconds(20));
    if (d->readerDone || d->stop.stop_requested() || size == 0)
        return;
    const auto *bytes = static_cast<const uint8_t *>(data);
    d->chunks.emplace_back(bytes, bytes + size);
    d->queued += size;
    if (d->queued >= kWakeBytes)
        d->changed.notify_all();
}

std::optional<LoudnessMeasurement> EncodedPeakReader::finish()
{
    {
        std::lock_guard lock(d->mutex);
        d->ended = true;
        d->changed.notify_all();
    }
    if (d->thread.joinable())
        d->thread.join();
    return d->measured;
}
