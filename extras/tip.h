#pragma once
#include <QDialog>
#include <QPointer>

namespace Ui {
class TTipForm;
}

class TTipForm : public QDialog
{
    Q_OBJECT
public:
    explicit TTipForm(QWidget *owner);
    ~TTipForm() override;

    Ui::TTipForm *ui;
};

// The open window, empty while none is open.
extern QPointer<TTipForm> TipForm;
