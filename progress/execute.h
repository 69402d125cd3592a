#pragma once
// The progress dialog of a conversion run: current file, file and total gauges, elapsed
// time and Cancel.
#include <QDialog>
#include <QPointer>

namespace Ui {
class TExecForm;
}

class TExecForm : public QDialog
{
    Q_OBJECT
public:
    explicit TExecForm(QWidget *owner);
    ~TExecForm() override;

    Ui::TExecForm *ui;
};

// The open dialog, empty while none exists; every update by the run checks it first.
extern QPointer<TExecForm> ExecForm;
