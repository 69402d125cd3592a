// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/queuestore.h"

#include "core/core.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <cmath>
#include <optional>

namespace {
const QLatin1String kKind("clipvox-queue");
constexpr int kVersion = 1;

// Short keys and no default values keep a queue of thousands of jobs small.
template <typename T>
void put(QJsonObject &o, const char *key, const T &value, const T &def)
{
    if (value != def)
        o.insert(QLatin1String(key), value);
}

const char *const kStates[] = {"waiting", "converting", "done", "failed", "stopped", "skipped"};

QJsonObject encodeRow(const QueueRow &row)
{
    const Job &j = row.job;
    QJsonObject o;
    o.insert(QLatin1String("src"), j.SourceFile);
    o.insert(QLatin1String("out"), j.OutputFile);
    // The clip in seconds; JSON has no infinity, so the source's end is left out.
    put(o, "clipStart", j.clipStart, 0.0);
    if (!std::isinf(j.clipEnd))
        o.insert(QLatin1String("clipEnd"), j.clipEnd);
    put(o, "exact", j.exactClip, false);
    put(o, "toEnd", j.endShowsLength, false);
    put(o, "len", j.Duration, 0);
    put(o, "title", j.TagTitle, QString());
    put(o, "artist", j.TagArtist, QString());
    put(o, "album", j.TagAlbum, QString());
    put(o, "comment", j.TagComment, QString());
    put(o, "copyright", j.TagCopyright, QString());
    put(o, "year", j.TagYear, 0);
    put(o, "track", j.TagTrack, 0);
    put(o, "genre", j.TagGenre, -1);
    put(o, "tags", j.TagsEnabled, false);
    put(o, "sound", j.SoundTrack, 0);
    put(o, "soundName", j.SoundTrackName, QString());
    put(o, "chapter", j.ChapterNumber, 0);
    put(o, "chapterTitle", j.ChapterTitle, QString());
    // A job cut short by a crash is waiting again.
    const JobResult::State state = row.result.state == JobResult::Converting ? JobResult::Waiting : row.result.state;
    if (state != JobResult::Waiting)
        o.insert(QLatin1String("state"), QLatin1String(kStates[state]));
    put(o, "reason", row.result.reason, QString());
    put(o, "note", row.result.note, QString());
    return o;
}

// The clip of a job written before the clip was kept in seconds: the times as "hh:mm:ss"
// texts ("start", "end", read as leniently as they were), a chapter's exact clip ("from",
// "to": -1 for the source's end) beside them, and "toEnd" for an end that shows the measured
// length. An end of "Max" or one that is no time is the source's end. False for a start that
// is no time.
bool decodeOldClip(const QJsonObject &o, Job &j)
{
    const std::optional<int> start = parseTime(o.value(QLatin1String("start")).toString());
    const QString endText = o.value(QLatin1String("end")).toString(QStringLiteral("Max"));
    const bool max = endText.compare(QLatin1String("Max"), Qt::CaseInsensitive) == 0;
    const std::optional<int> end = max ? std::nullopt : parseTime(endText);
    j.endShowsLength = o.value(QLatin1String("toEnd")).toBool(false) && !max;
    if (o.contains(QLatin1String("from"))) {
        j.exactClip = true;
        j.clipStart = std::max(0.0, o.value(QLatin1String("from")).toDouble(0));
        const double to = o.value(QLatin1String("to")).toDouble(-1);
        j.clipEnd = to < 0 ? Job::ToEnd : to;
    } else {
        j.clipStart = start.value_or(0);
        j.clipEnd = end && !j.endShowsLength ? double(*end) : Job::ToEnd;
    }
    j.endShowsLength = j.endShowsLength && std::isinf(j.clipEnd);
    return j.exactClip || start.has_value();
}

bool decodeRow(const QJsonObject &o, QueueRow &row)
{
    const auto text = [&](const char *key, const QString &def = {}) { return o.value(QLatin1String(key)).toString(def); };
    const auto number = [&](const char *key) { return o.value(QLatin1String(key)).toInt(0); };
    Job &j = row.job;
    j.SourceFile = text("src");
    j.OutputFile = text("out");
    if (j.SourceFile.isEmpty() || j.OutputFile.isEmpty())
        return false;
    // A file written before the clip was kept in seconds has its times as texts.
    bool clipRead = true, timesRead = true;
    if (o.contains(QLatin1String("start")) || o.contains(QLatin1String("end")) || o.contains(QLatin1String("from"))) {
        clipRead = decodeOldClip(o, j);
    } else {
        j.clipStart = std::max(0.0, o.value(QLatin1String("clipStart")).toDouble(0));
        j.clipEnd = o.contains(QLatin1String("clipEnd")) ? o.value(QLatin1String("clipEnd")).toDouble(0) : Job::ToEnd;
        j.exactClip = o.value(QLatin1String("exact")).toBool(false);
        j.endShowsLength = o.value(QLatin1String("toEnd")).toBool(false);
        // A hand-edited file may hold anything: times past what a clock shows, or an end not
        // after the start, fail the job with the reason and leave the clip whole.
        constexpr double kLongest = 1e7; // seconds, about 2,800 hours
        const double start = o.value(QLatin1String("clipStart")).toDouble(0);
        if (!(start >= 0 && start < kLongest) || !(std::isinf(j.clipEnd) || (j.clipEnd > start && j.clipEnd <= kLongest))) {
            j.clipStart = 0;
            j.clipEnd = Job::ToEnd;
            timesRead = false;
        }
    }
    j.Duration = number("len");
    j.TagTitle = text("title");
    j.TagArtist = text("artist");
    j.TagAlbum = text("album");
    j.TagComment = text("comment");
    j.TagCopyright = text("copyright");
    j.TagYear = number("year");
    j.TagTrack = number("track");
    j.TagGenre = o.value(QLatin1String("genre")).toInt(-1);
    j.TagsEnabled = o.value(QLatin1String("tags")).toBool(false);
    j.SoundTrack = number("sound");
    j.SoundTrackName = text("soundName");
    j.ChapterNumber = number("chapter");
    j.ChapterTitle = text("chapterTitle");
    const QString state = text("state", QStringLiteral("waiting"));
    row.result = {};
    for (int s = 0; s < int(std::size(kStates)); ++s)
        if (state == QLatin1String(kStates[s]))
            row.result.state = JobResult::State(s);
    if (row.result.state == JobResult::Converting)
        row.result.state = JobResult::Waiting;
    row.result.reason = text("reason");
    row.result.note = text("note");
    // A start that is no time cannot be cut: the job stays, failed with the reason, and
    // starts at the source's start until it is edited.
    if (!clipRead)
        row.result = {JobResult::Failed, 0,
                      QCoreApplication::translate("QueueStore", "The start time \"%1\" is not a time (hh:mm:ss)").arg(text("start")),
                      {}};
    else if (!timesRead)
        row.result = {JobResult::Failed, 0, QCoreApplication::translate("QueueStore", "The clip's times in the saved queue were not times"), {}};
    return true;
}

constexpr qint64 kMaxQueueFileSize = 64 << 20;

// A name beside path that no file has: path.bad, path.bad.2, ...
QString freeBadName(const QString &path)
{
    QString name = path + QStringLiteral(".bad");
    for (int n = 2; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++n)
        name = path + QStringLiteral(".bad.%1").arg(n);
    return name;
}

Result<void> writeFile(const QString &path, const QByteArray &data)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return Failure{QCoreApplication::translate("QueueStore", "Unable to create the folder %1").arg(QFileInfo(path).absolutePath())};
    // Unbuffered, so that a short write (a full disk, a size limit) is seen here and the save
    // is cancelled: a buffered one fails at commit's flush, which still renames a cut file over
    // the good one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(data) != data.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Failure{reason};
    }
    if (!file.commit())
        return Failure{file.errorString()};
    return {};
}
} // namespace

QByteArray encodeQueue(const std::vector<QueueRow> &rows)
{
    QJsonArray jobs;
    for (const QueueRow &row : rows)
        jobs.append(encodeRow(row));
    QJsonObject root;
    root.insert(QLatin1String("kind"), kKind);
    root.insert(QLatin1String("version"), kVersion);
    root.insert(QLatin1String("jobs"), jobs);
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

Result<QueueContents> decodeQueue(const QByteArray &text)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError)
        return Failure{error.errorString()};
    const QJsonObject root = doc.object();
    if (root.value(QLatin1String("kind")).toString() != kKind || root.value(QLatin1String("version")).toInt() != kVersion
        || !root.value(QLatin1String("jobs")).isArray())
        return Failure{QCoreApplication::translate("QueueStore", "not a Clipvox queue")};
    QueueContents contents;
    // A file of the time when one tag switch served the whole queue: the rows that hold
    // tags of their own keep them on, the others carry their sources' tags.
    const bool oldSwitch = root.value(QLatin1String("tags")).toBool(false);
    for (const QJsonValue &value : root.value(QLatin1String("jobs")).toArray()) {
        QueueRow row;
        if (!value.isObject() || !decodeRow(value.toObject(), row))
            return Failure{QCoreApplication::translate("QueueStore", "a job without its source or output")};
        Job &j = row.job;
        if (oldSwitch && !value.toObject().contains(QLatin1String("tags")))
            j.TagsEnabled = !j.TagTitle.isEmpty() || !j.TagArtist.isEmpty() || !j.TagAlbum.isEmpty() || j.TagYear != 0
                || j.TagTrack != 0 || j.ChapterNumber > 0;
        contents.rows.push_back(std::move(row));
    }
    return contents;
}

QueueStore::QueueStore(JobQueue &queue, QString path, QObject *parent)
    : QObject(parent), m_queue(queue), m_path(std::move(path))
{
    m_writer.setMaxThreadCount(1);
    // A burst of changes (a drop of many files, a run's news) is written once.
    m_soon.setSingleShot(true);
    m_soon.setInterval(0);
    connect(&m_soon, &QTimer::timeout, this, [this] { saveSoon(); });
    connect(&m_queue, &JobQueue::contentsChanged, &m_soon, qOverload<>(&QTimer::start));
}

QueueStore::~QueueStore()
{
    if (m_soon.isActive())
        saveSoon();
    m_writer.waitForDone();
}

Result<void> QueueStore::restore()
{
    QFile file(m_path);
    if (!file.exists())
        return {};
    // A regular file of a sane size only: a pipe would block the start, a device never end.
    const QFileInfo info(m_path);
    Result<QueueContents> read = Failure{};
    if (!info.isFile())
        read = Failure{QCoreApplication::translate("QueueStore", "not a regular file")};
    else if (info.size() > kMaxQueueFileSize)
        read = Failure{QCoreApplication::translate("QueueStore", "larger than %1 MB").arg(kMaxQueueFileSize >> 20)};
    else if (!file.open(QIODevice::ReadOnly))
        read = Failure{file.errorString()};
    else
        read = decodeQueue(file.read(kMaxQueueFileSize + 1));
    if (read) {
        const QString gone = QCoreApplication::translate("QueueStore", "the source no longer exists");
        QStringList sources;
        for (QueueRow &row : read->rows) {
            if (!QFileInfo::exists(row.job.SourceFile))
                row.result = {JobResult::Failed, 0, gone, {}};
            else
                sources << row.job.SourceFile;
        }
        const QSignalBlocker quiet(&m_soon);
        m_queue.setRows(std::move(read->rows));
        m_soon.stop(); // what was read needs no writing
        m_queue.readTags(sources);
        return {};
    }
    file.close();
    // Kept for whoever wants to look at it; the next save starts a new file.
    const QString bad = freeBadName(m_path);
    const bool kept = QFile::rename(m_path, bad);
    m_keepOff = !kept;
    return Failure{QCoreApplication::translate("QueueStore", "The saved queue could not be read (%1). %2 The queue starts empty.")
                       .arg(read.reason(), kept ? QCoreApplication::translate("QueueStore", "It was kept as %1.").arg(QDir::toNativeSeparators(bad))
                                                : QCoreApplication::translate("QueueStore", "It was left at %1 and will not be saved over.")
                                                      .arg(QDir::toNativeSeparators(m_path)))};
}

Result<void> QueueStore::saveNow()
{
    m_soon.stop();
    if (m_keepOff)
        return Failure{QCoreApplication::translate("QueueStore", "It was left at %1 and will not be saved over.")
                           .arg(QDir::toNativeSeparators(m_path))};
    ++m_generation;
    m_writer.waitForDone();
    return writeFile(m_path, encodeQueue(m_queue.rows()));
}

// The rows are copied here (their texts are shared, not copied) and turned into the file's
// text and written on the writer's thread, so the window never waits for the disk.
void QueueStore::saveSoon()
{
    if (m_keepOff)
        return;
    const quint64 generation = ++m_generation;
    m_writer.start([this, generation, rows = m_queue.rows()] {
        if (generation != m_generation)
            return; // a newer change is on its way
        const Result<void> written = writeFile(m_path, encodeQueue(rows));
        QMetaObject::invokeMethod(this, [this, written] {
            if (!written && !m_failing)
                emit saveFailed(written.reason());
            m_failing = !written;
        }, Qt::QueuedConnection);
    });
}
