// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application object and the general error report: an error that escapes an event
// handler is shown in an error box with its text, and the program goes on.
#include "core/core.h"

#include <QApplication>
#include <stdexcept>

// Shows the error box of the general error report.
void reportError(const std::exception &error);
void reportError(const QString &text);

// Runs a handler body and reports what it throws; slots use it, since exceptions must not
// travel through Qt's signal delivery.
template <typename F>
void guarded(F &&body)
{
    try {
        body();
    } catch (const std::exception &e) {
        reportError(e);
    }
}

class ClipvoxApplication : public QApplication
{
public:
    ClipvoxApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
