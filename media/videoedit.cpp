// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/videoedit.h"

#include "media/avinput.h"
#include "core/core.h"

#include <QCoreApplication>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <span>
#include <stop_token>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <functional>
#include <thread>
#include <type_traits>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/channel_layout.h>
#include <libavutil/intreadwrite.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

namespace {

struct Clip
{
    QString source;
    double start = 0;
    double end = VideoEdit::ToEnd;
    int stream = -1; // the audio stream's index; -1: the best one
};

// The sound a pass gives: its rate and channel count.
struct Job
{
    int channels = 2, rate = 44100;
    std::atomic<int64_t> *wild = nullptr; // counts the samples clipped as damaged
};

// A decoded float sample this far beyond full scale (+12 dBFS) is damage, not sound (codecs
// overshoot by a dB or two): it is clipped to full scale, as no encoder takes such values.
constexpr float kFarBeyondFullScale = 4.0f;

// Two stop requests in one: the caller's and the pass's own.
struct StopFlags
{
    std::stop_token a;
    const std::atomic<bool> *b = nullptr;
    bool operator()() const { return a.stop_requested() || (b && b->load()); }
};

enum class Outcome { Done, Failed, Stopped, Retry };

// A shortfall up to this long at the end of a clip is padded with silence: containers often
// state a length a few frames longer than their audio track.
constexpr double kEndSlackSeconds = 0.5;

// Where a clip's sound goes: interleaved float samples (+-1) at the job's rate and channels.
class Sink
{
public:
    explicit Sink(int channels) : m_channels(channels) {}
    virtual ~Sink() = default;
    int64_t written() const { return m_written; }
    bool write(const float *samples, int64_t frames, QString *error)
    {
        if (frames <= 0)
            return true;
        m_written += frames;
        return put(samples, frames, error);
    }
    bool silence(int64_t frames, QString *error)
    {
        const std::vector<float> zeros(size_t(std::min<int64_t>(frames, 4096) * m_channels));
        while (frames > 0) {
            const int64_t n = std::min<int64_t>(frames, 4096);
            if (!write(zeros.data(), n, error))
                return false;
            frames -= n;
        }
        return true;
    }

protected:
    virtual bool put(const float *samples, int64_t frames, QString *error) = 0;
    int m_channels;

private:
    int64_t m_written = 0;
};

struct SwrCloser { void operator()(SwrContext *p) const { swr_free(&p); } };

// Decodes one clip of one source into the sink: seeks near the start, trusts the first
// timestamp after the seek, then counts samples, so the cut is exact to the sample.
class ClipDecoder
{
public:
    ClipDecoder(const Clip &clip, Sink &sink, const Job &job, const StopFlags &stop)
        : m_clip(clip), m_sink(sink), m_job(job), m_stop(stop)
    {}
    ~ClipDecoder() { av_channel_layout_uninit(&m_swrLayout); }

    Outcome run(bool allowSeek, QString *error)
    {
        m_error = error;
        AVIOInterruptCB cb{[](void *p) { return (*static_cast<const StopFlags *>(p))() ? 1 : 0; },
                           const_cast<StopFlags *>(&m_stop)};
        AVFormatPtr fmt = openMediaInput(m_clip.source, true, &cb, error);
        if (m_stop())
            return Outcome::Stopped;
        if (!fmt)
            return Outcome::Failed;
        const AVCodec *codec = nullptr;
        const int si = findSoundStream(fmt.get(), m_clip.stream, &codec);
        if (si < 0 || !codec)
            return fail(si == AVERROR_DECODER_NOT_FOUND
                            ? QCoreApplication::translate("Media", "No decoder for the sound of %1").arg(m_clip.source)
                        : m_clip.stream >= 0
                            ? QCoreApplication::translate("Media", "Stream %1 of %2 is no sound track").arg(m_clip.stream).arg(m_clip.source)
                            : QCoreApplication::translate("Media", "No audio stream in %1").arg(m_clip.source));
        for (unsigned i = 0; i < fmt->nb_streams; ++i)
            fmt->streams[i]->discard = int(i) == si ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
        m_stream = fmt->streams[si];

        m_dec.reset(avcodec_alloc_context3(codec));
        if (!m_dec || avcodec_parameters_to_context(m_dec.get(), m_stream->codecpar) < 0)
            return fail(QCoreApplication::translate("Media", "Cannot decode the sound of %1").arg(m_clip.source));
        m_dec->pkt_timebase = m_stream->time_base;
        if (avcodec_open2(m_dec.get(), codec, nullptr) < 0 || m_dec->sample_rate <= 0)
            return fail(QCoreApplication::translate("Media", "Cannot decode the sound of %1").arg(m_clip.source));

        m_inRate = m_dec->sample_rate;
        m_startIn = std::llround(m_clip.start * m_inRate);
        m_want = std::isinf(m_clip.end) ? -1 : std::llround((m_clip.end - m_clip.start) * m_job.rate);
        // Clip times count from the file's start. Timestamps below zero are a codec's priming
        // (Opus's pre-skip, an encoder delay), which the decoder drops: they start nothing.
        m_origin = fmt->start_time == AV_NOPTS_VALUE ? 0 : av_rescale(std::max<int64_t>(fmt->start_time, 0), m_inRate, AV_TIME_BASE);
        m_statedSeconds = statedSeconds(fmt.get());
        m_cutShort = cutShortStatedSeconds(m_clip.source, fmt.get(), si);
        m_firstWritten = m_sink.written();
        m_lateStamps = lateStamps(fmt.get());
        if (m_lateStamps && allowSeek && m_clip.start > 1.0 && !learnStampShift(fmt.get(), si))
            return m_stop() ? Outcome::Stopped : fail(QCoreApplication::translate("Media", "No sound could be decoded from %1").arg(m_clip.source));
        if (allowSeek && m_clip.start > 1.0) {
            const int64_t ts = int64_t((m_clip.start - 1.0) * AV_TIME_BASE)
                + (fmt->start_time == AV_NOPTS_VALUE ? 0 : fmt->start_time);
            m_seeked = av_seek_frame(fmt.get(), -1, ts, AVSEEK_FLAG_BACKWARD) >= 0;
            m_dropNext = m_seeked; // the first frame after a seek may lack its bit reservoir
        }

        std::unique_ptr<AVPacket, PacketCloser> pkt(av_packet_alloc());
        m_frame.reset(av_frame_alloc());
        Outcome o = Outcome::Done;
        bool more = true;
        while (more && !done()) {
            if (m_stop())
                return Outcome::Stopped;
            if (av_read_frame(fmt.get(), pkt.get()) < 0)
                break; // end of file, or a read error that ends the usable data
            if (pkt->stream_index == si) {
                if (m_firstPacket == AV_NOPTS_VALUE && pkt->pts != AV_NOPTS_VALUE)
                    m_firstPacket = pkt->pts;
                if (avcodec_send_packet(m_dec.get(), pkt.get()) >= 0)
                    more = (o = receiveFrames()) == Outcome::Done;
            }
            av_packet_unref(pkt.get());
        }
        if (m_stop())
            return Outcome::Stopped;
        if (o != Outcome::Done)
            return o;
        if (!done()) { // drain the decoder and the resampler
            avcodec_send_packet(m_dec.get(), nullptr);
            if ((o = receiveFrames()) != Outcome::Done)
                return o;
            if (m_swr && !done() && !convert(nullptr, 0))
                return Outcome::Failed;
        }
        return finishClip();
    }

private:
    bool done() const { return m_want >= 0 && clipWritten() >= m_want; }
    int64_t clipWritten() const { return m_sink.written() - m_firstWritten; }

    // The length the file states for its sound, in clip seconds; 0 when it states none, or
    // only guesses it from the bit rate.
    double statedSeconds(const AVFormatContext *fmt) const
    {
        if (fmt->duration_estimation_method == AVFMT_DURATION_FROM_BITRATE)
            return 0;
        const double origin = double(m_origin) / m_inRate;
        if (m_stream->duration > 0 && m_stream->start_time != AV_NOPTS_VALUE)
            return (m_stream->start_time + m_stream->duration) * av_q2d(m_stream->time_base) - origin;
        if (fmt->duration <= 0 || fmt->duration == AV_NOPTS_VALUE)
            return 0;
        const int64_t start = fmt->start_time == AV_NOPTS_VALUE ? 0 : fmt->start_time;
        return double(start + fmt->duration) / AV_TIME_BASE - origin;
    }

    // Vorbis outside Ogg: each decoded frame carries the stamp of the packet that completed
    // it, later than where its sound lies by a shift that the stream's first packets tell.
    bool lateStamps(const AVFormatContext *fmt) const
    {
        return m_stream->codecpar->codec_id == AV_CODEC_ID_VORBIS && !std::strstr(fmt->iformat->name, "ogg");
    }

    // Decodes the stream's first packets to learn that shift (in samples); the caller seeks
    // afterwards. False when no frame could be decoded.
    bool learnStampShift(AVFormatContext *fmt, int si)
    {
        std::unique_ptr<AVPacket, PacketCloser> pkt(av_packet_alloc());
        std::unique_ptr<AVFrame, FrameCloser> frame(av_frame_alloc());
        int64_t first = AV_NOPTS_VALUE;
        for (int packets = 0; packets < 64 && !m_stop() && av_read_frame(fmt, pkt.get()) >= 0; ++packets) {
            const bool mine = pkt->stream_index == si;
            if (mine && first == AV_NOPTS_VALUE)
                first = pkt->pts;
            const bool sent = mine && avcodec_send_packet(m_dec.get(), pkt.get()) >= 0;
            av_packet_unref(pkt.get());
            if (sent && avcodec_receive_frame(m_dec.get(), frame.get()) >= 0) {
                const int64_t ts = frame->best_effort_timestamp;
                if (ts != AV_NOPTS_VALUE && first != AV_NOPTS_VALUE)
                    m_stampShift = av_rescale_q(ts - first, m_stream->time_base, AVRational{1, m_inRate});
                avcodec_flush_buffers(m_dec.get());
                av_seek_frame(fmt, si, first == AV_NOPTS_VALUE ? 0 : first, AVSEEK_FLAG_BACKWARD);
                return true;
            }
        }
        return false;
    }

    Outcome fail(const QString &why)
    {
        *m_error = why;
        return Outcome::Failed;
    }

    Outcome finishClip()
    {
        if (!m_decodedAny && m_seeked)
            return Outcome::Retry; // the seek found nothing: look from the start
        if (!m_decodedAny)
            return fail(QCoreApplication::translate("Media", "No sound could be decoded from %1").arg(m_clip.source));
        if (clipWritten() == 0)
            return fail(QCoreApplication::translate("Media", "The clip holds no sound"));
        if (done())
            return Outcome::Done;
        const double endedAt = m_clip.start + double(clipWritten()) / m_job.rate;
        // The container says the file is larger: whatever is missing, it is cut short.
        if (const double stated = std::max(m_statedSeconds, m_cutShort.value_or(0)); m_cutShort && m_want < 0)
            return fail(stated > endedAt
                            ? QCoreApplication::translate("Media", "The source ended at %1 of %2")
                                  .arg(secondsToTime(qint64(endedAt)), secondsToTime(std::llround(stated)))
                            : QCoreApplication::translate("Media", "The source is cut short: it ended at %1")
                                  .arg(secondsToTime(qint64(endedAt))));
        // The sound ended well before the length the file states: a file cut short, or a
        // download still growing. Containers may state a little more than their sound holds.
        const double asked = m_want < 0 ? m_statedSeconds : std::min(m_clip.end, m_statedSeconds);
        if (m_statedSeconds > 0 && asked - endedAt > std::max(2.0, 0.02 * m_statedSeconds))
            return fail(QCoreApplication::translate("Media", "The source ended at %1 of %2")
                            .arg(secondsToTime(qint64(endedAt)), secondsToTime(std::llround(m_statedSeconds))));
        if (m_want < 0)
            return Outcome::Done;
        const int64_t missing = m_want - clipWritten();
        if (missing > kEndSlackSeconds * m_job.rate || m_cutShort)
            return fail(QCoreApplication::translate("Media", "Input ended early: %1 holds %2 s of the %3 s asked for")
                            .arg(m_clip.source)
                            .arg(double(clipWritten()) / m_job.rate, 0, 'f', 2)
                            .arg(double(m_want) / m_job.rate, 0, 'f', 2));
        return m_sink.silence(missing, m_error) ? Outcome::Done : Outcome::Failed;
    }

    Outcome receiveFrames()
    {
        while (!done()) {
            const int r = avcodec_receive_frame(m_dec.get(), m_frame.get());
            if (r < 0)
                return Outcome::Done; // needs more input, or drained
            const Outcome o = useFrame(m_frame.get());
            av_frame_unref(m_frame.get());
            if (o != Outcome::Done)
                return o;
        }
        return Outcome::Done;
    }

    // The samples in every frame of the stream but the last; 0 when they vary or are unknown.
    // FLAC tells it in its stream header: the least and the most samples of a frame.
    int fixedFrameSamples() const
    {
        const AVCodecParameters *p = m_stream->codecpar;
        if (m_dec->frame_size > 0)
            return m_dec->frame_size;
        if (p->frame_size > 0)
            return p->frame_size;
        if (p->codec_id == AV_CODEC_ID_FLAC && p->extradata_size >= 4 && AV_RB16(p->extradata) == AV_RB16(p->extradata + 2))
            return AV_RB16(p->extradata);
        return 0;
    }

    // The sample a timestamp stands for. Matroska stamps in whole milliseconds, up to 22
    // samples off at 44.1 kHz; frames of one fixed size lie on multiples of it from the
    // stream's start, so after a seek the place is put on the nearest such multiple.
    int64_t placeOf(int64_t ts, int frameSamples) const
    {
        const AVRational sample{1, m_inRate};
        const int64_t at = av_rescale_q(ts, m_stream->time_base, sample);
        // Opus encoders keep one frame length throughout: the frame's own stands for it.
        const int fixed = m_stream->codecpar->codec_id == AV_CODEC_ID_OPUS ? frameSamples : fixedFrameSamples();
        if (!m_seeked || fixed <= 0 || frameSamples != fixed || av_cmp_q(m_stream->time_base, sample) <= 0)
            return at;
        int64_t first =
            m_stream->start_time == AV_NOPTS_VALUE ? 0 : av_rescale_q(m_stream->start_time, m_stream->time_base, sample);
        // Opus starts its stream at minus its pre-skip, which a stamp in milliseconds rounds.
        const AVCodecParameters *p = m_stream->codecpar;
        if (p->codec_id == AV_CODEC_ID_OPUS && p->extradata_size >= 19 && m_inRate == 48000) {
            const int preSkip = AV_RL16(p->extradata + 10);
            if (std::abs(first + preSkip) <= m_inRate / 1000)
                first = -preSkip;
        }
        return first + std::llround(double(at - first) / fixed) * fixed;
    }

    Outcome useFrame(AVFrame *f)
    {
        if (m_dropNext) {
            m_dropNext = false;
            return Outcome::Done;
        }
        if (f->sample_rate > 0 && f->sample_rate != m_inRate) {
            // The rate changed partway: the places counted in samples follow it.
            const auto rescale = [&](int64_t &v) {
                if (v != AV_NOPTS_VALUE)
                    v = av_rescale(v, f->sample_rate, m_inRate);
            };
            for (int64_t *v : {&m_pos, &m_startIn, &m_origin, &m_stampShift})
                rescale(*v);
            m_inRate = f->sample_rate;
        }
        if (m_pos == AV_NOPTS_VALUE) {
            int64_t ts = f->best_effort_timestamp;
            // From the beginning, late stamps are passed over: the sound starts at the first packet's.
            if (m_lateStamps && !m_seeked && m_firstPacket != AV_NOPTS_VALUE)
                ts = m_firstPacket;
            if (ts == AV_NOPTS_VALUE && m_seeked)
                return Outcome::Done; // wait for a frame whose place is known
            m_pos = ts == AV_NOPTS_VALUE ? 0 : placeOf(ts, f->nb_samples) - m_origin - (m_seeked ? m_stampShift : 0);
            if (m_seeked && (m_pos > m_startIn || m_pos < m_startIn - 120LL * m_inRate))
                return Outcome::Retry; // the seek landed somewhere implausible
            if (!m_seeked && m_pos > 10LL * m_inRate)
                m_pos = 0; // a wild first timestamp: count from the start instead
            if (m_pos > m_startIn) { // the sound starts late: keep the timing with silence
                int64_t pad = av_rescale(m_pos - m_startIn, m_job.rate, m_inRate);
                if (m_want >= 0)
                    pad = std::min(pad, m_want);
                if (!m_sink.silence(pad, m_error))
                    return Outcome::Failed;
            }
        }
        m_decodedAny = true;
        const int n = f->nb_samples;
        const int skip = int(std::clamp<int64_t>(m_startIn - m_pos, 0, n));
        m_pos += n;
        if (skip == n)
            return Outcome::Done;
        if (m_swr && !sameFormat(f)) {
            // The stream changed its channels, layout or rate partway (a TV recording going
            // from 5.1 to 2.0, joined files): what the old resampler holds is written out, and
            // a new one takes the new sound.
            if (!convert(nullptr, 0))
                return Outcome::Failed;
            m_swr.reset();
        }
        if (!m_swr && !makeResampler(f))
            return Outcome::Failed;
        if (!tameFloats(f))
            return Outcome::Failed;
        const uint8_t *in[AV_NUM_DATA_POINTERS] = {};
        const int bps = av_get_bytes_per_sample(AVSampleFormat(f->format));
        const bool planar = av_sample_fmt_is_planar(AVSampleFormat(f->format));
        const int planes = planar ? f->ch_layout.nb_channels : 1;
        for (int p = 0; p < planes && p < AV_NUM_DATA_POINTERS; ++p)
            in[p] = f->extended_data[p] + size_t(skip) * bps * (planar ? 1 : f->ch_layout.nb_channels);
        return convert(in, n - skip) ? Outcome::Done : Outcome::Failed;
    }

    // Damage in a float source is mended before the resampler, which would spread one wild
    // sample over its neighbours: values far beyond full scale are clipped and counted, values
    // that are not numbers made silent.
    template <typename F>
    static int64_t tame(F *x, size_t count)
    {
        int64_t wild = 0;
        for (F &v : std::span(x, count)) {
            if (!std::isfinite(v))
                v = 0;
            else if (std::fabs(v) > kFarBeyondFullScale)
                v = std::copysign(F(1), v), ++wild;
        }
        return wild;
    }
    template <typename F>
    static bool damaged(const F *x, size_t count)
    {
        return std::any_of(x, x + count, [](F v) { return !(std::fabs(v) <= kFarBeyondFullScale); });
    }
    bool tameFloats(AVFrame *f)
    {
        const auto format = AVSampleFormat(f->format);
        const bool single = av_get_packed_sample_fmt(format) == AV_SAMPLE_FMT_FLT;
        if (!single && av_get_packed_sample_fmt(format) != AV_SAMPLE_FMT_DBL)
            return true;
        const bool planar = av_sample_fmt_is_planar(format);
        const int planes = planar ? f->ch_layout.nb_channels : 1;
        const size_t count = size_t(f->nb_samples) * size_t(planar ? 1 : f->ch_layout.nb_channels);
        bool any = false;
        for (int p = 0; p < planes && !any; ++p)
            any = single ? damaged(reinterpret_cast<const float *>(f->extended_data[p]), count)
                         : damaged(reinterpret_cast<const double *>(f->extended_data[p]), count);
        if (!any)
            return true;
        if (av_frame_make_writable(f) < 0) {
            *m_error = QCoreApplication::translate("Media", "Cannot convert the sound of %1").arg(m_clip.source);
            return false;
        }
        int64_t wild = 0;
        for (int p = 0; p < planes; ++p)
            wild += single ? tame(reinterpret_cast<float *>(f->extended_data[p]), count)
                           : tame(reinterpret_cast<double *>(f->extended_data[p]), count);
        if (wild > 0 && m_job.wild)
            *m_job.wild += wild;
        return true;
    }

    bool sameFormat(const AVFrame *f) const
    {
        return f->format == m_swrFormat && f->sample_rate == m_swrRate
            && av_channel_layout_compare(&f->ch_layout, &m_swrLayout) == 0;
    }

    bool makeResampler(const AVFrame *f)
    {
        // A damaged stream may claim a rate of a few hertz: resampled to the output's rate it
        // would ask for buffers thousands of times the input (and the library loses them).
        constexpr int kLowestRate = 1000, kHighestRate = 1536000;
        if (f->sample_rate < kLowestRate || f->sample_rate > kHighestRate) {
            *m_error = QCoreApplication::translate("Media", "Cannot convert the sound of %1").arg(m_clip.source);
            return false;
        }
        m_swrFormat = f->format;
        m_swrRate = f->sample_rate;
        av_channel_layout_uninit(&m_swrLayout);
        av_channel_layout_copy(&m_swrLayout, &f->ch_layout);
        AVChannelLayout given{}, plain{};
        av_channel_layout_copy(&given, &f->ch_layout);
        av_channel_layout_default(&plain, f->ch_layout.nb_channels);
        // A layout the library cannot mix (a damaged header's odd speaker set) is taken as the
        // usual layout of as many channels. Each try is a fresh context: one whose init failed
        // is not safe to init again.
        const bool resample = f->sample_rate != m_job.rate;
        for (AVChannelLayout *layout : {&given, &plain}) {
            if (layout == &given && given.order == AV_CHANNEL_ORDER_UNSPEC)
                continue;
            if ((resample && (m_swr = newResampler(f, *layout, true))) || (m_swr = newResampler(f, *layout, false)))
                break;
        }
        av_channel_layout_uninit(&given);
        av_channel_layout_uninit(&plain);
        if (!m_swr) {
            *m_error = QCoreApplication::translate("Media", "Cannot convert the sound of %1").arg(m_clip.source);
            return false;
        }
        return true;
    }

    // A ready resampler from f's format, in the given layout, to the job's, or none.
    std::unique_ptr<SwrContext, SwrCloser> newResampler(const AVFrame *f, AVChannelLayout &inLayout, bool soxr) const
    {
        AVChannelLayout outLayout{};
        av_channel_layout_default(&outLayout, m_job.channels);
        SwrContext *made = nullptr;
        int r = swr_alloc_set_opts2(&made, &outLayout, AV_SAMPLE_FMT_FLT, m_job.rate, &inLayout,
                                    AVSampleFormat(f->format), f->sample_rate, 0, nullptr);
        std::unique_ptr<SwrContext, SwrCloser> swr(made);
        // The mix, set explicitly, as ITU-R BS.775 has it: centre and surrounds at -3 dB, no
        // subwoofer, the whole matrix scaled so that no output channel sums above full scale
        // (mono is the mean of the channels). Left to itself the resampler does not normalise
        // a float output.
        if (r >= 0 && inLayout.nb_channels != outLayout.nb_channels) {
            // Room for every channel position the library may fill, one row of 64 per output.
            std::vector<double> matrix(64 * 64);
            r = swr_build_matrix2(&inLayout, &outLayout, M_SQRT1_2, M_SQRT1_2, 0.0, 1.0, 1.0, matrix.data(),
                                  64, AV_MATRIX_ENCODING_NONE, nullptr);
            if (r >= 0)
                r = swr_set_matrix(made, matrix.data(), 64);
        }
        av_channel_layout_uninit(&outLayout);
        // A change of rate goes through the SoX resampler at its very high quality (Debian's
        // FFmpeg has it); the built-in one where it is missing.
        if (r >= 0 && soxr)
            r = std::min(av_opt_set(made, "resampler", "soxr", 0), av_opt_set_int(made, "precision", 28, 0));
        if (r < 0 || swr_init(made) < 0)
            swr.reset();
        return swr;
    }

    // Resamples (in = nullptr flushes) and writes no more than the clip still needs.
    bool convert(const uint8_t **in, int frames)
    {
        const int cap = swr_get_out_samples(m_swr.get(), frames) + 32;
        m_buf.resize(size_t(cap) * m_job.channels);
        uint8_t *out[1] = {reinterpret_cast<uint8_t *>(m_buf.data())};
        const int got = swr_convert(m_swr.get(), out, cap, in, frames);
        if (got < 0) {
            *m_error = QCoreApplication::translate("Media", "Cannot convert the sound of %1").arg(m_clip.source);
            return false;
        }
        // A float source may hold NaN or infinities, which no encoder or meter takes: silence.
        // Damaged finite values are clipped, and counted for the job's line.
        int64_t wild = 0;
        for (float &v : std::span(m_buf.data(), size_t(got) * size_t(m_job.channels))) {
            if (!std::isfinite(v))
                v = 0.0f;
            else if (std::fabs(v) > kFarBeyondFullScale)
                v = std::copysign(1.0f, v), ++wild;
        }
        if (wild > 0 && m_job.wild)
            *m_job.wild += wild;
        int64_t use = got;
        if (m_want >= 0)
            use = std::min(use, m_want - clipWritten());
        return m_sink.write(m_buf.data(), use, m_error);
    }

    const Clip &m_clip;
    Sink &m_sink;
    const Job &m_job;
    const StopFlags &m_stop;
    QString *m_error = nullptr;
    AVStream *m_stream = nullptr;
    std::unique_ptr<AVCodecContext, CodecCloser> m_dec;
    std::unique_ptr<AVFrame, FrameCloser> m_frame;
    std::unique_ptr<SwrContext, SwrCloser> m_swr;
    int m_swrFormat = -1, m_swrRate = 0; // the sound the resampler was made for
    AVChannelLayout m_swrLayout{};
    std::vector<float> m_buf;
    int m_inRate = 0;
    int64_t m_startIn = 0, m_want = -1, m_origin = 0, m_firstWritten = 0;
    int64_t m_pos = AV_NOPTS_VALUE;
    int64_t m_firstPacket = AV_NOPTS_VALUE; // the first stamp of the stream's packets read
    int64_t m_stampShift = 0;               // how much later than their sound frames are stamped
    double m_statedSeconds = 0;
    std::optional<double> m_cutShort; // the file is smaller than its container says (stated seconds)
    bool m_seeked = false, m_dropNext = false, m_decodedAny = false, m_lateStamps = false;
};

// A sink that hands blocks of sound to another thread through a bounded queue of about a
// second: the decoder runs ahead of the encoder by no more than that. Blocks of T other than
// float are made from the float sound by `prepare`, on the decoder's thread; float blocks are
// shown to `prepare` (with no output) there before they are queued.
template <typename T>
class QueueSink final : public Sink
{
public:
    struct Queue
    {
        std::mutex mutex;
        std::condition_variable changed;
        std::deque<std::vector<T>> full;
        std::vector<std::vector<T>> spare;
        int64_t queuedFrames = 0;
        bool ended = false;
    };
    using Prepare = std::function<void(const float *in, int frames, T *out)>;

    QueueSink(Queue &q, int channels, int64_t capacity, const StopFlags &stop, const Prepare &prepare)
        : Sink(channels), m_q(q), m_capacity(capacity), m_stop(stop), m_prepare(prepare)
    {}
    // Hands over what is gathered; false when stopped meanwhile.
    bool flush()
    {
        if (m_float.empty() && m_block.empty())
            return true;
        if constexpr (!std::is_same_v<T, float>) {
            m_block.resize(m_float.size());
            m_prepare(m_float.data(), int(m_float.size() / size_t(m_channels)), m_block.data());
            m_float.clear();
        } else if (m_prepare) {
            m_prepare(m_block.data(), int(m_block.size() / size_t(m_channels)), nullptr);
        }
        const int64_t frames = int64_t(m_block.size()) / m_channels;
        std::unique_lock lock(m_q.mutex);
        // A full queue is refilled once it is half empty: where the encoder is the slower
        // side, the decoder wakes a few times a second, not at every block it takes.
        if (m_q.queuedFrames > 0 && m_q.queuedFrames + frames > m_capacity)
            while (m_q.queuedFrames > m_capacity / 2 && !m_stop())
                m_q.changed.wait_for(lock, std::chrono::milliseconds(20));
        if (m_stop())
            return false;
        m_q.full.push_back(std::move(m_block));
        m_q.queuedFrames += frames;
        m_block.clear();
        if (!m_q.spare.empty()) {
            m_block = std::move(m_q.spare.back());
            m_q.spare.pop_back();
            m_block.clear();
        }
        if (m_q.queuedFrames >= m_capacity / 2) // the consumer waits for half of the queue
            m_q.changed.notify_all();
        return true;
    }

protected:
    bool put(const float *samples, int64_t frames, QString *error) override
    {
        std::vector<float> &gathered = gathering();
        gathered.insert(gathered.end(), samples, samples + frames * m_channels);
        if (gathered.size() < size_t(kBlockFrames * m_channels) || flush())
            return true;
        *error = QCoreApplication::translate("Media", "Stopped");
        return false;
    }

private:
    std::vector<float> &gathering()
    {
        if constexpr (std::is_same_v<T, float>)
            return m_block;
        else
            return m_float;
    }

    static constexpr int64_t kBlockFrames = 4096;
    Queue &m_q;
    int64_t m_capacity;
    const StopFlags &m_stop;
    const Prepare &m_prepare;
    std::vector<T> m_block;
    std::vector<float> m_float; // the sound gathered for `prepare`, when T is not float
};

// One pass over a clip with blocks of T: see readClipSound and readClipSamples.
template <typename T>
PassOutcome readClip(const QString &source, double start, double end, int rate, int channels,
                      std::stop_token stop, const typename QueueSink<T>::Prepare &prepare,
                      const std::function<bool(const T *, int)> &block, QString *error, int stream,
                      std::atomic<int64_t> *wild)
{
    if (channels < 1 || channels > 8 || rate < 1000 || rate > 768000 || !(start >= 0) || !(end > start)) {
        *error = QCoreApplication::translate("Media", "Cannot convert the sound to %1 Hz, %2 channels").arg(rate).arg(channels);
        return PassOutcome::Failed;
    }
    const Clip clip{source, start, end, stream};
    const Job job{channels, rate, wild};
    std::atomic<bool> halt{false};
    const StopFlags flags{stop, &halt};
    typename QueueSink<T>::Queue q;
    Outcome decoded = Outcome::Failed;
    QString decodeError;
    std::thread decoder([&] {
        QueueSink<T> sink(q, channels, rate, flags, prepare);
        Outcome o = ClipDecoder(clip, sink, job, flags).run(true, &decodeError);
        if (o == Outcome::Retry) // an implausible seek: decode the clip from the beginning
            o = ClipDecoder(clip, sink, job, flags).run(false, &decodeError);
        if (o == Outcome::Done && !sink.flush())
            o = Outcome::Stopped;
        std::lock_guard lock(q.mutex);
        decoded = o;
        q.ended = true;
        q.changed.notify_all();
    });
    bool consumed = true;
    for (;;) {
        std::unique_lock lock(q.mutex);
        // An empty queue is taken from again once it holds half a second: where the decoder
        // is the slower side, the consumer wakes a few times a second, not at every block.
        if (q.full.empty())
            while (q.queuedFrames < rate / 2 && !q.ended && !stop.stop_requested())
                q.changed.wait_for(lock, std::chrono::milliseconds(20));
        if (stop.stop_requested() || q.full.empty())
            break;
        std::vector<T> b = std::move(q.full.front());
        q.full.pop_front();
        const int frames = int(b.size() / size_t(channels));
        q.queuedFrames -= frames;
        if (q.queuedFrames <= rate / 2) // the decoder waits for half of its second
            q.changed.notify_all();
        lock.unlock();
        consumed = block(b.data(), frames);
        lock.lock();
        q.spare.push_back(std::move(b));
        if (!consumed)
            break;
    }
    halt = true;
    decoder.join();
    if (stop.stop_requested())
        return PassOutcome::Stopped;
    if (!consumed)
        return PassOutcome::Failed; // the block's own reason stands
    if (decoded == Outcome::Done)
        return PassOutcome::Done;
    *error = decodeError.isEmpty() ? QCoreApplication::translate("Media", "The sound could not be extracted from the video") : decodeError;
    return PassOutcome::Failed;
}

} // namespace

SourceSound soundOfStream(const AVFormatContext *fmt, int stream)
{
    const AVCodecParameters *par = fmt->streams[stream]->codecpar;
    SourceSound sound;
    sound.rate = par->sample_rate;
    sound.channels = par->ch_layout.nb_channels;
    switch (av_get_packed_sample_fmt(AVSampleFormat(par->format))) {
    case AV_SAMPLE_FMT_U8: sound.bits = 8; break;
    case AV_SAMPLE_FMT_S16: sound.bits = 16; break;
    case AV_SAMPLE_FMT_S32:
        sound.bits = par->bits_per_raw_sample > 0 && par->bits_per_raw_sample <= 32 ? par->bits_per_raw_sample : 32;
        break;
    default: sound.bits = 0; // float, or not known: kept as float
    }
    sound.keptBits = sourceSampleBits(par);
    if (fmt->duration != AV_NOPTS_VALUE && fmt->duration > 0)
        sound.seconds = fmt->duration / double(AV_TIME_BASE);
    return sound;
}

bool probeSourceSound(const QString &source, std::stop_token stop, SourceSound *sound, QString *error, int stream)
{
    const AVIOInterruptCB cb = stopInterrupt(&stop);
    AVFormatPtr fmt = openMediaInput(source, true, &cb, error);
    if (!fmt)
        return false;
    const int si = findSoundStream(fmt.get(), stream);
    if (si < 0) {
        *error = stream >= 0 ? QCoreApplication::translate("Media", "Stream %1 of %2 is no sound track").arg(stream).arg(source)
                             : QCoreApplication::translate("Media", "No audio stream in %1").arg(source);
        return false;
    }
    *sound = soundOfStream(fmt.get(), si);
    if (sound->rate <= 0 || sound->channels <= 0) {
        *error = QCoreApplication::translate("Media", "Cannot decode the sound of %1").arg(source);
        return false;
    }
    return true;
}

PassOutcome readClipSound(const QString &source, double start, double end, int rate, int channels,
                           std::stop_token stop, const std::function<bool(const float *, int)> &block,
                           QString *error, int stream, const std::function<void(const float *, int)> &watch,
                           std::atomic<int64_t> *wild)
{
    QueueSink<float>::Prepare shown;
    if (watch)
        shown = [&watch](const float *x, int frames, float *) { watch(x, frames); };
    return readClip<float>(source, start, end, rate, channels, stop, shown, block, error, stream, wild);
}

PassOutcome readClipSamples(const QString &source, double start, double end, int rate, int channels,
                             std::stop_token stop,
                             const std::function<void(const float *, int, int32_t *)> &prepare,
                             const std::function<bool(const int32_t *, int)> &block, QString *error, int stream,
                             std::atomic<int64_t> *wild)
{
    return readClip<int32_t>(source, start, end, rate, channels, stop, prepare, block, error, stream, wild);
}

void VideoEdit::initialize()
{
    quietAvLogging();
}
