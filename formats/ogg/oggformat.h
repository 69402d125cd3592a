// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// OGG Vorbis (libvorbis): its settings, keys, plan and writer.
#include "formats/format.h"

struct OggSettings
{
    int rate = 44100;
    int channels = 2;
    int nominal = 128, min = 0, max = 0; // kbps; 0 = not set
    int quality = -1;                    // 0..1000 selects quality mode; -1 bit rate mode
};

// The bit rates (kbps) the OGG lists offer, in their order.
inline constexpr int kOggBitrates[] = {8, 16, 24, 32, 48, 56, 64, 96, 112, 128, 160, 192, 224, 256, 320};
// The quality steps the list offers (quality x 1000).
inline constexpr int kOggQualities[] = {100, 200, 300, 400, 500, 600, 700, 800, 900, 1000};

extern const OutputFormatModule oggFormat;

std::unique_ptr<AudioWriter> makeOggWriter(const OggSettings &s);
// Empty when libvorbis accepts the set-up, else the reason.
QString checkOggSettings(const OggSettings &s);
