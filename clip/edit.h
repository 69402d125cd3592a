#pragma once
#include <QDialog>
#include <QPointer>

namespace Ui {
class TEditForm;
}

class TEditForm : public QDialog
{
    Q_OBJECT
public:
    explicit TEditForm(QWidget *owner);
    ~TEditForm() override;

    Ui::TEditForm *ui;
};

// The open window, empty while none is open.
extern QPointer<TEditForm> EditForm;
