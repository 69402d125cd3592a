// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The time entry dialog: the clip's start and stop typed as hours, minutes and seconds,
// tested against the source's length and handed back through timesChosen; the dialog knows
// nothing of the window that opened it.
#include <QDialog>
#include <QPointer>

namespace Ui {
class TimeEntryDialog;
}

class TimeEntryDialog : public QDialog
{
    Q_OBJECT
public:
    // The times shown first, and the source's length in whole seconds.
    TimeEntryDialog(QWidget *owner, int startSeconds, int endSeconds, int duration);
    ~TimeEntryDialog() override;

    Ui::TimeEntryDialog *ui;

    void formShow();
    void bitBtnOkClick();
    void bitBtnCancelClick();

signals:
    // On OK, once both times passed the test against the length.
    void timesChosen(int startSeconds, int endSeconds);

protected:
    void showEvent(QShowEvent *event) override;

private:
    int m_start, m_end, m_duration;
};
