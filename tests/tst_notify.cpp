// SPDX-License-Identifier: GPL-3.0-or-later
// The notification at the end of a long run, on a private session bus with a stand-in for
// the desktop's notification service.
#include "desktop/notify.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QtTest>

class FakeNotifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList bodies;
public slots:
    uint Notify(const QString &, uint, const QString &, const QString &summary, const QString &body,
                const QStringList &, const QVariantMap &, int)
    {
        bodies << summary + ": " + body;
        return uint(bodies.size());
    }
};

class TestNotify : public QObject
{
    Q_OBJECT
    QProcess m_daemon;
    FakeNotifications m_service;

    bool serve(bool on)
    {
        QDBusConnection bus = QDBusConnection::connectToBus(qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"), "service");
        if (!on) {
            bus.unregisterObject("/org/freedesktop/Notifications");
            return bus.unregisterService("org.freedesktop.Notifications");
        }
        return bus.registerService("org.freedesktop.Notifications") &&
               bus.registerObject("/org/freedesktop/Notifications", &m_service, QDBusConnection::ExportAllSlots);
    }

private slots:
    void initTestCase()
    {
        // A bus of our own, so the test neither needs nor disturbs the desktop's.
        m_daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        QVERIFY(m_daemon.waitForReadyRead(10000));
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_daemon.readLine().trimmed());
        QVERIFY(QDBusConnection::sessionBus().isConnected());
        QVERIFY(serve(true));
    }
    void cleanupTestCase()
    {
        m_daemon.kill();
        m_daemon.waitForFinished();
    }

    // Only a run longer than ten seconds that ends away from Clipvox's windows is told.
    void tellsOnlyLongRunsAwayFromTheWindow()
    {
        NotifyRunEnded(4, 1, 10000, false);
        NotifyRunEnded(4, 1, 60000, true);
        NotifyRunEnded(4, 1, 10001, false);
        NotifyRunEnded(1, 0, 600000, false);
        QTRY_COMPARE(m_service.bodies, (QStringList{"Clipvox: 4 files converted, 1 failed", "Clipvox: 1 file converted, 0 failed"}));
    }

    // Without the service the call is lost quietly; the next one, with it, arrives alone.
    void withoutServiceNothingHappens()
    {
        m_service.bodies.clear();
        QVERIFY(serve(false));
        NotifyRunEnded(2, 0, 20000, false);
        // A round trip on the same connection: the call above has been delivered (to nobody).
        QDBusConnection::sessionBus().interface()->isServiceRegistered("org.example.none");
        QVERIFY(serve(true));
        NotifyRunEnded(3, 0, 20000, false);
        QTRY_COMPARE(m_service.bodies, QStringList{"Clipvox: 3 files converted, 0 failed"});
    }
};

QTEST_GUILESS_MAIN(TestNotify)
#include "tst_notify.moc"
