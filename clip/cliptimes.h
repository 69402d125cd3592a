// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A job's clip as people read it: "hh:mm:ss" in whole seconds, and "Max" for the source's end.
#include "engine/job.h"

#include <QString>

// The clip's start as the queue and the editor show it.
QString clipStartText(const Job &job);
// The clip's end as the queue and the editor show it: the source's end is "Max" until the
// editor has measured the source, then its length.
QString clipEndText(const Job &job);
// Whether an end text stands for the source's end: "Max" in any letter case.
bool isMaxText(const QString &text);
