// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One window for every start from the desktop: the first Clipvox owns org.clipvox.Clipvox
// on the session bus and serves org.freedesktop.Application there; a later start hands its
// files to it and ends.
#include <QObject>
#include <QStringList>
#include <QVariantMap>

class SingleApplication : public QObject
{
    Q_OBJECT
public:
    static constexpr char ServiceName[] = "org.clipvox.Clipvox";
    static constexpr char ObjectPath[] = "/org/clipvox/Clipvox";

    enum class Start {
        Primary, // this program owns the name and serves the interface
        Handed,  // another Clipvox took the files (or was brought to the front): end here
        Alone,   // no session bus, or it refused: the program goes on with its own window
    };

    explicit SingleApplication(QObject *parent = nullptr);
    // Owns the name, or hands the files (absolute paths) to the program that owns it.
    Start start(const QStringList &files);

    // What the interface's methods ask; called by the bus adaptor.
    void activate(const QVariantMap &platformData);
    void open(const QStringList &uris, const QVariantMap &platformData);

signals:
    // Files from another start, as absolute paths; activated() follows.
    void filesOpened(const QStringList &files);
    // Come to the front.
    void activated();
};
