// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop notification at the end of a long run, through the freedesktop notification
// service on the session bus.
#include <QString>

// "4 files converted, 1 failed".
QString runEndedText(int converted, int failed);
// Posts runEndedText when the run took longer than ten seconds and no Clipvox window is the
// active one. Without a session bus or notification service nothing happens; the call
// never waits for the service.
void notifyRunEnded(int converted, int failed, qint64 runMs, bool windowActive);
