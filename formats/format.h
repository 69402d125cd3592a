// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an output format is: one module each under formats/<name>/, listed by formats/registry.
// A module holds its name and what it takes, its keys of setup.ini, the one plan from the
// settings (and the source's sound) to its writer, and the true-peak ceilings its sound is
// held to before the encoder.
#include "core/outputsettings.h"
#include "media/audiowriters.h"
#include "media/tags.h"
#include "media/videoedit.h"

#include <QString>
#include <climits>
#include <memory>
#include <span>
#include <variant>

// One key of setup.ini that holds a format's setting: its section and name, the field it
// fills and its default. A stored value outside the range or the value set reads as the
// default: a value no list offers would show as a blank box and break every job.
struct FormatSettingKey
{
    const char *section;
    const char *key;
    std::variant<int OutputSettings::*, bool OutputSettings::*> field;
    int def = 0;
    int low = INT_MIN, high = INT_MAX;
    std::span<const int> values = {};
};

// The sample rates (Hz) that the MP3, WAV and OGG lists offer.
inline constexpr int kFrequencies[] = {8000, 11025, 16000, 22050, 24000, 32000, 44100, 48000};

// A job's writer, made for its settings and its source: what it is fed (rate, channels and,
// for integer outputs, the word length), or why the encoder refuses the settings.
struct WriterPlan
{
    std::unique_ptr<AudioWriter> writer;
    int rate = 0, channels = 0;
    int bits = 0; // 0: the encoder takes float
    QString reason;               // why the encoder refuses the settings (no writer)
    bool incorrectFormat = false; // the OGG encoder refuses its bit rates
    QString remark;               // what the encoder changes on its own
};

struct OutputFormatModule
{
    const char *name;         // as the format lists show it
    const char *extension;    // without the dot, lower case
    bool tags;                // takes the job's title, artist, album... (tagWriter writes them)
    bool pictures;            // takes a cover picture
    std::span<const FormatSettingKey> keys;
    // The writer for the settings and the source's sound (its rate and the size that keeps
    // every bit decide FLAC's "Same as source" and Opus's input rate).
    WriterPlan (*plan)(const OutputSettings &settings, const SourceSound &source);
    // The true-peak ceiling (dBTP) the sound is held to before the encoder, the limiter's
    // where the peaks are limited, and how far over the target limited sound is aimed.
    // WAV and FLAC keep 0.3 dB below -1 dBTP for what the 8x readings may miss: on 5 ms
    // bursts of noise the meter read up to 0.16 dB under sox's `rate -v 384k` (and above the
    // ffmpeg tool's ebur128), and drums whose attacks the limiter all held at the ceiling read
    // up to 0.17 dB over it in sox. A lossy encoder lifts the true peak of what it is given by
    // an amount that depends on the sound and the bit rate, so its decoded output is measured
    // and encoded again when it went over (encodeClip); its ceiling sits below -1 by the most
    // it added at its default bit rate, plus 0.1 dB. Measured (ffmpeg tool's ebur128, true
    // peak decoded minus true peak given) on percussive sources made even at -14 and -16 LUFS,
    // mono and stereo: MP3 128k -0.5..+0.4, WMA 128k -0.1..+0.5, OGG 128k 0..+0.4, Opus 128k
    // -0.2..+0.6, M4A 192k -0.1..+0.4 dB; far more at low bit rates (Opus 32k +2.8, OGG 48k
    // +1.6 dB) and for AAC on short bursts of noise over a drum (+3.7 dB at 192k), which the
    // check catches.
    // Sound the limiter pressed against its ceiling is lifted further (the encoders' low-pass
    // takes the highest frequencies of the held attacks away), the more the harder it is
    // limited: on drums made even at -16 and -14 LUFS (a 44.1 kHz WAV, and the same drums as
    // MP3 192k in an AVI) WMA +0.4..+1.5, OGG +1.0..+2.2, Opus +0.6..+2.7, MP3 +0.1..+1.7 dB.
    // The limiter's ceilings hold the first try at -1.2 to -3.1 dBTP decoded, but for Opus at
    // -14 LUFS on the AVI.
    double ceilingDb;
    double limitCeilingDb;
    double limitLiftLu;
    bool lossy; // its decoded output is checked for its true peak and loudness
    TagFileWriter tagWriter; // null for a format without tags
};
