#include "extras/tip.h"

#include "ui_tip.h"

QPointer<TTipForm> TipForm;

TTipForm::TTipForm(QWidget *owner) : QDialog(owner), ui(new Ui::TTipForm)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
}

TTipForm::~TTipForm() { delete ui; }
