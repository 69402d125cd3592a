// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The progress dialog of a conversion run: a line and a gauge per running file, the total
// gauge, elapsed time, time left and Cancel. It draws what the run engine it is built with
// announces; whoever built it starts the run. Closed from its title bar while the run goes
// on, it only hides, keeps counting, and can be shown again.
#include "progress/elidedlabel.h"

#include <QDialog>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QTimer>

class QLabel;

class RunEngine;
class QProgressBar;
namespace Ui {
class ProgressDialog;
}

class ProgressDialog : public QDialog
{
    Q_OBJECT
public:
    // fileSlots: how many jobs run at once, each with its own file line and gauge.
    ProgressDialog(QWidget *owner, RunEngine *engine, int fileSlots = 1);
    ~ProgressDialog() override;

    Ui::ProgressDialog *ui;
    // The controls the run writes (from ui, for code outside this unit).
    ElidedLabel *lbFile;
    QLabel *lbTotal;
    QProgressBar *GaugeFile1, *GaugeTotal;
    QTimer Clock; // elapsed time, one tick a second while the run lasts

    void formShow();
    void btnCancelClick();
    void clockTick();
    void formClose();

    // Sets a gauge, clamping the value to its range (QProgressBar would ignore it).
    static void setGauge(QProgressBar *gauge, qint64 value);
    // The file lines and gauges, one per job that may run at once (lbFile and GaugeFile1 first).
    QList<ElidedLabel *> fileLines() const { return m_lines; }
    QList<QProgressBar *> fileGauges() const { return m_gauges; }
    // The run has ended: the elapsed time stands still from here on, and Cancel and the
    // time left go.
    void stopClock();

signals:
    // The total gauge's percentage, each time it moves.
    void totalPercent(int percent);

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void attach(RunEngine *engine);
    void showTotal();

    bool m_started = false;
    qint64 m_seconds = 0;
    QPointer<RunEngine> m_engine;
    void addFileSlot();

    QList<ElidedLabel *> m_lines;
    QList<QProgressBar *> m_gauges;
    QList<int> m_slotJob;         // the job each file slot shows, -1 when free
    QMap<int, int> m_percent;     // running job -> its file percentage
    int m_finished = 0;
    qint64 m_total = 0;     // the total gauge never goes back
};
