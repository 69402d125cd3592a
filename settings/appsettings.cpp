// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/appsettings.h"

#include <QStringList>
#include <algorithm>

TSettings::TSettings(QObject *parent) : QObject(parent) { m_output.OutputExt = outputExtension(0); }

void TSettings::Load()
{
    LoadSettings(m_output);
    emit changed();
}

void TSettings::Save(const TOutputSettings &settings)
{
    TOutputSettings saved = settings;
    saved.OutputExt = outputExtension(saved.OutputFormat);
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
    m_output.OutputExt = outputExtension(format);
    emit changed();
}

TSettings::WindowState TSettings::LoadWindowState() const
{
    const IniFile ini(SettingsFilePath());
    WindowState state;
    state.geometry = QByteArray::fromBase64(ini.readString(QStringLiteral("Window"), QStringLiteral("Geometry"), {}).toLatin1());
    for (const QString &width : ini.readString(QStringLiteral("Window"), QStringLiteral("Columns"), {}).split(QLatin1Char(','), Qt::SkipEmptyParts))
        state.columnWidths << std::clamp(width.toInt(), 0, 10000);
    return state;
}

void TSettings::SaveWindowState(const WindowState &state) const
{
    IniFile ini(SettingsFilePath());
    QStringList widths;
    for (int width : state.columnWidths)
        widths << QString::number(width);
    ini.setString(QStringLiteral("Window"), QStringLiteral("Geometry"), QString::fromLatin1(state.geometry.toBase64()));
    ini.setString(QStringLiteral("Window"), QStringLiteral("Columns"), widths.join(QLatin1Char(',')));
    ini.save();
}
