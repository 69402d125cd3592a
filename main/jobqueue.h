// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conversion queue as a table model: the jobs in order, each with the result of its
// last run. The main window's view shows it, a run
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
const char *statusText(JobResult::State state);

// One row of the queue.
struct QueueRow
{
    Job job;
    JobResult result;
    bool operator==(const QueueRow &) const = default;
};

// The queue's tooltip of a row's source: the file and the sound track its job converts.
QString jobToolTip(const Job &job);

class JobQueue : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit JobQueue(QObject *parent = nullptr);
    ~JobQueue() override; // waits for the sources' tags still being read

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : jobCount(); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : JobColumnCount; }
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    int jobCount() const { return int(JobTable.size()); }
    // The job of a row, counted from 0; raises ClipvoxError for a row the queue has not.
    const Job &job(int row) const;

    // Appends a job per file: the clip is the whole source, the comment "Clipvox", the
    // copyright the given address, the output named by the rule in folder with ext.
    void add(const QStringList &files, const QString &folder, const QString &ext, const QString &copyright);
    // Each does nothing for a row the queue has not.
    void remove(int row);
    // One place up or down; the first row moved up goes last, the last moved down first.
    void moveUp(int row);
    void moveDown(int row);
    void clear();
    // Replaces a job with an edited copy of it.
    void setJob(int row, const Job &job);
    // Replaces the job of a row, in place, by one job per chapter (chapterJobs), each with
    // its tags on so that its title is written. Nothing happens for a row the queue has
    // not or without chapters.
    void splitIntoChapters(int row, const QList<SourceChapter> &chapters);
    // Every output name by the naming rule from its current name, in folder with ext; with
    // a pattern other than "{name}" or outputs not all in folder, by outputName from the
    // source, its tags and its row.
    void rederiveOutputNames(const QString &folder, const QString &ext);
    // The name pattern and where outputs go, for the next rederiveOutputNames.
    void setNaming(const QString &pattern, SaveTo where);
    // The tags a source's container holds, read in the background when it was added;
    // empty until sourceTagsRead.
    SourceTags tags(const QString &source) const { return m_tags.value(source); }
    // Whether the output names depend on the sources' tags.
    bool namesUseTags() const;
    // The names a run decided, by row (same-name outputs told apart).
    void setOutputFiles(const QStringList &outputs);
    // A copy for a run.
    QList<RunJob> runJobs() const;

    // The result of a row's last run; setting one changes only that row.
    const JobResult &result(int row) const;
    void setResult(int row, const JobResult &result);
    // Every row back to "Waiting", as a new run starts.
    void resetResults();
    // Removes the rows given (in any order); the rest keep their results.
    void removeJobs(QList<int> rows);
    // Moves the rows given one place up or down, each keeping its result; a single row
    // wraps round as moveUp and moveDown do, a group stops at the end. Returns the rows'
    // new places.
    QList<int> moveJobs(QList<int> rows, bool up);
    // The whole queue, for undo and the queue file, and putting one back.
    std::vector<QueueRow> rows() const;
    // Whether the queue holds these rows, compared in place.
    bool holds(const std::vector<QueueRow> &rows) const;
    void setRows(std::vector<QueueRow> rows);
    // What "Convert To" shows, for jobs put back rather than added.
    void setExtension(const QString &ext);
    // Reads the tags of sources that were put back rather than added.
    void readTags(const QStringList &sources);

signals:
    void jobsAdded(int first, int count);
    void jobRemoved(int row);
    void jobMoved(int from, int to);
    void jobChanged(int row);
    void jobSplit(int row, int count); // the row's job became jobs row .. row + count - 1
    void cleared();
    void outputNamesChanged();
    // A source's tags were read (on the queue's thread, after Add).
    void sourceTagsRead(const QString &source);
    // Anything the queue file keeps changed: a job, a result or the order.
    void contentsChanged();

private:
    bool has(int row) const { return row >= 0 && row < jobCount(); }
    // What the Source or Output column shows of a path: its file name, with as many of its
    // folders before it as tell it apart from another row's file of the same name.
    QString shownName(const QString &path, int column) const;
    void rowChanged(int row);
    void renumberFrom(int row);

    std::vector<Job> JobTable; // row r holds job r + 1 of the list
    std::vector<JobResult> m_results; // by row, beside JobTable
    QString m_ext; // what "Convert To" shows
    QString m_pattern = QStringLiteral("{name}");
    SaveTo m_saveTo = SaveTo::OutputFolder;
    QHash<QString, SourceTags> m_tags; // by source path
    // The shown names of paths whose file name another row's file shares, by column; made
    // again when a name may have changed.
    mutable QHash<QString, QString> m_shownSources, m_shownOutputs;
    mutable bool m_namesDirty = true;
    bool m_resultOnly = false; // a row's result changes, not its names
    QThreadPool m_readers;
    std::shared_ptr<std::atomic_bool> m_stop = std::make_shared<std::atomic_bool>(false);
};
