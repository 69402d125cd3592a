#pragma once
// The audio file components: a WAV reader (libsndfile) and an MP3 (LAME), OGG (libvorbis)
// and WMA (FFmpeg wmav2 + ASF) writer, the LAME VBR settings object and the tag writer.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

// Interleaved 16-bit samples.
using SampleArray = std::vector<int16_t>;

class TAudioFile2LameEnc
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

class TAudioFile2
{
public:
    TAudioFile2();
    ~TAudioFile2();
    TAudioFile2(const TAudioFile2 &) = delete;
    TAudioFile2 &operator=(const TAudioFile2 &) = delete;

    // Reader
    void OpenFile(const QString &path, int mode = 0, int flags = 1);
    SampleArray ReadSamples(int n);     // at most n elements; empty at the end
    int64_t TotalFrames() const;        // length in frames
    int FrameElements() const;          // elements per frame (the channel count)
    int FormatA() const;                // channels
    int FormatB() const;                // sample rate; FormatA x FormatB is one second
    // Writer
    void SetInputFormat(int formatB, int formatA);
    void SetMp3Format(int hz, int kbps, int mode);
    void SetMp3Encoder(const TAudioFile2LameEnc &encoder);
    bool CheckOggFormat(int hz, int channels, int nominal, int min, int max);
    void SetOggFormat(int hz, int channels, int nominal, int min, int max, int16_t quality);
    void SetWmaProfile(int profile);    // 0-based position in the profile list
    void CreateFile(const QString &path, int kind = 0); // output kind from the extension
    void WriteSamples(const SampleArray &samples);
    void CloseFile();                   // finishes and closes whatever is open
    // Profiles and state
    int ProfileCount() const;
    QString ProfileText() const;        // description of the selected profile
    void SetEnableFlag(bool on);
    int LastError() const;              // 0, or non-zero after a failed call
    QString LastErrorText() const;      // the reason, in plain words

    static QStringList WmaProfileDescriptions();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

class TAudioInformation2
{
public:
    QString infoTitle, infoArtist, infoAlbum, infoComments, infoCopyright;
    int InfoYear = 0;
    int16_t InfoTrack = 0;
    int16_t InfoGenre = 0;
    int InfoFlag = 0; // no effect

    // Writes the tags into an MP3, OGG or WMA file; false with the reason in LastErrorText.
    bool WriteTags(const QString &path);
    QString LastErrorText() const { return m_error; }
    static QString GenreText(int number);

private:
    QString m_error;
};
