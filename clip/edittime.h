#pragma once
#include <QDialog>
#include <QPointer>

namespace Ui {
class TEditTimeForm;
}

class TEditTimeForm : public QDialog
{
    Q_OBJECT
public:
    explicit TEditTimeForm(QWidget *owner);
    ~TEditTimeForm() override;

    Ui::TEditTimeForm *ui;
};

// The open window, empty while none is open.
extern QPointer<TEditTimeForm> EditTimeForm;
