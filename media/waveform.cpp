// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/waveform.h"
#include <QCoreApplication>

#include "media/avinput.h"

#include <QMetaObject>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <thread>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace {

// What the worker hands to the window's thread.
struct Sink
{
    std::function<void(qint64)> started;
    std::function<void(int, QList<float>)> peaks;
    std::function<void(bool, QString)> finished;
};

// Loudest magnitude of samples [from, from + count) of a decoded frame, 0 to 1.
template <typename T, typename Magnitude>
float loudest(const AVFrame *f, int from, int count, Magnitude magnitude)
{
    const int channels = f->ch_layout.nb_channels;
    float peak = 0;
    if (av_sample_fmt_is_planar(AVSampleFormat(f->format))) {
        for (int c = 0; c < channels; ++c) {
            const T *p = reinterpret_cast<const T *>(f->extended_data[c]) + from;
            for (int i = 0; i < count; ++i)
                peak = std::max(peak, magnitude(p[i]));
        }
    } else {
        const T *p = reinterpret_cast<const T *>(f->data[0]) + size_t(from) * channels;
        for (size_t i = 0, n = size_t(count) * channels; i < n; ++i)
            peak = std::max(peak, magnitude(p[i]));
    }
    return std::min(peak, 1.0f);
}

float loudestOf(const AVFrame *f, int from, int count)
{
    switch (av_get_packed_sample_fmt(AVSampleFormat(f->format))) {
    case AV_SAMPLE_FMT_U8:
        return loudest<uint8_t>(f, from, count, [](uint8_t v) { return std::abs(int(v) - 128) / 128.0f; });
    case AV_SAMPLE_FMT_S16:
        return loudest<int16_t>(f, from, count, [](int16_t v) { return std::abs(int(v)) / 32768.0f; });
    case AV_SAMPLE_FMT_S32:
        return loudest<int32_t>(f, from, count, [](int32_t v) { return float(std::abs(double(v)) / 2147483648.0); });
    case AV_SAMPLE_FMT_S64:
        return loudest<int64_t>(f, from, count, [](int64_t v) { return float(std::abs(double(v)) / 9223372036854775808.0); });
    case AV_SAMPLE_FMT_FLT:
        return loudest<float>(f, from, count, [](float v) { return std::fabs(v); });
    case AV_SAMPLE_FMT_DBL:
        return loudest<double>(f, from, count, [](double v) { return float(std::fabs(v)); });
    default:
        return 0;
    }
}

// Decodes the sound of one file and folds it into columns.
class PeakScan
{
public:
    PeakScan(const QString &path, int columns, int stream, std::atomic<bool> &stop, const Sink &sink)
        : m_path(path), m_columns(std::max(1, columns)), m_stream(stream), m_stop(stop), m_sink(sink)
    {}

    // False when stopped: nothing more may be told.
    bool run()
    {
        QString error;
        AVIOInterruptCB cb{[](void *p) { return static_cast<std::atomic<bool> *>(p)->load() ? 1 : 0; }, &m_stop};
        AVFormatPtr fmt = openMediaInput(m_path, true, &cb, &error);
        if (m_stop)
            return false;
        if (!fmt)
            return finish(true, error);
        const AVCodec *codec = nullptr;
        const int si = findSoundStream(fmt.get(), m_stream, &codec);
        if (si == AVERROR_STREAM_NOT_FOUND)
            return finish(false, QCoreApplication::translate("Media", "No audio stream in %1").arg(m_path));
        if (si < 0 || !codec)
            return finish(true, QCoreApplication::translate("Media", "No decoder for the sound of %1").arg(m_path));
        for (unsigned i = 0; i < fmt->nb_streams; ++i)
            fmt->streams[i]->discard = int(i) == si ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
        AVStream *stream = fmt->streams[si];

        std::unique_ptr<AVCodecContext, CodecCloser> dec(avcodec_alloc_context3(codec));
        if (!dec || avcodec_parameters_to_context(dec.get(), stream->codecpar) < 0)
            return finish(true, QCoreApplication::translate("Media", "Cannot decode the sound of %1").arg(m_path));
        dec->pkt_timebase = stream->time_base;
        if (avcodec_open2(dec.get(), codec, nullptr) < 0 || dec->sample_rate <= 0)
            return finish(true, QCoreApplication::translate("Media", "Cannot decode the sound of %1").arg(m_path));

        // The columns divide the source's whole length, as the track bar does.
        double seconds = 0;
        if (fmt->duration != AV_NOPTS_VALUE && fmt->duration > 0)
            seconds = fmt->duration / double(AV_TIME_BASE);
        else if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0)
            seconds = stream->duration * av_q2d(stream->time_base);
        if (seconds <= 0)
            return finish(true, QCoreApplication::translate("Media", "The length of %1 is unknown").arg(m_path));
        m_rate = dec->sample_rate;
        m_total = std::max<int64_t>(1, std::llround(seconds * m_rate));
        m_origin = fmt->start_time == AV_NOPTS_VALUE ? 0 : av_rescale(fmt->start_time, m_rate, AV_TIME_BASE);
        m_timeBase = stream->time_base;
        m_peaks.assign(size_t(m_columns), 0.0f);
        m_sink.started(std::llround(seconds * 1000.0));

        std::unique_ptr<AVPacket, PacketCloser> pkt(av_packet_alloc());
        std::unique_ptr<AVFrame, FrameCloser> frame(av_frame_alloc());
        const auto receive = [&] {
            while (avcodec_receive_frame(dec.get(), frame.get()) >= 0) {
                take(frame.get());
                av_frame_unref(frame.get());
            }
        };
        while (!m_stop && av_read_frame(fmt.get(), pkt.get()) >= 0) {
            if (pkt->stream_index == si && avcodec_send_packet(dec.get(), pkt.get()) >= 0)
                receive();
            av_packet_unref(pkt.get());
            deliver(false);
        }
        if (m_stop)
            return false;
        avcodec_send_packet(dec.get(), nullptr);
        receive();
        deliver(true);
        return finish(true, QString());
    }

private:
    int columnOf(int64_t sample) const
    {
        return int(std::clamp<int64_t>(sample * m_columns / m_total, 0, m_columns - 1));
    }
    // First sample after column c.
    int64_t columnEnd(int c) const { return (int64_t(c + 1) * m_total + m_columns - 1) / m_columns; }

    void take(const AVFrame *f)
    {
        if (m_pos == AV_NOPTS_VALUE) { // the first timestamp places the sound; then samples count
            const int64_t ts = f->best_effort_timestamp;
            m_pos = ts == AV_NOPTS_VALUE ? 0 : std::max<int64_t>(0, av_rescale_q(ts, m_timeBase, {1, m_rate}) - m_origin);
        }
        for (int i = 0; i < f->nb_samples;) {
            const int c = columnOf(m_pos + i);
            const int64_t end = c == m_columns - 1 ? INT64_MAX : columnEnd(c);
            const int run = int(std::min<int64_t>(f->nb_samples - i, std::max<int64_t>(1, end - (m_pos + i))));
            m_peaks[size_t(c)] = std::max(m_peaks[size_t(c)], loudestOf(f, i, run));
            i += run;
        }
        m_pos += f->nb_samples;
    }

    // Hands over the columns that are finished, at most about twenty times a second.
    void deliver(bool all)
    {
        const auto now = std::chrono::steady_clock::now();
        if (!all && now - m_lastDelivery < std::chrono::milliseconds(50))
            return;
        m_lastDelivery = now;
        const int upTo = all ? m_columns : (m_pos == AV_NOPTS_VALUE ? 0 : columnOf(m_pos));
        if (upTo <= m_delivered)
            return;
        m_sink.peaks(m_delivered, QList<float>(m_peaks.begin() + m_delivered, m_peaks.begin() + upTo));
        m_delivered = upTo;
    }

    bool finish(bool hasSound, const QString &error)
    {
        m_sink.finished(hasSound, error);
        return true;
    }

    const QString m_path;
    const int m_columns;
    const int m_stream;
    std::atomic<bool> &m_stop;
    const Sink &m_sink;
    std::vector<float> m_peaks;
    int m_rate = 0;
    int64_t m_total = 1, m_origin = 0, m_pos = AV_NOPTS_VALUE;
    AVRational m_timeBase{1, 1};
    int m_delivered = 0;
    std::chrono::steady_clock::time_point m_lastDelivery{};
};

} // namespace

struct Waveform::Private
{
    std::thread worker;
    std::atomic<bool> stop{false};
    bool running = false;
    quint64 generation = 0;
};

Waveform::Waveform(QObject *parent) : QObject(parent), d(std::make_unique<Private>()) {}

Waveform::~Waveform()
{
    stop();
}

void Waveform::start(const QString &path, int columns, int stream)
{
    stop();
    d->stop = false;
    d->running = true;
    const quint64 gen = ++d->generation;
    // Each result is queued to this object's thread and dropped when a Stop or a newer
    // Start came in between.
    const auto post = [this, gen](auto call) {
        QMetaObject::invokeMethod(this, [this, gen, call] {
            if (gen == d->generation && d->running)
                call();
        }, Qt::QueuedConnection);
    };
    d->worker = std::thread([this, path, columns, stream, post] {
        const Sink sink{
            [&](qint64 ms) { post([this, ms] { emit started(ms); }); },
            [&](int first, QList<float> values) { post([this, first, values] { emit peaks(first, values); }); },
            [&](bool hasSound, QString error) {
                post([this, hasSound, error] {
                    d->running = false;
                    if (d->worker.joinable())
                        d->worker.join();
                    emit finished(hasSound, error);
                });
            },
        };
        PeakScan(path, columns, stream, d->stop, sink).run();
    });
}

void Waveform::stop()
{
    d->stop = true;
    if (d->worker.joinable())
        d->worker.join();
    d->running = false;
}

bool Waveform::isRunning() const
{
    return d->running;
}
