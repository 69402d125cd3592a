// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The true peak and loudness of an encoded output read while it is written: the writer's
// bytes, in order, are decoded on a thread of their own, beside the encoder, so that checking
// a lossy output costs no pass of its own after the encoding.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <stop_token>

#include "media/loudness.h"

struct AVCodecParameters;

class EncodedPeakReader
{
public:
    // Reads a byte stream in a container (libavformat's name: "mp3", "ogg"), or, with codec
    // given instead, an encoder's packets one by one. A stop requested through stop ends the
    // reading. The first skip decoded frames (and, for packets, the encoder's own priming)
    // are not measured: what a gapless player plays is.
    EncodedPeakReader(const char *container, const AVCodecParameters *codec, std::stop_token stop,
                      int64_t skip = 0);
    ~EncodedPeakReader(); // ends the stream and waits for the reading thread
    EncodedPeakReader(const EncodedPeakReader &) = delete;
    EncodedPeakReader &operator=(const EncodedPeakReader &) = delete;

    // The next bytes of the stream, or the next packet. Waits while the reader is far behind;
    // once the reading has failed they are dropped.
    void feed(const void *data, size_t size);
    // The number of frames written at their rate, given before the encoder's last bytes: what
    // decodes past them (an encoder's padding) is not measured.
    void setLength(int64_t frames, int rate);
    // Ends the stream and waits for the reading: the decoded sound's loudness and true peak,
    // or nothing when the stream could not be read to its end or was stopped.
    std::optional<LoudnessMeasurement> finish();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
