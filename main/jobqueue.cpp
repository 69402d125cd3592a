// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/jobqueue.h"

#include "clip/cliptimes.h"
#include "core/core.h"
#include "engine/chapters.h"

#include <QCoreApplication>
#include <QIcon>
#include <algorithm>
#include <set>

const char *StatusText(JobResult::State state)
{
    static const char *const texts[] = {QT_TRANSLATE_NOOP("TMainForm", "Waiting"),
                                        QT_TRANSLATE_NOOP("TMainForm", "Converting..."),
                                        QT_TRANSLATE_NOOP("TMainForm", "100%"),
                                        QT_TRANSLATE_NOOP("TMainForm", "Failed"),
                                        QT_TRANSLATE_NOOP("TMainForm", "Stop"),
                                        QT_TRANSLATE_NOOP("TMainForm", "Skipped")};
    return texts[state];
}

QString JobToolTip(const TJob &job)
{
    QString track = QCoreApplication::translate("TMainForm", "the source's default");
    if (job.SoundTrack > 0)
        track = job.SoundTrackName.isEmpty() ? QString::number(job.SoundTrack) : job.SoundTrackName;
    QString tip = QCoreApplication::translate("TMainForm", "%1\nSound track: %2").arg(job.SourceFile, track);
    if (job.ChapterNumber > 0)
        tip += QCoreApplication::translate("TMainForm", "\nChapter %1: %2").arg(job.ChapterNumber).arg(job.ChapterTitle);
    return tip;
}

TJobQueue::~TJobQueue()
{
    m_stop->store(true);
    m_readers.waitForDone();
}

QVariant TJobQueue::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !Has(index.row()))
        return {};
    const TJob &job = JobTable[size_t(index.row())];
    const JobResult &result = m_results[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case ColNumber: return QString::number(index.row() + 1);
        case ColSource: return job.SourceFile;
        case ColStart: return clipStartText(job);
        case ColEnd: return clipEndText(job);
        case ColConvertTo: return m_ext.toLower();
        case ColOutput: return job.OutputFile;
        case ColStatus: return QCoreApplication::translate("TMainForm", StatusText(result.state));
        }
        break;
    case kStatusRole:
        return QString::fromLatin1(StatusText(result.state));
    case Qt::DecorationRole:
        if (index.column() == ColNumber) {
            static const QIcon rowIcon(QStringLiteral(":/icons/row.png"));
            return rowIcon;
        }
        break;
    case Qt::ToolTipRole:
        if (index.column() == ColSource)
            return JobToolTip(job);
        if (index.column() == ColOutput)
            return result.note;
        if (index.column() == ColStatus)
            return result.reason;
        break;
    case Qt::AccessibleDescriptionRole:
        // The reason reaches a screen reader as well as the mouse pointer.
        if (index.column() == ColStatus)
            return result.reason;
        break;
    }
    return {};
}

QVariant TJobQueue::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char *const titles[] = {"#",
                                         QT_TRANSLATE_NOOP("TMainForm", "Source File"),
                                         QT_TRANSLATE_NOOP("TMainForm", "Start Time"),
                                         QT_TRANSLATE_NOOP("TMainForm", "End Time"),
                                         QT_TRANSLATE_NOOP("TMainForm", "Convert To"),
                                         QT_TRANSLATE_NOOP("TMainForm", "Output File"),
                                         QT_TRANSLATE_NOOP("TMainForm", "Status")};
    if (section < 0 || section >= JobColumnCount)
        return {};
    return section == ColNumber ? QString::fromLatin1(titles[0]) : QCoreApplication::translate("TMainForm", titles[section]);
}

void TJobQueue::RowChanged(int row)
{
    emit dataChanged(index(row, 0), index(row, JobColumnCount - 1));
    emit contentsChanged();
}

const JobResult &TJobQueue::Result(int row) const
{
    static const JobResult none;
    return Has(row) ? m_results[size_t(row)] : none;
}

void TJobQueue::SetResult(int row, const JobResult &result)
{
    if (!Has(row) || m_results[size_t(row)] == result)
        return;
    m_results[size_t(row)] = result;
    RowChanged(row);
}

void TJobQueue::ResetResults()
{
    if (JobTable.empty())
        return;
    std::fill(m_results.begin(), m_results.end(), JobResult{});
    emit dataChanged(index(0, 0), index(JobCount() - 1, JobColumnCount - 1));
    emit contentsChanged();
}

std::vector<QueueRow> TJobQueue::Rows() const
{
    std::vector<QueueRow> rows;
    rows.reserve(JobTable.size());
    for (size_t r = 0; r < JobTable.size(); ++r)
        rows.push_back({JobTable[r], m_results[r]});
    return rows;
}

void TJobQueue::SetRows(std::vector<QueueRow> rows, bool tagsEnabled)
{
    beginResetModel();
    JobTable.clear();
    m_results.clear();
    for (QueueRow &row : rows) {
        JobTable.push_back(std::move(row.job));
        m_results.push_back(std::move(row.result));
    }
    endResetModel();
    SetTagsEnabled(tagsEnabled);
    emit contentsChanged();
}

void TJobQueue::SetExtension(const QString &ext)
{
    m_ext = ext;
    if (!JobTable.empty())
        emit dataChanged(index(0, ColConvertTo), index(JobCount() - 1, ColConvertTo));
}

void TJobQueue::ReadTags(const QStringList &sources)
{
    for (const QString &file : sources) {
        if (m_tags.contains(file))
            continue;
        // The source's tags are read on a worker and reach the queue as a queued call: a
        // slow or remote file never holds up the window.
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

void TJobQueue::RemoveRows(QList<int> rows)
{
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows)
        Remove(row);
}

QList<int> TJobQueue::MoveRows(QList<int> rows, bool up)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.removeIf([this](int r) { return !Has(r); });
    if (rows.size() == 1) {
        const int row = rows.first();
        up ? MoveUp(row) : MoveDown(row);
        const int last = JobCount() - 1;
        return {up ? (row > 0 ? row - 1 : last) : (row < last ? row + 1 : 0)};
    }
    // A group moves as far as the rows before (or after) it leave room.
    const std::set<int> chosen(rows.begin(), rows.end());
    QList<int> placed;
    if (up) {
        for (int row : rows) {
            if (row > 0 && !chosen.count(row - 1) && !placed.contains(row - 1)) {
                MoveUp(row);
                placed << row - 1;
            } else {
                placed << row;
            }
        }
    } else {
        for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
            const int row = *it;
            if (row < JobCount() - 1 && !chosen.count(row + 1) && !placed.contains(row + 1)) {
                MoveDown(row);
                placed.prepend(row + 1);
            } else {
                placed.prepend(row);
            }
        }
    }
    return placed;
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
    emit contentsChanged();
}

void TJobQueue::Add(const QStringList &files, const QString &folder, const QString &ext, const QString &copyright)
{
    if (files.isEmpty())
        return;
    const int first = JobCount();
    if (first == 0)
        m_ext = ext;
    beginInsertRows({}, first, first + int(files.size()) - 1);
    for (const QString &file : files) {
        TJob job; // the clip is the whole source
        job.SourceFile = file;
        job.OutputFile = OutputFileName(file, folder, ext);
        job.TagComment = QStringLiteral("Clipvox");
        job.TagCopyright = copyright;
        JobTable.push_back(job);
        m_results.emplace_back();
    }
    endInsertRows();
    ReadTags(files);
    emit jobsAdded(first, int(files.size()));
    emit contentsChanged();
}

void TJobQueue::Remove(int row)
{
    if (!Has(row))
        return;
    beginRemoveRows({}, row, row);
    JobTable.erase(JobTable.begin() + row);
    m_results.erase(m_results.begin() + row);
    endRemoveRows();
    emit jobRemoved(row);
    RenumberFrom(row);
}

void TJobQueue::MoveUp(int row)
{
    if (!Has(row))
        return;
    const int to = row > 0 ? row - 1 : JobCount() - 1;
    if (to == row)
        return;
    beginMoveRows({}, row, row, {}, row > 0 ? to : JobCount());
    if (row > 0) {
        std::swap(JobTable[size_t(row)], JobTable[size_t(to)]);
        std::swap(m_results[size_t(row)], m_results[size_t(to)]);
    } else {
        std::rotate(JobTable.begin(), JobTable.begin() + 1, JobTable.end());
        std::rotate(m_results.begin(), m_results.begin() + 1, m_results.end());
    }
    endMoveRows();
    emit jobMoved(row, to);
    RenumberFrom(std::min(row, to));
}

void TJobQueue::MoveDown(int row)
{
    if (!Has(row))
        return;
    const bool last = row == JobCount() - 1;
    const int to = last ? 0 : row + 1;
    if (to == row)
        return;
    beginMoveRows({}, row, row, {}, last ? 0 : row + 2);
    if (last) {
        std::rotate(JobTable.begin(), JobTable.end() - 1, JobTable.end());
        std::rotate(m_results.begin(), m_results.end() - 1, m_results.end());
    } else {
        std::swap(JobTable[size_t(row)], JobTable[size_t(to)]);
        std::swap(m_results[size_t(row)], m_results[size_t(to)]);
    }
    endMoveRows();
    emit jobMoved(row, to);
    RenumberFrom(std::min(row, to));
}

void TJobQueue::Clear()
{
    if (JobTable.empty())
        return;
    beginResetModel();
    JobTable.clear();
    m_results.clear();
    endResetModel();
    emit cleared();
    emit contentsChanged();
}

void TJobQueue::SetJob(int row, const TJob &job)
{
    if (!Has(row))
        return;
    // An edited job is a new job: only its own result goes back to "Waiting".
    JobTable[size_t(row)] = job;
    m_results[size_t(row)] = {};
    RowChanged(row);
    emit jobChanged(row);
}

void TJobQueue::SplitIntoChapters(int row, const QList<SourceChapter> &chapters)
{
    if (!Has(row) || chapters.isEmpty())
        return;
    const QList<TJob> parts = ChapterJobs(JobTable[size_t(row)], chapters);
    beginRemoveRows({}, row, row);
    JobTable.erase(JobTable.begin() + row);
    m_results.erase(m_results.begin() + row);
    endRemoveRows();
    beginInsertRows({}, row, row + int(parts.size()) - 1);
    JobTable.insert(JobTable.begin() + row, parts.begin(), parts.end());
    m_results.insert(m_results.begin() + row, size_t(parts.size()), JobResult{});
    endInsertRows();
    RenumberFrom(row);
    emit jobSplit(row, int(parts.size()));
    SetTagsEnabled(true);
    emit contentsChanged();
}

void TJobQueue::RederiveOutputNames(const QString &folder, const QString &ext)
{
    const std::vector<TJob> before = JobTable;
    m_ext = ext;
    if (m_pattern == QLatin1String("{name}") && m_saveTo == SaveTo::OutputFolder) {
        for (TJob &job : JobTable)
            job.OutputFile = OutputFileName(job.OutputFile, folder, ext);
    } else {
        QStringList sources;
        for (const TJob &job : JobTable)
            sources << job.SourceFile;
        const OutputNaming naming{m_pattern, m_saveTo, folder, CommonFolder(sources), ext};
        for (size_t row = 0; row < JobTable.size(); ++row) {
            TJob &job = JobTable[row];
            const TNameFields fields = outputNameFields(job.SourceFile, m_tags.value(job.SourceFile), int(row) + 1,
                                                        JobCount(), job.ChapterNumber, job.ChapterTitle);
            job.OutputFile = outputName(naming, outputFolder(naming, job.SourceFile), fields);
        }
    }
    // A row whose output is now another file has no result of its own yet.
    for (size_t row = 0; row < JobTable.size(); ++row)
        if (JobTable[row].OutputFile != before[row].OutputFile)
            m_results[row] = {};
    if (!JobTable.empty())
        emit dataChanged(index(0, 0), index(JobCount() - 1, JobColumnCount - 1));
    emit outputNamesChanged();
    emit contentsChanged();
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
    if (!JobTable.empty())
        emit dataChanged(index(0, ColOutput), index(JobCount() - 1, ColOutput));
    emit outputNamesChanged();
    emit contentsChanged();
}

QList<TRunJob> TJobQueue::RunJobs() const
{
    QList<TRunJob> jobs;
    for (const TJob &job : JobTable)
        jobs << TRunJob{job, m_tagsEnabled};
    return jobs;
}

// The number column counts rows: the rows from the first moved or removed one renumber.
void TJobQueue::RenumberFrom(int row)
{
    if (row < JobCount())
        emit dataChanged(index(std::max(0, row), ColNumber), index(JobCount() - 1, ColNumber));
    emit contentsChanged();
}
