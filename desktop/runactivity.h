// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a conversion run tells the desktop while it goes on: its progress on the launcher or
// taskbar entry (the com.canonical.Unity.LauncherEntry signal, read by the docks of KDE
// Plasma and GNOME), and a hold that keeps the session from sleeping (the desktop portal's
// Inhibit, or logind's where no portal is on the bus). Every call is asynchronous: the
// window's thread never waits for the bus. The hold ends at Stop, at the object's end, and
// with the process: logind's hold is a file descriptor and the portal drops the requests
// of a connection that closes.
#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QObject>

class RunActivity : public QObject
{
    Q_OBJECT
public:
    // The buses are the session's and the system's unless a test gives its own.
    explicit RunActivity(QObject *parent = nullptr);
    RunActivity(const QDBusConnection &session, const QDBusConnection &system, QObject *parent = nullptr);
    ~RunActivity() override;

    static QString appUri() { return QStringLiteral("application://org.clipvox.Clipvox.desktop"); }

    // A run starts: the launcher shows 0 %, and the session is asked not to sleep.
    void start();
    // fraction: 0..1 of the whole run; sent when it moved by a percent or more.
    void setProgress(double fraction);
    // The run ended or was cancelled: the launcher's gauge goes, the hold is released.
    void stop();

    bool active() const { return m_active; }
    // A hold is in place (the portal's request or logind's descriptor).
    bool holding() const { return !m_portalRequest.isEmpty() || m_logindHold.isValid(); }

signals:
    // The hold was granted or released (for whoever wants to know, and the tests).
    void holdChanged(bool holding);

private:
    void sendLauncher(double fraction, bool visible);
    void inhibitThroughPortal(int generation);
    void inhibitThroughLogind(int generation);
    void release();

    QDBusConnection m_session, m_system;
    bool m_active = false;
    int m_generation = 0; // answers to an earlier Start are released on arrival
    int m_sentPercent = -1;
    QString m_portalRequest;               // the portal's request handle while it holds
    QDBusUnixFileDescriptor m_logindHold;  // logind's descriptor while it holds
};
