// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ogg Opus (libopusenc): its settings, keys, plan and writer.
#include "formats/format.h"

struct OpusSettings
{
    int kbps = 128; // 32 .. 256
    bool vbr = true;
    int channels = 2; // always 48 kHz
    int inputRate = 48000; // the rate the sound is given at, named in the header; libopusenc converts it
};

extern const OutputFormatModule opusFormat;

std::unique_ptr<AudioWriter> makeOpusWriter(const OpusSettings &s);
// Empty when the set-up is within what the format offers, else the reason.
QString checkOpusSettings(const OpusSettings &s);
