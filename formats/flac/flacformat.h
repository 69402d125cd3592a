// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// FLAC (libFLAC): its settings, keys, plan and writer.
#include "formats/format.h"

struct FlacSettings
{
    int rate = 44100;
    int channels = 2;
    int bits = 16;       // 16 or 24
    int compression = 5; // 0 fastest .. 8 smallest
};

// The rates and sample sizes the lists offer; 0 is "Same as source".
inline constexpr int kFlacFrequencies[] = {0,     8000,  11025, 16000, 22050,  24000, 32000,
                                           44100, 48000, 88200, 96000, 176400, 192000};
inline constexpr int kFlacBits[] = {0, 16, 24};

extern const OutputFormatModule flacFormat;

std::unique_ptr<AudioWriter> makeFlacWriter(const FlacSettings &s);
// Empty when the set-up is within what the format offers, else the reason.
QString checkFlacSettings(const FlacSettings &s);
