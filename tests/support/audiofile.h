// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tests' audio file front: a WAV reader (libsndfile) and a writer of every output format
// but WAV, chosen by the output's extension and set up as the formats' writers are, with
// 16- or 32-bit samples given in blocks.
#include "media/tags.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

// Interleaved 16-bit samples.
using SampleArray = std::vector<int16_t>;
// Interleaved full-scale 32-bit samples: a 16-bit sample v is v << 16, a 24-bit one v << 8.
using SampleArray32 = std::vector<int32_t>;

// Settings for variable-bit-rate MP3 (TestAudioFile::setMp3Encoder). With LameVbr the
// encoder uses LAME's VBR with LameVbrQuality (0 best .. 9) between LameBitrate (the
// minimum, when not above LameMaxBitrate) and LameMaxBitrate; without it, constant
// LameBitrate. LameSampleRate is the output rate (LAME resamples).
class AudioFileLameEncoder
{
public:
    int LameMaxBitrate = 192;
    int LameOption = 0; // no meaning here; kept for the settings interface
    int LameMode = 2;   // 0 mono, 1 stereo, 2 joint, 3 forced joint, 4 dual channel
    int16_t LameVbrQuality = 7;
    bool LameVbr = false;
    int LameSampleRate = 44100;
    int LameBitrate = 128;
};

// One object is a reader (openFile/readSamples) or a writer (Set*Format, createFile,
// writeSamples) or both; closeFile ends both. Output rate and channels come from the format
// set-up (MP3/OGG) or the WMA profile; the writer converts the input to them. The set-up
// is checked when it is set (lastError then tells a refusal) and again by createFile, which
// then creates no file. Defaults: MP3 44100 Hz 128 kbps joint stereo, OGG 44100 Hz stereo
// 128 kbps nominal, WMA profile 38, input 44100 Hz stereo.
class TestAudioFile
{
public:
    enum Error { NoError = 0, OpenFailed, CreateFailed, FormatRefused, WriteFailed, CloseFailed, NotOpen };

    TestAudioFile();
    ~TestAudioFile();
    TestAudioFile(const TestAudioFile &) = delete;
    TestAudioFile &operator=(const TestAudioFile &) = delete;

    // Reader: any WAV that libsndfile reads (8- and 16-bit PCM included), as 16-bit samples.
    void openFile(const QString &path, int mode = 0, int flags = 1); // mode, flags: unused
    // At most n elements, whole frames only, never more than one second; empty at the end
    // (also when n is smaller than one frame).
    SampleArray readSamples(int n);
    SampleArray32 readSamples32(int n); // the same, every bit of 24-bit sound kept
    int64_t totalFrames() const;        // length in frames
    int frameElements() const;          // elements per frame (the channel count)
    int formatA() const;                // channels
    int formatB() const;                // sample rate; formatA x formatB is one second
    int sampleBits() const;             // the WAV's sample size: 8, 16, 24 or 32 bits
    // Writer. setInputFormat may come before or after createFile, up to the first samples.
    void setInputFormat(int formatB, int formatA);
    // The number of input frames to come, when known, set before createFile: FLAC places a
    // seek point every 10 s by it (none without it).
    void setInputLength(int64_t frames);
    void setMp3Format(int hz, int kbps, int mode); // mode 1 mono .. 5 dual channel; CBR
    void setMp3Encoder(const AudioFileLameEncoder &encoder);
    // True when libvorbis accepts the bit-rate set-up (min/max 0 = not set; min > max refused).
    bool checkOggFormat(int hz, int channels, int nominal, int min, int max);
    // quality 0..1000 selects quality mode (q / 1000); -1 uses the bit rates: nominal only,
    // or managed VBR when min or max is non-zero.
    void setOggFormat(int hz, int channels, int nominal, int min, int max, int16_t quality);
    void setWmaProfile(int profile);    // 0-based position in the profile list
    // FLAC: any rate, 1 or 2 channels, 16 or 24 bits, compression 0..8 (default 44100, 2, 16, 5).
    void setFlacFormat(int hz, int channels, int bits, int compression);
    // Ogg Opus at 48 kHz: 32..256 kbps, variable or constant, 1 or 2 channels (default 128, VBR, 2).
    void setOpusFormat(int kbps, bool vbr, int channels);
    // AAC in M4A: 44100 or 48000 Hz, 64..320 kbps, 1 or 2 channels (default 44100, 192, 2).
    void setM4aFormat(int hz, int kbps, int channels);
    // The output kind comes from the extension: .mp3, .ogg, .wma, .flac, .opus or .m4a (any
    // letter case); kind is unused. An existing file is overwritten.
    void createFile(const QString &path, int kind = 0);
    void writeSamples(const SampleArray &samples);
    void writeSamples32(const SampleArray32 &samples); // FLAC keeps 24 bits; others round to 16
    void closeFile(); // finishes and closes whatever is open (MP3: writes the Info header)
    // Profiles and state
    int profileCount() const;
    QString profileText() const;        // description of the selected profile
    void setEnableFlag(bool on); // no effect: everything is always enabled
    int lastError() const;              // an Error; each call of the list above resets it
    QString lastErrorText() const;      // the reason, in plain words

    static QStringList wmaProfileDescriptions();
    // The bit rate (kbps), sample rate and channels of a WMA profile; false when there is none.
    static bool wmaProfileFormat(int profile, int *kbps, int *rate, int *channels);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// Writes the tags through the tag writer of the format the file's extension names (none for
// a format without tags, which the writer then refuses).
bool writeTagsTo(OutputTags &info, const QString &path);
