// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/chapters.h"

#include "core/core.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

QString chapterTitle(const SourceChapter &chapter, int number)
{
    const QString title = chapter.title.trimmed();
    return title.isEmpty() ? QStringLiteral("Chapter %1").arg(number) : title;
}

QString chapterOutputName(const QString &source, int number, int count, const QString &title)
{
    const int width = std::max(2, int(QString::number(count).size()));
    QString name = QStringLiteral("%1 - %2 %3")
                       .arg(QFileInfo(source).completeBaseName())
                       .arg(number, width, 10, QLatin1Char('0'))
                       .arg(title);
    // A title may hold a slash, which no file name can, and control characters.
    for (QChar &c : name)
        if (c == u'/')
            c = u'-';
        else if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = u'_';
    return name;
}

QList<Job> chapterJobs(const Job &whole, const QList<SourceChapter> &chapters)
{
    const int slash = whole.OutputFile.lastIndexOf(QLatin1Char('/'));
    const int dot = whole.OutputFile.lastIndexOf(QLatin1Char('.'));
    const QString folder = whole.OutputFile.left(slash + 1);
    const QString ext = dot > slash ? whole.OutputFile.mid(dot) : QString();
    QList<Job> jobs;
    for (int i = 0; i < chapters.size(); ++i) {
        const SourceChapter &c = chapters[i];
        Job job = whole;
        job.ChapterNumber = i + 1;
        job.ChapterTitle = chapterTitle(c, i + 1);
        job.TagTitle = job.ChapterTitle;
        job.TagTrack = i + 1;
        job.TagsEnabled = true; // the chapter's title and number go into its file
        job.clipStart = std::max(0.0, c.start);
        job.clipEnd = c.end;
        job.exactClip = true;
        job.endShowsLength = false;
        job.OutputFile = folder + chapterOutputName(whole.SourceFile, i + 1, int(chapters.size()), job.ChapterTitle) + ext;
        jobs << job;
    }
    return jobs;
}
