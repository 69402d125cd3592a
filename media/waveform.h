// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound of a source as peaks: the loudest sample of each of a number of equal columns
// over the source's length, all channels together. Only the audio stream is decoded, on a
// worker thread; finished columns are handed over in order through queued signals, so they
// can be drawn while the rest is computed.
#include <QList>
#include <QObject>
#include <QString>
#include <memory>

class Waveform : public QObject
{
    Q_OBJECT
public:
    explicit Waveform(QObject *parent = nullptr);
    ~Waveform() override; // stops a running computation and joins its thread

    // Starts computing `columns` peaks of the file, after stopping a running computation.
    // stream: the index of the audio stream to draw; negative for the best one.
    void start(const QString &path, int columns, int stream = -1);
    // Ends the computation within a few milliseconds; no signal of it follows.
    void stop();
    // True from Start until Finished is emitted or Stop returns.
    bool isRunning() const;

signals:
    // The source's length, which the columns divide equally; before the first peaks.
    void started(qint64 lengthMs);
    // Columns first .. first + peaks.size() - 1, each from 0 (silence) to 1 (full scale).
    void peaks(int first, const QList<float> &peaks);
    // Once per computation that was not stopped. hasSound is false for a source without a
    // sound stream; error is empty when every column was delivered.
    void finished(bool hasSound, const QString &error);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
