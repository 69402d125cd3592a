// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A queued job as the queue keeps it and as a run takes it.
#include <QByteArray>
#include <QString>
#include <limits>

// One queued video; the queue holds one record per job, in the order of the list.
struct Job
{
    QString SourceFile;
    QString OutputFile;
    // The clip in seconds, from clipStart to clipEnd; a clipEnd of ToEnd is the source's end.
    // Times a person chose are whole seconds; a chapter's are exact to the sample.
    static constexpr double ToEnd = std::numeric_limits<double>::infinity();
    double clipStart = 0;
    double clipEnd = ToEnd;
    // A chapter's clip: an end at or past the source's measured length is the source's end.
    // Otherwise an end is where the clip stops, even where it matches the source's length in
    // whole seconds.
    bool exactClip = false;
    // The source's end is shown as the measured length (Duration) rather than as "Max": set
    // where the editor measured the source.
    bool endShowsLength = false;
    int Duration = 0;
    QString TagTitle;
    QString TagArtist;
    QString TagAlbum;
    QString TagComment;
    QString TagCopyright;
    int TagYear = 0;
    int TagTrack = 0;
    int TagGenre = -1; // 0..146 as OutputTags::genreText numbers them; -1: none chosen
    // Whether the tags above go into the output. The row's own switch: a row nobody tagged
    // carries only what its source holds.
    bool TagsEnabled = false;
    // The sound track converted: its 1-based number among the source's sound tracks, 0 for
    // the source's default; SoundTrackName is its name as the editor listed it.
    int SoundTrack = 0;
    QString SoundTrackName;
    // A job made from one chapter: its number (0 = not a chapter) and title ("Chapter N"
    // when the file names none).
    int ChapterNumber = 0;
    QString ChapterTitle;

    bool operator==(const Job &) const = default;
};

// One job as the run takes it. OutputFile is the wanted name; the run may give a same-name
// output "name (2).ext".
struct RunJob : Job
{
    // Set for this run only (the command line's tags): a genre as free text, over TagGenre;
    // the number of tracks, with TagTrack (0: none); a cover picture's bytes over the source's.
    QString TagGenreName;
    int TagTrackTotal = 0;
    QByteArray TagCover;
};
