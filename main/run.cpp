// SPDX-License-Identifier: GPL-3.0-or-later
// The conversion run as the main window sees it: Convert hands a copy of the queue to the
// engine, the engine's news reach the rows of their jobs, and the queue's commands stay
// off until the run ends.
#include "main/main.h"

#include <cmath>

#include "desktop/application.h"
#include "desktop/desktop.h"
#include "desktop/notify.h"
#include "desktop/runactivity.h"
#include "progress/execute.h"
#include "ui_main.h"

#include <QElapsedTimer>

namespace {
QElapsedTimer g_runClock; // since the run started

// Rows in a state.
int RowsWith(const TJobQueue &queue, JobResult::State state)
{
    int n = 0;
    for (int r = 0; r < queue.JobCount(); ++r)
        n += queue.Result(r).state == state;
    return n;
}

// The desktop's side of a run (launcher progress, no sleep): one per main window, started
// with the run, fed its total percentage, stopped at its end or Cancel.
TRunActivity *Activity(QWidget *window)
{
    auto *activity = window->findChild<TRunActivity *>();
    return activity ? activity : new TRunActivity(window);
}
} // namespace

void TMainForm::TBXItemConvertClick()
{
    // While a run goes on without its dialog, the button shows the dialog again.
    if (RunActive()) {
        ShowProgress();
        return;
    }
    if (Queue.JobCount() <= 0)
        return;
    // The dialog shows the run from its first news on; it is opened once the run goes.
    // Each job that may run at once gets its own file line and gauge.
    const int fileSlots = std::clamp(OutputSettings().Jobs, 1, Queue.JobCount());
    Track(ExecForm, new TExecForm(this, RunEngine, fileSlots));
    connect(ExecForm, &TExecForm::totalPercent, this,
            [this](int percent) { setWindowTitle(QStringLiteral("%1% - ").arg(percent) + m_title); });
    connect(ExecForm, &TExecForm::totalPercent, this, [this](int percent) { Activity(this)->SetProgress(percent / 100.0); });
    RunStart();
    if (RunActive())
        ShowProgress();
    else
        delete ExecForm.data(); // no run started: nothing to show
}

void TMainForm::ShowProgress()
{
    if (!ExecForm || !RunActive())
        return;
    ExecForm->exec();
    // Back here with the run still going: the dialog was closed from its title bar.
    ShowConvertAsShowProgress(RunActive());
}

void TMainForm::ShowConvertAsShowProgress(bool showProgress)
{
    QAction *convert = ui->toolConvert;
    const QString keys = convert->shortcut().toString(QKeySequence::NativeText);
    convert->setText(showProgress ? tr("Show progress") : m_convertText);
    convert->setToolTip(showProgress ? tr("Show progress (%1)").arg(keys) : m_convertTip);
    convert->setStatusTip(showProgress ? tr("Show progress") : m_convertStatus);
    if (showProgress)
        convert->setEnabled(true);
}

void TMainForm::RunStart()
{
    if (!RunEngine->start(Queue.RunJobs(), OutputSettings(), OutputSettings().Jobs))
        return;
    g_runClock.start();
    Activity(this)->Start();
    // Same-name outputs got their "(2)" names for the whole run; the queue shows them.
    // Every row the run converts starts from "Waiting", whatever an earlier run left; a
    // name that is not the wanted one says why on its tooltip. The queue stays as it is
    // until the run ends, so a job's index in the run is its row.
    const QStringList outputs = RunEngine->outputs(), notes = RunEngine->notes();
    Queue.SetOutputFiles(outputs);
    Queue.ResetResults();
    for (int i = 0; i < outputs.size(); ++i)
        Queue.SetResult(i, {JobResult::Waiting, 0, {}, notes.value(i)});
    FreezeQueue(true);
    setWindowTitle(QStringLiteral("0% - ") + m_title);
}

void TMainForm::FreezeQueue(bool frozen)
{
    for (QAction *a : {ui->toolAddFiles, ui->queueAddFiles, ui->toolRemove, ui->toolEditClip, ui->toolConvert, ui->toolSettings})
        a->setEnabled(!frozen);
    for (QWidget *w : std::initializer_list<QWidget *>{ui->outputFormatCombo, ui->browseOutputButton, ui->settingsButton})
        w->setEnabled(!frozen);
    ListView1MouseUp(); // the list's entries: all off during a run, else as the selection says
    // The queue stays as the run took it: no undo until it ends.
    m_undo->setEnabled(!frozen && UndoStack.canUndo());
    m_redo->setEnabled(!frozen && UndoStack.canRedo());
}

void TMainForm::RunJobStarted(int index)
{
    JobResult result = Queue.Result(index);
    result.state = JobResult::Converting;
    Queue.SetResult(index, result);
}

void TMainForm::RunJobFinished(int index, TRunEngine::Outcome outcome, const QString &reason)
{
    if (index < 0 || index >= Queue.JobCount())
        return;
    // A failed job never reads "100%"; its reason shows on the status cell, and so does
    // what the encoder changed of a job that succeeded.
    static const JobResult::State states[] = {JobResult::Done, JobResult::Failed, JobResult::Stopped,
                                              JobResult::Skipped};
    // A job made even says the loudness it reached.
    QString why = reason;
    const std::vector<double> loudness = RunEngine->loudness();
    if (outcome == TRunEngine::Succeeded && size_t(index) < loudness.size() && !std::isnan(loudness[size_t(index)])) {
        const double lufs = loudness[size_t(index)];
        why += (why.isEmpty() ? QString() : QStringLiteral("\n"))
            + tr("Loudness %1 LUFS").arg(std::isinf(lufs) ? QStringLiteral("-inf") : QString::number(lufs, 'f', 1));
    }
    // An output that found its name taken when it finished took the next free one.
    const QStringList outputs = RunEngine->outputs();
    if (index < outputs.size() && outputs[index] != Queue.Job(index).OutputFile) {
        QStringList names;
        for (int r = 0; r < Queue.JobCount(); ++r)
            names << (r == index ? outputs[index] : Queue.Job(r).OutputFile);
        Queue.SetOutputFiles(names);
    }
    Queue.SetResult(index, {states[outcome], 100, why, RunEngine->notes().value(index)});
}

QString RunEndMessage(int failed, int total)
{
    QString text = QCoreApplication::translate("TMainForm", "Task complete!");
    if (failed > 0)
        text += QCoreApplication::translate("TMainForm", "\n%1 of %2 %3 could not be converted; %4 Status says why.")
                    .arg(failed)
                    .arg(total)
                    .arg(total == 1 ? QCoreApplication::translate("TMainForm", "file")
                                    : QCoreApplication::translate("TMainForm", "files"))
                    .arg(failed == 1 ? QCoreApplication::translate("TMainForm", "its")
                                     : QCoreApplication::translate("TMainForm", "their"));
    return text;
}

void TMainForm::RunEnded(bool cancelled)
{
    Activity(this)->Stop();
    // The elapsed time stops with the run, not when its message is answered.
    if (ExecForm)
        ExecForm->StopClock();
    FreezeQueue(false);
    ShowConvertAsShowProgress(false);
    const int failed = RowsWith(Queue, JobResult::Failed);
    NotifyRunEnded(RowsWith(Queue, JobResult::Done), failed, g_runClock.elapsed(),
                   QApplication::activeWindow() != nullptr);
    QWidget *shown = ExecForm && ExecForm->isVisible() ? static_cast<QWidget *>(ExecForm.data()) : this;
    if (!cancelled)
        ShowInformation(shown, RunEndMessage(failed, RunEngine->jobCount()));
    setWindowTitle(m_title);
    if (ExecForm)
        ExecForm->close();
    AddJobs(std::exchange(m_heldFiles, {}));
    ReturnFocus();
}
