#pragma once
// The video decoding control: cuts a clip's sound out of a video and writes it as PCM WAV.
// Reads only the audio stream; the work runs on a worker thread and its end is announced
// by OnComplete on the thread that owns this object.
#include "media/loudness.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <limits>
#include <memory>

class TVideoEdit : public QObject
{
    Q_OBJECT
public:
    // An end of ToEnd means the end of the source.
    static constexpr double ToEnd = std::numeric_limits<double>::infinity();

    explicit TVideoEdit(QObject *parent = nullptr);
    ~TVideoEdit() override; // stops a running extraction and joins its thread

    // One-time, non-blocking set-up of the decoding libraries (quiet logging).
    static void Initialize();

    void ClearClips();
    bool AddClip(const QString &source, double start, double end);
    // Clips are read in order and joined into one WAV. An end of ToEnd reads to the end of
    // the source. AddClip refuses (false) a negative start or an end not after the start.
    // Returns at once. sampleSize: 8, 16 or 24 bits; 2 means 16 bits (the temporary WAV).
    // A sampleRate or sampleSize of 0 takes the first source's own (16 or 24 bits).
    // False when an extraction is already running (nothing else happens) or when the request
    // is refused (no clip, bad format); a refused request still ends with OnComplete.
    // A shortfall of at most half a second at a clip's end is padded with silence; more is
    // the failure "Input ended early".
    bool ExtractAudio(const QString &wavPath, int channels, int sampleRate, int sampleSize);
    // Ends a running extraction within a tenth of a second; no thread stays behind.
    // A stopped extraction never raises OnComplete; the WAV written so far is kept.
    void StopProcessing();

    // True from ExtractAudio until OnComplete is emitted or StopProcessing returns.
    bool IsProcessing() const;
    // Outcome of the last finished extraction, valid when OnComplete arrives.
    bool Succeeded() const;
    QString ErrorText() const;
    // With it on, the next extractions measure the EBU R128 loudness of what they write;
    // Loudness() holds the result of the last finished one (-inf values when off or silent).
    void MeasureLoudness(bool on);
    LoudnessMeasurement Loudness() const;

signals:
    // Exactly once per extraction that was not stopped, success or failure, queued to the
    // owning thread. Starting the next extraction from its handler is allowed.
    void OnComplete();
    // Seconds written so far and the clips' total (0 when reading to the end).
    void OnProcessing(double iCurPos, double iDuration);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// The sound of a source as its decoder gives it.
struct TSourceSound
{
    int rate = 0, channels = 0;
    int bits = 0;        // 8, 16, 24 or 32 for integer sound; 0 for float sound
    int keptBits = 16;   // the size that keeps every bit: 24 above 16 bits, else 16 (coded sound)
    double seconds = -1; // the source's length, -1 when unknown
};

// Opens the source and reads the format of its sound: the audio stream of index `stream`, or
// the best one when stream is negative. Setting stop ends the probe at once.
// False with the reason in *error.
bool ProbeSourceSound(const QString &source, const std::atomic<bool> &stop, TSourceSound *sound, QString *error,
                      int stream = -1);

enum class TPassOutcome { Done, Failed, Stopped };

// One pass over a clip (end ToEnd: to the end of the source). A decoder thread cuts it exact
// to the sample, converts it once, in float, to rate and channels (the mix normalised: mono
// is the mean of the channels) and queues up to about a second of it; `block` gets the
// interleaved samples (+-1) in order on the calling thread, and ends the pass as failed by
// returning false (its reason is the caller's). A clip without a single sample fails with
// "The clip holds no sound". Setting stop ends the pass within a few hundredths of a second.
// stream: the audio stream's index in the container; negative for the best one.
TPassOutcome ReadClipSound(const QString &source, double start, double end, int rate, int channels,
                           const std::atomic<bool> &stop,
                           const std::function<bool(const float *samples, int frames)> &block, QString *error,
                           int stream = -1);

// As ReadClipSound, for outputs of integer samples: `prepare` turns each block of float sound
// (frames x channels samples) into as many 32-bit samples on the decoder thread, so that this
// work runs beside the encoder's, and `block` gets them in order on the calling thread.
TPassOutcome ReadClipSamples(const QString &source, double start, double end, int rate, int channels,
                             const std::atomic<bool> &stop,
                             const std::function<void(const float *in, int frames, int32_t *out)> &prepare,
                             const std::function<bool(const int32_t *samples, int frames)> &block, QString *error,
                             int stream = -1);
