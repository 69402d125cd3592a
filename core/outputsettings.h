// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// The output folder and format, the parameters of the seven encoders and the loudness target.
struct OutputSettings
{
    QString OutputPath;
    int OutputFormat = 0;
    QString OutputExt;
    int Mp3Channels = 0;
    int Mp3Frequency = 0;
    int Mp3Bitrate = 0;
    int Mp3Vbr = 0;
    int Mp3MaxBitrate = 0;
    int Mp3VbrQuality = 0;
    int WavFrequency = 0;
    int WavChannels = 0;
    int WavBps = 0;
    int WmaProfile = 0;
    int OggFrequency = 0;
    int OggChannels = 0;
    int OggBitrate = 0;
    bool OggVbr = false;
    int OggMinBitrate = 0;
    int OggMaxBitrate = 0;
    bool OggUseQuality = false;
    int OggQuality = 0;
    int FlacFrequency = 0;   // Hz; 0 the source's
    int FlacChannels = 0;
    int FlacBps = 0;         // 16 or 24; 0 the source's
    int FlacCompression = 0; // 0..8
    int OpusBitrate = 0;     // 32..256 kbps
    bool OpusVbr = false;
    int OpusChannels = 0;
    int M4aFrequency = 0;    // 44100 or 48000
    int M4aBitrate = 0;      // 64..320 kbps
    int M4aChannels = 0;
    int LoudnessTarget = 0;  // LUFS; 0 leaves the loudness as it is
    // Where the gain for the target would put the true peak over the ceiling: a limiter takes
    // the peaks, so the target is reached, or the whole clip is lowered.
    enum Peaks { LowerClip = 0, LimitPeaks = 1 };
    int LoudnessPeaks = LimitPeaks;
    // Without a loudness target: ReplayGain 2.0 tags (-18 LUFS) say each file's gain (track),
    // and the gain of the files of the run in the same folder (album), the sound unchanged.
    // With a target, album gives those files one gain, keeping their loudness relative to
    // each other.
    enum GainScope { NoReplayGain = 0, TrackGain = 1, AlbumGain = 2 };
    int ReplayGain = NoReplayGain;
    int Jobs = 1; // files converted at the same time, 1 up to the processor cores
    // When a file has the output's name: replace it, keep it (the output takes "name (2).ext"),
    // or skip the job. A source of the run is never replaced.
    enum Existing { ReplaceExisting = 0, KeepBoth = 1, SkipExisting = 2 };
    int ExistingFile = ReplaceExisting;
    bool CopyTags = true; // the source's tags and cover go into every output that holds them
    int SaveTo = 0;       // SaveTo in core/core.h: the output folder, beside each source, or the tree kept
    QString NamePattern = QStringLiteral("{name}"); // patternFileName's pattern
};
