// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/jobqueue.h"

#include "clip/cliptimes.h"
#include "core/core.h"
#include "engine/chapters.h"

#include <QCoreApplication>
#include <QIcon>
#include <algorithm>

const char *statusText(JobResult::State state)
{
    static const char *const texts[] = {QT_TRANSLATE_NOOP("MainWindow", "Waiting"),
                                        QT_TRANSLATE_NOOP("MainWindow", "Converting..."),
                                        QT_TRANSLATE_NOOP("MainWindow", "100%"),
                                        QT_TRANSLATE_NOOP("MainWindow", "Failed"),
                                        QT_TRANSLATE_NOOP("MainWindow", "Stop"),
                                        QT_TRANSLATE_NOOP("MainWindow", "Skipped")};
    return texts[state];
}

QString jobToolTip(const Job &job)
{
    QString track = QCoreApplication::translate("MainWindow", "the source's default");
    if (job.SoundTrack > 0)
        track = job.SoundTrackName.isEmpty() ? QString::number(job.SoundTrack) : job.SoundTrackName;
    QString tip = QCoreApplication::translate("MainWindow", "%1\nSound track: %2").arg(job.SourceFile, track);
    if (job.ChapterNumber > 0)
        tip += QCoreApplication::translate("MainWindow", "\nChapter %1: %2").arg(job.ChapterNumber).arg(job.ChapterTitle);
    return tip;
}

namespace {
// The shown names of the paths whose file names are alike: each with the fewest folders
// before it that no other of those paths ends with.
QHash<QString, QString> namesTellingApart(const std::vector<QString> &paths)
{
    QHash<QString, QStringList> byName; // file name -> its distinct paths
    for (const QString &path : paths) {
        QStringList &same = byName[path.mid(path.lastIndexOf(QLatin1Char('/')) + 1)];
        if (!same.contains(path))
            same << path;
    }
    QHash<QString, QString> shown;
    for (const QStringList &same : std::as_const(byName)) {
        if (same.size() < 2)
            continue;
        for (const QString &path : same) {
            // Grows the name by a folder at a time until no other path ends the same way.
            qsizetype from = path.lastIndexOf(QLatin1Char('/'));
            while (from > 0) {
                const QString tail = path.mid(from);
                const bool shared = std::any_of(same.begin(), same.end(), [&](const QString &other) {
                    return other != path && other.endsWith(tail);
                });
                if (!shared)
                    break;
                from = path.lastIndexOf(QLatin1Char('/'), from - 1);
            }
            shown.insert(path, from >= 0 ? path.mid(from + 1) : path);
        }
    }
    return shown;
}
} // namespace

JobQueue::JobQueue(QObject *parent) : QAbstractTableModel(parent)
{
    const auto namesMayChange = [this] {
        if (!m_resultOnly)
            m_namesDirty = true;
    };
    connect(this, &QAbstractItemModel::rowsInserted, this, namesMayChange);
    connect(this, &QAbstractItemModel::rowsRemoved, this, namesMayChange);
    connect(this, &QAbstractItemModel::modelReset, this, namesMayChange);
    connect(this, &QAbstractItemModel::dataChanged, this, namesMayChange);
}

QString JobQueue::shownName(const QString &path, int column) const
{
    if (m_namesDirty) {
        m_namesDirty = false;
        std::vector<QString> sources, outputs;
        sources.reserve(JobTable.size());
        outputs.reserve(JobTable.size());
        for (const Job &job : JobTable) {
            sources.push_back(job.SourceFile);
            outputs.push_back(job.OutputFile);
        }
        QHash<QString, QString> newSources = namesTellingApart(sources), newOutputs = namesTellingApart(outputs);
        if (newSources != m_shownSources || newOutputs != m_shownOutputs) {
            m_shownSources = std::move(newSources);
            m_shownOutputs = std::move(newOutputs);
            // Rows whose names did not change themselves may now read otherwise.
            QMetaObject::invokeMethod(const_cast<JobQueue *>(this), [this] {
                if (jobCount() > 0)
                    emit const_cast<JobQueue *>(this)->dataChanged(index(0, ColSource), index(jobCount() - 1, ColOutput));
            }, Qt::QueuedConnection);
        }
    }
    const QHash<QString, QString> &shown = column == ColSource ? m_shownSources : m_shownOutputs;
    const auto it = shown.constFind(path);
    return it != shown.constEnd() ? *it : path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

JobQueue::~JobQueue()
{
    m_stop->store(true);
    m_readers.waitForDone();
}

QVariant JobQueue::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !has(index.row()))
        return {};
    const Job &job = JobTable[size_t(index.row())];
    const JobResult &result = m_results[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case ColNumber: return QString::number(index.row() + 1);
        case ColSource: return shownName(job.SourceFile, ColSource);
        case ColStart: return clipStartText(job);
        case ColEnd: return clipEndText(job);
        case ColConvertTo: return m_ext.toLower();
        case ColOutput: return shownName(job.OutputFile, ColOutput);
        case ColStatus: return QCoreApplication::translate("MainWindow", statusText(result.state));
        }
        break;
    case kStatusRole:
        return QString::fromLatin1(statusText(result.state));
    case Qt::DecorationRole:
        if (index.column() == ColNumber) {
            static const QIcon rowIcon(QStringLiteral(":/icons/row.png"));
            return rowIcon;
        }
        break;
    case Qt::ToolTipRole:
        if (index.column() == ColSource)
            return jobToolTip(job);
        if (index.column() == ColOutput)
            return result.note.isEmpty() ? job.OutputFile : job.OutputFile + QLatin1Char('\n') + result.note;
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

QVariant JobQueue::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char *const titles[] = {"#",
                                         QT_TRANSLATE_NOOP("MainWindow", "Source File"),
                                         QT_TRANSLATE_NOOP("MainWindow", "Start Time"),
                                         QT_TRANSLATE_NOOP("MainWindow", "End Time"),
                                         QT_TRANSLATE_NOOP("MainWindow", "Convert To"),
                                         QT_TRANSLATE_NOOP("MainWindow", "Output File"),
                                         QT_TRANSLATE_NOOP("MainWindow", "Status")};
    if (section < 0 || section >= JobColumnCount)
        return {};
    return section == ColNumber ? QString::fromLatin1(titles[0]) : QCoreApplication::translate("MainWindow", titles[section]);
}

void JobQueue::rowChanged(int row)
{
    emit dataChanged(index(row, 0), index(row, JobColumnCount - 1));
    emit contentsChanged();
}

const JobResult &JobQueue::result(int row) const
{
    static const JobResult none;
    return has(row) ? m_results[size_t(row)] : none;
}

void JobQueue::setResult(int row, const JobResult &result)
{
    if (!has(row) || m_results[size_t(row)] == result)
        return;
    m_results[size_t(row)] = result;
    m_resultOnly = true;
    rowChanged(row);
    m_resultOnly = false;
}

void JobQueue::resetResults()
{
    if (JobTable.empty())
        return;
    std::fill(m_results.begin(), m_results.end(), JobResult{});
    emit dataChanged(index(0, 0), index(jobCount() - 1, JobColumnCount - 1));
    emit contentsChanged();
}

std::vector<QueueRow> JobQueue::rows() const
{
    std::vector<QueueRow> rows;
    rows.reserve(JobTable.size());
    for (size_t r = 0; r < JobTable.size(); ++r)
        rows.push_back({JobTable[r], m_results[r]});
    return rows;
}

bool JobQueue::holds(const std::vector<QueueRow> &rows) const
{
    if (rows.size() != JobTable.size())
        return false;
    for (size_t r = 0; r < rows.size(); ++r)
        if (!(rows[r].job == JobTable[r]) || !(rows[r].result == m_results[r]))
            return false;
    return true;
}

void JobQueue::setRows(std::vector<QueueRow> rows)
{
    beginResetModel();
    JobTable.clear();
    m_results.clear();
    for (QueueRow &row : rows) {
        JobTable.push_back(std::move(row.job));
        m_results.push_back(std::move(row.result));
    }
    endResetModel();
    emit contentsChanged();
}

void JobQueue::setExtension(const QString &ext)
{
    m_ext = ext;
    if (!JobTable.empty())
        emit dataChanged(index(0, ColConvertTo), index(jobCount() - 1, ColConvertTo));
}

void JobQueue::readTags(const QStringList &sources)
{
    QStringList wanted;
    for (const QString &file : sources)
        if (!m_tags.contains(file)) {
            m_tags.insert(file, {});
            wanted << file;
        }
    // The sources' tags are read on workers, a batch a task, and reach the queue as queued
    // calls: a slow or remote file never holds up the window, nor does a long queue.
    constexpr qsizetype kBatch = 256;
    for (qsizetype first = 0; first < wanted.size(); first += kBatch) {
        m_readers.start([this, batch = wanted.mid(first, kBatch), stop = m_stop] {
            for (const QString &file : batch) {
                const std::optional<SourceInfo> info = readSourceInfo(file, stop.get());
                if (*stop)
                    return;
                if (!info)
                    continue;
                QMetaObject::invokeMethod(
                    this,
                    [this, file, tags = info->tags] {
                        m_tags.insert(file, tags);
                        emit sourceTagsRead(file);
                    },
                    Qt::QueuedConnection);
            }
        });
    }
}

void JobQueue::removeJobs(QList<int> rows)
{
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows)
        remove(row);
}

QList<int> JobQueue::moveJobs(QList<int> rows, bool up)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.removeIf([this](int r) { return !has(r); });
    if (rows.size() == 1) {
        const int row = rows.first();
        up ? moveUp(row) : moveDown(row);
        const int last = jobCount() - 1;
        return {up ? (row > 0 ? row - 1 : last) : (row < last ? row + 1 : 0)};
    }
    // A group moves one place as far as the rows before (or after) it leave room: the
    // nearest row first, each then steps over the one it finds, so a block stays whole and
    // a block at the end stays there.
    QList<int> placed;
    if (up) {
        for (int row : rows) {
            if (row > 0 && !placed.contains(row - 1)) {
                moveUp(row);
                placed << row - 1;
            } else {
                placed << row;
            }
        }
    } else {
        for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
            const int row = *it;
            if (row < jobCount() - 1 && !placed.contains(row + 1)) {
                moveDown(row);
                placed.prepend(row + 1);
            } else {
                placed.prepend(row);
            }
        }
    }
    return placed;
}

const Job &JobQueue::job(int row) const
{
    if (!has(row))
        throw ClipvoxError(QCoreApplication::translate("JobQueue", "No queued file is being edited."));
    return JobTable[size_t(row)];
}

void JobQueue::add(const QStringList &files, const QString &folder, const QString &ext, const QString &copyright)
{
    if (files.isEmpty())
        return;
    const int first = jobCount();
    if (first == 0)
        m_ext = ext;
    beginInsertRows({}, first, first + int(files.size()) - 1);
    for (const QString &file : files) {
        Job job; // the clip is the whole source
        job.SourceFile = file;
        job.OutputFile = outputFileName(file, folder, ext);
        job.TagComment = QStringLiteral("Clipvox");
        job.TagCopyright = copyright;
        JobTable.push_back(job);
        m_results.emplace_back();
    }
    endInsertRows();
    readTags(files);
    emit jobsAdded(first, int(files.size()));
    emit contentsChanged();
}

void JobQueue::remove(int row)
{
    if (!has(row))
        return;
    beginRemoveRows({}, row, row);
    JobTable.erase(JobTable.begin() + row);
    m_results.erase(m_results.begin() + row);
    endRemoveRows();
    emit jobRemoved(row);
    renumberFrom(row);
}

void JobQueue::moveUp(int row)
{
    if (!has(row))
        return;
    const int to = row > 0 ? row - 1 : jobCount() - 1;
    if (to == row)
        return;
    beginMoveRows({}, row, row, {}, row > 0 ? to : jobCount());
    if (row > 0) {
        std::swap(JobTable[size_t(row)], JobTable[size_t(to)]);
        std::swap(m_results[size_t(row)], m_results[size_t(to)]);
    } else {
        std::rotate(JobTable.begin(), JobTable.begin() + 1, JobTable.end());
        std::rotate(m_results.begin(), m_results.begin() + 1, m_results.end());
    }
    endMoveRows();
    emit jobMoved(row, to);
    renumberFrom(std::min(row, to));
}

void JobQueue::moveDown(int row)
{
    if (!has(row))
        return;
    const bool last = row == jobCount() - 1;
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
    renumberFrom(std::min(row, to));
}

void JobQueue::clear()
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

void JobQueue::setJob(int row, const Job &job)
{
    if (!has(row))
        return;
    // An edited job is a new job: only its own result goes back to "Waiting".
    JobTable[size_t(row)] = job;
    m_results[size_t(row)] = {};
    rowChanged(row);
    emit jobChanged(row);
}

void JobQueue::splitIntoChapters(int row, const QList<SourceChapter> &chapters)
{
    if (!has(row) || chapters.isEmpty())
        return;
    const QList<Job> parts = chapterJobs(JobTable[size_t(row)], chapters);
    beginRemoveRows({}, row, row);
    JobTable.erase(JobTable.begin() + row);
    m_results.erase(m_results.begin() + row);
    endRemoveRows();
    beginInsertRows({}, row, row + int(parts.size()) - 1);
    JobTable.insert(JobTable.begin() + row, parts.begin(), parts.end());
    m_results.insert(m_results.begin() + row, size_t(parts.size()), JobResult{});
    endInsertRows();
    renumberFrom(row);
    emit jobSplit(row, int(parts.size()));
    emit contentsChanged();
}

void JobQueue::rederiveOutputNames(const QString &folder, const QString &ext)
{
    const std::vector<Job> before = JobTable;
    m_ext = ext;
    if (m_pattern == QLatin1String("{name}") && m_saveTo == SaveTo::OutputFolder) {
        for (Job &job : JobTable)
            job.OutputFile = outputFileName(job.OutputFile, folder, ext);
    } else {
        QStringList sources;
        for (const Job &job : JobTable)
            sources << job.SourceFile;
        const OutputNaming naming{m_pattern, m_saveTo, folder, commonFolder(sources), ext};
        for (size_t row = 0; row < JobTable.size(); ++row) {
            Job &job = JobTable[row];
            const NameFields fields = outputNameFields(job.SourceFile, m_tags.value(job.SourceFile), int(row) + 1,
                                                        jobCount(), job.ChapterNumber, job.ChapterTitle);
            job.OutputFile = outputName(naming, outputFolder(naming, job.SourceFile), fields);
        }
    }
    // A row whose output is now another file has no result of its own yet.
    for (size_t row = 0; row < JobTable.size(); ++row)
        if (JobTable[row].OutputFile != before[row].OutputFile)
            m_results[row] = {};
    if (!JobTable.empty())
        emit dataChanged(index(0, 0), index(jobCount() - 1, JobColumnCount - 1));
    emit outputNamesChanged();
    emit contentsChanged();
}

void JobQueue::setNaming(const QString &pattern, SaveTo where)
{
    m_pattern = pattern.trimmed().isEmpty() ? QStringLiteral("{name}") : pattern;
    m_saveTo = where;
}

bool JobQueue::namesUseTags() const
{
    for (const char *field : {"{title}", "{artist}", "{album}", "{year}", "{track}"})
        if (m_pattern.contains(QLatin1String(field)))
            return true;
    return false;
}

void JobQueue::setOutputFiles(const QStringList &outputs)
{
    for (int i = 0; i < outputs.size() && has(i); ++i)
        JobTable[size_t(i)].OutputFile = outputs[i];
    if (!JobTable.empty())
        emit dataChanged(index(0, ColOutput), index(jobCount() - 1, ColOutput));
    emit outputNamesChanged();
    emit contentsChanged();
}

QList<RunJob> JobQueue::runJobs() const
{
    QList<RunJob> jobs;
    for (const Job &job : JobTable)
        jobs << RunJob{job};
    return jobs;
}

// The number column counts rows: the rows from the first moved or removed one renumber.
void JobQueue::renumberFrom(int row)
{
    if (row < jobCount())
        emit dataChanged(index(std::max(0, row), ColNumber), index(jobCount() - 1, ColNumber));
    emit contentsChanged();
}
