// The conversion run as the main window sees it: Convert hands a copy of the queue to the
// engine, the engine's news reach the rows of their jobs, and the queue's commands stay
// off until the run ends.
#include "main/main.h"

#include "main/application.h"
#include "main/desktop.h"
#include "main/notify.h"
#include "progress/execute.h"
#include "ui_main.h"

#include <QElapsedTimer>
#include <QTreeWidget>

namespace {
// Each row of a run carries "run:index", so that news of a job reach only its own row.
constexpr int kRunRole = Qt::UserRole + 1;
QElapsedTimer g_runClock; // since the run started

// Rows whose status reads text.
int RowsWith(const QTreeWidget *list, const QString &text)
{
    int n = 0;
    for (int r = 0; r < list->topLevelItemCount(); ++r)
        n += list->topLevelItem(r)->text(ColStatus) == text;
    return n;
}
} // namespace

void TMainForm::TBXItemConvertClick()
{
    // A run that goes on after its dialog was closed must end before the next one starts.
    if (ui->ListView1->topLevelItemCount() == 0 || Queue.JobCount() <= 0 || RunActive())
        return;
    // The dialog shows the run from its first news on; it is opened once the run goes.
    Track(ExecForm, new TExecForm(this, RunEngine));
    RunStart();
    if (RunActive())
        ExecForm->exec();
    else
        delete ExecForm.data(); // no run started: nothing to show
}

void TMainForm::RunStart()
{
    if (!RunEngine->start(Queue.RunJobs(), OutputSettings(), OutputSettings().Jobs))
        return;
    ++m_runId;
    g_runClock.start();
    // Same-name outputs got their "(2)" names for the whole run; the queue shows them.
    // A name that is not the wanted one says why on its tooltip.
    const QStringList outputs = RunEngine->outputs(), notes = RunEngine->notes();
    Queue.SetOutputFiles(outputs);
    for (int i = 0; i < outputs.size(); ++i) {
        if (QTreeWidgetItem *row = ui->ListView1->topLevelItem(i)) {
            row->setText(ColOutput, outputs[i]);
            row->setToolTip(ColOutput, notes.value(i));
            row->setData(ColNumber, kRunRole, QStringLiteral("%1:%2").arg(m_runId).arg(i));
        }
    }
    FreezeQueue(true);
}

QTreeWidgetItem *TMainForm::RunRow(int index) const
{
    const QString key = QStringLiteral("%1:%2").arg(m_runId).arg(index);
    for (int r = 0; r < ui->ListView1->topLevelItemCount(); ++r)
        if (ui->ListView1->topLevelItem(r)->data(ColNumber, kRunRole).toString() == key)
            return ui->ListView1->topLevelItem(r);
    return nullptr;
}

void TMainForm::FreezeQueue(bool frozen)
{
    for (QAction *a : {ui->TBXItem4, ui->AddFiles1, ui->TBXItem3, ui->TBXItem2, ui->TBXItem1, ui->TBXItem8})
        a->setEnabled(!frozen);
    for (QWidget *w : std::initializer_list<QWidget *>{ui->cbFormat, ui->SpeedBtnPath, ui->SpeedButton1})
        w->setEnabled(!frozen);
    ListView1MouseUp(); // the list's entries: all off during a run, else as the selection says
}

void TMainForm::RunJobStarted(int index)
{
    if (QTreeWidgetItem *row = RunRow(index)) {
        row->setText(ColStatus, QStringLiteral("Converting..."));
        row->setToolTip(ColStatus, QString());
    }
}

void TMainForm::RunJobFinished(int index, TRunEngine::Outcome outcome, const QString &reason)
{
    QTreeWidgetItem *row = RunRow(index);
    if (!row)
        return;
    // A failed job never reads "100%"; its reason shows on the status cell, and so does
    // what the encoder changed of a job that succeeded.
    static const QString texts[] = {QStringLiteral("100%"), QStringLiteral("Failed"), QStringLiteral("Stop"),
                                   QStringLiteral("Skipped")};
    row->setText(ColStatus, texts[outcome]);
    row->setToolTip(ColStatus, reason);
    // An output that found its name taken when it finished took the next free one.
    row->setText(ColOutput, RunEngine->outputs().value(index));
    row->setToolTip(ColOutput, RunEngine->notes().value(index));
}

void TMainForm::RunEnded(bool cancelled)
{
    FreezeQueue(false);
    NotifyRunEnded(RowsWith(ui->ListView1, QStringLiteral("100%")), RowsWith(ui->ListView1, QStringLiteral("Failed")),
                   g_runClock.elapsed(), QApplication::activeWindow() != nullptr);
    if (!cancelled)
        ShowInformation(ExecForm ? static_cast<QWidget *>(ExecForm.data()) : this, QStringLiteral("Task complete!"));
    if (ExecForm)
        ExecForm->close();
    AddJobs(std::exchange(m_heldFiles, {}));
}
