#pragma once
// The encoding step: a job's temporary WAV becomes its output file in the chosen format.
// Runs on the calling thread with its own reader, writer and tag writer.
#include "core/outputsettings.h"
#include "engine/job.h"
#include "media/audiofile2.h"

#include <atomic>
#include <functional>

// Whether an output format needs the encoding step (WAV is written by the extraction).
bool NeedsEncoding(int format);

// The WAV a job's extraction writes: channels, rate and sample size (bits; 2 means 16 bits,
// the temporary WAV). WAV output is the result itself; FLAC gets its own format so that
// nothing is lost on the way; Opus gets its 48 kHz; M4A gets 24 bits.
struct TTempWavFormat
{
    int channels, rate, bits;
};
TTempWavFormat TempWavFormat(int format, const TOutputSettings &settings);

// The settings with FLAC's "Same as source" (rate or sample size 0) made the given rate and
// sample size. The extraction resolves 0 to the source's own, so the WAV then holds them.
TOutputSettings WithSourceFormat(TOutputSettings settings, int rate, int bits);

struct TWriterSetup
{
    bool ok = false;
    QString reason;               // why the encoder refuses the settings
    bool incorrectFormat = false; // the OGG encoder refuses its bit rates
    QString remark;               // what the encoder changes on its own
};

// The one place that maps the output settings onto a writer, by output format
// (0 MP3, 1 WMA, 3 OGG, 4 FLAC, 5 Opus, 6 M4A).
TWriterSetup ConfigureWriter(TAudioFile2 &writer, const TOutputSettings &s, int format);

struct TEncodeResult
{
    bool ok = false;
    bool stopped = false;
    QString reason; // why it failed
    QString remark; // on success: what the encoder changed
};

// Copies wav into out (whose extension names the format) one second per chunk, then writes
// the job's tags when they are enabled; gainDb evens the loudness (0: none). Checks stop after every chunk; reports whole
// percents through percent when they change. A stopped or failed step leaves out as it is:
// the caller removes it.
TEncodeResult EncodeWav(const QString &wav, const QString &out, int format, const TOutputSettings &s,
                        const TRunJob &job, double gainDb, const std::atomic<bool> &stop,
                        const std::function<void(int percent)> &percent = {});
