// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of a conversion run: Convert asks the run controller, and the
// queue's commands stay off until the run ends.
#include "main/main.h"

#include "desktop/application.h"
#include "main/presetbar.h"
#include "main/whendone.h"
#include "progress/execute.h"
#include "ui_main.h"

#include <QFileInfo>

void MainWindow::setUpRun()
{
    Run = new RunController(Queue, Settings, this);
    runEngine = Run->engine();
    connect(Run, &RunController::runningChanged, this, [this](bool running) {
        if (running && Run->progressDialog()) {
            ExecForm = Run->progressDialog();
            connect(ExecForm, &QDialog::finished, this, [this] { ExecForm = nullptr; });
        }
        freezeQueue(running);
    });
    connect(Run, &RunController::percentChanged, this, [this](int percent) {
        setWindowTitle(percent < 0 ? m_title : QStringLiteral("%1% - ").arg(percent) + m_title);
    });
    connect(Run, &RunController::progressHidden, this, [this](bool hidden) { showConvertAsShowProgress(hidden); });
    connect(Run, &RunController::finished, this, [this] {
        addJobs(std::exchange(m_heldFiles, {}));
        returnFocus();
        if (!Run->wasCancelled())
            m_whenDone->runEnded(runOutputFolder());
    });
    // "Task complete!" would wait for an answer that an unattended run never gets.
    connect(m_whenDone, &WhenDone::choiceChanged, this, [this](WhenDone::Choice choice) { Run->setSayEnd(choice == WhenDone::Nothing); });
}

QString MainWindow::runOutputFolder() const
{
    const OutputSettings &s = outputSettings();
    if (SaveTo(s.SaveTo) != SaveTo::BesideSource || Queue.jobCount() == 0)
        return s.OutputPath;
    return QFileInfo(Queue.job(0).OutputFile).absolutePath();
}

void MainWindow::convertClick() { Run->convert(); }

void MainWindow::showProgress() { Run->showProgress(); }

void MainWindow::showConvertAsShowProgress(bool showProgress)
{
    QAction *convert = ui->toolConvert;
    const QString keys = convert->shortcut().toString(QKeySequence::NativeText);
    convert->setText(showProgress ? tr("Show progress") : m_convertText);
    convert->setToolTip(showProgress ? tr("Show progress (%1)").arg(keys) : m_convertTip);
    convert->setStatusTip(showProgress ? tr("Show progress") : m_convertStatus);
    if (showProgress)
        convert->setEnabled(true);
}

void MainWindow::freezeQueue(bool frozen)
{
    for (QAction *a : {ui->toolAddFiles, ui->queueAddFiles, ui->toolRemove, ui->toolEditClip, ui->toolConvert, ui->toolSettings})
        a->setEnabled(!frozen);
    for (QWidget *w : std::initializer_list<QWidget *>{ui->outputFormatCombo, ui->browseOutputButton, ui->settingsButton, m_presetBar})
        w->setEnabled(!frozen);
    updateListMenuItems(); // the list's entries: all off during a run, else as the selection says
    // The queue stays as the run took it: no undo until it ends.
    m_undo->setEnabled(!frozen && UndoStack.canUndo());
    m_redo->setEnabled(!frozen && UndoStack.canRedo());
}
