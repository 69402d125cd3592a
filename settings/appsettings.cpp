// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/appsettings.h"

TSettings::TSettings(QObject *parent) : QObject(parent) { m_output.OutputExt = FormatExtension(0); }

void TSettings::Load()
{
    LoadSettings(m_output);
    emit changed();
}

void TSettings::Save(const TOutputSettings &settings)
{
    TOutputSettings saved = settings;
    saved.OutputExt = FormatExtension(saved.OutputFormat);
    SaveSettings(saved); // raises before anything below happens
    m_output = saved;
    emit changed();
}

void TSettings::SaveGeneral() const { SaveGeneralSettings(m_output); }

void TSettings::SetOutputPath(const QString &path)
{
    if (path == m_output.OutputPath)
        return;
    m_output.OutputPath = path;
    emit changed();
}

void TSettings::SetOutputFormat(int format)
{
    m_output.OutputFormat = format;
    m_output.OutputExt = FormatExtension(format);
    emit changed();
}
