// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/jobqueue.h"

#include "core/core.h"
#include "engine/chapters.h"

#include <QCoreApplication>
#include <algorithm>

QString ChangeFileExt(const QString &path, const QString &extWithDot)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    return (dot > slash ? path.left(dot) : path) + extWithDot;
}

QString OutputFileName(const QString &base, const QString &folder, const QString &ext)
{
    const QString renamed = ChangeFileExt(base, QLatin1Char('.') + ext);
    return folder + renamed.mid(renamed.lastIndexOf(QLatin1Char('/')) + 1);
}

TJobQueue::~TJobQueue()
{
    m_stop->store(true);
    m_readers.waitForDone();
}

const TJob &TJobQueue::Job(int row) const
{
    if (!Has(row))
        throw ClipvoxError(QCoreApplication::translate("TJobQueue", "No queued file is being edited."));
    return JobTable[size_t(row)];
}

void TJobQueue::SetTagsEnabled(bool on)
{
    if (on == m_tagsEnabled)
        return;
    m_tagsEnabled = on;
    emit tagsEnabledChanged(on);
}

void TJobQueue::Add(const QStringList &files, const QString &folder, const QString &ext, const QString &copyright)
{
    if (files.isEmpty())
        return;
    const int first = JobCount();
    for (const QString &file : files) {
        TJob job;
        job.StartTime = QStringLiteral("00:00:00");
        job.EndTime = QStringLiteral("Max");
        job.SourceFile = file;
        job.OutputFile = OutputFileName(file, folder, ext);
        job.TagComment = QStringLiteral("Clipvox");
        job.TagCopyright = copyright;
        JobTable.push_back(job);
        // The source's tags are read on a worker and reach the queue as a queued call: a
        // slow or remote file never holds up the window.
        if (!m_tags.contains(file)) {
            m_tags.insert(file, {});
            m_readers.start([this, file, stop = m_stop] {
                const std::optional<SourceInfo> info = ReadSourceInfo(file, stop.get());
                if (!info || *stop)
                    return;
                QMetaObject::invokeMethod(
                    this,
                    [this, file, tags = info->tags] {
                        m_tags.insert(file, tags);
                        emit sourceTagsRead(file);
                    },
                    Qt::QueuedConnection);
            });
        }
    }
    emit jobsAdded(first, int(files.size()));
}

void TJobQueue::Remove(int row)
{
    if (!Has(row))
        return;
    JobTable.erase(JobTable.begin() + row);
    emit jobRemoved(row);
}

void TJobQueue::MoveUp(int row)
{
    if (!Has(row))
        return;
    const int to = row > 0 ? row - 1 : JobCount() - 1;
    if (row > 0)
        std::swap(JobTable[size_t(row)], JobTable[size_t(to)]);
    else
        std::rotate(JobTable.begin(), JobTable.begin() + 1, JobTable.end());
    emit jobMoved(row, to);
}

void TJobQueue::MoveDown(int row)
{
    if (!Has(row))
        return;
    const bool last = row == JobCount() - 1;
    const int to = last ? 0 : row + 1;
    if (last)
        std::rotate(JobTable.begin(), JobTable.end() - 1, JobTable.end());
    else
        std::swap(JobTable[size_t(row)], JobTable[size_t(to)]);
    emit jobMoved(row, to);
}

void TJobQueue::Clear()
{
    if (JobTable.empty())
        return;
    JobTable.clear();
    emit cleared();
}

void TJobQueue::SetJob(int row, const TJob &job)
{
    if (!Has(row))
        return;
    JobTable[size_t(row)] = job;
    emit jobChanged(row);
}

void TJobQueue::SplitIntoChapters(int row, const QList<SourceChapter> &chapters)
{
    if (!Has(row) || chapters.isEmpty())
        return;
    const QList<TJob> parts = ChapterJobs(JobTable[size_t(row)], chapters);
    JobTable.erase(JobTable.begin() + row);
    JobTable.insert(JobTable.begin() + row, parts.begin(), parts.end());
    emit jobSplit(row, int(parts.size()));
    SetTagsEnabled(true);
}

void TJobQueue::RederiveOutputNames(const QString &folder, const QString &ext)
{
    if (m_pattern == QLatin1String("{name}") && m_saveTo == SaveTo::OutputFolder) {
        for (TJob &job : JobTable)
            job.OutputFile = OutputFileName(job.OutputFile, folder, ext);
    } else {
        QStringList sources;
        for (const TJob &job : JobTable)
            sources << job.SourceFile;
        const QString root = CommonFolder(sources);
        for (size_t row = 0; row < JobTable.size(); ++row) {
            TJob &job = JobTable[row];
            const SourceTags tags = m_tags.value(job.SourceFile);
            TNameFields fields;
            fields.name = ChangeFileExt(job.SourceFile.mid(job.SourceFile.lastIndexOf(QLatin1Char('/')) + 1), QString());
            fields.title = tags.title;
            fields.artist = tags.artist;
            fields.album = tags.album;
            fields.year = tags.year;
            fields.track = tags.track;
            fields.number = int(row) + 1;
            fields.count = JobCount();
            fields.chapterTitle = job.ChapterTitle;
            fields.chapterNumber = job.ChapterNumber;
            job.OutputFile = OutputFolderFor(job.SourceFile, m_saveTo, folder, root) + PatternFileName(m_pattern, fields, ext);
        }
    }
    emit outputNamesChanged();
}

void TJobQueue::SetNaming(const QString &pattern, SaveTo where)
{
    m_pattern = pattern.trimmed().isEmpty() ? QStringLiteral("{name}") : pattern;
    m_saveTo = where;
}

bool TJobQueue::NamesUseTags() const
{
    for (const char *field : {"{title}", "{artist}", "{album}", "{year}", "{track}"})
        if (m_pattern.contains(QLatin1String(field)))
            return true;
    return false;
}

void TJobQueue::SetOutputFiles(const QStringList &outputs)
{
    for (int i = 0; i < outputs.size() && Has(i); ++i)
        JobTable[size_t(i)].OutputFile = outputs[i];
    emit outputNamesChanged();
}

QList<TRunJob> TJobQueue::RunJobs() const
{
    QList<TRunJob> jobs;
    for (const TJob &job : JobTable)
        jobs << TRunJob{job, m_tagsEnabled};
    return jobs;
}
