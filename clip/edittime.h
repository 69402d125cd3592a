#pragma once
// The time entry dialog: the clip's start and stop typed as hours, minutes and seconds,
// tested against the source's length and handed back to the clip editor.
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

    void FormShow();
    void BitBtnOKClick();
    void BitBtnCancelClick();

protected:
    void showEvent(QShowEvent *event) override;
};

// The open window, empty while none is open.
extern QPointer<TEditTimeForm> EditTimeForm;
