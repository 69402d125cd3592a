#include "settings/setting.h"

#include "ui_setting.h"

QPointer<TSettingForm> SettingForm;

TSettingForm::TSettingForm(QWidget *owner) : QDialog(owner), ui(new Ui::TSettingForm)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
}

TSettingForm::~TSettingForm() { delete ui; }
