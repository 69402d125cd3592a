// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/desktop.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QInputDialog>
#include <QFileInfo>
#include <QFileDialog>

namespace {
Desktop *g_override = nullptr;
}

Desktop &Desktop::instance()
{
    static QtDesktop real;
    return g_override ? *g_override : real;
}

void Desktop::setInstance(Desktop *desktop) { g_override = desktop; }

QStringList QtDesktop::openFileNames(QWidget *parent, const QString &title, const QString &filter,
                                     const QString &folder)
{
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setSizeGripEnabled(true);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

QString QtDesktop::browseFolder(QWidget *parent, const QString &prompt, const QString &start)
{
    return QFileDialog::getExistingDirectory(parent, prompt, start, QFileDialog::ShowDirsOnly);
}

void QtDesktop::message(QWidget *parent, QMessageBox::Icon icon, const QString &caption,
                        const QString &text)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtDesktop::question(QWidget *parent, const QString &caption, const QString &text)
{
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

bool QtDesktop::openUrl(const QUrl &url) { return QDesktopServices::openUrl(url); }

QString Desktop::textInput(QWidget *parent, const QString &caption, const QString &label, const QString &text)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(parent, caption, label, QLineEdit::Normal, text, &ok);
    return ok ? answer : QString();
}

QString browseOutputFolder(QWidget *parent, const QString &start)
{
    QString path = Desktop::instance().browseFolder(parent, QCoreApplication::translate("Desktop", "Select a directory to save output files"), start);
    if (!path.isEmpty() && !path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

void showInformation(QWidget *parent, const QString &text)
{
    Desktop::instance().message(parent, QMessageBox::Information, QCoreApplication::translate("Desktop", "Information"), text);
}

void Desktop::showInFolder(const QString &path, const std::function<void()> &failed)
{
    // The freedesktop file manager interface selects the file; without a file manager on the
    // bus the folder opens. Nothing waits for the answer.
    const QUrl folder = QUrl::fromLocalFile(QFileInfo(path).absolutePath());
    const auto openFolder = [folder, failed] {
        if (!Desktop::instance().openUrl(folder) && failed)
            failed();
    };
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        openFolder();
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(path).toString()} << QString();
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), QCoreApplication::instance());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [watcher, openFolder] {
        if (watcher->isError())
            openFolder();
        watcher->deleteLater();
    });
}
