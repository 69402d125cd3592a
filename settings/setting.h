#pragma once
#include <QDialog>
#include <QPointer>

namespace Ui {
class TSettingForm;
}

class TSettingForm : public QDialog
{
    Q_OBJECT
public:
    explicit TSettingForm(QWidget *owner);
    ~TSettingForm() override;

    Ui::TSettingForm *ui;
};

// The open window, empty while none is open.
extern QPointer<TSettingForm> SettingForm;
