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

inline constexpr int kWavBits[] = {8, 16};

extern const OutputFormatModule wavFormat;

std::unique_ptr<AudioWriter> makeWavWriter(const WavSettings &s);
