#pragma once
// Output encoders behind TAudioFile2: MP3 (LAME), OGG (libvorbis) and WMA (wmav2 in ASF).
// Each takes interleaved 16-bit input at the rate and channel count given by setInput, which
// may change until the first samples are written.
#include <QString>
#include <cstdint>
#include <memory>

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

class AudioWriter
{
public:
    virtual ~AudioWriter() = default;
    virtual bool open(const QString &path) = 0; // creates the file
    virtual bool setInput(int rate, int channels) = 0;
    virtual bool write(const int16_t *samples, int frames) = 0;
    virtual bool finish() = 0; // flushes, completes and closes the file
    QString error;
};

std::unique_ptr<AudioWriter> makeMp3Writer(const Mp3Settings &s);
std::unique_ptr<AudioWriter> makeOggWriter(const OggSettings &s);
std::unique_ptr<AudioWriter> makeWmaWriter(const WmaProfile &p);

// Empty when libvorbis accepts the set-up, else the reason.
QString checkOggSettings(const OggSettings &s);
// Empty when LAME accepts the set-up, else the reason.
QString checkMp3Settings(const Mp3Settings &s);
// The constant bit rate LAME encodes with: it lowers (or raises) a rate the sample rate
// cannot carry. 0 when LAME refuses the set-up.
int mp3EncodedKbps(const Mp3Settings &s);
