#include "clip/edittime.h"

#include "ui_edittime.h"

QPointer<TEditTimeForm> EditTimeForm;

TEditTimeForm::TEditTimeForm(QWidget *owner) : QDialog(owner), ui(new Ui::TEditTimeForm)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
}

TEditTimeForm::~TEditTimeForm() { delete ui; }
