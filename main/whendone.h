// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "When done": what follows a run that was not cancelled: nothing, the output folder opened,
// Clipvox closed, or the computer suspended or powered off after a notice of 30 seconds that
// can be cancelled.
#include <QDialog>
#include <QWidget>

class QComboBox;
class QLabel;
class QTimer;
class SystemPower;

class WhenDone : public QWidget
{
    Q_OBJECT
public:
    enum Choice { Nothing, OpenFolder, Quit, Suspend, PowerOff };

    WhenDone(SystemPower *power, QWidget *parent = nullptr);
    Choice choice() const;

    // A run ended without being cancelled; folder: where its outputs went.
    void runEnded(const QString &folder);

signals:
    void choiceChanged(WhenDone::Choice choice);

private:
    SystemPower *m_power;
    QComboBox *m_combo;
};

// The notice before the computer suspends or powers off: a countdown, Cancel, and the action
// at once. Not modal, so that the window can still be used; it deletes itself when it closes.
class WhenDoneNotice : public QDialog
{
    Q_OBJECT
public:
    WhenDoneNotice(bool powerOff, int seconds, QWidget *parent);
    QString text() const;

private:
    void tick();

    bool m_powerOff;
    int m_left;
    QLabel *m_label;
    QTimer *m_timer;
};
