// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's settings as one object: the output settings in memory and setup.ini behind
// them. One is made at start and handed to whoever needs it.
#include "settings/settingsfile.h"

#include <QObject>

class AppSettings : public QObject
{
    Q_OBJECT
public:
    explicit AppSettings(QObject *parent = nullptr);

    const OutputSettings &outputSettings() const { return m_output; }

    // Reads setup.ini (missing keys and values outside their sets give the defaults).
    void load();
    // Writes all of settings to setup.ini at once, then makes them the program's settings.
    // A refused write raises ClipvoxError "Unable to write to <path>" and changes nothing:
    // neither the file nor the settings in memory.
    void save(const OutputSettings &settings);
    // Writes the output folder and format, as the main window does when it closes; every
    // output key once a preset was applied.
    void saveGeneral() const;
    // A preset's settings, in memory until the window closes (then saveGeneral writes them).
    void applyPreset(const OutputSettings &settings);

    // The quick settings of the main window, in memory until the window closes; the
    // extension follows the format.
    void setOutputPath(const QString &path);
    void setOutputFormat(int format);

    // The main window's place and size (QWidget::saveGeometry) and the queue's column widths,
    // as they were when it last closed; empty when never saved.
    struct WindowState
    {
        QByteArray geometry;
        QList<int> columnWidths;
    };
    WindowState loadWindowState() const;
    // Written to setup.ini at once; raises ClipvoxError as Save does.
    void saveWindowState(const WindowState &state) const;

signals:
    // The settings in memory changed (after Load, Save or a quick setting).
    void changed();

private:
    OutputSettings m_output;
    bool m_presetApplied = false;
};
