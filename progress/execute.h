#pragma once
// The progress dialog of a conversion run: current file, file and total gauges, elapsed
// time, time left and Cancel. It draws what the run engine it is built with announces;
// whoever built it starts the run.
#include <QDialog>
#include <QList>
#include <QPointer>
#include <QTimer>

class QLabel;
class TRunEngine;
class QProgressBar;
namespace Ui {
class TExecForm;
}

class TExecForm : public QDialog
{
    Q_OBJECT
public:
    TExecForm(QWidget *owner, TRunEngine *engine);
    ~TExecForm() override;

    Ui::TExecForm *ui;
    // The controls the run writes (from ui, for code outside this unit).
    QLabel *lbFile, *lbTotal;
    QProgressBar *Gauge1, *Gauge2;
    QTimer Timer1; // elapsed time, one tick a second while the run lasts

    void FormShow();
    void BtnCancelClick();
    void Timer1Timer();
    void FormClose();

    // Sets a gauge, clamping the value to its range (QProgressBar would ignore it).
    static void SetGauge(QProgressBar *gauge, qint64 value);

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Attach(TRunEngine *engine);
    void ShowTotal();

    bool m_started = false;
    qint64 m_seconds = 0;
    QPointer<TRunEngine> m_engine;
    QList<int> m_running;   // running jobs, in the order they started
    int m_firstPercent = 0; // file progress of the first of them
    int m_finished = 0;
    qint64 m_total = 0;     // the total gauge never goes back
};
