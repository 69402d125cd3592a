// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/power.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

SystemPower::SystemPower(QObject *parent) : SystemPower(QDBusConnection::systemBus(), parent) {}

SystemPower::SystemPower(const QDBusConnection &system, QObject *parent) : QObject(parent), m_system(system) {}

void SystemPower::request(Action action)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), action == Suspend ? QStringLiteral("Suspend") : QStringLiteral("PowerOff"));
    call << true; // interactive: polkit may ask the user
    auto *watcher = new QDBusPendingCallWatcher(m_system.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        const QDBusPendingReply<> reply = *watcher;
        if (reply.isError())
            emit failed(QCoreApplication::translate("SystemPower", "The system did not do it: %1").arg(reply.error().message()));
    });
}
