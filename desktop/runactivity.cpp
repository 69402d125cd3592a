// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/runactivity.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>
#include <algorithm>
#include <cmath>

namespace {
const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
constexpr uint kInhibitSuspend = 4; // the portal's flag for "suspend"

QString reason() { return QCoreApplication::translate("RunActivity", "Converting"); }
} // namespace

RunActivity::RunActivity(QObject *parent)
    : RunActivity(QDBusConnection::sessionBus(), QDBusConnection::systemBus(), parent)
{
}

RunActivity::RunActivity(const QDBusConnection &session, const QDBusConnection &system, QObject *parent)
    : QObject(parent), m_session(session), m_system(system)
{
}

RunActivity::~RunActivity() { stop(); }

void RunActivity::start()
{
    if (m_active)
        return;
    m_active = true;
    ++m_generation;
    m_sentPercent = -1;
    setProgress(0);
    inhibitThroughPortal(m_generation);
}

void RunActivity::setProgress(double fraction)
{
    if (!m_active)
        return;
    const int percent = int(std::floor(std::clamp(fraction, 0.0, 1.0) * 100));
    if (percent == m_sentPercent)
        return;
    m_sentPercent = percent;
    sendLauncher(percent / 100.0, true);
}

void RunActivity::stop()
{
    if (!m_active)
        return;
    m_active = false;
    ++m_generation;
    sendLauncher(0, false);
    release();
}

void RunActivity::sendLauncher(double fraction, bool visible)
{
    if (!m_session.isConnected())
        return;
    QDBusMessage update = QDBusMessage::createSignal(QStringLiteral("/org/clipvox/Clipvox/LauncherEntry"),
                                                     QStringLiteral("com.canonical.Unity.LauncherEntry"),
                                                     QStringLiteral("Update"));
    update << appUri() << QVariantMap{{QStringLiteral("progress"), fraction}, {QStringLiteral("progress-visible"), visible}};
    m_session.send(update);
}

void RunActivity::inhibitThroughPortal(int generation)
{
    if (!m_session.isConnected()) {
        inhibitThroughLogind(generation);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kPortalService, kPortalPath,
                                                       QStringLiteral("org.freedesktop.portal.Inhibit"),
                                                       QStringLiteral("Inhibit"));
    call << QString() << kInhibitSuspend << QVariantMap{{QStringLiteral("reason"), reason()}};
    auto *watcher = new QDBusPendingCallWatcher(m_session.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, generation](QDBusPendingCallWatcher *w) {
        w->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *w;
        if (reply.isError()) { // no portal, or one without Inhibit
            if (generation == m_generation)
                inhibitThroughLogind(generation);
            return;
        }
        m_portalRequest = reply.value().path();
        if (generation != m_generation)
            release(); // the run ended while the portal answered
        else
            emit holdChanged(true);
    });
}

void RunActivity::inhibitThroughLogind(int generation)
{
    if (!m_system.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep:idle") << QStringLiteral("Clipvox") << reason() << QStringLiteral("block");
    auto *watcher = new QDBusPendingCallWatcher(m_system.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, generation](QDBusPendingCallWatcher *w) {
        w->deleteLater();
        const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *w;
        if (reply.isError())
            return; // nothing keeps the session awake: the run goes on all the same
        m_logindHold = reply.value();
        if (generation != m_generation)
            release();
        else
            emit holdChanged(true);
    });
}

void RunActivity::release()
{
    const bool held = holding();
    if (!m_portalRequest.isEmpty()) {
        m_session.send(QDBusMessage::createMethodCall(kPortalService, m_portalRequest,
                                                      QStringLiteral("org.freedesktop.portal.Request"),
                                                      QStringLiteral("Close")));
        m_portalRequest.clear();
    }
    m_logindHold = QDBusUnixFileDescriptor(); // closes our copy of logind's descriptor
    if (held)
        emit holdChanged(false);
}
