#pragma once
#include <QDialog>
#include <QPointer>

namespace Ui {
class TAboutForm;
}

class TAboutForm : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutForm(QWidget *owner);
    ~TAboutForm() override;

    Ui::TAboutForm *ui;
};

// The open window, empty while none is open.
extern QPointer<TAboutForm> AboutForm;
