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
int rowsWith(const JobQueue &queue, JobResult::State state)
{
    int n = 0;
    for (int r = 0; r < queue.jobCount(); ++r)
        n += queue.result(r).state == state;
    return n;
}
} // namespace

RunController::RunController(JobQueue &queue, const AppSettings &settings, QWidget *window)
    : QObject(window), m_queue(queue), m_settings(settings), m_window(window), m_engine(new RunEngine(this)),
      m_activity(new RunActivity(this))
{
    connect(m_engine, &RunEngine::jobStarted, this, [this](int index) {
        JobResult result = m_queue.result(index);
        result.state = JobResult::Converting;
        m_queue.setResult(index, result);
    });
    connect(m_engine, &RunEngine::jobFinished, this, &RunController::jobFinished);
    connect(m_engine, &RunEngine::jobMessage, this, [this](int, const QString &text) {
        Desktop::instance().message(m_dialog ? static_cast<QWidget *>(m_dialog.data()) : m_window, QMessageBox::NoIcon,
                                    QStringLiteral("Clipvox"), text);
    });
    connect(m_engine, &RunEngine::runEnded, this, [this](bool cancelled) { guarded([&] { ended(cancelled); }); });
}

// The engine stops a run still going and waits for its workers (the program is ending), and
// its last news reaches the rows while they still exist.
RunController::~RunController() { delete m_engine; }

ProgressDialog *RunController::progressDialog() const { return m_dialog; }

void RunController::convert()
{
    // While a run goes on without its dialog, the button shows the dialog again.
    if (isRunning()) {
        showProgress();
        return;
    }
    if (m_queue.jobCount() <= 0)
        return;
    // The dialog shows the run from its first news on; it is opened once the run goes.
    // Each job that may run at once gets its own file line and gauge.
    const OutputSettings &s = m_settings.outputSettings();
    m_dialog = new ProgressDialog(m_window, m_engine, std::clamp(s.Jobs, 1, m_queue.jobCount()));
    // A dialog that finished is gone for the run (it deletes itself).
    connect(m_dialog, &QDialog::finished, this, [this, dialog = m_dialog.data()] {
        if (m_dialog == dialog)
            m_dialog = nullptr;
    });
    connect(m_dialog, &ProgressDialog::totalPercent, this, [this](int percent) {
        emit percentChanged(percent);
        m_activity->setProgress(percent / 100.0);
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
    const OutputSettings &s = m_settings.outputSettings();
    if (!m_engine->start(m_queue.runJobs(), s, s.Jobs))
        return;
    m_clock.start();
    m_activity->start();
    // Same-name outputs got their "(2)" names for the whole run; the queue shows them.
    // Every row the run converts starts from "Waiting", whatever an earlier run left; a
    // name that is not the wanted one says why on its tooltip. The queue stays as it is
    // until the run ends, so a job's index in the run is its row.
    const QStringList outputs = m_engine->outputs(), notes = m_engine->notes();
    m_queue.setOutputFiles(outputs);
    m_queue.resetResults();
    for (int i = 0; i < outputs.size(); ++i)
        m_queue.setResult(i, {JobResult::Waiting, 0, {}, notes.value(i)});
    emit runningChanged(true);
    emit percentChanged(0);
}

void RunController::jobFinished(int index, RunEngine::Outcome outcome, const QString &reason)
{
    if (index < 0 || index >= m_queue.jobCount())
        return;
    // A failed job never reads "100%"; its reason shows on the status cell, and so does
    // what the encoder changed of a job that succeeded.
    static const JobResult::State states[] = {JobResult::Done, JobResult::Failed, JobResult::Stopped,
                                              JobResult::Skipped};
    // A job made even says the loudness it reached.
    QString why = reason;
    const std::vector<double> loudness = m_engine->loudness();
    if (outcome == RunEngine::Succeeded && size_t(index) < loudness.size() && !std::isnan(loudness[size_t(index)])) {
        const double lufs = loudness[size_t(index)];
        why += (why.isEmpty() ? QString() : QStringLiteral("\n"))
            + QCoreApplication::translate("MainWindow", "Loudness %1 LUFS").arg(std::isinf(lufs) ? QStringLiteral("-inf") : QString::number(lufs, 'f', 1));
    }
    // An output that found its name taken when it finished took the next free one.
    const QStringList outputs = m_engine->outputs();
    if (index < outputs.size() && outputs[index] != m_queue.job(index).OutputFile) {
        QStringList names;
        for (int r = 0; r < m_queue.jobCount(); ++r)
            names << (r == index ? outputs[index] : m_queue.job(r).OutputFile);
        m_queue.setOutputFiles(names);
    }
    m_queue.setResult(index, {states[outcome], 100, why, m_engine->notes().value(index)});
}

QString runEndMessage(int failed, int total)
{
    QString text = QCoreApplication::translate("MainWindow", "Task complete!");
    if (failed > 0)
        text += QCoreApplication::translate("MainWindow", "\n%1 of %2 %3 could not be converted; %4 Status says why.")
                    .arg(failed)
                    .arg(total)
                    .arg(total == 1 ? QCoreApplication::translate("MainWindow", "file") : QCoreApplication::translate("MainWindow", "files"))
                    .arg(failed == 1 ? QCoreApplication::translate("MainWindow", "its") : QCoreApplication::translate("MainWindow", "their"));
    return text;
}

void RunController::ended(bool cancelled)
{
    m_activity->stop();
    // The elapsed time stops with the run, not when its message is answered.
    if (m_dialog)
        m_dialog->stopClock();
    emit runningChanged(false);
    emit progressHidden(false);
    const int failed = rowsWith(m_queue, JobResult::Failed);
    notifyRunEnded(rowsWith(m_queue, JobResult::Done), failed, m_clock.elapsed(), QApplication::activeWindow() != nullptr);
    QWidget *shown = m_dialog && m_dialog->isVisible() ? static_cast<QWidget *>(m_dialog.data()) : m_window;
    m_cancelled = cancelled;
    // Files that failed are a warning, said as one; a run that did all it was asked informs.
    if (!cancelled && m_sayEnd && failed > 0)
        Desktop::instance().message(shown, QMessageBox::Warning, QCoreApplication::translate("MainWindow", "Warning"),
                                    runEndMessage(failed, m_engine->jobCount()));
    else if (!cancelled && m_sayEnd)
        showInformation(shown, runEndMessage(failed, m_engine->jobCount()));
    emit percentChanged(-1);
    if (m_dialog)
        m_dialog->close();
    emit finished();
}
