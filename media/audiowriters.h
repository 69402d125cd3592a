// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Output encoders behind TAudioFile2: MP3 (LAME), OGG (libvorbis), WMA (wmav2 in ASF),
// FLAC (libFLAC), Opus (libopusenc) and AAC in M4A (FFmpeg's aac encoder and mp4 muxer).
// Each takes interleaved 16-bit input, or 32-bit input whose top bits carry the sample
// (so 16- and 24-bit sound keep every bit), at the rate and channel count given by setInput,
// which may change until the first samples are written.
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

struct AVCodecParameters;

struct Mp3Settings
{
    int rate = 44100;
    int kbps = 128;
    int mode = 3; // 1 mono, 2 stereo, 3 joint, 4 forced joint, 5 dual channel
    bool vbr = false;
    int vbrQuality = 7;
    int maxKbps = 192;
};

struct OggSettings
{
    int rate = 44100;
    int channels = 2;
    int nominal = 128, min = 0, max = 0; // kbps; 0 = not set
    int quality = -1;                    // 0..1000 selects quality mode; -1 bit rate mode
};

struct WmaProfile
{
    int kbps, rate, channels;
};

struct FlacSettings
{
    int rate = 44100;
    int channels = 2;
    int bits = 16;       // 16 or 24
    int compression = 5; // 0 fastest .. 8 smallest
};

struct OpusSettings
{
    int kbps = 128; // 32 .. 256
    bool vbr = true;
    int channels = 2; // always 48 kHz
    int inputRate = 48000; // the rate the sound is given at, named in the header; libopusenc converts it
};

struct M4aSettings
{
    int rate = 44100; // 44100 or 48000
    int kbps = 192;   // 64 .. 320
    int channels = 2;
};

struct WavSettings
{
    int rate = 44100;
    int channels = 2;
    int bits = 16; // 8, 16 or 24
};

class AudioWriter
{
public:
    virtual ~AudioWriter() = default;
    virtual bool open(const QString &path) = 0; // creates the file
    virtual bool setInput(int rate, int channels) = 0;
    virtual bool write(const int16_t *samples, int frames) = 0;
    // Writers with wide() take full-scale 32-bit samples too (24-bit sound keeps its bits).
    virtual bool wide() const { return false; }
    virtual bool write32(const int32_t *, int) { return false; }
    // PCM writers take sound out of order too: frames written from frame `at` of the file on
    // (the callers keep one call at a time).
    virtual bool write32At(int64_t /*at*/, const int32_t *, int) { return false; }
    // MP3, OGG, WMA, Opus and M4A encode from float: they take interleaved float sound
    // (+-1) already at the output's rate and channel count (Opus: at its inputRate) as it is.
    virtual bool writeFloat(const float *, int) { return false; }
    virtual bool finish() = 0; // flushes, completes and closes the file
    // The number of input frames to come, when known, given before open: FLAC places its
    // seek points by it.
    virtual void expectFrames(int64_t) {}
    // True when writing costs less than decoding (PCM): the sound is then best converted on
    // the writer's thread, which would otherwise wait for the decoder's.
    virtual bool light() const { return false; }
    // Work a writer can do on the thread that produces the sound. Asked after setInput and
    // before the first write; the function returned is then called there with exactly the
    // samples write32 gets next, in order and before them (FLAC computes its MD5 signature
    // so). Empty when there is none.
    virtual std::function<void(const int32_t *samples, int frames)> workAhead() { return {}; }
    // The output can be read as it is made: writers that add to the file in order, going back
    // at most to rewrite a header once the sound is written (MP3, OGG, Opus), name the format
    // of their bytes (libavformat's name) and give each byte to `tap` as they write it; those
    // that encode with libavcodec (WMA, M4A) describe their encoder (once open) and give it
    // each packet the encoder makes.
    virtual const char *streamFormat() const { return nullptr; }
    virtual const AVCodecParameters *streamCodec() const { return nullptr; }
    std::function<void(const void *bytes, size_t size)> tap;
    QString error;
};

std::unique_ptr<AudioWriter> makeMp3Writer(const Mp3Settings &s);
std::unique_ptr<AudioWriter> makeOggWriter(const OggSettings &s);
std::unique_ptr<AudioWriter> makeWmaWriter(const WmaProfile &p);
std::unique_ptr<AudioWriter> makeFlacWriter(const FlacSettings &s);
std::unique_ptr<AudioWriter> makeOpusWriter(const OpusSettings &s);
std::unique_ptr<AudioWriter> makeM4aWriter(const M4aSettings &s);
std::unique_ptr<AudioWriter> makeWavWriter(const WavSettings &s);

// Empty when libvorbis accepts the set-up, else the reason.
QString checkOggSettings(const OggSettings &s);
// Empty when LAME accepts the set-up, else the reason.
QString checkMp3Settings(const Mp3Settings &s);
// Empty when the set-up is within what the format offers, else the reason.
QString checkFlacSettings(const FlacSettings &s);
QString checkOpusSettings(const OpusSettings &s);
QString checkM4aSettings(const M4aSettings &s);
// The constant bit rate LAME encodes with: it lowers (or raises) a rate the sample rate
// cannot carry. 0 when LAME refuses the set-up.
int mp3EncodedKbps(const Mp3Settings &s);
