#include "progress/execute.h"

#include "ui_execute.h"

QPointer<TExecForm> ExecForm;

TExecForm::TExecForm(QWidget *owner) : QDialog(owner), ui(new Ui::TExecForm)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
}

TExecForm::~TExecForm() { delete ui; }
