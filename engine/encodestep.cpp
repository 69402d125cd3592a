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
#include <optional>
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
LoudnessMeasurement DecodedLoudness(const QString &file, const std::atomic<bool> &stop, TEncodeResult *result)
{
    TSourceSound sound;
    if (!ProbeSourceSound(file, stop, &sound, &result->reason)) {
        result->stopped = stop;
        return {};
    }
    LoudnessMeter meter(sound.channels, sound.rate);
    const TPassOutcome o = ReadClipSound(
        file, 0, TVideoEdit::ToEnd, sound.rate, sound.channels, stop,
        [&](const float *x, int frames) {
            meter.add(x, size_t(frames));
            return true;
        },
        &result->reason);
    if (o != TPassOutcome::Done) {
        result->stopped = o == TPassOutcome::Stopped;
        if (!result->stopped)
            result->reason = QCoreApplication::translate("TRunEngine", "The output could not be read back: %1").arg(result->reason);
        return {};
    }
    return meter.result();
}

} // namespace

WriterPlan PlanWriter(int format, const TOutputSettings &o, const TSourceSound &source)
{
    if (format < 0 || format >= outputFormatCount()) {
        WriterPlan p;
        p.reason = QCoreApplication::translate("TRunEngine", "The output format is not one Clipvox knows");
        return p;
    }
    WriterPlan p = outputFormat(format).plan(o, source);
    if (!p.writer && p.reason.isEmpty())
        p.reason = QCoreApplication::translate("TRunEngine", "The encoder does not accept the output settings");
    return p;
}

int SoundStreamOf(const QString &source, int track, const std::atomic<bool> &stop, QString *reason)
{
    if (track <= 0)
        return -1;
    const std::atomic_bool &halt = stop;
    const std::optional<SourceInfo> info = ReadSourceInfo(source, &halt, reason);
    if (!info)
        return kNoSuchTrack;
    for (const SourceTrack &t : info->tracks)
        if (t.number == track)
            return t.streamIndex;
    *reason = info->tracks.isEmpty()
        ? QCoreApplication::translate("TRunEngine", "No sound track %1: the source has no sound").arg(track)
        : QCoreApplication::translate("TRunEngine", "No sound track %1: the source has %2").arg(track).arg(info->tracks.size());
    return kNoSuchTrack;
}

namespace {
TPassOutcome MeasurePiece(const QString &source, double start, double end, int rate, int channels, int stream,
                          const std::atomic<bool> &stop, LoudnessMeter &meter, QString *reason)
{
    return ReadClipSound(
        source, start, end, rate, channels, stop,
        [&](const float *x, int frames) {
            meter.add(x, size_t(frames));
            return true;
        },
        reason, stream);
}
} // namespace

TPassOutcome MeasureClipLoudness(const TClipSource &clip, double seconds, int rate, int channels, int stream,
                                 const std::atomic<bool> &stop, LoudnessMeasurement *measurement, QString *reason,
                                 int parts)
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
        TPassOutcome secondOutcome = TPassOutcome::Failed;
        std::thread other([&] {
            secondOutcome = MeasurePiece(clip.source, clip.start + double(seam - 3 * step) / rate, clip.end, rate,
                                         channels, stream, stop, second, &secondReason);
        });
        const TPassOutcome firstOutcome = MeasurePiece(clip.source, clip.start, clip.start + double(seam) / rate,
                                                       rate, channels, stream, stop, first, reason);
        other.join();
        if (firstOutcome == TPassOutcome::Done && secondOutcome == TPassOutcome::Done) {
            const LoudnessMeter *both[] = {&first, &second};
            *measurement = LoudnessMeter::combined(both, 2);
            return TPassOutcome::Done;
        }
        if (stop)
            return TPassOutcome::Stopped;
        // A source shorter than it states: one pass over the clip, which gives the reason.
        reason->clear();
    }
    LoudnessMeter meter(channels, rate);
    const TPassOutcome o = MeasurePiece(clip.source, clip.start, clip.end, rate, channels, stream, stop, meter, reason);
    if (o == TPassOutcome::Done)
        *measurement = meter.result();
    return o;
}


double TruePeakCeilingDb(int format)
{
    return format >= 0 && format < outputFormatCount() ? outputFormat(format).ceilingDb : -1.3;
}

namespace {
// What a job needs before its passes: the sound track, the source's sound, the writer set up.
struct Prepared
{
    int stream = -1;
    TSourceSound source;
    WriterPlan plan;
    QString remark; // what the encoder changes on its own
    double seconds = 0; // the clip's expected length
};

bool Prepare(const TClipSource &clip, int format, const TOutputSettings &s, const TRunJob &job,
             const std::atomic<bool> &stop, Prepared *p, TEncodeResult *result)
{
    p->stream = SoundStreamOf(clip.source, job.SoundTrack, stop, &result->reason);
    if (p->stream == kNoSuchTrack) {
        result->stopped = stop;
        return false;
    }
    if (!ProbeSourceSound(clip.source, stop, &p->source, &result->reason, p->stream)) {
        result->stopped = stop;
        return false;
    }
    if (p->source.seconds >= 0 && clip.start >= p->source.seconds) {
        result->reason = QCoreApplication::translate("TRunEngine", "The clip starts at %1 s, after the end of the source (%2 s)")
                             .arg(clip.start)
                             .arg(p->source.seconds, 0, 'f', 2);
        return false;
    }
    p->plan = PlanWriter(format, s, p->source);
    if (!p->plan.writer) {
        result->reason = p->plan.reason;
        return false;
    }
    p->remark = p->plan.remark;
    p->seconds = std::isinf(clip.end) ? p->source.seconds - clip.start : clip.end - clip.start;
    return true;
}
} // namespace

double ReplayGainDb(double lufs)
{
    return std::isfinite(lufs) ? -18 - lufs : std::numeric_limits<double>::quiet_NaN();
}

TPassOutcome MeasureJobLoudness(const TClipSource &clip, int format, const TOutputSettings &s, const TRunJob &job,
                                const std::atomic<bool> &stop, LoudnessMeasurement *measurement, QString *reason)
{
    TEncodeResult result;
    Prepared p;
    if (!Prepare(clip, format, s, job, stop, &p, &result)) {
        *reason = result.reason;
        return result.stopped ? TPassOutcome::Stopped : TPassOutcome::Failed;
    }
    return MeasureClipLoudness(clip, p.seconds, p.plan.rate, p.plan.channels, p.stream, stop, measurement, reason);
}

TEncodeResult EncodeClip(const TClipSource &clip, const QString &out, int format, const TOutputSettings &s,
                         const TRunJob &job, const std::atomic<bool> &stop, const std::function<void(int)> &percent,
                         const TKnownLoudness *known)
{
    TEncodeResult result;
    // The output read back as it is written; made before the writer, so it outlives it.
    std::optional<EncodedPeakReader> reading;
    Prepared prepared;
    if (!Prepare(clip, format, s, job, stop, &prepared, &result))
        return result;
    const int stream = prepared.stream;
    const TSourceSound &source = prepared.source;
    WriterPlan &plan = prepared.plan;
    const int channels = plan.channels;
    const double seconds = prepared.seconds;

    // First pass: the clip measured exactly as it will be encoded.
    LoudnessPlan level; // the gain, and the limiter's ceiling where the peaks are limited
    LoudnessMeasurement loudness;
    double ceiling = TruePeakCeilingDb(format);
    const bool limit = s.LoudnessPeaks == TOutputSettings::LimitPeaks;
    const double target = known ? known->targetLufs : s.LoudnessTarget;
    // A sound that needs the limiter is held to the format's limiter ceiling, which leaves
    // room for what the encoder adds to limited sound, so that the first try holds.
    double lift = 0;
    const auto planFirst = [&] {
        level = PlanLoudness(loudness, target, ceiling, limit);
        if (std::isfinite(level.limitDbtp)) {
            ceiling = outputFormat(format).limitCeilingDb;
            lift = outputFormat(format).limitLiftLu;
            level = PlanLoudness(loudness, target + lift, ceiling, limit);
        }
    };
    if (known) {
        loudness = known->measurement;
        planFirst();
    } else if (s.LoudnessTarget != 0) {
        const TPassOutcome o =
            MeasureClipLoudness(clip, seconds, plan.rate, channels, stream, stop, &loudness, &result.reason);
        if (o != TPassOutcome::Done) {
            result.stopped = o == TPassOutcome::Stopped;
            return result;
        }
        planFirst();
    }
    // ReplayGain tags: the sound given to the encoder measured as it goes.
    const bool tagGain = s.LoudnessTarget == 0 && s.ReplayGain != TOutputSettings::NoReplayGain
        && outputFormat(format).tags;
    LoudnessMeasurement gauged;
    double reached = level.lufs; // the loudness of the sound given to the encoder

    const int64_t total = seconds > 0 ? std::llround(seconds * plan.rate) : 0;
    int shown = -1;
    // One encoding pass into out at the gain; the gauge goes no further than cap and never back.
    const auto encode = [&](const LoudnessPlan &level, int cap) {
        ++result.encodes;
        const double gainDb = level.gainDb;
        // Integer outputs are dithered where the sound was changed or its word length shortened;
        // otherwise they keep every bit (a 24-bit source into 24-bit FLAC at its own rate).
        const bool dither = plan.bits > 0
            && (gainDb != 0 || plan.rate != source.rate || channels != source.channels || source.bits == 0
                || source.bits > plan.bits);
        const bool limited = std::isfinite(level.limitDbtp);
        TQuantiser quantise(plan.bits, dither);
        const float gain = float(std::pow(10.0, gainDb / 20));
        // FLAC sizes its seek table from the expected length before the file is made.
        plan.writer->expectFrames(total);
        int64_t frames = 0;
        bool opened = false;
        // The file is made at the first sound, so a clip without any leaves none.
        const auto writeBlock = [&](int n, const auto &write) {
            if (!opened && !(plan.writer->setInput(plan.rate, channels) && plan.writer->open(out))) {
                result.reason = plan.writer->error;
                return false;
            }
            opened = true;
            if (!write()) {
                result.reason = plan.writer->error;
                return false;
            }
            frames += n;
            const int now = std::min(cap, total > 0 ? int(std::min<int64_t>(frames, total) * 100 / total) : 0);
            if (now > shown && percent) {
                shown = now;
                percent(now);
            }
            return true;
        };
        TPassOutcome o = TPassOutcome::Failed;
        // The block at the gain: x itself at unity, else a scaled copy in `scaled`.
        const auto gainedInto = [&](const float *x, size_t count, std::vector<float> &scaled) {
            if (gain == 1.f)
                return x;
            scaled.resize(count);
            for (size_t i = 0; i < count; ++i)
                scaled[i] = x[i] * gain;
            return static_cast<const float *>(scaled.data());
        };
        std::vector<float> scaled;
        const auto gained = [&](const float *x, size_t count) { return gainedInto(x, count, scaled); };
        // Integer outputs: the gain, the quantiser and what the writer can do ahead.
        std::function<void(const int32_t *, int)> ahead;
        std::optional<LoudnessMeter> gauge; // ReplayGain's, on the decoder's thread
        if (tagGain)
            gauge.emplace(channels, plan.rate);
        const auto convert = [&](const float *x, int n, int32_t *ints) {
            const size_t count = size_t(n) * size_t(channels);
            if (gauge)
                gauge->add(x, size_t(n));
            quantise.run(gained(x, count), ints, count);
            if (ahead)
                ahead(ints, n);
        };
        // PCM from a source at the output's rate, 20 s or more: the decoding bounds the job, so
        // the clip is decoded in two halves at once, each written at its place. Resampled sound
        // is not, as the resampler would start afresh at the seam.
        const int64_t seam = total / 2;
        bool inHalves = !limited && !gauge && plan.bits > 0 && plan.writer->light() && plan.rate == source.rate
            && total >= 20 * int64_t(plan.rate);
        if (inHalves) {
            std::mutex writing;
            std::atomic<bool> failed{false};
            const int64_t first = std::llround(clip.start * plan.rate); // the clip's first frame
            // One half: the sound from `from` to `to` (seconds), written from frame `at` on.
            const auto half = [&](double from, double to, int64_t at, QString *reason) {
                TQuantiser own(plan.bits, dither);
                std::vector<float> ownScaled;
                std::vector<int32_t> ints;
                return ReadClipSound(
                    clip.source, from, to, plan.rate, channels, stop,
                    [&](const float *x, int n) {
                        const size_t count = size_t(n) * size_t(channels);
                        ints.resize(count);
                        own.run(gainedInto(x, count, ownScaled), ints.data(), count);
                        const std::lock_guard lock(writing);
                        if (failed)
                            return false;
                        if (!writeBlock(n, [&] { return plan.writer->write32At(at, ints.data(), n); }))
                            failed = true;
                        at += n;
                        return !failed;
                    },
                    reason, stream);
            };
            QString secondReason;
            TPassOutcome second = TPassOutcome::Failed;
            // The second half starts on the frame after the first half's last, counted from
            // the same rounded start, and holds the rest of the clip's length as one pass
            // counts it.
            const double from = double(first + seam) / plan.rate;
            const double to = std::isinf(clip.end) ? clip.end : from + double(total - seam) / plan.rate;
            std::thread other([&] { second = half(from, to, seam, &secondReason); });
            o = half(clip.start, clip.start + double(seam) / plan.rate, 0, &result.reason);
            other.join();
            if (o == TPassOutcome::Done)
                o = second;
            if (stop)
                o = TPassOutcome::Stopped;
            // A half that failed on its own (a source shorter than it states): one pass over
            // the clip, which gives the reason, into a new file.
            inHalves = o != TPassOutcome::Failed || failed;
            if (!inHalves) {
                plan = PlanWriter(format, s, source);
                if (!plan.writer)
                    return false;
                plan.writer->expectFrames(total);
                opened = false;
                frames = 0;
                result.reason.clear();
            }
        }
        if (inHalves) {
            // written above
        } else if (limited) {
            // The limiter holds the sound back by its look-ahead; what it gives is metered, so
            // that the loudness reached is known.
            TruePeakLimiter limiter(channels, plan.rate, gainDb, level.limitDbtp);
            LoudnessMeter meter(channels, plan.rate, false);
            std::vector<float> ready;
            std::vector<int32_t> ints;
            const auto send = [&] {
                const int n = int(ready.size() / size_t(channels));
                if (n == 0)
                    return true;
                meter.add(ready.data(), size_t(n));
                const bool ok = plan.bits > 0 ? (ints.resize(ready.size()), quantise.run(ready.data(), ints.data(), ready.size()),
                                                 writeBlock(n, [&] { return plan.writer->write32(ints.data(), n); }))
                                              : writeBlock(n, [&] { return plan.writer->writeFloat(ready.data(), n); });
                ready.clear();
                return ok;
            };
            o = ReadClipSound(
                clip.source, clip.start, clip.end, plan.rate, channels, stop,
                [&](const float *x, int n) { return limiter.process(x, size_t(n), ready), send(); }, &result.reason,
                stream);
            if (o == TPassOutcome::Done) {
                limiter.finish(ready);
                if (!send())
                    o = TPassOutcome::Failed;
            }
            reached = meter.result().integratedLufs;
        } else if (plan.bits > 0 && !plan.writer->light()) {
            // The encoder costs more than the decoding: the conversion runs on the decoder's
            // thread, beside it.
            if (plan.writer->setInput(plan.rate, channels))
                ahead = plan.writer->workAhead();
            o = ReadClipSamples(
                clip.source, clip.start, clip.end, plan.rate, channels, stop, convert,
                [&](const int32_t *x, int n) { return writeBlock(n, [&] { return plan.writer->write32(x, n); }); },
                &result.reason, stream);
        } else if (plan.bits > 0) {
            std::vector<int32_t> ints;
            o = ReadClipSound(
                clip.source, clip.start, clip.end, plan.rate, channels, stop,
                [&](const float *x, int n) {
                    ints.resize(size_t(n) * size_t(channels));
                    convert(x, n, ints.data());
                    return writeBlock(n, [&] { return plan.writer->write32(ints.data(), n); });
                },
                &result.reason, stream);
        } else {
            o = ReadClipSound(
                clip.source, clip.start, clip.end, plan.rate, channels, stop,
                [&](const float *x, int n) {
                    x = gained(x, size_t(n) * size_t(channels));
                    return writeBlock(n, [&] { return plan.writer->writeFloat(x, n); });
                },
                &result.reason, stream,
                gauge ? std::function<void(const float *, int)>([&](const float *x, int n) { gauge->add(x, size_t(n)); })
                      : std::function<void(const float *, int)>());
        }
        if (o != TPassOutcome::Done) {
            result.stopped = o == TPassOutcome::Stopped;
            return false;
        }
        if (!opened) {
            result.reason = QCoreApplication::translate("TRunEngine", "The clip holds no sound");
            return false;
        }
        if (gauge)
            gauged = gauge->result();
        if (!plan.writer->finish()) {
            result.reason =
                plan.writer->error.isEmpty() ? QCoreApplication::translate("TRunEngine", "Cannot write %1").arg(out) : plan.writer->error;
            return false;
        }
        plan.writer.reset();
        return true;
    };

    // A lossy encoder lifts the true peak by an amount that depends on the sound, and takes
    // loudness away with what it leaves out (above all the highest frequencies): with a
    // loudness target its output is decoded and measured, and encoded again while its true
    // peak goes over -1 dBTP (with the limiter's ceiling lowered, or with less gain). A sound
    // whose loudness (decoded where lossy, as limited otherwise) missed what was planned by
    // more than kMissLu is encoded again, aiming as far the other way; both within kRetries.
    const bool verify = outputFormat(format).lossy && s.LoudnessTarget != 0 && std::isfinite(loudness.integratedLufs);
    // The output is decoded on a thread beside the encoder's as it is made, so the check costs
    // no pass of its own; the reader starts with the first bytes, when the encoder is set up.
    const auto tapped = [&] {
        reading.reset();
        if (verify)
            plan.writer->tap = [&reading, &stop, writer = plan.writer.get()](const void *bytes, size_t size) {
                if (!reading)
                    reading.emplace(writer->streamFormat(), writer->streamCodec(), stop);
                reading->feed(bytes, size);
            };
    };
    tapped();
    const bool retries = verify || std::isfinite(level.limitDbtp);
    if (!encode(level, retries ? 99 : 100))
        return result;
    const double goal = level.lufs - lift; // the target, or what the ceiling allows
    double aim = target + lift;
    QString overCeiling;
    bool lowered = false;
    for (int retry = 1; retries; ++retry) {
        double peak = -INFINITY;
        if (verify) {
            // Should the reading fail, the finished file is read.
            const std::optional<LoudnessMeasurement> read = reading ? reading->finish() : std::nullopt;
            const LoudnessMeasurement decoded = read ? *read : DecodedLoudness(out, stop, &result);
            if (result.stopped || !result.reason.isEmpty())
                return result;
            peak = decoded.truePeakDbtp;
            reached = decoded.integratedLufs;
        }
        const bool over = peak > kDecodedCeilingDb;
        // A clip lowered for its peaks that came out far under -1 dBTP (what the encoder adds
        // does not follow the gain) is raised towards -1.25 dBTP while a try is left to
        // lower it again.
        const bool under = !limit && lowered && peak < kDecodedCeilingDb - 0.5 && retry < kRetries;
        // Only a limited sound can rise where its peaks are near the ceiling.
        const bool missed = std::isfinite(goal) && std::abs(reached - goal) > kMissLu
            && (std::isfinite(level.limitDbtp) || reached > goal || peak < kDecodedCeilingDb - 2 * kMissLu);
        if (!over && !missed && !under)
            break;
        if (retry > kRetries) {
            if (over)
                overCeiling = QCoreApplication::translate("TRunEngine", "True peak %1 dBTP, over -1 dBTP").arg(peak, 0, 'f', 1);
            break;
        }
        if (missed)
            aim += goal - reached;
        if (over)
            ceiling -= peak - kDecodedCeilingDb + kRetryMarginDb * retry;
        else if (under)
            ceiling += kDecodedCeilingDb - 0.25 - peak;
        lowered = lowered || over;
        LoudnessPlan next = PlanLoudness(loudness, aim, ceiling, limit);
        if (under) {
            next.gainDb = level.gainDb + kDecodedCeilingDb - 0.25 - peak;
            next.lufs = loudness.integratedLufs + next.gainDb;
        } else if (over && !std::isfinite(next.limitDbtp)) {
            // Lowered by the excess at least, also where the target was under the ceiling.
            next.gainDb = std::min(next.gainDb, level.gainDb - (peak - kDecodedCeilingDb + kRetryMarginDb * retry));
            next.lufs = loudness.integratedLufs + next.gainDb;
        }
        // A plan held by the ceiling as before has nothing to gain from another pass.
        if (!over && !under && std::abs(next.gainDb - level.gainDb) < 0.05 && next.limitDbtp == level.limitDbtp)
            break;
        level = next;
        reached = level.lufs;
        plan = PlanWriter(format, s, source);
        result.reason = plan.reason;
        if (!plan.writer)
            return result;
        tapped();
        if (!encode(level, 99))
            return result;
    }
    if (shown != 100 && percent)
        percent(100);

    TReplayGain gain;
    if (tagGain) {
        result.trackLufs = gauged.integratedLufs;
        result.trackPeak = std::isfinite(gauged.truePeakDbtp) ? std::pow(10.0, gauged.truePeakDbtp / 20) : 0.0;
        result.trackBlocks = LoudnessBlocks(gauged);
        if (std::isfinite(result.trackLufs)) {
            gain.trackGainDb = ReplayGainDb(result.trackLufs);
            gain.trackPeak = result.trackPeak;
            // The album's values stand in until the run's last file gives them, so that
            // writing them then changes no tag's size.
            if (s.ReplayGain == TOutputSettings::AlbumGain) {
                gain.albumGainDb = gain.trackGainDb;
                gain.albumPeak = gain.trackPeak;
            }
        }
    }
    if ((job.TagsEnabled || s.CopyTags || gain.any()) && outputFormat(format).tags) {
        TAudioInformation2 info;
        info.infoReplayGain = gain;
        info.InfoGenre = -1; // none
        if (s.CopyTags) {
            // The source's own tags and cover; the job's non-empty fields replace them below.
            if (const std::optional<SourceInfo> source = ReadSourceInfo(clip.source, &stop)) {
                const SourceTags &t = source->tags;
                info.infoTitle = t.title;
                info.infoArtist = t.artist;
                info.infoAlbum = t.album;
                info.infoComments = t.comment;
                info.infoCopyright = t.copyright;
                info.InfoYear = t.year;
                info.InfoTrack = int16_t(t.track);
                info.infoGenreName = t.genre;
                info.infoCover = source->cover.data;
                info.infoCoverMime = source->cover.mimeType;
            }
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
            info.InfoGenre = int16_t(job.TagGenre);
        }
        // A source without tags or cover gives the output none: writing an empty tag would
        // only make the tag writer rewrite the whole file.
        const bool nothing = !job.TagsEnabled && info.infoTitle.isEmpty() && info.infoArtist.isEmpty()
            && info.infoAlbum.isEmpty() && info.infoComments.isEmpty() && info.infoCopyright.isEmpty()
            && info.InfoYear <= 0 && info.InfoTrack <= 0 && info.infoGenreName.isEmpty() && info.infoCover.isEmpty();
        const TagFileWriter writer = outputFormat(format).tagWriter;
        if (!nothing ? !info.WriteTags(out, writer) : gain.any() && !info.WriteReplayGain(out, writer)) {
            result.reason = QCoreApplication::translate("TRunEngine", "The tags could not be written: %1").arg(info.LastErrorText());
            return result;
        }
    }
    result.ok = true;
    result.remark = prepared.remark;
    if (s.LoudnessTarget != 0)
        result.loudnessLufs = reached;
    if (!overCeiling.isEmpty())
        result.remark += (result.remark.isEmpty() ? QString() : QStringLiteral("; ")) + overCeiling;
    return result;
}
