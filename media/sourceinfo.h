// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a source file says about itself, read from its container with libavformat (nothing
// is decoded): its tags, its cover picture, its sound tracks and its chapters.
#include <QByteArray>
#include <QList>
#include <QString>
#include <atomic>
#include <map>
#include <optional>
#include <stop_token>

#include "media/videoedit.h"

// The container's tags (the format's, else the first sound track's; keys in any case).
struct SourceTags
{
    QString title, artist, album, genre, comment, copyright;
    QString date;   // as the file gives it: "2024", "2024-05-01"...
    int year = 0;   // the first four digits of the date; 0 = none
    int track = 0;  // "3/12" gives 3; 0 = none
    bool isEmpty() const;
};

// A picture of the source: an attached picture stream or an image attachment (Matroska).
struct SourceCover
{
    QByteArray data;  // the picture file's bytes, within the limits of media/cover.h; empty = no cover
    QString mimeType; // "image/jpeg", "image/png"...
};

// One sound track (audio stream) of the source.
struct SourceTrack
{
    int number = 0;        // 1-based position among the source's sound tracks
    int streamIndex = -1;  // the stream's index in the container (AVStream::index)
    bool isDefault = false;
    QString language;      // English name of the `language` tag ("English"); empty = none
    QString name;          // "2: English, AC-3 5.1, Commentary" (missing parts left out)
};

// One chapter. Times are seconds from the start of the file, as the clip times count them
// (the container's start time subtracted), computed from the chapter's own time base.
struct SourceChapter
{
    double start = 0, end = 0; // end: infinity for a last chapter of a file of unknown length
    QString title; // empty when the file names none
};

struct SourceInfo
{
    SourceTags tags;
    SourceCover cover;
    QList<SourceTrack> tracks;   // in stream order; empty for a file without sound
    QList<SourceChapter> chapters; // in time order
    int defaultTrack() const;    // number of the default track (the first when none is marked); 0 = no sound
};

// Reads the container of `path` without decoding; safe to call from any thread. A stop flag
// that becomes true ends a slow read early (then the result is empty and *error "Stopped").
// Nothing on failure, with the reason in *error.
std::optional<SourceInfo> readSourceInfo(const QString &path, const std::atomic_bool *stop = nullptr,
                                         QString *error = nullptr);

// What a job reads of its source before it decodes, from one opening of the file: its sound
// streams probed (video is never decoded), their sound, the length, tags, cover, tracks and
// chapters.
struct SourceProbe
{
    QString path;
    QString error;        // why the source could not be read; empty when it was
    SourceInfo info;
    double lengthMs = -1; // the playing length, -1 when unknown with the reason in lengthError
    QString lengthError;
    std::map<int, SourceSound> sounds; // each audio stream's sound, by its index in the container
    int bestStream = -1;  // the audio stream read by default; negative when there is none

    // The sound of the audio stream of index `stream`, the best one when stream is negative,
    // as probeSourceSound gives it; false with the reason in *why.
    bool sound(int stream, SourceSound *sound, QString *why) const;
};

// Probes `path` once; a stop requested through stop ends the probe at once (error "Stopped").
// Without cover the cover is not read (an ASF file's large picture takes a reading of its own).
SourceProbe probeSource(const QString &path, std::stop_token stop = {}, bool cover = true);

// The English name of an ISO 639-2 (or 639-1) language code: "eng" -> "English"; empty
// for "und", "zxx", "mis", "mul" or an empty code; the code itself when unknown.
QString languageName(const QString &code);
