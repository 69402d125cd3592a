// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening a media file with libavformat, shared by the video control and the length probe.
#include <QString>
#include <memory>
#include <optional>
#include <stop_token>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

// Closes an opened input; the custom reader of an in-memory source goes with it.
struct AVFormatCloser
{
    AVIOContext *memoryIo = nullptr;
    void operator()(AVFormatContext *p) const;
};
using AVFormatPtr = std::unique_ptr<AVFormatContext, AVFormatCloser>;
struct CodecCloser { void operator()(AVCodecContext *p) const { avcodec_free_context(&p); } };
struct FrameCloser { void operator()(AVFrame *p) const { av_frame_free(&p); } };
struct PacketCloser { void operator()(AVPacket *p) const { av_packet_free(&p); } };

// Quiets the libraries' logging and bounds any one allocation of theirs (256 MiB); safe to
// call any number of times.
void quietAvLogging();

// An interrupt callback that ends a blocking read of libavformat once a stop is requested;
// stop must outlive the opened input.
AVIOInterruptCB stopInterrupt(const std::stop_token *stop);

// Opens and probes a file. With audioOnly, only audio decoders may be opened while probing
// and every other stream is discarded, so video is never decoded. The "file:" prefix keeps
// '?', '#' and colons in names from being read as protocol syntax. On failure returns
// nothing and puts a plain reason into *error.
AVFormatPtr openMediaInput(const QString &path, bool audioOnly, const AVIOInterruptCB *interrupt,
                           QString *error);
// The same, reading the container's header only: no stream is probed.
AVFormatPtr openMediaHeader(const QString &path, bool audioOnly, const AVIOInterruptCB *interrupt,
                            QString *error);

// Bytes in memory that open as a source: while one lives, opening its path() reads its bytes
// through a custom AVIO context (read and seek over the buffer) instead of a file. The path
// holds a NUL character, which no file name can. The fuzz target feeds its inputs this way.
class InMemorySource
{
public:
    explicit InMemorySource(const QByteArray &bytes);
    ~InMemorySource();
    InMemorySource(const InMemorySource &) = delete;
    InMemorySource &operator=(const InMemorySource &) = delete;
    const QString &path() const { return m_path; }

private:
    QString m_path;
};

// Comma-separated names of every audio decoder, for the "codec_whitelist" option.
const char *audioDecoderList();

// "file:" URL of a local path, as FFmpeg expects it (UTF-8 bytes).
QByteArray avFileUrl(const QString &path);

// The sample size in bits (16 or 24) that keeps every bit of an audio stream: 24 when the
// source carries more than 16 bits (24- or 32-bit PCM or FLAC, float PCM), else 16 (lossy
// sources included, which have no sample size of their own).
int sourceSampleBits(const AVCodecParameters *par);

// The audio stream to read: `stream` when it is one (its index in the container), or the
// best one when stream is negative, as av_find_best_stream gives it (an AVERROR when none).
// *decoder, when asked for, gets the stream's decoder (AVERROR_DECODER_NOT_FOUND without).
int findSoundStream(AVFormatContext *fmt, int stream, const AVCodec **decoder = nullptr);

// A file whose container states a larger size than it has is cut short (a copy or a download
// that stopped): then the seconds its header states for the sound of stream `stream` (0 when
// it states none). Nothing when the file is whole, or its container states no size (AVI's
// RIFF size and ASF's file properties are read; other containers give their length through
// FFmpeg).
std::optional<double> cutShortStatedSeconds(const QString &path, const AVFormatContext *fmt, int stream);
