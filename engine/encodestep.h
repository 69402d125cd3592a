// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The encoding step: a job's clip becomes its output file in the chosen format.
// Runs on the calling thread (plus one decoder thread) with its own writer and tag writer.
#include "core/outputsettings.h"
#include "engine/job.h"
#include "formats/format.h"
#include "media/tags.h"
#include "media/loudness.h"
#include "media/videoedit.h"

#include <functional>
#include <limits>
#include <memory>
#include <stop_token>
#include <vector>

struct SourceProbe;

// The writer of the output format (its stored number) for the settings and the source's
// sound, or why there is none.
WriterPlan planWriter(int format, const OutputSettings &s, const SourceSound &source);

struct EncodeResult
{
    bool ok = false;
    bool stopped = false;
    QString reason; // why it failed
    QString remark; // on success: what the encoder changed
    // With a loudness target: the loudness (LUFS) of the sound given to the encoder; -inf for
    // a clip below the gate; NaN without a target.
    double loudnessLufs = std::numeric_limits<double>::quiet_NaN();
    // The true peak (dBTP) of the output's sound where it was measured: decoded from a lossy
    // output made even, or as given to the encoder with ReplayGain tags; NaN otherwise.
    double truePeakDbtp = std::numeric_limits<double>::quiet_NaN();
    // With ReplayGain tags: the loudness of the sound given to the encoder (LUFS, -inf below
    // the gate; NaN without tags), its true peak (linear) and its gating blocks, from which
    // the run gates the album's loudness.
    double trackLufs = std::numeric_limits<double>::quiet_NaN();
    double trackPeak = 0;
    std::vector<float> trackBlocks;
    // How many times the output was encoded: more than once where its check found the decoded
    // true peak over the ceiling or the loudness off what was planned.
    int encodes = 0;
};

// A clip's loudness known before its encoding, from a first pass over the run: the
// measurement, and the loudness it is to reach (its own plus the album's gain).
struct KnownLoudness
{
    LoudnessMeasurement measurement;
    double targetLufs = 0;
};

// The ReplayGain 2.0 gain (dB, reference -18 LUFS) of a loudness; NaN for a clip below the gate.
double replayGainDb(double lufs);

// One clip of a source: start and end in seconds, end VideoEdit::ToEnd for the source's end.
struct ClipSource
{
    QString source;
    double start = 0;
    double end = VideoEdit::ToEnd;
    // The source probed once for the whole run (probeSource, with the cover where wantsCover);
    // without it the step probes the source itself.
    std::shared_ptr<const SourceProbe> probe;
};

// Whether a job's output takes its source's cover, which the probe then reads.
bool wantsCover(int format, const OutputSettings &s);

// The audio stream of a job's sound track (its 1-based number; 0 or less: -1, the source's
// default) in its probed source. kNoSuchTrack with the reason in *reason when the source has
// no such track or could not be read.
constexpr int kNoSuchTrack = -2;
int soundStreamOf(const SourceProbe &probe, int track, QString *reason);

// Measures the loudness of a clip as it will be encoded: converted to rate and channels.
// seconds is the clip's expected length (0 or less when unknown): a clip of 20 s or more is
// measured in `parts` (1 or 2) pieces at once, each decoded and measured by threads of its
// own, and the pieces combined into what one pass over the whole clip gives. A stop requested
// through stop ends it within a fraction of a second; on failure the reason is in *reason.
// progress, if given, is told the seconds of sound each step measured, from the measuring
// threads.
using MeasureProgress = std::function<void(double seconds)>;
PassOutcome measureClipLoudness(const ClipSource &clip, double seconds, int rate, int channels, int stream,
                                 std::stop_token stop, LoudnessMeasurement *measurement, QString *reason,
                                 int parts = 2, const MeasureProgress &progress = {});

// Measures a job's clip as encodeClip's first pass does for the settings' loudness target.
PassOutcome measureJobLoudness(const ClipSource &clip, int format, const OutputSettings &s, const RunJob &job,
                                std::stop_token stop, LoudnessMeasurement *measurement, QString *reason,
                                const MeasureProgress &progress = {});

// The true-peak ceiling (dBTP) that the sound is held to before the format's encoder: just
// below -1 for every format. A lossy output is checked once written (see encodeClip).
double truePeakCeilingDb(int format);

// Converts the clip into out (whose extension names the format) in one pass: the source is
// decoded, converted once in float to the output's rate and channels and handed to the
// encoder; integer outputs are dithered once at the end where the sound was changed or its
// word length shortened. With a loudness target a first pass measures the clip as it will be
// encoded and the second applies the gain; where the gain would put the true peak over the
// format's ceiling, a true-peak limiter takes the peaks (LimitPeaks) or the gain is lowered
// (LowerClip). Where the sound came near the ceiling a lossy output is decoded and measured,
// and encoded again when its true peak went over -1 dBTP or its loudness missed the plan by
// more than 0.4 LU; `known` gives the first pass's measurement and the target instead.
// Without a target and with ReplayGain on, the sound given to the encoder is measured as it
// goes (on the decoder's thread) and the track's ReplayGain tags are written (the album's set
// to the track's until the run writes them). Then writes the job's tags when they are enabled.
// Reports whole percents of the encoding pass through percent when they rise; while an
// output is checked and encoded again the gauge holds at 99. A stop requested through stop ends
// every phase within a fraction of a second. out is created only when the clip holds sound;
// a stopped or failed step leaves whatever it made for the caller to remove.
EncodeResult encodeClip(const ClipSource &clip, const QString &out, int format, const OutputSettings &s,
                         const RunJob &job, std::stop_token stop,
                         const std::function<void(int percent)> &percent = {},
                         const KnownLoudness *known = nullptr);
