// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Chapter jobs: one job per chapter of a source, each clip exact to the sample.
#include "engine/job.h"
#include "media/sourceinfo.h"

#include <QList>

// The title of a chapter as its job takes it: the file's own, else "Chapter N".
QString chapterTitle(const SourceChapter &chapter, int number);
// The name, without folder and extension, of a chapter's output when no name pattern gives
// one: "source - 01 Title" (two digits, more when there are a hundred chapters or more).
QString chapterOutputName(const QString &source, int number, int count, const QString &title);
// One copy of `whole` per chapter: the clip its chapter's (exact seconds), the title tag and chapter title the chapter's title,
// the track tag its number, the output named by chapterOutputName in the folder and with
// the extension of the job's output.
QList<Job> chapterJobs(const Job &whole, const QList<SourceChapter> &chapters);
