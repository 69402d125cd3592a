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
    QString ChapterTitle;  // a job that is one chapter of its source: the chapter's title
    int ChapterNumber = 0; // and its number from 1; 0 = not a chapter
};

// One job as the run takes it: the queued job and whether its tags are written. OutputFile
// is the wanted name; the run may give a same-name output "name (2).ext".
struct TRunJob : TJob
{
    bool TagsEnabled = false;
};
