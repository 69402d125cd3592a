// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/encodestep.h"

#include <QCoreApplication>

#include "formats/registry.h"
#include "media/loudness.h"
#include "media/quantiser.h"
#include "media/sourceinfo.h"
#include "media/streampeak.h"

#include <cmath>
#include <mutex>
#include <memory>
#include <optional>
#include <stop_token>
#include <thread>

namespace {
// The true peak that counts is the decoded output's; a lossy output whose gain came within
// this much of the format's ceiling is decoded and measured, and encoded again when it went
// over, with the gain lowered by the excess and a margin that grows with each try: at low bit
// rates what the encoder adds does not quite follow the gain (OGG 48k given -1.4, -1.8 and
// -2.4 dBTP decoded to -0.4, +0.3 and -1.0 dBTP; Opus 32k lowered 1.6 dB came down 1 dB), but
// lowering by twice the excess left outputs 2 to 14 dB under their reach.
constexpr double kDecodedCeilingDb = -1.0;
constexpr double kCheckBelowCeilingDb = 5.0;
constexpr double kRetryMarginDb = 0.2;
constexpr int kRetries = 3;
// How far from what was planned a sound's loudness may land before it is encoded again: the
// lossy encoders take up to about 0.35 LU away with the highest frequencies (MP3 at 128 kbps
// on pink noise), which another pass would double the job to mend.
constexpr double kMissLu = 0.4;

// The loudness and true peak of a written file's decoded sound; nothing measured, with the
// reason or the stop in *result, when it cannot be read.
LoudnessMeasurement decodedLoudness(const QString &file, std::stop_token stop, EncodeResult *result)
{
    SourceSound sound;
    if (!probeSourceSound(file, stop, &sound, &result->reason)) {
        result->stopped = stop.stop_requested();
        return {};
    }
    LoudnessMeter meter(sound.channels, sound.rate);
    const PassOutcome o = readClipSound(
        file, 0, VideoEdit::ToEnd, sound.rate, sound.channels, stop,
        [&](const float *x, int frames) {
            meter.add(x, size_t(frames));
            return true;
        },
        &result->reason);
    if (o != PassOutcome::Done) {
        result->stopped = o == PassOutcome::Stopped;
        if (!result->stopped)
            result->reason = QCoreApplication::translate("RunEngine", "The output could not be read back: %1").arg(result->reason);
        return {};
    }
    return meter.result();
}

} // namespace

WriterPlan planWriter(int format, const OutputSettings &o, const SourceSound &source)
{
    if (format < 0 || format >= outputFormatCount()) {
        WriterPlan p;
        p.reason = QCoreApplication::translate("RunEngine", "The output format is not one Clipvox knows");
        return p;
    }
    WriterPlan p = outputFormat(format).plan(o, source);
    if (!p.writer && p.reason.isEmpty())
        p.reason = QCoreApplication::translate("RunEngine", "The encoder does not accept the output settings");
    return p;
}

int soundStreamOf(const SourceProbe &probe, int track, QString *reason)
{
    if (track <= 0)
        return -1;
    if (!probe.error.isEmpty()) {
        *reason = probe.error;
        return kNoSuchTrack;
    }
    for (const SourceTrack &t : probe.info.tracks)
        if (t.number == track)
            return t.streamIndex;
    *reason = probe.info.tracks.isEmpty()
        ? QCoreApplication::translate("RunEngine", "No sound track %1: the source has no sound").arg(track)
        : QCoreApplication::translate("RunEngine", "No sound track %1: the source has %2").arg(track).arg(probe.info.tracks.size());
    return kNoSuchTrack;
}

namespace {
PassOutcome measurePiece(const QString &source, double start, double end, int rate, int channels, int stream,
                          std::stop_token stop, LoudnessMeter &meter, QString *reason, const MeasureProgress &progress)
{
    return readClipSound(
        source, start, end, rate, channels, stop,
        [&](const float *x, int frames) {
            meter.add(x, size_t(frames));
            if (progress)
                progress(double(frames) / rate);
            return true;
        },
        reason, stream);
}
} // namespace

PassOutcome measureClipLoudness(const ClipSource &clip, double seconds, int rate, int channels, int stream,
                                 std::stop_token stop, LoudnessMeasurement *measurement, QString *reason,
                                 int parts, const MeasureProgress &progress)
{
    // Each piece is measured on the thread that takes its sound from the decoder's.
    const int64_t step = (rate + 5) / 10; // the meter's 100 ms, the step of its gating blocks
    const int64_t frames = seconds > 0 ? std::llround(seconds * rate) : 0;
    if (parts >= 2 && frames >= 200 * step) {
        // The first half ends on a block boundary; the second starts three steps earlier, so
        // that its first block is the one that straddles the seam.
        const int64_t seam = frames / 2 / step * step;
        LoudnessMeter first(channels, rate), second(channels, rate);
        QString secondReason;
        PassOutcome secondOutcome = PassOutcome::Failed;
        std::thread other([&] {
            secondOutcome = measurePiece(clip.source, clip.start + double(seam - 3 * step) / rate, clip.end, rate,
                                         channels, stream, stop, second, &secondReason, progress);
        });
        const PassOutcome firstOutcome = measurePiece(clip.source, clip.start, clip.start + double(seam) / rate,
                                                       rate, channels, stream, stop, first, reason, progress);
        other.join();
        if (firstOutcome == PassOutcome::Done && secondOutcome == PassOutcome::Done) {
            const LoudnessMeter *both[] = {&first, &second};
            *measurement = LoudnessMeter::combined(both, 2);
            return PassOutcome::Done;
        }
        if (stop.stop_requested())
            return PassOutcome::Stopped;
        // A source shorter than it states: one pass over the clip, which gives the reason.
        reason->clear();
    }
    LoudnessMeter meter(channels, rate);
    const PassOutcome o = measurePiece(clip.source, clip.start, clip.end, rate, channels, stream, stop, meter, reason, progress);
    if (o == PassOutcome::Done)
        *measurement = meter.result();
    return o;
}


double truePeakCeilingDb(int format)
{
    return format >= 0 && format < outputFormatCount() ? outputFormat(format).ceilingDb : -1.3;
}

namespace {
// What a job needs before its passes: the source probed, the sound track, the source's sound,
// the writer set up.
struct Prepared
{
    std::shared_ptr<const SourceProbe> probe;
    int stream = -1;
    SourceSound source;
    WriterPlan plan;
    QString remark; // what the encoder changes on its own
    double seconds = 0; // the clip's expected length
};

bool prepare(const ClipSource &clip, int format, const OutputSettings &s, const RunJob &job,
             std::stop_token stop, Prepared *p, EncodeResult *result)
{
    p->probe = clip.probe ? clip.probe
                          : std::make_shared<const SourceProbe>(probeSource(clip.source, stop, wantsCover(format, s)));
    p->stream = soundStreamOf(*p->probe, job.SoundTrack, &result->reason);
    if (p->stream == kNoSuchTrack) {
        result->stopped = stop.stop_requested();
        return false;
    }
    if (!p->probe->sound(p->stream, &p->source, &result->reason)) {
        result->stopped = stop.stop_requested();
        return false;
    }
    if (p->source.seconds >= 0 && clip.start >= p->source.seconds) {
        result->reason = QCoreApplication::translate("RunEngine", "The clip starts at %1 s, after the end of the source (%2 s)")
                             .arg(clip.start)
                             .arg(p->source.seconds, 0, 'f', 2);
        return false;
    }
    p->plan = planWriter(format, s, p->source);
    if (!p->plan.writer) {
        result->reason = p->plan.reason;
        return false;
    }
    p->remark = p->plan.remark;
    p->seconds = std::isinf(clip.end) ? p->source.seconds - clip.start : clip.end - clip.start;
    return true;
}

// The source's tags and cover, where the output takes them, with the job's non-empty fields
// in their place; the ReplayGain given.
OutputTags tagsFor(const SourceInfo &source, const OutputSettings &s, const RunJob &job,
                           const ReplayGainValues &gain)
{
    OutputTags info;
    info.infoReplayGain = gain;
    info.InfoGenre = -1; // none
    if (s.CopyTags) {
        // The source's own tags and cover; the job's non-empty fields replace them below.
        const SourceTags &t = source.tags;
        info.infoTitle = t.title;
        info.infoArtist = t.artist;
        info.infoAlbum = t.album;
        info.infoComments = t.comment;
        info.infoCopyright = t.copyright;
        info.InfoYear = t.year;
        info.InfoTrack = int16_t(t.track);
        info.infoGenreName = t.genre;
        info.infoCover = source.cover.data;
        info.infoCoverMime = source.cover.mimeType;
    }
    if (job.TagsEnabled) {
        const auto take = [](QString &field, const QString &mine) {
            if (!mine.isEmpty())
                field = mine;
        };
        take(info.infoTitle, job.TagTitle);
        take(info.infoArtist, job.TagArtist);
        take(info.infoAlbum, job.TagAlbum);
        take(info.infoComments, job.TagComment);
        take(info.infoCopyright, job.TagCopyright);
        if (job.TagYear)
            info.InfoYear = job.TagYear;
        if (job.TagTrack)
            info.InfoTrack = int16_t(job.TagTrack);
        if (job.TagGenre >= 0)
            info.InfoGenre = int16_t(job.TagGenre);
        if (!job.TagGenreName.isEmpty()) {
            info.InfoGenre = -1;
            info.infoGenreName = job.TagGenreName;
        }
        if (job.TagTrack && job.TagTrackTotal)
            info.InfoTrackTotal = int16_t(job.TagTrackTotal);
        if (!job.TagCover.isEmpty()) {
            info.infoCover = job.TagCover;
            info.infoCoverMime.clear(); // told by its bytes
        }
    }
    return info;
}

// One job's encoding step (see encodeClip): the loudness pass, the encoding passes, the check
// of the decoded output's peak and loudness, and the tags.
class ClipEncoder
{
public:
    ClipEncoder(const ClipSource &clip, const QString &out, int format, const OutputSettings &s, const RunJob &job,
                std::stop_token stop, const std::function<void(int)> &percent)
        : m_clip(clip), m_out(out), m_format(format), m_s(s), m_job(job), m_stop(std::move(stop)), m_percent(percent),
          m_ceiling(truePeakCeilingDb(format)), m_limit(s.LoudnessPeaks == OutputSettings::LimitPeaks),
          m_tagGain(s.LoudnessTarget == 0 && s.ReplayGain != OutputSettings::NoReplayGain && outputFormat(format).tags)
    {
    }

    EncodeResult run(const KnownLoudness *known);

private:
    // One encoding pass's own state.
    struct Pass
    {
        Pass(int bits, bool dither, float gain, int cap) : gain(gain), cap(cap), quantise(bits, dither) {}
        float gain;
        int cap; // the gauge goes no further
        Quantiser quantise;
        std::vector<float> scaled;
        // Integer outputs: what the writer can do ahead, on the decoder's thread.
        std::function<void(const int32_t *, int)> ahead;
        std::optional<LoudnessMeter> gauge; // ReplayGain's, on the decoder's thread
        int64_t frames = 0;
        bool opened = false;
    };

    bool measure(const KnownLoudness *known);
    void planFirst();
    bool encode(const LoudnessPlan &level, int cap);
    PassOutcome encodeInHalves(bool dither, bool *inHalves);
    PassOutcome encodeLimited(const LoudnessPlan &level);
    PassOutcome encodePlain();
    template <typename Write>
    bool writeBlock(int n, const Write &write);
    const float *gained(const float *x, size_t count, std::vector<float> &scaled) const;
    void convert(const float *x, int n, int32_t *ints);
    void tapped();
    bool checkOutput();
    ReplayGainValues trackGain();
    bool writeTags(const ReplayGainValues &gain);

    const ClipSource &m_clip;
    const QString &m_out;
    const int m_format;
    const OutputSettings &m_s;
    const RunJob &m_job;
    const std::stop_token m_stop;
    const std::function<void(int)> &m_percent;
    EncodeResult m_result;
    // The output read back as it is written; made before the writer, so it outlives it.
    std::optional<EncodedPeakReader> m_reading;
    Prepared m_prepared;
    int m_channels = 0;
    int64_t m_total = 0; // the clip's frames at the output's rate, 0 when unknown
    int m_shown = -1;
    std::atomic<int64_t> m_wild{0}; // damaged samples the last pass clipped
    int64_t m_written = -1;         // frames the last pass wrote, once it has written them all

    LoudnessPlan m_level; // the gain, and the limiter's ceiling where the peaks are limited
    LoudnessMeasurement m_loudness;
    double m_ceiling;
    const bool m_limit;
    double m_target = 0;
    // A sound that needs the limiter is held to the format's limiter ceiling, which leaves
    // room for what the encoder adds to limited sound, so that the first try holds.
    double m_lift = 0;
    // ReplayGain tags: the sound given to the encoder measured as it goes.
    const bool m_tagGain;
    LoudnessMeasurement m_gauged;
    double m_reached = 0; // the loudness of the sound given to the encoder
    QString m_overCeiling;
    std::unique_ptr<Pass> m_pass;
};

void ClipEncoder::planFirst()
{
    m_level = planLoudness(m_loudness, m_target, m_ceiling, m_limit);
    if (std::isfinite(m_level.limitDbtp)) {
        m_ceiling = outputFormat(m_format).limitCeilingDb;
        m_lift = outputFormat(m_format).limitLiftLu;
        m_level = planLoudness(m_loudness, m_target + m_lift, m_ceiling, m_limit);
    }
}

// First pass: the clip measured exactly as it will be encoded.
bool ClipEncoder::measure(const KnownLoudness *known)
{
    m_target = known ? known->targetLufs : m_s.LoudnessTarget;
    if (known) {
        m_loudness = known->measurement;
        planFirst();
    } else if (m_s.LoudnessTarget != 0) {
        const WriterPlan &plan = m_prepared.plan;
        const PassOutcome o = measureClipLoudness(m_clip, m_prepared.seconds, plan.rate, m_channels, m_prepared.stream,
                                                   m_stop, &m_loudness, &m_result.reason);
        if (o != PassOutcome::Done) {
            m_result.stopped = o == PassOutcome::Stopped;
            return false;
        }
        planFirst();
    }
    m_reached = m_level.lufs;
    return true;
}

// The file is made at the first sound, so a clip without any leaves none.
template <typename Write>
bool ClipEncoder::writeBlock(int n, const Write &write)
{
    WriterPlan &plan = m_prepared.plan;
    Pass &p = *m_pass;
    if (!p.opened && !(plan.writer->setInput(plan.rate, m_channels) && plan.writer->open(m_out))) {
        m_result.reason = plan.writer->error;
        return false;
    }
    p.opened = true;
    if (!write()) {
        m_result.reason = plan.writer->error;
        return false;
    }
    p.frames += n;
    const int now = std::min(p.cap, m_total > 0 ? int(std::min<int64_t>(p.frames, m_total) * 100 / m_total) : 0);
    if (now > m_shown && m_percent) {
        m_shown = now;
        m_percent(now);
    }
    return true;
}

// The block at the pass's gain: x itself at unity, else a scaled copy in `scaled`.
const float *ClipEncoder::gained(const float *x, size_t count, std::vector<float> &scaled) const
{
    const float gain = m_pass->gain;
    if (gain == 1.f)
        return x;
    scaled.resize(count);
    for (size_t i = 0; i < count; ++i)
        scaled[i] = x[i] * gain;
    return static_cast<const float *>(scaled.data());
}

// Integer outputs: the gain, the quantiser and what the writer can do ahead.
void ClipEncoder::convert(const float *x, int n, int32_t *ints)
{
    Pass &p = *m_pass;
    const size_t count = size_t(n) * size_t(m_channels);
    if (p.gauge)
        p.gauge->add(x, size_t(n));
    p.quantise.run(gained(x, count, p.scaled), ints, count);
    if (p.ahead)
        p.ahead(ints, n);
}

// PCM from a source at the output's rate, 20 s or more: the decoding bounds the job, so the
// clip is decoded in two halves at once, each written at its place. *inHalves is false where
// a half failed on its own (a source shorter than it states): the caller then makes one pass
// over the clip, which gives the reason, into a new file.
PassOutcome ClipEncoder::encodeInHalves(bool dither, bool *inHalves)
{
    WriterPlan &plan = m_prepared.plan;
    const int channels = m_channels;
    const int64_t seam = m_total / 2;
    std::mutex writing;
    std::atomic<bool> failed{false};
    const int64_t first = std::llround(m_clip.start * plan.rate); // the clip's first frame
    // One half: the sound from `from` to `to` (seconds), written from frame `at` on.
    const auto half = [&](double from, double to, int64_t at, QString *reason) {
        Quantiser own(plan.bits, dither);
        std::vector<float> ownScaled;
        std::vector<int32_t> ints;
        return readClipSound(
            m_clip.source, from, to, plan.rate, channels, m_stop,
            [&](const float *x, int n) {
                const size_t count = size_t(n) * size_t(channels);
                ints.resize(count);
                own.run(gained(x, count, ownScaled), ints.data(), count);
                const std::lock_guard lock(writing);
                if (failed)
                    return false;
                if (!writeBlock(n, [&] { return plan.writer->write32At(at, ints.data(), n); }))
                    failed = true;
                at += n;
                return !failed;
            },
            reason, m_prepared.stream, {}, &m_wild);
    };
    QString secondReason;
    PassOutcome second = PassOutcome::Failed;
    // The second half starts on the frame after the first half's last, counted from the same
    // rounded start, and holds the rest of the clip's length as one pass counts it.
    const double from = double(first + seam) / plan.rate;
    const double to = std::isinf(m_clip.end) ? m_clip.end : from + double(m_total - seam) / plan.rate;
    std::thread other([&] { second = half(from, to, seam, &secondReason); });
    PassOutcome o = half(m_clip.start, m_clip.start + double(seam) / plan.rate, 0, &m_result.reason);
    other.join();
    if (o == PassOutcome::Done)
        o = second;
    if (m_stop.stop_requested())
        o = PassOutcome::Stopped;
    *inHalves = o != PassOutcome::Failed || failed;
    return o;
}

// The limiter holds the sound back by its look-ahead; what it gives is metered, so that the
// loudness reached is known.
PassOutcome ClipEncoder::encodeLimited(const LoudnessPlan &level)
{
    WriterPlan &plan = m_prepared.plan;
    const int channels = m_channels;
    TruePeakLimiter limiter(channels, plan.rate, level.gainDb, level.limitDbtp);
    LoudnessMeter meter(channels, plan.rate, false);
    std::vector<float> ready;
    std::vector<int32_t> ints;
    const auto send = [&] {
        const int n = int(ready.size() / size_t(channels));
        if (n == 0)
            return true;
        meter.add(ready.data(), size_t(n));
        const bool ok = plan.bits > 0
            ? (ints.resize(ready.size()), m_pass->quantise.run(ready.data(), ints.data(), ready.size()),
               writeBlock(n, [&] { return plan.writer->write32(ints.data(), n); }))
            : writeBlock(n, [&] { return plan.writer->writeFloat(ready.data(), n); });
        ready.clear();
        return ok;
    };
    PassOutcome o = readClipSound(
        m_clip.source, m_clip.start, m_clip.end, plan.rate, channels, m_stop,
        [&](const float *x, int n) { return limiter.process(x, size_t(n), ready), send(); }, &m_result.reason,
        m_prepared.stream, {}, &m_wild);
    if (o == PassOutcome::Done) {
        limiter.finish(ready);
        if (!send())
            o = PassOutcome::Failed;
    }
    m_reached = meter.result().integratedLufs;
    return o;
}

// The sound at the gain, without the limiter.
PassOutcome ClipEncoder::encodePlain()
{
    WriterPlan &plan = m_prepared.plan;
    const int channels = m_channels;
    const ClipSource &clip = m_clip;
    Pass &p = *m_pass;
    if (plan.bits > 0 && !plan.writer->light()) {
        // The encoder costs more than the decoding: the conversion runs on the decoder's
        // thread, beside it.
        if (plan.writer->setInput(plan.rate, channels))
            p.ahead = plan.writer->workAhead();
        return readClipSamples(
            clip.source, clip.start, clip.end, plan.rate, channels, m_stop,
            [this](const float *x, int n, int32_t *ints) { convert(x, n, ints); },
            [&](const int32_t *x, int n) { return writeBlock(n, [&] { return plan.writer->write32(x, n); }); },
            &m_result.reason, m_prepared.stream, &m_wild);
    }
    if (plan.bits > 0) {
        std::vector<int32_t> ints;
        return readClipSound(
            clip.source, clip.start, clip.end, plan.rate, channels, m_stop,
            [&](const float *x, int n) {
                ints.resize(size_t(n) * size_t(channels));
                convert(x, n, ints.data());
                return writeBlock(n, [&] { return plan.writer->write32(ints.data(), n); });
            },
            &m_result.reason, m_prepared.stream, {}, &m_wild);
    }
    return readClipSound(
        clip.source, clip.start, clip.end, plan.rate, channels, m_stop,
        [&](const float *x, int n) {
            x = gained(x, size_t(n) * size_t(channels), p.scaled);
            return writeBlock(n, [&] { return plan.writer->writeFloat(x, n); });
        },
        &m_result.reason, m_prepared.stream,
        p.gauge ? std::function<void(const float *, int)>([&](const float *x, int n) { p.gauge->add(x, size_t(n)); })
                : std::function<void(const float *, int)>(),
        &m_wild);
}

// One encoding pass into the output at the gain; the gauge goes no further than cap and never back.
bool ClipEncoder::encode(const LoudnessPlan &level, int cap)
{
    ++m_result.encodes;
    m_wild = 0;
    WriterPlan &plan = m_prepared.plan;
    const SourceSound &source = m_prepared.source;
    const double gainDb = level.gainDb;
    // Integer outputs are dithered where the sound was changed or its word length shortened;
    // otherwise they keep every bit (a 24-bit source into 24-bit FLAC at its own rate).
    const bool dither = plan.bits > 0
        && (gainDb != 0 || plan.rate != source.rate || m_channels != source.channels || source.bits == 0
            || source.bits > plan.bits);
    const bool limited = std::isfinite(level.limitDbtp);
    m_pass = std::make_unique<Pass>(plan.bits, dither, float(std::pow(10.0, gainDb / 20)), cap);
    Pass &p = *m_pass;
    // FLAC sizes its seek table from the expected length before the file is made.
    plan.writer->expectFrames(m_total);
    if (m_tagGain)
        p.gauge.emplace(m_channels, plan.rate);
    PassOutcome o = PassOutcome::Failed;
    bool inHalves = !limited && !p.gauge && plan.bits > 0 && plan.writer->light() && plan.rate == source.rate
        && m_total >= 20 * int64_t(plan.rate);
    if (inHalves) {
        o = encodeInHalves(dither, &inHalves);
        if (!inHalves) {
            plan = planWriter(m_format, m_s, source);
            if (!plan.writer)
                return false;
            plan.writer->expectFrames(m_total);
            p.opened = false;
            p.frames = 0;
            m_result.reason.clear();
        }
    }
    if (!inHalves)
        o = limited ? encodeLimited(level) : encodePlain();
    if (o != PassOutcome::Done) {
        m_result.stopped = o == PassOutcome::Stopped;
        return false;
    }
    if (!p.opened) {
        m_result.reason = QCoreApplication::translate("RunEngine", "The clip holds no sound");
        return false;
    }
    if (p.gauge)
        m_gauged = p.gauge->result();
    m_written = p.frames;
    if (m_reading)
        m_reading->setLength(m_written, m_prepared.plan.rate);
    if (!plan.writer->finish()) {
        m_result.reason =
            plan.writer->error.isEmpty() ? QCoreApplication::translate("RunEngine", "Cannot write %1").arg(m_out) : plan.writer->error;
        return false;
    }
    plan.writer.reset();
    return true;
}

// The output is decoded on a thread beside the encoder's as it is made, so the check costs
// no pass of its own; the reader starts with the first bytes, when the encoder is set up.
// ReplayGain tags of a lossy output are read there too: they describe the file as it decodes.
void ClipEncoder::tapped()
{
    m_reading.reset();
    m_written = -1;
    const bool lossy = outputFormat(m_format).lossy;
    const bool verify = lossy && m_s.LoudnessTarget != 0 && std::isfinite(m_loudness.integratedLufs);
    if (verify || (lossy && m_tagGain))
        m_prepared.plan.writer->tap = [this, writer = m_prepared.plan.writer.get()](const void *bytes, size_t size) {
            if (!m_reading) {
                m_reading.emplace(writer->streamFormat(), writer->streamCodec(), m_stop, writer->primingFrames());
                if (m_written >= 0) // the first bytes came with the last
                    m_reading->setLength(m_written, m_prepared.plan.rate);
            }
            m_reading->feed(bytes, size);
        };
}

// A lossy encoder lifts the true peak by an amount that depends on the sound, and takes
// loudness away with what it leaves out (above all the highest frequencies): with a loudness
// target its output is decoded and measured, and encoded again while its true peak goes over
// -1 dBTP (with the limiter's ceiling lowered, or with less gain). A sound whose loudness
// (decoded where lossy, as limited otherwise) missed what was planned by more than kMissLu is
// encoded again, aiming as far the other way; both within kRetries. False where a pass failed.
bool ClipEncoder::checkOutput()
{
    const bool verify = outputFormat(m_format).lossy && m_s.LoudnessTarget != 0 && std::isfinite(m_loudness.integratedLufs);
    const double goal = m_level.lufs - m_lift; // the target, or what the ceiling allows
    double aim = m_target + m_lift;
    bool lowered = false;
    for (int retry = 1;; ++retry) {
        double peak = -INFINITY;
        if (verify) {
            // Should the reading fail, the finished file is read.
            const std::optional<LoudnessMeasurement> read = m_reading ? m_reading->finish() : std::nullopt;
            const LoudnessMeasurement decoded = read ? *read : decodedLoudness(m_out, m_stop, &m_result);
            if (m_result.stopped || !m_result.reason.isEmpty())
                return false;
            peak = decoded.truePeakDbtp;
            m_reached = decoded.integratedLufs;
            m_result.truePeakDbtp = peak;
        }
        const bool over = peak > kDecodedCeilingDb;
        // A clip lowered for its peaks that came out far under -1 dBTP (what the encoder adds
        // does not follow the gain) is raised towards -1.25 dBTP while a try is left to
        // lower it again.
        const bool under = !m_limit && lowered && peak < kDecodedCeilingDb - 0.5 && retry < kRetries;
        // Only a limited sound can rise where its peaks are near the ceiling.
        const bool missed = std::isfinite(goal) && std::abs(m_reached - goal) > kMissLu
            && (std::isfinite(m_level.limitDbtp) || m_reached > goal || peak < kDecodedCeilingDb - 2 * kMissLu);
        if (!over && !missed && !under)
            return true;
        if (retry > kRetries) {
            if (over)
                m_overCeiling = QCoreApplication::translate("RunEngine", "True peak %1 dBTP, over -1 dBTP").arg(peak, 0, 'f', 1);
            return true;
        }
        if (missed)
            aim += goal - m_reached;
        if (over)
            m_ceiling -= peak - kDecodedCeilingDb + kRetryMarginDb * retry;
        else if (under)
            m_ceiling += kDecodedCeilingDb - 0.25 - peak;
        lowered = lowered || over;
        LoudnessPlan next = planLoudness(m_loudness, aim, m_ceiling, m_limit);
        if (under) {
            next.gainDb = m_level.gainDb + kDecodedCeilingDb - 0.25 - peak;
            next.lufs = m_loudness.integratedLufs + next.gainDb;
        } else if (over && !std::isfinite(next.limitDbtp)) {
            // Lowered by the excess at least, also where the target was under the ceiling.
            next.gainDb = std::min(next.gainDb, m_level.gainDb - (peak - kDecodedCeilingDb + kRetryMarginDb * retry));
            next.lufs = m_loudness.integratedLufs + next.gainDb;
        }
        // A plan held by the ceiling as before has nothing to gain from another pass.
        if (!over && !under && std::abs(next.gainDb - m_level.gainDb) < 0.05 && next.limitDbtp == m_level.limitDbtp)
            return true;
        m_level = next;
        m_reached = m_level.lufs;
        m_prepared.plan = planWriter(m_format, m_s, m_prepared.source);
        m_result.reason = m_prepared.plan.reason;
        if (!m_prepared.plan.writer)
            return false;
        tapped();
        if (!encode(m_level, 99))
            return false;
    }
}

// With ReplayGain tags: the track's gain and peak, from the decoded output where it is lossy.
ReplayGainValues ClipEncoder::trackGain()
{
    ReplayGainValues gain;
    if (!m_tagGain)
        return gain;
    // A lossy output as it decodes; the sound given to the encoder where it could not be read.
    if (const std::optional<LoudnessMeasurement> decoded = m_reading ? m_reading->finish() : std::nullopt)
        m_gauged = *decoded;
    m_result.trackLufs = m_gauged.integratedLufs;
    m_result.trackPeak = std::isfinite(m_gauged.truePeakDbtp) ? std::pow(10.0, m_gauged.truePeakDbtp / 20) : 0.0;
    m_result.trackBlocks = loudnessBlocks(m_gauged);
    if (std::isnan(m_result.truePeakDbtp))
        m_result.truePeakDbtp = m_gauged.truePeakDbtp;
    if (std::isfinite(m_result.trackLufs)) {
        gain.trackGainDb = replayGainDb(m_result.trackLufs);
        gain.trackPeak = m_result.trackPeak;
        // The album's values stand in until the run's last file gives them, so that writing
        // them then changes no tag's size.
        if (m_s.ReplayGain == OutputSettings::AlbumGain) {
            gain.albumGainDb = gain.trackGainDb;
            gain.albumPeak = gain.trackPeak;
        }
    }
    return gain;
}

bool ClipEncoder::writeTags(const ReplayGainValues &gain)
{
    if (!((m_job.TagsEnabled || m_s.CopyTags || gain.any()) && outputFormat(m_format).tags))
        return true;
    OutputTags info = tagsFor(m_prepared.probe->info, m_s, m_job, gain);
    // A source without tags or cover gives the output none: writing an empty tag would only
    // make the tag writer rewrite the whole file.
    const bool nothing = !m_job.TagsEnabled && info.infoTitle.isEmpty() && info.infoArtist.isEmpty()
        && info.infoAlbum.isEmpty() && info.infoComments.isEmpty() && info.infoCopyright.isEmpty()
        && info.InfoYear <= 0 && info.InfoTrack <= 0 && info.infoGenreName.isEmpty() && info.infoCover.isEmpty();
    if (!nothing ? !info.writeTags(m_out, outputFormat(m_format).tagWriter) : gain.any() && !info.writeReplayGain(m_out, outputFormat(m_format).tagWriter)) {
        m_result.reason = QCoreApplication::translate("RunEngine", "The tags could not be written: %1").arg(info.lastErrorText());
        return false;
    }
    return true;
}

EncodeResult ClipEncoder::run(const KnownLoudness *known)
{
    if (!prepare(m_clip, m_format, m_s, m_job, m_stop, &m_prepared, &m_result))
        return m_result;
    m_channels = m_prepared.plan.channels;
    m_total = m_prepared.seconds > 0 ? std::llround(m_prepared.seconds * m_prepared.plan.rate) : 0;
    if (!measure(known))
        return m_result;
    tapped();
    const bool verify = outputFormat(m_format).lossy && m_s.LoudnessTarget != 0 && std::isfinite(m_loudness.integratedLufs);
    const bool retries = verify || std::isfinite(m_level.limitDbtp);
    if (!encode(m_level, retries ? 99 : 100) || (retries && !checkOutput()))
        return m_result;
    if (m_shown != 100 && m_percent)
        m_percent(100);
    if (!writeTags(trackGain()))
        return m_result;
    m_result.ok = true;
    m_result.remark = m_prepared.remark;
    if (m_s.LoudnessTarget != 0)
        m_result.loudnessLufs = m_reached;
    const auto remark = [this](const QString &text) {
        m_result.remark += (m_result.remark.isEmpty() ? QString() : QStringLiteral("; ")) + text;
    };
    if (!m_overCeiling.isEmpty())
        remark(m_overCeiling);
    if (m_wild > 0)
        remark(QCoreApplication::translate("RunEngine", "%n damaged samples far beyond full scale were clipped", nullptr,
                                           int(std::min<int64_t>(m_wild, std::numeric_limits<int>::max()))));
    return m_result;
}
} // namespace

double replayGainDb(double lufs)
{
    return std::isfinite(lufs) ? -18 - lufs : std::numeric_limits<double>::quiet_NaN();
}

PassOutcome measureJobLoudness(const ClipSource &clip, int format, const OutputSettings &s, const RunJob &job,
                                std::stop_token stop, LoudnessMeasurement *measurement, QString *reason,
                                const MeasureProgress &progress)
{
    EncodeResult result;
    Prepared p;
    if (!prepare(clip, format, s, job, stop, &p, &result)) {
        *reason = result.reason;
        return result.stopped ? PassOutcome::Stopped : PassOutcome::Failed;
    }
    return measureClipLoudness(clip, p.seconds, p.plan.rate, p.plan.channels, p.stream, stop, measurement, reason, 2,
                               progress);
}

bool wantsCover(int format, const OutputSettings &s)
{
    return s.CopyTags && outputFormat(format).tags;
}

EncodeResult encodeClip(const ClipSource &clip, const QString &out, int format, const OutputSettings &s,
                         const RunJob &job, std::stop_token stop, const std::function<void(int)> &percent,
                         const KnownLoudness *known)
{
    return ClipEncoder(clip, out, format, s, job, std::move(stop), percent).run(known);
}
