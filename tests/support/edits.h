// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Changes to a queued job and to the output settings, made the way the clip editor and the
// settings dialog make them.
#include "main/jobqueue.h"
#include "settings/appsettings.h"

// Changes one field of a queued job (row from 0), as the clip editor's OK does.
template <typename T, typename V>
void setJobField(JobQueue &queue, int row, T Job::*field, const V &value)
{
    Job job = queue.job(row);
    job.*field = value;
    queue.setJob(row, job);
}

// Changes one output setting, as the settings dialog's OK does (saved, then applied).
template <typename T, typename V>
void setSetting(AppSettings &settings, T OutputSettings::*field, const V &value)
{
    OutputSettings s = settings.outputSettings();
    s.*field = value;
    settings.save(s);
}
