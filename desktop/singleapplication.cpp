// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/singleapplication.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFileInfo>
#include <QDir>
#include <QUrl>

namespace {
constexpr char kInterface[] = "org.freedesktop.Application";
// A Clipvox that owns the name but does not answer in this time is taken for hung.
constexpr int kCallTimeoutMs = 10000;

// The launcher's token that lets the window take the focus from it (Wayland's
// xdg-activation, X11's startup notification).
QVariantMap platformData()
{
    QVariantMap data;
    if (const QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN"); !token.isEmpty())
        data.insert(QStringLiteral("activation-token"), token);
    if (const QString id = qEnvironmentVariable("DESKTOP_STARTUP_ID"); !id.isEmpty())
        data.insert(QStringLiteral("desktop-startup-id"), id);
    return data;
}

// Hands the launcher's token on, so that the window may come to the front on Wayland.
void takeToken(const QVariantMap &data)
{
    const QString token = data.value(QStringLiteral("activation-token")).toString();
    if (!token.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
}

class ApplicationAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    explicit ApplicationAdaptor(SingleApplication *application)
        : QDBusAbstractAdaptor(application), m_application(application)
    {
    }

public slots:
    // The method names are the org.freedesktop.Application interface's.
    // NOLINTBEGIN(readability-identifier-naming)
    void Activate(const QVariantMap &platformData) { m_application->activate(platformData); }
    void Open(const QStringList &uris, const QVariantMap &platformData) { m_application->open(uris, platformData); }
    // Clipvox has no actions of its own to offer.
    void ActivateAction(const QString &, const QVariantList &, const QVariantMap &platformData)
    {
        m_application->activate(platformData);
    }
    // NOLINTEND(readability-identifier-naming)

private:
    SingleApplication *m_application;
};
} // namespace

SingleApplication::SingleApplication(QObject *parent) : QObject(parent) { new ApplicationAdaptor(this); }

SingleApplication::Start SingleApplication::start(const QStringList &files)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return Start::Alone;
    const QString name = QLatin1String(ServiceName), path = QLatin1String(ObjectPath);
    // The object first, so that a start that finds the name finds the object behind it too.
    if (!bus.registerObject(path, this, QDBusConnection::ExportAdaptors))
        return Start::Alone;
    const auto reply = bus.interface()->registerService(name, QDBusConnectionInterface::DontQueueService,
                                                        QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered)
        return Start::Primary;
    bus.unregisterObject(path);
    if (!reply.isValid() || !bus.interface()->isServiceRegistered(name).value())
        return Start::Alone;

    QDBusMessage call;
    if (files.isEmpty()) {
        call = QDBusMessage::createMethodCall(name, path, QLatin1String(kInterface), QStringLiteral("Activate"));
        call << platformData();
    } else {
        QStringList uris;
        for (const QString &file : files)
            uris << QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()).toString(QUrl::FullyEncoded);
        call = QDBusMessage::createMethodCall(name, path, QLatin1String(kInterface), QStringLiteral("Open"));
        call << uris << platformData();
    }
    const QDBusMessage answer = bus.call(call, QDBus::Block, kCallTimeoutMs);
    return answer.type() == QDBusMessage::ReplyMessage ? Start::Handed : Start::Alone;
}

void SingleApplication::activate(const QVariantMap &platformData)
{
    takeToken(platformData);
    emit activated();
}

void SingleApplication::open(const QStringList &uris, const QVariantMap &platformData)
{
    QStringList files;
    for (const QString &uri : uris) {
        const QUrl url(uri);
        // Only local files can be queued, named in full: a desktop hands others only by
        // mistake, and a relative name would be read against this process's folder.
        const bool here = url.host().isEmpty() || url.host() == QLatin1String("localhost");
        if (url.isLocalFile() && here && QDir::isAbsolutePath(url.toLocalFile()))
            files << url.toLocalFile();
    }
    if (!files.isEmpty())
        emit filesOpened(files);
    activate(platformData);
}

#include "singleapplication.moc"
