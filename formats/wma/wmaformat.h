// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// WMA (FFmpeg's wmav2 in ASF): its profiles, keys, plan and writer.
#include "formats/format.h"

#include <QStringList>
#include <iterator>

struct WmaProfile
{
    int kbps, rate, channels;
};

// The WMA profiles that the encoder accepts, in the order the settings list shows them.
inline constexpr WmaProfile kWmaProfiles[] = {
    {24, 8000, 1}, {24, 8000, 2}, {24, 11025, 1}, {24, 16000, 1}, {24, 22050, 1},
    {32, 8000, 2}, {32, 11025, 1}, {32, 11025, 2}, {32, 16000, 1}, {32, 16000, 2},
    {32, 22050, 1}, {32, 22050, 2}, {32, 32000, 1},
    {40, 16000, 2}, {40, 22050, 1}, {40, 22050, 2}, {40, 32000, 1},
    {48, 16000, 2}, {48, 22050, 2}, {48, 32000, 1}, {48, 32000, 2}, {48, 44100, 1},
    {64, 22050, 2}, {64, 32000, 1}, {64, 32000, 2}, {64, 44100, 1}, {64, 44100, 2}, {64, 48000, 2},
    {80, 32000, 2}, {80, 44100, 1}, {80, 44100, 2}, {80, 48000, 2},
    {96, 32000, 2}, {96, 44100, 1}, {96, 44100, 2}, {96, 48000, 2},
    {112, 44100, 2}, {128, 44100, 1},
    {128, 44100, 2},
    {128, 48000, 2}, {160, 44100, 2}, {160, 48000, 2}, {192, 44100, 2}, {192, 48000, 2},
    {256, 44100, 2}, {256, 48000, 2}, {320, 44100, 2}, {320, 48000, 2},
};
inline constexpr int kWmaProfileCount = int(std::size(kWmaProfiles));

extern const OutputFormatModule wmaFormat;

std::unique_ptr<AudioWriter> makeWmaWriter(const WmaProfile &p);
// "WMA 128 kbps, 44 kHz, stereo", for each profile in order.
QStringList wmaProfileDescriptions();
