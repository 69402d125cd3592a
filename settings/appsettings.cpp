// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/appsettings.h"

#include <QStringList>
#include <algorithm>

AppSettings::AppSettings(QObject *parent) : QObject(parent) { m_output.OutputExt = outputExtension(0); }

void AppSettings::load()
{
    loadSettings(m_output);
    emit changed();
}

void AppSettings::save(const OutputSettings &settings)
{
    OutputSettings saved = settings;
    saved.OutputExt = outputExtension(saved.OutputFormat);
    saveSettings(saved); // raises before anything below happens
    m_output = saved;
    emit changed();
}

void AppSettings::saveGeneral() const
{
    if (m_presetApplied)
        saveSettings(m_output);
    else
        saveGeneralSettings(m_output);
}

void AppSettings::applyPreset(const OutputSettings &settings)
{
    m_output = settings;
    m_output.OutputExt = outputExtension(m_output.OutputFormat);
    m_presetApplied = true;
    emit changed();
}

void AppSettings::setOutputPath(const QString &path)
{
    if (path == m_output.OutputPath)
        return;
    m_output.OutputPath = path;
    emit changed();
}

void AppSettings::setOutputFormat(int format)
{
    m_output.OutputFormat = format;
    m_output.OutputExt = outputExtension(format);
    emit changed();
}

AppSettings::WindowState AppSettings::loadWindowState() const
{
    const IniFile ini(settingsFilePath());
    WindowState state;
    state.geometry = QByteArray::fromBase64(ini.readString(QStringLiteral("Window"), QStringLiteral("Geometry"), {}).toLatin1());
    for (const QString &width : ini.readString(QStringLiteral("Window"), QStringLiteral("Columns"), {}).split(QLatin1Char(','), Qt::SkipEmptyParts))
        state.columnWidths << std::clamp(width.toInt(), 0, 10000);
    return state;
}

void AppSettings::saveWindowState(const WindowState &state) const
{
    IniFile ini(settingsFilePath());
    QStringList widths;
    for (int width : state.columnWidths)
        widths << QString::number(width);
    ini.setString(QStringLiteral("Window"), QStringLiteral("Geometry"), QString::fromLatin1(state.geometry.toBase64()));
    ini.setString(QStringLiteral("Window"), QStringLiteral("Columns"), widths.join(QLatin1Char(',')));
    ini.save();
}
