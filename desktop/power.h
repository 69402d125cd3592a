// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Suspending and powering off the computer through logind on the system bus
// (org.freedesktop.login1.Manager Suspend and PowerOff, interactive so that polkit may ask).
// The call is asynchronous: the window's thread never waits for the bus.
#include <QDBusConnection>
#include <QObject>

class SystemPower : public QObject
{
    Q_OBJECT
public:
    enum Action { Suspend, PowerOff };

    // The bus is the system's unless a test gives its own.
    explicit SystemPower(QObject *parent = nullptr);
    SystemPower(const QDBusConnection &system, QObject *parent = nullptr);

    void request(Action action);

signals:
    // logind refused or could not be reached; the reason for the user.
    void failed(const QString &reason);

private:
    QDBusConnection m_system;
};
