// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every output format's writer is (formats/<name>/) and the pieces they share: the
// resampler, the 32-bit input of the writers that keep 24-bit sound, and the FFmpeg encoder
// and muxer that WMA and M4A both drive. Each writer takes interleaved 16-bit input, or 32-bit input whose top bits carry the sample
// (so 16- and 24-bit sound keep every bit), at the rate and channel count given by setInput,
// which may change until the first samples are written.
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

extern "C" {
#include <libavutil/samplefmt.h>
}

struct AVCodecParameters;

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
    // Frames that decoding those bytes gives before the first frame written, where the format
    // names them only once the file is finished (MP3's Info frame and delays): dropped by the
    // reader, so that it measures what a gapless player plays.
    virtual int64_t primingFrames() const { return 0; }
    virtual const AVCodecParameters *streamCodec() const { return nullptr; }
    std::function<void(const void *bytes, size_t size)> tap;
    QString error;
};


// ---- Shared by the writers --------------------------------------------------------------

struct AVAudioFifo;
struct AVCodec;
struct AVCodecContext;
struct AVDictionary;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct SwrContext;

QString cannotCreate(const QString &path);
// The system's words for an FFmpeg error: "No space left on device"...
QString avReason(int error);

// Converts rate, channel count and sample format; by default interleaved 16-bit input to
// planar float output, for the encoders that want floats.
class Resampler
{
public:
    ~Resampler();
    bool configure(int inRate, int inChannels, int outRate, int outChannels,
                   AVSampleFormat inFormat = AV_SAMPLE_FMT_S16, AVSampleFormat outFormat = AV_SAMPLE_FMT_FLTP);
    int capacity(int inFrames) const;
    // Converts into the planes at out (one for interleaved output); in = nullptr drains.
    // Returns frames or < 0.
    int convert(void **out, int outCap, const void *in, int inFrames);
    int convert(float **out, int outCap, const int16_t *in, int inFrames)
    {
        return convert(reinterpret_cast<void **>(out), outCap, in, inFrames);
    }

private:
    SwrContext *m_swr = nullptr;
};

// Takes 32-bit samples; 16-bit input is widened (its 16 bits become the top ones).
class WideWriter : public AudioWriter
{
public:
    bool wide() const override { return true; }
    bool write(const int16_t *samples, int frames) override;

protected:
    bool fail(const QString &why)
    {
        error = why;
        return false;
    }
    bool takeInput(int rate, int channels, int outRate, int outChannels, AVSampleFormat outFormat);
    // The input at the output's rate and channels in out (interleaved, one plane);
    // samples = nullptr drains the resampler. Returns frames or < 0.
    template <typename T>
    int convert(const int32_t *samples, int frames, int outChannels, std::vector<T> &out)
    {
        const int cap = m_rs.capacity(frames);
        out.resize(size_t(cap) * size_t(outChannels));
        void *planes[1] = {out.data()};
        return m_rs.convert(planes, cap, samples, frames);
    }

    Resampler m_rs;
    int m_inRate = 44100, m_inChannels = 2;
    bool m_started = false, m_same = false;
    std::vector<int32_t> m_wide;
};

// An FFmpeg encoder into an FFmpeg muxer (WMA, M4A): the sound goes into a FIFO of planar
// float and out in the encoder's frames, each packet to the muxer (and to tap) as it comes.
class CodecWriter : public WideWriter
{
public:
    ~CodecWriter() override;
    bool setInput(int rate, int channels) override;
    bool write32(const int32_t *samples, int frames) override;
    bool writeFloat(const float *samples, int frames) override;
    bool finish() override;
    const AVCodecParameters *streamCodec() const override;

protected:
    // The format's own words for what went wrong.
    enum class Trouble { NoEncoder, Refused, Failed };
    CodecWriter(int rate, int channels, int kbps) : m_rate(rate), m_channels(channels), m_kbps(kbps) {}
    virtual QString say(Trouble what) const = 0;
    // Sets the encoder up and writes the header: the muxer's options are the format's.
    bool openCodec(const QString &path, const AVCodec *codec, const char *muxer);
    virtual void muxerOptions(AVDictionary **options) = 0;
    // After the header: what goes before the sound.
    virtual bool begin() { return true; }
    // Before the encoder is flushed: what is left in the FIFO (less than a frame) encoded.
    virtual bool end() = 0;
    // A packet before the muxer takes it.
    virtual void timePacket(AVPacket *) {}
    bool silence(int frames);
    bool encodeFrame(int samples);
    bool drain();
    int frameSize() const;
    int fifoSize() const;

    int m_rate, m_channels, m_kbps;
    QString m_path;
    AVFormatContext *m_oc = nullptr;
    AVCodecContext *m_enc = nullptr;
    AVAudioFifo *m_fifo = nullptr;
    AVFrame *m_frame = nullptr;
    AVPacket *m_pkt = nullptr;
    std::vector<std::vector<float>> m_planes;
    int64_t m_pts = 0, m_samples = 0;
};
