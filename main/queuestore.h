// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The queue file: the queue and its results, written atomically after each change and read
// back at the next start, so that a quit, a crash or a power cut loses nothing.
#include "core/result.h"
#include "main/jobqueue.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <atomic>

// The queue as the file holds it (compact JSON), and back: the reason for a text that is not
// a queue.
struct QueueContents
{
    std::vector<QueueRow> rows;
};
QByteArray encodeQueue(const std::vector<QueueRow> &rows);
Result<QueueContents> decodeQueue(const QByteArray &text);

class QueueStore : public QObject
{
    Q_OBJECT
public:
    // Keeps queue in the file at path from now on; nothing is read yet.
    QueueStore(JobQueue &queue, QString path, QObject *parent = nullptr);
    ~QueueStore() override; // writes what is still to be written, and waits for it

    QString path() const { return m_path; }
    // Puts the saved queue into the queue. A source that has gone reads "Failed" with its
    // reason. A file that is not a queue is kept under a free ".bad" name, never written
    // over, and the queue starts empty: the failure's reason then says so for the user.
    Result<void> restore();
    // Writes the queue now, on the calling thread.
    Result<void> saveNow();

signals:
    // A write failed; said once until a write works again.
    void saveFailed(const QString &reason);

private:
    void saveSoon();
    QTimer m_soon;
    JobQueue &m_queue;
    QString m_path;
    QThreadPool m_writer; // one thread: the writes land in the order of the changes
    std::atomic<quint64> m_generation{0};
    bool m_failing = false;
    bool m_keepOff = false; // a file that could not be read nor moved aside is never written over
};
