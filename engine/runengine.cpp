// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/runengine.h"
#include <QCoreApplication>
#include <limits>

#include "core/core.h"
#include "engine/encodestep.h"
#include "formats/registry.h"
#include "media/tags.h"
#include "media/loudness.h"
#include "media/sourceinfo.h"
#include "media/videoedit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QRandomGenerator>
#include <QSet>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <fcntl.h>
#include <optional>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

// A job between its start and its end. Its worker sets `replaced` once the finished file
// has its name: a cancel that comes after that leaves the job a success.
struct RunEngine::Running
{
    std::shared_ptr<std::atomic<bool>> replaced = std::make_shared<std::atomic<bool>>(false);
};

namespace {
// Whether anything, a link that may be gone among them, stands at path: one lstat.
bool exists(const QString &path)
{
    struct stat st = {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

const QString kTempMark = QStringLiteral(".clipvox-");

// Whether a file name has the form of the run's temporaries: no output is given one.
bool isTemporaryName(const QString &name)
{
    static const QRegularExpression form(QStringLiteral("^\\..*\\.clipvox-[0-9a-f]{6}(\\.[^.]*)?$"));
    return form.match(name).hasMatch();
}

// A hidden file of the run's own beside the output, ".name.clipvox-xxxxxx<ext>", open and
// under an advisory lock while it is written, so that no file of anyone else's is ever
// written to and no other run takes it for a stale one. The name part is shortened to keep
// within 255 bytes, so that outputs of long names can be made. It carries the sticky bit,
// which Linux ignores on files and which no output keeps: the mark that makes a file left by
// a killed run provably a temporary of ours.
struct Reserved
{
    QString path;
    int fd = -1;
    mode_t mode = 0; // its permission bits as made, without the mark
};

Reserved reserve(const QString &output, const QString &ext, QString *reason)
{
    const int slash = output.lastIndexOf(QLatin1Char('/'));
    const QString folder = output.left(slash + 1);
    QString stem = output.mid(slash + 1);
    if (const int dot = stem.lastIndexOf(QLatin1Char('.')); dot > 0)
        stem.truncate(dot);
    stem = cutToBytes(stem, kNameMax - 1 - int(kTempMark.size()) - 6 - int(QFile::encodeName(ext).size()));
    QString error;
    for (int attempt = 0; attempt < 50; ++attempt) {
        const QString tag = QString::number(QRandomGenerator::global()->bounded(0x1000000), 16).rightJustified(6, u'0');
        const QString path = folder + QLatin1Char('.') + stem + kTempMark + tag + ext;
        const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 01666);
        if (fd >= 0) {
            ::flock(fd, LOCK_EX);
            struct stat st = {};
            return {path, fd, ::fstat(fd, &st) == 0 ? st.st_mode & 0777 : mode_t(0644)};
        }
        error = QString::fromLocal8Bit(std::strerror(errno));
        if (errno != EEXIST)
            break;
    }
    *reason = QCoreApplication::translate("RunEngine", "Cannot create a file in %1: %2").arg(shellQuoted(folder), error);
    return {};
}

// Removes the temporaries in folder that a killed run left behind: files of the temporaries'
// form that carry their mark and whose lock no process holds (a run holds each of its own
// until it is done with it, so its age says nothing). A file without the mark (a user's, or
// a temporary of a version that set none) stays.
void removeStaleTemporaries(const QString &folder)
{
    const QFileInfoList entries =
        QDir(folder).entryInfoList({QStringLiteral(".*.clipvox-*")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        if (!isTemporaryName(entry.fileName()) || entry.isSymLink())
            continue;
        const QByteArray path = QFile::encodeName(entry.filePath());
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0)
            continue;
        struct stat st = {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & S_ISVTX) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.constData());
        ::close(fd);
    }
}

// Moves from onto to unless a file has that name; 0, or the error number (EEXIST when taken).
// File systems without renameat2's RENAME_NOREPLACE get a hard link and an unlink.
int moveNoReplace(const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return errno;
    if (::link(from.constData(), to.constData()) != 0)
        return errno;
    ::unlink(from.constData());
    return 0;
}

// Gives the finished file its name. With replace, a file of that name is replaced and its
// permission bits go to the new file; without, a file that appeared at the name since the
// run chose it is kept, and the output takes the next free name that no job of the run has,
// or, with skip (another run made it meanwhile), the job is skipped: *final stays empty.
bool finish(const Reserved &temp, const QString &output, int existing, const QSet<QString> &planned,
            QString *final, QString *reason)
{
    const bool replace = existing == OutputSettings::ReplaceExisting, skip = existing == OutputSettings::SkipExisting;
    const QByteArray from = QFile::encodeName(temp.path);
    int error = 0;
    // The output loses the temporaries' mark. A file system that keeps no modes ignores this.
    mode_t mode = temp.mode;
    if (replace) {
        const QByteArray to = QFile::encodeName(output);
        struct stat old = {};
        if (::stat(to.constData(), &old) == 0 && S_ISREG(old.st_mode))
            mode = old.st_mode & 06777;
        ::fchmod(temp.fd, mode);
        if (std::rename(from.constData(), to.constData()) == 0) {
            *final = output;
            return true;
        }
        error = errno;
    } else {
        ::fchmod(temp.fd, mode);
        for (int k = 1;; ++k) {
            const QString name = k == 1 ? output : numberedName(output, k);
            if (k > 1 && planned.contains(name))
                continue;
            error = moveNoReplace(from, QFile::encodeName(name));
            if (error == 0) {
                *final = name;
                return true;
            }
            if (error == EEXIST && skip)
                return true;
            if (error != EEXIST)
                break;
        }
    }
    *reason = QCoreApplication::translate("RunEngine", "Cannot write %1: %2").arg(shellQuoted(output), QString::fromLocal8Bit(std::strerror(error)));
    return false;
}

void remove(const QString &path)
{
    if (!path.isEmpty())
        QFile::remove(path);
}

// Removes a temporary where it is now: its folder may have been moved or renamed during the
// run, which the kernel's name of its open descriptor follows.
void remove(const Reserved &temp)
{
    if (temp.fd >= 0) {
        char now[4096];
        const ssize_t n = ::readlink(QByteArray("/proc/self/fd/" + QByteArray::number(temp.fd)).constData(), now, sizeof now - 1);
        if (n > 0 && now[0] == '/') {
            now[n] = 0;
            if (::unlink(now) == 0 || errno == ENOENT)
                return;
        }
    }
    remove(temp.path);
}
} // namespace

RunEngine::RunEngine(QObject *parent) : QObject(parent) {}

RunEngine::~RunEngine()
{
    cancel();
    m_pool.waitForDone();
    if (m_stopWatch.joinable())
        m_stopWatch.join();
    reportStopped(m_run); // its queued report would never arrive
}

int RunEngine::maxParallel() { return std::max(1, QThread::idealThreadCount()); }

template <typename F>
void RunEngine::post(quint64 run, F &&body)
{
    QMetaObject::invokeMethod(
        this,
        [this, run, body = std::forward<F>(body)] {
            if (run == m_run && m_active)
                body();
        },
        Qt::QueuedConnection);
}

bool RunEngine::start(const QList<RunJob> &jobs, const OutputSettings &settings, int maxParallel)
{
    if (m_active || jobs.isEmpty())
        return false;
    ++m_run;
    m_active = true;
    m_jobs.assign(jobs.begin(), jobs.end());
    m_settings = settings;
    m_parallel = std::max(1, maxParallel);
    m_next = 0;
    const size_t n = m_jobs.size();
    m_lengthMs.assign(n, -1);
    m_lengthError.assign(n, QString());
    m_measured.assign(n, false);
    m_sound.assign(n, 0);
    m_done.assign(n, 0);
    m_probes.assign(n, nullptr);
    m_stop = std::stop_source();
    m_finishing = std::make_shared<std::mutex>();
    m_loudness.assign(n, std::numeric_limits<double>::quiet_NaN());
    m_truePeak.assign(n, std::numeric_limits<double>::quiet_NaN());
    m_gauged.assign(n, Gauged());
    m_albumTags = false;
    m_albumPass = settings.LoudnessTarget != 0 && settings.ReplayGain == OutputSettings::AlbumGain ? AlbumPass::Waiting
                                                                                                    : AlbumPass::None;
    m_known.assign(n, nullptr);
    m_knownError.assign(n, QString());

    planOutputs();
    m_pool.setMaxThreadCount(m_parallel + 1);
    m_clock.start();
    probeSources();
    return true;
}

// Names are decided before any job starts, so they do not depend on which job finishes first.
// A source of the run is never replaced: its output takes the next free name. Same-name
// outputs: the first keeps the name, the others get "name (2).ext"..., whichever no job of the
// run and no file has. A file of the output's name is replaced, kept or makes the job skipped,
// as the settings say.
void RunEngine::planOutputs()
{
    const OutputSettings &settings = m_settings;
    const size_t n = m_jobs.size();
    QSet<QString> sourcePaths;
    std::set<std::pair<dev_t, ino_t>> sourceIds;
    for (const RunJob &job : m_jobs) {
        sourcePaths.insert(QFileInfo(job.SourceFile).absoluteFilePath());
        struct stat st = {};
        if (::stat(QFile::encodeName(job.SourceFile).constData(), &st) == 0)
            sourceIds.insert({st.st_dev, st.st_ino});
    }
    // A source of the run found at a path that exists (by another name: a link).
    const auto isSource = [&](const QString &path, bool exists) {
        struct stat st = {};
        return sourcePaths.contains(QFileInfo(path).absoluteFilePath())
            || (exists && ::stat(QFile::encodeName(path).constData(), &st) == 0 && sourceIds.count({st.st_dev, st.st_ino}));
    };
    // Each name is made one its folder's file system takes, and no output has the form of a
    // temporary, which the cleaning of a later run looks for.
    QHash<QString, NameRules> rules; // by folder
    const auto fitted = [&rules](const QString &path) {
        const int slash = path.lastIndexOf(QLatin1Char('/'));
        const QString folder = path.left(slash + 1);
        auto rule = rules.constFind(folder);
        if (rule == rules.constEnd())
            rule = rules.insert(folder, nameRulesFor(folder));
        QString name = fitFileName(path.mid(slash + 1), *rule);
        if (isTemporaryName(name))
            name[0] = u'_';
        return folder + name;
    };
    m_outputs.clear();
    m_notes = QStringList();
    m_skipped.assign(n, false);
    QSet<QString> taken;
    QHash<QString, int> nextNumber; // by wanted name: where the search for a free one goes on
    for (size_t i = 0; i < n; ++i) {
        const QString wanted = fitted(m_jobs[i].OutputFile);
        const QString file = shellQuoted(QFileInfo(wanted).fileName());
        const bool standing = exists(wanted);
        // A name is free when no job of the run has it and nothing stands there (no source either).
        const auto used = [&](const QString &p) { return taken.contains(p) || exists(p); };
        QString output = wanted, note;
        if (isSource(wanted, standing)) {
            output = freeName(wanted, used, &nextNumber[wanted]);
            note = QCoreApplication::translate("RunEngine", "%1 is a source of this run and was kept").arg(file);
        } else if (taken.contains(wanted) || (standing && settings.ExistingFile == OutputSettings::KeepBoth)) {
            output = freeName(wanted, used, &nextNumber[wanted]);
            if (standing)
                note = QCoreApplication::translate("RunEngine", "%1 exists and was kept").arg(file);
        } else if (standing && settings.ExistingFile == OutputSettings::SkipExisting) {
            m_skipped[i] = true;
            note = QCoreApplication::translate("RunEngine", "%1 exists and was kept").arg(shellQuoted(wanted));
        }
        if (!m_skipped[i])
            taken.insert(output);
        m_outputs << output;
        m_notes << note;
    }
    m_planned = taken;
}

// One task probes every source, in queue order, each file once (the chapters of one source
// share its probe); a job starts once its source is probed.
void RunEngine::probeSources()
{
    const quint64 run = m_run;
    QStringList sources;
    for (const RunJob &job : m_jobs)
        sources << job.SourceFile;
    QSet<QString> folders;
    for (const QString &output : std::as_const(m_outputs))
        folders.insert(QFileInfo(output).absolutePath());
    const bool cover = wantsCover(m_settings.OutputFormat, m_settings);
    m_pool.start([this, run, sources, folders, cover, stop = m_stop.get_token()] {
        for (const QString &folder : folders)
            removeStaleTemporaries(folder);
        QHash<QString, std::shared_ptr<const SourceProbe>> probes;
        for (int i = 0; i < sources.size() && !stop.stop_requested(); ++i) {
            auto known = probes.constFind(sources[i]);
            if (known == probes.constEnd()) {
                auto probe = std::make_shared<const SourceProbe>(probeSource(sources[i], stop, cover));
                if (stop.stop_requested())
                    break;
                known = probes.insert(sources[i], std::move(probe));
            }
            post(run, [this, i, probe = *known] {
                m_probes[size_t(i)] = probe;
                measured(i, probe->lengthMs, probe->lengthError);
            });
        }
    });
}

namespace {
// The clip's start and end in seconds; no end when it runs to the source's end.
std::pair<std::optional<double>, std::optional<double>> clipBounds(const Job &job)
{
    return {job.clipStart, std::isinf(job.clipEnd) ? std::nullopt : std::optional<double>(job.clipEnd)};
}

// Whether an exact chapter end is the source's: at or past the measured length. A chosen end
// is where the clip stops, even where it matches the source's length in whole seconds.
bool endsWithSource(const Job &job, double end, double lengthMs)
{
    return lengthMs >= 0 && job.exactClip && end * 1000 >= lengthMs;
}
} // namespace

void RunEngine::measured(int index, double lengthMs, const QString &error)
{
    m_lengthMs[index] = lengthMs;
    m_lengthError[index] = error;
    m_measured[index] = true;
    const RunJob &job = m_jobs[index];
    const auto [start, end] = clipBounds(job);
    const double last = end ? *end : lengthMs / 1000;
    m_sound[index] = start ? std::max(0.0, last - *start) : 0;
    if (m_albumPass == AlbumPass::Waiting && std::all_of(m_measured.begin(), m_measured.end(), [](bool b) { return b; }))
        measureAlbum();
    fillSlots();
}

// The first pass of a run that gives each folder's files one gain: every clip measured as it
// will be encoded, each folder's loudness gated over all of its files' sound, and each file's
// target its own loudness moved by the gain that brings the folder to the target.
void RunEngine::measureAlbum()
{
    m_albumPass = AlbumPass::Measuring;
    std::vector<std::pair<int, ClipSource>> clips;
    for (int i = 0; i < jobCount(); ++i) {
        ClipSource clip;
        if (!m_skipped[size_t(i)] && !clipOf(i, &clip)) {
            clip.probe = m_probes[size_t(i)];
            clips.push_back({i, clip});
        }
    }
    double total = 0; // seconds of sound to measure
    for (const auto &clip : clips)
        total += m_sound[size_t(clip.first)];
    emit loudnessProgress(0);
    m_pool.start([this, run = m_run, clips, jobs = m_jobs, settings = m_settings, outputs = m_outputs, total,
                  sound = m_sound, stop = m_stop.get_token()] {
        // Told from both measuring threads of a clip; a percentage goes out when it grows.
        std::mutex lock;
        double done = 0;
        int shown = 0;
        const auto advance = [&](double seconds, bool absolute) {
            const std::lock_guard<std::mutex> guard(lock);
            done = absolute ? std::max(done, seconds) : done + seconds;
            const int percent = total > 0 ? int(std::min(100.0, done * 100 / total)) : 0;
            if (percent > shown) {
                shown = percent;
                post(run, [this, percent] { emit loudnessProgress(percent); });
            }
        };
        const MeasureProgress progress = [&](double seconds) { advance(seconds, false); };
        double finished = 0; // seconds of the clips measured whole
        std::vector<std::shared_ptr<const KnownLoudness>> known(jobs.size());
        std::vector<QString> errors(jobs.size());
        std::vector<LoudnessMeasurement> measured(jobs.size());
        std::vector<std::vector<float>> blocks(jobs.size());
        QHash<QString, std::vector<int>> folders;
        for (const auto &[i, clip] : clips) {
            const PassOutcome o = measureJobLoudness(clip, settings.OutputFormat, settings, jobs[size_t(i)], stop,
                                                      &measured[size_t(i)], &errors[size_t(i)], progress);
            if (o == PassOutcome::Stopped || stop.stop_requested())
                return;
            finished += sound[size_t(i)];
            advance(finished, true);
            if (o == PassOutcome::Done) {
                blocks[size_t(i)] = loudnessBlocks(measured[size_t(i)]);
                folders[QFileInfo(outputs[i]).absolutePath()].push_back(i);
            }
        }
        for (const std::vector<int> &members : std::as_const(folders)) {
            std::vector<const std::vector<float> *> all;
            for (const int i : members)
                all.push_back(&blocks[size_t(i)]);
            const double album = albumLoudness(all);
            for (const int i : members) {
                auto k = std::make_shared<KnownLoudness>();
                k->measurement = measured[size_t(i)];
                k->targetLufs = std::isfinite(album) ? k->measurement.integratedLufs + settings.LoudnessTarget - album
                                                     : settings.LoudnessTarget;
                known[size_t(i)] = std::move(k);
            }
        }
        post(run, [this, known = std::move(known), errors = std::move(errors)] {
            m_known = known;
            m_knownError = errors;
            m_albumPass = AlbumPass::Done;
            fillSlots();
        });
    });
}

void RunEngine::fillSlots()
{
    // A message box shown from a signal lets events through: a second call waits for the first.
    if (m_filling) {
        m_refill = true;
        return;
    }
    m_filling = true;
    const quint64 run = m_run;
    const auto current = [this, run] { return m_active && run == m_run; };
    do {
        m_refill = false;
        while (current() && int(m_running.size()) < m_parallel && m_next < jobCount() && m_measured[m_next]
               && (m_albumPass == AlbumPass::None || m_albumPass == AlbumPass::Done)) {
            const int index = m_next++;
            m_running[index] = std::make_unique<Running>();
            if (m_skipped[index]) {
                finishJob(index, Skipped, m_notes[index]);
                continue;
            }
            const std::optional<QString> failure = startJob(index, *m_running[index]);
            if (failure && current())
                finishJob(index, Failed, *failure);
        }
    } while (m_refill && current());
    m_filling = false;
    if (current() && m_running.empty() && m_next >= jobCount()) {
        if (m_settings.LoudnessTarget == 0 && m_settings.ReplayGain == OutputSettings::AlbumGain && !m_albumTags) {
            writeAlbumTags();
            return;
        }
        m_active = false;
        emit runEnded(false);
    }
}

// Once the run's last file is done: the album's ReplayGain, gated over the sound of the
// run's files in each folder, written into each of them beside its track's.
void RunEngine::writeAlbumTags()
{
    m_albumTags = true;
    QHash<QString, std::vector<int>> folders;
    for (int i = 0; i < jobCount(); ++i)
        if (std::isfinite(m_gauged[size_t(i)].lufs))
            folders[QFileInfo(m_outputs[i]).absolutePath()].push_back(i);
    m_pool.start([this, run = m_run, folders, gauged = m_gauged, outputs = m_outputs, stop = m_stop.get_token(),
                  writer = outputFormat(m_settings.OutputFormat).tagWriter] {
        QList<std::pair<int, QString>> failures;
        for (const std::vector<int> &members : folders) {
            std::vector<const std::vector<float> *> all;
            double peak = 0;
            for (const int i : members) {
                all.push_back(&gauged[size_t(i)].blocks);
                peak = std::max(peak, gauged[size_t(i)].peak);
            }
            const double album = albumLoudness(all);
            for (const int i : members) {
                if (stop.stop_requested())
                    return;
                OutputTags info;
                info.infoReplayGain = {replayGainDb(gauged[size_t(i)].lufs), gauged[size_t(i)].peak, replayGainDb(album), peak};
                if (!info.writeReplayGain(outputs[i], writer))
                    failures.append({i, QCoreApplication::translate("RunEngine", "The album's ReplayGain could not be written: %1")
                                            .arg(info.lastErrorText())});
            }
        }
        post(run, [this, failures] {
            for (const auto &[index, text] : failures) {
                emit jobMessage(index, text);
                if (!m_active || m_stopping)
                    return;
            }
            m_active = false;
            emit runEnded(false);
        });
    });
}

// Checks the job and starts its worker. Returns why the job fails before that, or nothing
// (started, or the run was cancelled meanwhile). Nothing here touches the disk.
std::optional<QString> RunEngine::startJob(int index, Running &r)
{
    const quint64 run = m_run;
    const RunJob &job = m_jobs[index];
    const QString output = m_outputs[index];
    const int format = m_settings.OutputFormat;
    bool incorrectFormat = false;
    ClipSource clip;
    QString reason = clipOf(index, &clip).value_or(QString());
    clip.probe = m_probes[size_t(index)];
    if (reason.isEmpty() && !m_knownError[size_t(index)].isEmpty())
        reason = m_knownError[size_t(index)];
    // The encoder's set-up is checked before any work, which it would waste.
    if (reason.isEmpty()) {
        // FLAC's "Same as source" is the source's rate and size, which FLAC always takes.
        SourceSound source;
        source.rate = 44100;
        const WriterPlan plan = planWriter(format, m_settings, source);
        reason = plan.reason;
        incorrectFormat = plan.incorrectFormat;
    }

    emit jobStarted(index, job.SourceFile, output);
    if (!(run == m_run && m_active && m_running.count(index)))
        return std::nullopt;
    if (!reason.isEmpty()) {
        if (incorrectFormat) {
            emit jobMessage(index, QCoreApplication::translate("RunEngine", "Incorrect format"));
            if (!(run == m_run && m_active && m_running.count(index)))
                return std::nullopt;
        }
        return reason;
    }

    // The worker makes the hidden output, converts into it in one pass, and gives it its name,
    // or removes it: a slow folder never stalls the window.
    m_pool.start([this, run, index, clip, output, format, settings = m_settings, job = m_jobs[index],
                  known = m_known[size_t(index)], planned = m_planned, stop = m_stop.get_token(), finishing = m_finishing,
                  replaced = r.replaced] {
        QString reason, final;
        const Reserved temp = reserve(output, output.mid(output.lastIndexOf(QLatin1Char('.'))), &reason);
        EncodeResult result;
        if (temp.fd < 0)
            result.reason = reason;
        else
            result = encodeClip(
                clip, temp.path, format, settings, job, stop,
                [&](int percent) { post(run, [this, index, percent] { progress(index, percent); }); }, known.get());
        {
            // Under the lock a cancel either comes first (the file goes) or finds it named.
            std::lock_guard lock(*finishing);
            result.stopped = result.stopped || stop.stop_requested();
            if (result.ok && !result.stopped) {
                result.ok = finish(temp, output, settings.ExistingFile, planned, &final, &result.reason);
                *replaced = result.ok && !final.isEmpty();
            }
            if (!result.ok || result.stopped || final.isEmpty())
                remove(temp);
        }
        // The hidden file is the program's own business: a reason names the output.
        if (temp.fd >= 0)
            result.reason.replace(temp.path, output).replace(QFileInfo(temp.path).fileName(), QFileInfo(output).fileName());
        if (temp.fd >= 0)
            ::close(temp.fd);
        post(run, [this, index, result = std::move(result), output, final] {
            if (result.stopped)
                return; // cancel() has dealt with the job
            if (result.ok && final.isEmpty()) { // another run made the output meanwhile
                m_notes[index] = QCoreApplication::translate("RunEngine", "%1 exists and was kept").arg(shellQuoted(output));
                finishJob(index, Skipped, m_notes[index]);
                return;
            }
            if (result.ok && final != output) {
                m_outputs[index] = final;
                m_notes[index] = QCoreApplication::translate("RunEngine", "%1 appeared during the run and was kept")
                                     .arg(shellQuoted(QFileInfo(output).fileName()));
            }
            if (result.ok) {
                m_loudness[index] = result.loudnessLufs;
                m_truePeak[size_t(index)] = result.truePeakDbtp;
                m_gauged[size_t(index)] = {result.trackLufs, result.trackPeak, result.trackBlocks};
            }
            finishJob(index, result.ok ? Succeeded : Failed, result.ok ? result.remark : result.reason);
        });
    });
    return std::nullopt;
}

// The clip of a job from its times and its source's length, or why it has none.
std::optional<QString> RunEngine::clipOf(int index, ClipSource *clip) const
{
    const RunJob &job = m_jobs[index];
    QString reason;
    // A clip that runs to the source's end needs the source's length.
    const auto [start, end] = clipBounds(job);
    const double lengthMs = m_lengthMs[index];
    // The reasons show the times as the queue does, in whole seconds.
    const auto shown = [](double seconds) { return secondsToTime(qint64(seconds)); };
    double clipEnd = VideoEdit::ToEnd;
    if (!end && lengthMs < 0) {
        const QString why = m_lengthError[index];
        reason = QCoreApplication::translate("RunEngine", "Cannot measure the length of the source: %1")
                     .arg(why.isEmpty() ? QCoreApplication::translate("RunEngine", "unknown reason") : why);
    } else if (lengthMs >= 0 && *start * 1000.0 >= lengthMs) {
        reason = QCoreApplication::translate("RunEngine", "The clip's start (%1) is past the end of the source (%2 s)")
                     .arg(shown(*start))
                     .arg(lengthMs / 1000, 0, 'f', 1);
    } else if (end && !endsWithSource(job, *end, lengthMs)) {
        clipEnd = *end;
        if (!(clipEnd > *start))
            reason = QCoreApplication::translate("RunEngine", "The clip's end (%1) is not after its start (%2)")
                         .arg(shown(clipEnd), shown(*start));
    }
    if (!reason.isEmpty())
        return reason;
    *clip = ClipSource{job.SourceFile, *start, clipEnd};
    return std::nullopt;
}

void RunEngine::progress(int index, int percent)
{
    if (!m_running.count(index))
        return;
    m_done[index] = m_sound[index] * percent / 100;
    emit fileProgress(index, percent);
}

void RunEngine::finishJob(int index, Outcome outcome, QString reason)
{
    const auto it = m_running.find(index);
    if (it == m_running.end())
        return;
    std::unique_ptr<Running> r = std::move(it->second);
    m_running.erase(it);
    // A failed job needs no more work: it leaves the estimate.
    if (outcome == Failed)
        m_sound[index] = 0;
    m_done[index] = m_sound[index];
    r.reset();
    emit jobFinished(index, outcome, reason);
    fillSlots();
}

void RunEngine::cancel()
{
    if (!m_active || m_stopping)
        return;
    {
        std::lock_guard lock(*m_finishing);
        m_stop.request_stop();
    }
    m_stopping = true;
    // From here on the workers' news is ignored, and no job or pass starts.
    const quint64 run = ++m_run;
    // Every phase of a job sees the stop within a fraction of a second.
    if (m_stopWatch.joinable())
        m_stopWatch.join();
    m_stopWatch = std::thread([this, run] {
        m_pool.waitForDone();
        QMetaObject::invokeMethod(this, [this, run] { reportStopped(run); }, Qt::QueuedConnection);
    });
}

// The workers of a cancelled run have ended.
void RunEngine::reportStopped(quint64 run)
{
    if (!m_stopping || run != m_run)
        return;
    if (m_stopWatch.joinable())
        m_stopWatch.join(); // it has nothing left to do
    m_stopping = false;
    m_active = false;
    std::map<int, std::unique_ptr<Running>> stopped;
    stopped.swap(m_running);
    // A job whose file got its name before the stop is a success; the others removed theirs.
    QList<std::pair<int, bool>> ends;
    for (auto &[index, r] : stopped)
        ends.append({index, r->replaced->load()});
    stopped.clear();
    for (const auto &[index, done] : ends)
        emit jobFinished(index, done ? Succeeded : Stopped, QString());
    emit runEnded(true);
}

qint64 RunEngine::secondsLeft() const
{
    if (!m_active)
        return -1;
    double total = 0, done = 0;
    for (size_t i = 0; i < m_jobs.size(); ++i) {
        if (!m_measured[i])
            return -1;
        total += m_sound[i];
        done += m_done[i];
    }
    const double elapsed = m_clock.elapsed() / 1000.0;
    if (done <= 0 || elapsed < 1)
        return -1;
    return qint64(std::ceil(std::max(0.0, total - done) * elapsed / done));
}
