// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/application.h"

#include "desktop/desktop.h"

void reportError(const QString &text)
{
    Desktop::instance().message(QApplication::activeWindow(), QMessageBox::Critical,
                                QStringLiteral("Clipvox"), text);
}

void reportError(const std::exception &error) { reportError(QString::fromUtf8(error.what())); }

ClipvoxApplication::ClipvoxApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Clipvox"));
    setApplicationVersion(QStringLiteral(CLIPVOX_VERSION));
    // Names the desktop entry, so that a Wayland desktop shows the window with its icon.
    setDesktopFileName(QStringLiteral("org.clipvox.Clipvox"));
}

bool ClipvoxApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        reportError(e);
    } catch (...) {
        reportError(QCoreApplication::translate("ClipvoxApplication", "Unknown error"));
    }
    return false;
}
