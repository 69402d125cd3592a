// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conversion queue as a table model: the jobs in order, each with the result of its
// last run, and the one tag switch for all of them. The main window's view shows it, a run
// takes a copy of it, and the queue file keeps it between sessions.
#include "core/core.h"
#include "engine/outputname.h"
#include "engine/runengine.h"
#include "media/sourceinfo.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QThreadPool>
#include <atomic>
#include <memory>
#include <vector>

// Columns of the queue.
enum JobColumn { ColNumber, ColSource, ColStart, ColEnd, ColConvertTo, ColOutput, ColStatus, JobColumnCount };
// The status cell's English status (what the program counts and compares); its display
// text is the translated one.
constexpr int kStatusRole = Qt::UserRole + 2;

// What the last run made of a job.
struct JobResult
{
    enum State { Waiting, Converting, Done, Failed, Stopped, Skipped };
    State state = Waiting;
    int percent = 0; // while converting
    QString reason;  // why it failed or was skipped; what the encoder changed of a done job
    QString note;    // why the output's name is not the wanted one
    bool operator==(const JobResult &) const = default;
};
// The status text of a state in English, as the program compares it ("100%" for Done).
const char *StatusText(JobResult::State state);

// One row of the queue.
struct QueueRow
{
    TJob job;
    JobResult result;
    bool operator==(const QueueRow &) const = default;
};

// The queue's tooltip of a row's source: the file and the sound track its job converts.
QString JobToolTip(const TJob &job);

class TJobQueue : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit TJobQueue(QObject *parent = nullptr) : QAbstractTableModel(parent) {}
    ~TJobQueue() override; // waits for the sources' tags still being read

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : JobCount(); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : JobColumnCount; }
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    int JobCount() const { return int(JobTable.size()); }
    // The job of a row, counted from 0; raises ClipvoxError for a row the queue has not.
    const TJob &Job(int row) const;
    // Whether the encoding step writes tags; one switch for all jobs, off at start.
    bool TagsEnabled() const { return m_tagsEnabled; }
    void SetTagsEnabled(bool on);

    // Appends a job per file: the clip is the whole source, the comment "Clipvox", the
    // copyright the given address, the output named by the rule in folder with ext.
    void Add(const QStringList &files, const QString &folder, const QString &ext, const QString &copyright);
    // Each does nothing for a row the queue has not.
    void Remove(int row);
    // One place up or down; the first row moved up goes last, the last moved down first.
    void MoveUp(int row);
    void MoveDown(int row);
    void Clear();
    // Replaces a job with an edited copy of it.
    void SetJob(int row, const TJob &job);
    // Replaces the job of a row, in place, by one job per chapter (ChapterJobs), and turns
    // the tag switch on so their titles are written. Nothing happens for a row the queue has
    // not or without chapters.
    void SplitIntoChapters(int row, const QList<SourceChapter> &chapters);
    // Every output name by the naming rule from its current name, in folder with ext; with
    // a pattern other than "{name}" or outputs not all in folder, by outputName from the
    // source, its tags and its row.
    void RederiveOutputNames(const QString &folder, const QString &ext);
    // The name pattern and where outputs go, for the next RederiveOutputNames.
    void SetNaming(const QString &pattern, SaveTo where);
    // The tags a source's container holds, read in the background when it was added;
    // empty until sourceTagsRead.
    SourceTags Tags(const QString &source) const { return m_tags.value(source); }
    // Whether the output names depend on the sources' tags.
    bool NamesUseTags() const;
    // The names a run decided, by row (same-name outputs told apart).
    void SetOutputFiles(const QStringList &outputs);
    // A copy for a run: every job with the tag switch as it is now.
    QList<TRunJob> RunJobs() const;

    // The result of a row's last run; setting one changes only that row.
    const JobResult &Result(int row) const;
    void SetResult(int row, const JobResult &result);
    // Every row back to "Waiting", as a new run starts.
    void ResetResults();
    // Removes the rows given (in any order); the rest keep their results.
    void RemoveRows(QList<int> rows);
    // Moves the rows given one place up or down, each keeping its result; a single row
    // wraps round as MoveUp and MoveDown do, a group stops at the end. Returns the rows'
    // new places.
    QList<int> MoveRows(QList<int> rows, bool up);
    // The whole queue, for undo and the queue file, and putting one back.
    std::vector<QueueRow> Rows() const;
    void SetRows(std::vector<QueueRow> rows, bool tagsEnabled);
    // What "Convert To" shows, for jobs put back rather than added.
    void SetExtension(const QString &ext);
    // Reads the tags of sources that were put back rather than added.
    void ReadTags(const QStringList &sources);

signals:
    void jobsAdded(int first, int count);
    void jobRemoved(int row);
    void jobMoved(int from, int to);
    void jobChanged(int row);
    void jobSplit(int row, int count); // the row's job became jobs row .. row + count - 1
    void cleared();
    void outputNamesChanged();
    void tagsEnabledChanged(bool on);
    // A source's tags were read (on the queue's thread, after Add).
    void sourceTagsRead(const QString &source);
    // Anything the queue file keeps changed: a job, a result, the order or the tag switch.
    void contentsChanged();

private:
    bool Has(int row) const { return row >= 0 && row < JobCount(); }
    void RowChanged(int row);
    void RenumberFrom(int row);

    std::vector<TJob> JobTable; // row r holds job r + 1 of the list
    std::vector<JobResult> m_results; // by row, beside JobTable
    QString m_ext; // what "Convert To" shows
    bool m_tagsEnabled = false;
    QString m_pattern = QStringLiteral("{name}");
    SaveTo m_saveTo = SaveTo::OutputFolder;
    QHash<QString, SourceTags> m_tags; // by source path
    QThreadPool m_readers;
    std::shared_ptr<std::atomic_bool> m_stop = std::make_shared<std::atomic_bool>(false);
};
