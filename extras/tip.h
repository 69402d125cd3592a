// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Tip of the Day": one hint at a time from tips.txt in the program folder, in file order.
// setup.ini's section "tips" remembers the hint shown last and whether to open at start-up.
#include <QByteArray>
#include <QDialog>
#include <QFile>
#include <QPointer>

namespace Ui {
class TipDialog;
}

// Reads tips from a text stream in chunks. A line ends at LF (a CR before it, or anywhere
// else, is dropped), Ctrl-Z ends the text, and empty lines are no tips; a line of blanks is.
class TipReader
{
public:
    explicit TipReader(QIODevice &device);
    // The next tip in file order; false at the end of the text. Without a target the line
    // is skipped unkept, so counting costs no memory however long a line is.
    bool next(QByteArray *tip);

private:
    int getByte();

    QIODevice &m_device;
    QByteArray m_chunk;
    qsizetype m_pos = 0;
    bool m_ended = false;
};

class TipDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TipDialog(QWidget *owner);
    ~TipDialog() override;

    Ui::TipDialog *ui;

    int TipNo = 1;     // number of the tip on display
    int TipCount = 0;  // tips in tips.txt, counted when the window opens

    void formCreate();
    void formShow();
    void btnNextClick();
    void btnCloseClick();
    void formClose();

    // Shown instead of a tip when tips.txt is missing, unreadable or holds no tip.
    static QString noTipsText();

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    // Tip number n (from 1), read from the beginning of tips.txt; false when there is none.
    bool readTip(int n, QString &text);
    void showTip(const QString &text);

    QFile m_tips;
    bool m_saved = false; // Close has written the keys
};
