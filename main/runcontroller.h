// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A conversion run as the main window starts it: the engine takes a copy of the queue, its
// news reach the queue model's rows and the progress dialog, the desktop hears of it
// (launcher progress, no sleep, a notification at the end), and the end is said.
#include "engine/runengine.h"
#include "main/jobqueue.h"
#include "settings/appsettings.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

class ProgressDialog;
class RunActivity;

class RunController : public QObject
{
    Q_OBJECT
public:
    // window: the parent of the progress dialog and the end message.
    RunController(JobQueue &queue, const AppSettings &settings, QWidget *window);
    ~RunController() override; // a run still going is stopped, its partial files removed

    RunEngine *engine() const { return m_engine; }
    bool isRunning() const { return m_engine->isRunning(); }
    // The progress dialog of the run, empty when none is open.
    ProgressDialog *progressDialog() const;

    // Starts a run of the whole queue and shows its progress dialog modally; while a run goes
    // on with its dialog hidden, shows the dialog again.
    void convert();
    void showProgress();
    // Whether the end of a run that was not cancelled is said in a message ("Task complete!");
    // off while something else follows the run (the window's "When done").
    void setSayEnd(bool say) { m_sayEnd = say; }
    // The last run was cancelled.
    bool wasCancelled() const { return m_cancelled; }

signals:
    // A run started (true) or ended (false): the queue's commands are off in between.
    void runningChanged(bool running);
    // The run's total percentage; -1 once it ended.
    void percentChanged(int percent);
    // The progress dialog was closed from its title bar with the run still going (true),
    // or the run ended (false).
    void progressHidden(bool hidden);
    // The run ended and its end was said.
    void finished();

private:
    void start();
    void jobFinished(int index, RunEngine::Outcome outcome, const QString &reason);
    void ended(bool cancelled);

    JobQueue &m_queue;
    const AppSettings &m_settings;
    QWidget *m_window;
    RunEngine *m_engine;
    RunActivity *m_activity;
    QPointer<ProgressDialog> m_dialog;
    QElapsedTimer m_clock; // since the run started
    bool m_sayEnd = true;
    bool m_cancelled = false;
};

// The message at the end of a run: "Task complete!", and under it how many of the run's
// files failed, when any did.
QString runEndMessage(int failed, int total);
