// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/medialength.h"
#include <QCoreApplication>

#include "media/avinput.h"

std::optional<double> mediaLengthMs(const QString &path, QString *error, const std::atomic<bool> *stop)
{
    const AVIOInterruptCB cb{[](void *p) { return static_cast<const std::atomic<bool> *>(p)->load() ? 1 : 0; },
                             const_cast<std::atomic<bool> *>(stop)};
    AVFormatPtr fmt = openMediaInput(path, false, stop ? &cb : nullptr, error);
    if (!fmt)
        return std::nullopt;
    int64_t us = fmt->duration;
    if (us == AV_NOPTS_VALUE || us <= 0) {
        // Some containers only know the streams' lengths.
        us = 0;
        for (unsigned i = 0; i < fmt->nb_streams; ++i) {
            const AVStream *st = fmt->streams[i];
            if (st->duration != AV_NOPTS_VALUE)
                us = std::max(us, av_rescale_q(st->duration, st->time_base, AV_TIME_BASE_Q));
        }
    }
    if (us <= 0) {
        if (error)
            *error = QCoreApplication::translate("Media", "The length of %1 is unknown").arg(path);
        return std::nullopt;
    }
    return us / 1000.0;
}
