// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// AAC in M4A (FFmpeg's aac encoder and mp4 muxer): its settings, keys, plan and writer.
#include "formats/format.h"

struct M4aSettings
{
    int rate = 44100; // 44100 or 48000
    int kbps = 192;   // 64 .. 320
    int channels = 2;
};

inline constexpr int kM4aFrequencies[] = {44100, 48000};

extern const OutputFormatModule m4aFormat;

std::unique_ptr<AudioWriter> makeM4aWriter(const M4aSettings &s);
// Empty when the set-up is within what the format offers, else the reason.
QString checkM4aSettings(const M4aSettings &s);
