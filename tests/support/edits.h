// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Changes to a queued job and to the output settings, made the way the clip editor and the
// settings dialog make them.
#include "main/jobqueue.h"
#include "settings/appsettings.h"

// Changes one field of a queued job (row from 0), as the clip editor's OK does.
template <typename T, typename V>
void SetJobField(TJobQueue &queue, int row, T TJob::*field, const V &value)
{
    TJob job = queue.Job(row);
    job.*field = value;
    queue.SetJob(row, job);
}

// Changes one output setting, as the settings dialog's OK does (saved, then applied).
template <typename T, typename V>
void SetSetting(TSettings &settings, T TOutputSettings::*field, const V &value)
{
    TOutputSettings s = settings.OutputSettings();
    s.*field = value;
    settings.Save(s);
}
