#include "clip/edit.h"

#include "ui_edit.h"

QPointer<TEditForm> EditForm;

TEditForm::TEditForm(QWidget *owner) : QDialog(owner), ui(new Ui::TEditForm)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
}

TEditForm::~TEditForm() { delete ui; }
