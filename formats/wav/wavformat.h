// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// PCM WAV (libsndfile): its settings, keys, plan and writer.
#include "formats/format.h"

struct WavSettings
{
    int rate = 44100;
    int channels = 2;
    int bits = 16; // 8, 16 or 24
};

// The page's lists, position by position; a rate of 0 is the source's own.
inline constexpr int kWavFrequencies[] = {8000, 11025, 16000, 22050, 24000, 32000, 44100,
                                          48000, 88200, 96000, 176400, 192000, 0};
inline constexpr int kWavBits[] = {8, 16, 24};

extern const OutputFormatModule wavFormat;

std::unique_ptr<AudioWriter> makeWavWriter(const WavSettings &s);
