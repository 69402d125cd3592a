// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/notify.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

QString runEndedText(int converted, int failed)
{
    return QCoreApplication::translate("Notify", "%1 %2 converted, %3 failed")
        .arg(converted)
        .arg(converted == 1 ? QCoreApplication::translate("Notify", "file") : QCoreApplication::translate("Notify", "files"))
        .arg(failed);
}

void notifyRunEnded(int converted, int failed, qint64 runMs, bool windowActive)
{
    if (runMs <= 10000 || windowActive)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // app name, id to replace, icon, summary, body, actions, hints, timeout (-1: the server's)
    call << QStringLiteral("Clipvox") << 0u << QStringLiteral("clipvox") << QStringLiteral("Clipvox")
         << runEndedText(converted, failed) << QStringList() << QVariantMap() << -1;
    // Sent without waiting for the answer; a missing service only means an error reply
    // that nobody reads.
    bus.send(call);
}
