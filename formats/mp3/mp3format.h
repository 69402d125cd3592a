// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// MP3 (LAME): its settings, keys, plan and writer.
#include "formats/format.h"

struct Mp3Settings
{
    int rate = 44100;
    int kbps = 128;
    int mode = 3; // the stored channels key: 1 mono, 2 stereo, 3 joint, 4 forced joint, 5 dual channel
    bool vbr = false;
    int vbrQuality = 7;
    int maxKbps = 192;
};

// The bit rates (kbps) the MP3 lists offer, in their order; the stored values are among them.
inline constexpr int kMp3Bitrates[] = {8, 16, 24, 32, 48, 56, 64, 96, 112, 128, 160, 192, 224, 256, 320};

extern const OutputFormatModule mp3Format;

// The writer's settings for the stored ones.
Mp3Settings mp3Settings(const OutputSettings &o);
std::unique_ptr<AudioWriter> makeMp3Writer(const Mp3Settings &s);
// Empty when LAME accepts the set-up, else the reason.
QString checkMp3Settings(const Mp3Settings &s);
// The constant bit rate LAME encodes with: it lowers (or raises) a rate the sample rate
// cannot carry. 0 when LAME refuses the set-up.
int mp3EncodedKbps(const Mp3Settings &s);
