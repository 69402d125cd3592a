// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared test fixtures: a temporary program folder, videos made with the ffmpeg tool,
// and ffprobe as an independent reader of what Clipvox wrote.
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A temporary folder that stands in for the program folder while it lives.
class TempProgramFolder
{
public:
    TempProgramFolder();
    ~TempProgramFolder();
    QString path() const { return m_dir.path() + QLatin1Char('/'); }
    QString file(const QString &name) const { return path() + name; }
    QByteArray read(const QString &name) const;
    void write(const QString &name, const QByteArray &data) const;

private:
    QTemporaryDir m_dir;
};

// Runs the ffmpeg tool with the arguments (after "-y -v error"); fails the test on error.
bool runFfmpeg(const QStringList &args);
// A short test video with a sine tone: kind is "avi" (mpeg4 + mp3), "mpg" (mpeg1 + mp2),
// "wmv" (wmv2 + wmav2), "asf" (wmv2 + wmav2), "mp4" (mpeg4 + aac), "mkv" (mpeg4 + opus),
// "webm" (vp8 + vorbis) or "silent-avi" (no audio stream).
QString makeVideo(const QString &path, const QString &kind, double seconds = 3.0, int rate = 44100,
                  int channels = 2);
// A five-second Matroska film: a 440 Hz sound track ("1: English, FLAC stereo", the
// default, peaks at 1/8 less the stereo mix's 3 dB), a 1000 Hz commentary ("2: English,
// FLAC stereo, Commentary", four times as loud; streams 1 and 2 of the file), and the chapters
// 0-1.5 s "Intro", 1.5-3.2 s without a title and 3.2-5 s "Finale".
QString makeFilm(const QString &path);
// The strongest frequency of a file's sound track (0-based among its sound tracks), from
// the zero crossings of its samples as the ffmpeg tool decodes them; -1 on failure.
double toneFrequency(const QString &path, int track = 0);
// ffprobe -show_format -show_streams as JSON; an empty object when ffprobe fails.
QJsonObject probe(const QString &path);
// The first audio stream of a probe, and the duration of the file in seconds.
QJsonObject probeAudio(const QString &path);
double probeDuration(const QString &path);
// A tag of the format or first stream, looked up without regard to case.
QString probeTag(const QString &path, const QString &tag);
