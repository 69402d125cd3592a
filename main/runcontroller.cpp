// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/runcontroller.h"

#include "desktop/application.h"
#include "desktop/desktop.h"
#include "desktop/notify.h"
#include "desktop/runactivity.h"
#include "progress/execute.h"

#include <QApplication>
#include <cmath>

namespace {
// Rows in a state.
int RowsWith(const TJobQueue &queue, JobResult::State state)
{
    int n = 0;
    for (int r = 0; r < queue.JobCount(); ++r)
        n += queue.Result(r).state == state;
    return n;
}
} // namespace

RunController::RunController(TJobQueue &queue, const TSettings &settings, QWidget *window)
    : QObject(window), m_queue(queue), m_settings(settings), m_window(window), m_engine(new TRunEngine(this)),
      m_activity(new TRunActivity(this))
{
    connect(m_engine, &TRunEngine::jobStarted, this, [this](int index) {
        JobResult result = m_queue.Result(index);
        result.state = JobResult::Converting;
        m_queue.SetResult(index, result);
    });
    connect(m_engine, &TRunEngine::jobFinished, this, &RunController::jobFinished);
    connect(m_engine, &TRunEngine::jobMessage, this, [this](int, const QString &text) {
        Desktop::instance().message(m_dialog ? static_cast<QWidget *>(m_dialog.data()) : m_window, QMessageBox::NoIcon,
                                    QStringLiteral("Clipvox"), text);
    });
    connect(m_engine, &TRunEngine::runEnded, this, [this](bool cancelled) { Guarded([&] { ended(cancelled); }); });
}

// The engine stops a run still going and waits for its workers (the program is ending), and
// its last news reaches the rows while they still exist.
RunController::~RunController() { delete m_engine; }

TExecForm *RunController::progressDialog() const { return m_dialog; }

void RunController::convert()
{
    // While a run goes on without its dialog, the button shows the dialog again.
    if (isRunning()) {
        showProgress();
        return;
    }
    if (m_queue.JobCount() <= 0)
        return;
    // The dialog shows the run from its first news on; it is opened once the run goes.
    // Each job that may run at once gets its own file line and gauge.
    const TOutputSettings &s = m_settings.OutputSettings();
    m_dialog = new TExecForm(m_window, m_engine, std::clamp(s.Jobs, 1, m_queue.JobCount()));
    // A dialog that finished is gone for the run (it deletes itself).
    connect(m_dialog, &QDialog::finished, this, [this, dialog = m_dialog.data()] {
        if (m_dialog == dialog)
            m_dialog = nullptr;
    });
    connect(m_dialog, &TExecForm::totalPercent, this, [this](int percent) {
        emit percentChanged(percent);
        m_activity->SetProgress(percent / 100.0);
    });
    start();
    if (isRunning())
        showProgress();
    else
        delete m_dialog.data(); // no run started: nothing to show
}

void RunController::showProgress()
{
    if (!m_dialog || !isRunning())
        return;
    m_dialog->exec();
    // Back here with the run still going and the dialog kept: it was closed from its title
    // bar. After Cancel the dialog is gone and the run only stopping.
    emit progressHidden(isRunning() && m_dialog);
}

void RunController::start()
{
    const TOutputSettings &s = m_settings.OutputSettings();
    if (!m_engine->start(m_queue.RunJobs(), s, s.Jobs))
        return;
    m_clock.start();
    m_activity->Start();
    // Same-name outputs got their "(2)" names for the whole run; the queue shows them.
    // Every row the run converts starts from "Waiting", whatever an earlier run left; a
    // name that is not the wanted one says why on its tooltip. The queue stays as it is
    // until the run ends, so a job's index in the run is its row.
    const QStringList outputs = m_engine->outputs(), notes = m_engine->notes();
    m_queue.SetOutputFiles(outputs);
    m_queue.ResetResults();
    for (int i = 0; i < outputs.size(); ++i)
        m_queue.SetResult(i, {JobResult::Waiting, 0, {}, notes.value(i)});
    emit runningChanged(true);
    emit percentChanged(0);
}

void RunController::jobFinished(int index, TRunEngine::Outcome outcome, const QString &reason)
{
    if (index < 0 || index >= m_queue.JobCount())
        return;
    // A failed job never reads "100%"; its reason shows on the status cell, and so does
    // what the encoder changed of a job that succeeded.
    static const JobResult::State states[] = {JobResult::Done, JobResult::Failed, JobResult::Stopped,
                                              JobResult::Skipped};
    // A job made even says the loudness it reached.
    QString why = reason;
    const std::vector<double> loudness = m_engine->loudness();
    if (outcome == TRunEngine::Succeeded && size_t(index) < loudness.size() && !std::isnan(loudness[size_t(index)])) {
        const double lufs = loudness[size_t(index)];
        why += (why.isEmpty() ? QString() : QStringLiteral("\n"))
            + QCoreApplication::translate("TMainForm", "Loudness %1 LUFS").arg(std::isinf(lufs) ? QStringLiteral("-inf") : QString::number(lufs, 'f', 1));
    }
    // An output that found its name taken when it finished took the next free one.
    const QStringList outputs = m_engine->outputs();
    if (index < outputs.size() && outputs[index] != m_queue.Job(index).OutputFile) {
        QStringList names;
        for (int r = 0; r < m_queue.JobCount(); ++r)
            names << (r == index ? outputs[index] : m_queue.Job(r).OutputFile);
        m_queue.SetOutputFiles(names);
    }
    m_queue.SetResult(index, {states[outcome], 100, why, m_engine->notes().value(index)});
}

QString RunEndMessage(int failed, int total)
{
    QString text = QCoreApplication::translate("TMainForm", "Task complete!");
    if (failed > 0)
        text += QCoreApplication::translate("TMainForm", "\n%1 of %2 %3 could not be converted; %4 Status says why.")
                    .arg(failed)
                    .arg(total)
                    .arg(total == 1 ? QCoreApplication::translate("TMainForm", "file") : QCoreApplication::translate("TMainForm", "files"))
                    .arg(failed == 1 ? QCoreApplication::translate("TMainForm", "its") : QCoreApplication::translate("TMainForm", "their"));
    return text;
}

void RunController::ended(bool cancelled)
{
    m_activity->Stop();
    // The elapsed time stops with the run, not when its message is answered.
    if (m_dialog)
        m_dialog->StopClock();
    emit runningChanged(false);
    emit progressHidden(false);
    const int failed = RowsWith(m_queue, JobResult::Failed);
    NotifyRunEnded(RowsWith(m_queue, JobResult::Done), failed, m_clock.elapsed(), QApplication::activeWindow() != nullptr);
    QWidget *shown = m_dialog && m_dialog->isVisible() ? static_cast<QWidget *>(m_dialog.data()) : m_window;
    if (!cancelled)
        ShowInformation(shown, RunEndMessage(failed, m_engine->jobCount()));
    emit percentChanged(-1);
    if (m_dialog)
        m_dialog->close();
    emit finished();
}
