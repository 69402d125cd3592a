#pragma once
// The video decoding control: cuts a clip's sound out of a video and writes it as PCM WAV.
// Reads only the audio stream; the work runs on a worker thread and its end is announced
// by OnComplete on the thread that owns this object.
#include <QObject>
#include <QString>
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
    // Returns at once. sampleSize: 8 or 16 bits; 2 means 16 bits (the temporary WAV).
    bool ExtractAudio(const QString &wavPath, int channels, int sampleRate, int sampleSize);
    // Ends a running extraction within a tenth of a second; no thread stays behind.
    void StopProcessing();

    bool IsProcessing() const;
    // Outcome of the last finished extraction, valid when OnComplete arrives.
    bool Succeeded() const;
    QString ErrorText() const;

signals:
    void OnComplete();
    void OnProcessing(double iCurPos, double iDuration);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
