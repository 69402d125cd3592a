// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conversion run, free of windows: it takes a copy of the jobs and the output settings,
// runs each job's one-pass conversion on worker threads, one or several jobs at once,
// and announces what happens as signals. The main window and the command-line mode drive
// the same engine; whoever shows the run only connects to the signals.
#include "core/outputsettings.h"
#include "engine/job.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <atomic>
#include <limits>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>
#include <vector>

struct SourceProbe;
struct ClipSource;
struct KnownLoudness;

class RunEngine : public QObject
{
    Q_OBJECT
public:
    enum Outcome { Succeeded, Failed, Stopped, Skipped };
    Q_ENUM(Outcome)

    explicit RunEngine(QObject *parent = nullptr);
    // Cancels a run that goes on and waits for its workers, then reports it stopped: no
    // partial file stays behind. Only the program's end destroys a running engine.
    ~RunEngine() override;

    // The most jobs worth running at once: the processor cores.
    static int maxParallel();

    // Starts a run on copies of the jobs and settings, up to maxParallel jobs at once (at
    // least 1). False, and nothing happens, when a run goes on or there is no job. Output
    // names are decided here for the whole run; see outputs().
    bool start(const QList<RunJob> &jobs, const OutputSettings &settings, int maxParallel = 1);
    // Asks every running job to stop and returns at once. Once their workers have ended
    // (each removes its partial output), jobFinished(Stopped) comes for each running job
    // (Succeeded for one whose file got its name just before) and runEnded(true); the run
    // goes on (isRunning) until then. Jobs not started yet get no signal. Does nothing when
    // no run goes on or it is stopping already.
    void cancel();

    bool isRunning() const { return m_active; }
    int jobCount() const { return int(m_jobs.size()); }
    // The file each job of the current (or last) run writes, by job index.
    // A skipped job's entry is the existing file it kept. A job whose output took another
    // name when it finished (a file appeared there) has that name once it has finished.
    QStringList outputs() const { return m_outputs; }
    // Why a job's output is not the name it wanted, by job index ("talk.mp3 exists and was
    // kept"); empty when it is.
    QStringList notes() const { return m_notes; }
    // The loudness (LUFS) each job's sound reached with a loudness target, by job index: NaN
    // without a target or before the job succeeded, -inf for a clip below the gate.
    std::vector<double> loudness() const { return m_loudness; }
    // The true peak (dBTP) each job's output reached where it was measured (see
    // EncodeResult::truePeakDbtp), by job index; NaN elsewhere.
    double truePeak(int index) const { return index >= 0 && size_t(index) < m_truePeak.size() ? m_truePeak[size_t(index)] : std::numeric_limits<double>::quiet_NaN(); }
    // Estimated seconds until the run ends, from the seconds of sound done so far; -1 while
    // no estimate can be made.
    qint64 secondsLeft() const;

signals:
    // Indexes are positions in the list given to start().
    void jobStarted(int index, const QString &source, const QString &output);
    // The encoding pass's progress, whole percent, only when it changes.
    void fileProgress(int index, int percent);
    // reason: why a job failed; for a skipped job, the kept file; for a success, a remark on what the encoder changed, or empty.
    void jobFinished(int index, RunEngine::Outcome outcome, const QString &reason);
    // A message for the user about a job, before it finishes (the OGG encoder's
    // "Incorrect format"), or after the run's last job where its album's ReplayGain could not
    // be written to its file (which stays, with its track's).
    void jobMessage(int index, const QString &text);
    // The first pass that measures each folder's loudness before any file is made (album
    // gain with a loudness target): whole percent of its sound, from 0, when it changes.
    void loudnessProgress(int percent);
    void runEnded(bool cancelled);

private:
    struct Running;
    // A finished job's ReplayGain measurement: see EncodeResult.
    struct Gauged
    {
        double lufs = std::numeric_limits<double>::quiet_NaN();
        double peak = 0;
        std::vector<float> blocks;
    };

    void planOutputs();
    void probeSources();
    void measured(int index, double lengthMs, const QString &error);
    std::optional<QString> clipOf(int index, ClipSource *clip) const;
    void measureAlbum();
    void writeAlbumTags();
    void fillSlots();
    std::optional<QString> startJob(int index, Running &job);
    void progress(int index, int percent);
    void finishJob(int index, Outcome outcome, QString reason);
    void reportStopped(quint64 run);
    // Runs body on the engine's thread, if the run is still the one it was posted for.
    template <typename F>
    void post(quint64 run, F &&body);

    std::vector<RunJob> m_jobs;
    OutputSettings m_settings;
    QStringList m_outputs;
    QStringList m_notes;
    std::vector<double> m_loudness;
    std::vector<double> m_truePeak;
    std::vector<bool> m_skipped;
    QSet<QString> m_planned; // every output name of the run
    std::vector<Gauged> m_gauged;
    // One gain for the files of each folder: the first pass over them, before any is encoded.
    enum class AlbumPass { None, Waiting, Measuring, Done };
    AlbumPass m_albumPass = AlbumPass::None;
    std::vector<std::shared_ptr<const KnownLoudness>> m_known;
    std::vector<QString> m_knownError; // why a job's first pass failed
    bool m_albumTags = false;          // the album's ReplayGain is being written, or was
    int m_parallel = 1;
    bool m_active = false;
    quint64 m_run = 0; // counts runs, so that news of an earlier run is ignored
    int m_next = 0;    // the next job to start
    bool m_filling = false, m_refill = false;
    std::vector<double> m_lengthMs;    // measured length, < 0 while unknown
    std::vector<QString> m_lengthError; // why a length could not be measured
    std::vector<bool> m_measured;
    std::vector<double> m_sound, m_done; // seconds of sound each job makes, and has made
    std::map<int, std::unique_ptr<Running>> m_running;
    std::vector<std::shared_ptr<const SourceProbe>> m_probes; // each job's source, probed once
    std::stop_source m_stop; // one per run
    std::shared_ptr<std::mutex> m_finishing; // a job's file is named or removed under it
    QElapsedTimer m_clock;
    QThreadPool m_pool;
    bool m_stopping = false; // cancelled, its workers not all ended yet
    std::thread m_stopWatch; // waits for them off the window's thread
};
