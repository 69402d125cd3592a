// SPDX-License-Identifier: GPL-3.0-or-later
#include "clip/cliptimes.h"

#include "core/core.h"

#include <cmath>

QString clipStartText(const TJob &job) { return SecondsToTime(qint64(job.clipStart)); }

QString clipEndText(const TJob &job)
{
    if (std::isinf(job.clipEnd))
        return job.endShowsLength ? SecondsToTime(job.Duration) : QStringLiteral("Max");
    return SecondsToTime(qint64(job.clipEnd));
}

bool isMaxText(const QString &text) { return text.compare(QLatin1String("Max"), Qt::CaseInsensitive) == 0; }
