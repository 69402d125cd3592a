#include "media/streampeak.h"

#include "media/avinput.h"
#include "media/loudness.h"

#include <QCoreApplication>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {
constexpr size_t kPipeBytes = 1 << 20; // the reader may lag the writer by this much
constexpr int kIoBytes = 64 * 1024;

struct IoCloser
{
    void operator()(AVIOContext *io) const
    {
        av_freep(&io->buffer);
        avio_context_free(&io);
    }
};
} // namespace

struct EncodedPeakReader::Private
{
    const std::atomic<bool> &stop;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::vector<uint8_t>> chunks;
    size_t offset = 0; // into the first chunk
    size_t queued = 0;
    bool ended = false, readerDone = false;
    std::optional<double> peak;
    QString reason;
    std::thread thread;

    explicit Private(const std::atomic<bool> &s) : stop(s) {}

    // libavformat's read: waits for bytes, the stream's end or a stop.
    int read(uint8_t *buf, int size)
    {
        std::unique_lock lock(mutex);
        while (chunks.empty() && !ended && !stop)
            changed.wait_for(lock, std::chrono::milliseconds(20));
        if (stop)
            return AVERROR_EXIT;
        if (chunks.empty())
            return AVERROR_EOF;
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

    // Decodes the stream to its end; the peak, or the reason.
    void run(const char *container)
    {
        const QString unreadable = QCoreApplication::translate("Media", "The output could not be read back");
        auto *buffer = static_cast<uint8_t *>(av_malloc(kIoBytes));
        std::unique_ptr<AVIOContext, IoCloser> io(avio_alloc_context(
            buffer, kIoBytes, 0, this,
            [](void *self, uint8_t *b, int n) { return static_cast<Private *>(self)->read(b, n); }, nullptr,
            nullptr));
        AVFormatContext *raw = avformat_alloc_context();
        if (!io || !raw) {
            avformat_free_context(raw);
            reason = unreadable;
            return;
        }
        raw->pb = io.get();
        raw->flags |= AVFMT_FLAG_CUSTOM_IO;
        raw->interrupt_callback = {[](void *p) { return static_cast<const std::atomic<bool> *>(p)->load() ? 1 : 0; },
                                   const_cast<std::atomic<bool> *>(&stop)};
        if (avformat_open_input(&raw, nullptr, av_find_input_format(container), nullptr) < 0) {
            reason = unreadable;
            return; // raw is freed
        }
        AVFormatPtr fmt(raw);
        // The stream's first sound track; its rate and channels are found by its decoder.
        int si = 0;
        while (si < int(raw->nb_streams) && raw->streams[si]->codecpar->codec_type != AVMEDIA_TYPE_AUDIO)
            ++si;
        const AVCodec *codec = si < int(raw->nb_streams) ? avcodec_find_decoder(raw->streams[si]->codecpar->codec_id) : nullptr;
        std::unique_ptr<AVCodecContext, CodecCloser> dec(codec ? avcodec_alloc_context3(codec) : nullptr);
        if (!dec || avcodec_parameters_to_context(dec.get(), raw->streams[si]->codecpar) < 0
            || avcodec_open2(dec.get(), codec, nullptr) < 0) {
            reason = unreadable;
            return;
        }
        std::unique_ptr<AVPacket, PacketCloser> pkt(av_packet_alloc());
        std::unique_ptr<AVFrame, FrameCloser> frame(av_frame_alloc());
        std::optional<TruePeakReader> meter;
        std::vector<float> interleaved;
        // Takes every frame the decoder has ready; false on a sound it cannot read.
        const auto drain = [&] {
            while (avcodec_receive_frame(dec.get(), frame.get()) == 0) {
                const int channels = frame->ch_layout.nb_channels;
                const int n = frame->nb_samples;
                if (!meter)
                    meter.emplace(channels, frame->sample_rate);
                if (frame->format == AV_SAMPLE_FMT_FLT) {
                    meter->add(reinterpret_cast<const float *>(frame->data[0]), size_t(n));
                } else if (frame->format == AV_SAMPLE_FMT_FLTP) {
                    interleaved.resize(size_t(n) * size_t(channels));
                    for (int c = 0; c < channels; ++c) {
                        const auto *plane = reinterpret_cast<const float *>(frame->extended_data[c]);
                        for (int i = 0; i < n; ++i)
                            interleaved[size_t(i) * size_t(channels) + size_t(c)] = plane[i];
                    }
                    meter->add(interleaved.data(), size_t(n));
                } else {
                    return false; // the float decoders of MP3, Vorbis and Opus give no other
                }
                av_frame_unref(frame.get());
            }
            return true;
        };
        int r = 0;
        while ((r = av_read_frame(raw, pkt.get())) >= 0) {
            const bool ours = pkt->stream_index == si;
            // A damaged packet is skipped, as a player would.
            if (ours && avcodec_send_packet(dec.get(), pkt.get()) < 0 && stop)
                r = AVERROR_EXIT;
            av_packet_unref(pkt.get());
            if (r < 0 || (ours && !drain())) {
                reason = unreadable;
                return;
            }
        }
        if (r != AVERROR_EOF || avcodec_send_packet(dec.get(), nullptr) < 0 || !drain()) {
            reason = r == AVERROR_EXIT ? QCoreApplication::translate("Media", "Stopped") : unreadable;
            return;
        }
        peak = meter ? meter->truePeakDbtp() : -std::numeric_limits<double>::infinity();
    }
};

EncodedPeakReader::EncodedPeakReader(const char *container, const std::atomic<bool> &stop)
    : d(std::make_unique<Private>(stop))
{
    d->thread = std::thread([this, container] {
        d->run(container);
        std::lock_guard lock(d->mutex);
        d->readerDone = true;
        d->chunks.clear();
        d->queued = 0;
        d->changed.notify_all();
    });
}

EncodedPeakReader::~EncodedPeakReader()
{
    double peak = 0;
    QString reason;
    finish(&peak, &reason);
}

void EncodedPeakReader::feed(const void *data, size_t size)
{
    std::unique_lock lock(d->mutex);
    while (d->queued >= kPipeBytes && !d->readerDone && !d->stop)
        d->changed.wait_for(lock, std::chrono::milliseconds(20));
    if (d->readerDone || d->stop || size == 0)
        return;
    const auto *bytes = static_cast<const uint8_t *>(data);
    d->chunks.emplace_back(bytes, bytes + size);
    d->queued += size;
    d->changed.notify_all();
}

bool EncodedPeakReader::finish(double *peakDbtp, QString *reason)
{
    {
        std::lock_guard lock(d->mutex);
        d->ended = true;
        d->changed.notify_all();
    }
    if (d->thread.joinable())
        d->thread.join();
    if (!d->peak) {
        *reason = d->reason;
        return false;
    }
    *peakDbtp = *d->peak;
    return true;
}
