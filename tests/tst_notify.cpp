// SPDX-License-Identifier: GPL-3.0-or-later
// The notification at the end of a long run, and the launcher's progress and the hold on
// sleep during a run, on a private session bus with stand-ins for the desktop's services.
#include "desktop/notify.h"
#include "desktop/power.h"
#include "desktop/runactivity.h"

#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

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

// The portal's Inhibit: each call gets a request object, whose Close releases the hold.
class FakeRequest : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Request")
public:
    bool closed = false;
public slots:
    void Close() { closed = true; }
};

class FakePortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Inhibit")
public:
    QDBusConnection bus{QString()};
    FakeRequest request;
    uint flags = 0;
    QString reason;
public slots:
    QDBusObjectPath Inhibit(const QString &, uint f, const QVariantMap &options)
    {
        flags = f;
        reason = options.value("reason").toString();
        const QString path = "/org/freedesktop/portal/desktop/request/1/clipvox";
        bus.registerObject(path, &request, QDBusConnection::ExportAllSlots);
        return QDBusObjectPath(path);
    }
};

// logind's Inhibit hands out the write end of a pipe: the hold lasts while any copy is open.
class FakeLogind : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    QStringList calls;
    int readEnd = -1;
public slots:
    QDBusUnixFileDescriptor Inhibit(const QString &what, const QString &who, const QString &, const QString &mode)
    {
        calls << what + " " + who + " " + mode;
        int ends[2];
        if (pipe2(ends, O_CLOEXEC) != 0)
            return {};
        readEnd = ends[0];
        QDBusUnixFileDescriptor hold(ends[1]); // a copy of its own
        close(ends[1]);
        return hold;
    }
    void Suspend(bool interactive) { calls << QStringLiteral("Suspend %1").arg(interactive); }
    void PowerOff(bool interactive) { calls << QStringLiteral("PowerOff %1").arg(interactive); }
};

class LauncherListener : public QObject
{
    Q_OBJECT
public:
    QStringList seen;
public slots:
    void Update(const QString &uri, const QVariantMap &properties)
    {
        seen << QStringLiteral("%1 %2 %3").arg(uri, properties.value("progress").toString(),
                                              properties.value("progress-visible").toString());
    }
};

class TestNotify : public QObject
{
    Q_OBJECT
    QProcess m_daemon;
    FakeNotifications m_service;
    FakePortal m_portal;
    FakeLogind m_logind;
    LauncherListener m_launcher;

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
        if (m_logind.readEnd >= 0)
            close(m_logind.readEnd);
        m_daemon.kill();
        m_daemon.waitForFinished();
    }

    // Only a run longer than ten seconds that ends away from Clipvox's windows is told.
    void tellsOnlyLongRunsAwayFromTheWindow()
    {
        notifyRunEnded(4, 1, 10000, false);
        notifyRunEnded(4, 1, 60000, true);
        notifyRunEnded(4, 1, 10001, false);
        notifyRunEnded(1, 0, 600000, false);
        QTRY_COMPARE(m_service.bodies, (QStringList{"Clipvox: 4 files converted, 1 failed", "Clipvox: 1 file converted, 0 failed"}));
    }

    // Without the service the call is lost quietly; the next one, with it, arrives alone.
    void withoutServiceNothingHappens()
    {
        m_service.bodies.clear();
        QVERIFY(serve(false));
        notifyRunEnded(2, 0, 20000, false);
        // A round trip on the same connection: the call above has been delivered (to nobody).
        QDBusConnection::sessionBus().interface()->isServiceRegistered("org.example.none");
        QVERIFY(serve(true));
        notifyRunEnded(3, 0, 20000, false);
        QTRY_COMPARE(m_service.bodies, QStringList{"Clipvox: 3 files converted, 0 failed"});
    }

    // A run's progress reaches the launcher (each percent once, hidden at the end), and the
    // session is held awake from Start to Stop: through the portal where it is on the bus,
    // else through logind, whose descriptor is closed at Stop.
    void runHoldsTheSessionAwake_data()
    {
        QTest::addColumn<bool>("portal");
        QTest::newRow("portal") << true;
        QTest::newRow("logind") << false;
    }
    void runHoldsTheSessionAwake()
    {
        QFETCH(bool, portal);
        const QString address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
        QDBusConnection services = QDBusConnection::connectToBus(address, "services");
        // The test's bus stands for the system bus too.
        QDBusConnection system = QDBusConnection::connectToBus(address, "system");
        QVERIFY(services.connect(QString(), QString(), "com.canonical.Unity.LauncherEntry", "Update", &m_launcher,
                                 SLOT(Update(QString, QVariantMap))));
        m_portal.bus = services;
        if (portal)
            QVERIFY(services.registerService("org.freedesktop.portal.Desktop")
                    && services.registerObject("/org/freedesktop/portal/desktop", &m_portal, QDBusConnection::ExportAllSlots));
        QVERIFY(services.registerService("org.freedesktop.login1")
                && services.registerObject("/org/freedesktop/login1", &m_logind, QDBusConnection::ExportAllSlots));
        const auto unserve = qScopeGuard([&] {
            services.unregisterObject("/org/freedesktop/portal/desktop");
            services.unregisterService("org.freedesktop.portal.Desktop");
            services.unregisterObject("/org/freedesktop/login1");
            services.unregisterService("org.freedesktop.login1");
        });
        m_launcher.seen.clear();

        const auto released = [this] {
            pollfd p{m_logind.readEnd, POLLIN, 0};
            return poll(&p, 1, 0) == 1 && (p.revents & POLLHUP);
        };
        RunActivity activity(QDBusConnection::sessionBus(), system);
        QSignalSpy held(&activity, &RunActivity::holdChanged);
        activity.start();
        QTRY_COMPARE(held.size(), 1);
        QVERIFY(activity.holding());
        if (portal) {
            QCOMPARE(m_portal.flags, 4u); // suspend
            QVERIFY(!m_portal.reason.isEmpty());
            QVERIFY(m_logind.calls.isEmpty());
        } else {
            QCOMPARE(m_logind.calls, QStringList{"sleep:idle Clipvox block"});
            QVERIFY(!released());
        }
        activity.setProgress(0.5);
        activity.setProgress(0.504); // the same percent: not sent again
        activity.setProgress(1.0);
        activity.stop();
        QVERIFY(!activity.holding());
        const QString uri = RunActivity::appUri();
        QTRY_COMPARE(m_launcher.seen, (QStringList{uri + " 0 true", uri + " 0.5 true", uri + " 1 true", uri + " 0 false"}));
        if (portal)
            QTRY_VERIFY(m_portal.request.closed);
        else
            QTRY_VERIFY(released());
        services.disconnect(QString(), QString(), "com.canonical.Unity.LauncherEntry", "Update", &m_launcher,
                            SLOT(Update(QString, QVariantMap)));
    }

    // "When done" suspends and powers off through logind's calls, interactive so that polkit
    // may ask; without logind the failure is said, nothing else happens.
    void powerThroughLogind()
    {
        const QString address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
        QDBusConnection system = QDBusConnection::connectToBus(address, "power");
        SystemPower power(system);
        QSignalSpy failed(&power, &SystemPower::failed);
        power.request(SystemPower::Suspend);
        QTRY_COMPARE(failed.size(), 1); // no logind on the bus yet
        QDBusConnection services = QDBusConnection::connectToBus(address, "services");
        QVERIFY(services.registerService("org.freedesktop.login1")
                && services.registerObject("/org/freedesktop/login1", &m_logind, QDBusConnection::ExportAllSlots));
        const auto unserve = qScopeGuard([&] {
            services.unregisterObject("/org/freedesktop/login1");
            services.unregisterService("org.freedesktop.login1");
        });
        m_logind.calls.clear();
        power.request(SystemPower::Suspend);
        power.request(SystemPower::PowerOff);
        QTRY_COMPARE(m_logind.calls, (QStringList{"Suspend 1", "PowerOff 1"}));
        QCOMPARE(failed.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestNotify)
#include "tst_notify.moc"
