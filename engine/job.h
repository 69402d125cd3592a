// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A queued job as the queue keeps it and as a run takes it.
#include <QString>

// One queued video; the queue holds one record per job, in the order of the list.
struct TJob
{
    QString SourceFile;
    QString OutputFile;
    QString StartTime;
    QString EndTime;
    int Duration = 0;
    QString TagTitle;
    QString TagArtist;
    QString TagAlbum;
    QString TagComment;
    QString TagCopyright;
    int TagYear = 0;
    int TagTrack = 0;
    int TagGenre = 0;
    // The sound track converted: its 1-based number among the source's sound tracks, 0 for
    // the source's default; SoundTrackName is its name as the editor listed it.
    int SoundTrack = 0;
    QString SoundTrackName;
    // A job made from one chapter: its number (0 = not a chapter) and title ("Chapter N"
    // when the file names none).
    int ChapterNumber = 0;
    QString ChapterTitle;
    // The clip in seconds, exact to the sample, when ExactStart >= 0 (an ExactEnd of
    // infinity is the end of the source); StartTime and EndTime then only show it.
    double ExactStart = -1;
    double ExactEnd = -1;
    // The end is the source's own end, whatever EndTime shows: set where the editor puts the
    // measured length in place of "Max", so that a typed end of the same time still cuts there.
    bool EndIsSourceEnd = false;

    bool operator==(const TJob &) const = default;
};

// One job as the run takes it: the queued job and whether its tags are written. OutputFile
// is the wanted name; the run may give a same-name output "name (2).ext".
struct TRunJob : TJob
{
    bool TagsEnabled = false;
};
