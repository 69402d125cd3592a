// SPDX-License-Identifier: GPL-3.0-or-later
#include "clip/cliptimes.h"

#include "core/core.h"

#include <cmath>

QString clipStartText(const Job &job) { return secondsToTime(qint64(job.clipStart)); }

QString clipEndText(const Job &job)
{
    if (std::isinf(job.clipEnd))
        return job.endShowsLength ? secondsToTime(job.Duration) : QStringLiteral("Max");
    return secondsToTime(qint64(job.clipEnd));
}

bool isMaxText(const QString &text) { return text.compare(QLatin1String("Max"), Qt::CaseInsensitive) == 0; }
