#include "extras/about.h"

#include "ui_about.h"

QPointer<TAboutForm> AboutForm;

TAboutForm::TAboutForm(QWidget *owner) : QDialog(owner), ui(new Ui::TAboutForm)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
}

TAboutForm::~TAboutForm() { delete ui; }
