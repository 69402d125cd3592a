// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The quick settings' preset list: choosing a preset applies it; a change made afterwards
// shows it as modified. Its menu saves the settings as a new preset, renames or deletes one.
#include "settings/appsettings.h"
#include "settings/presets.h"

#include <QWidget>

class QAction;
class QComboBox;
class QToolButton;

class PresetBar : public QWidget
{
    Q_OBJECT
public:
    PresetBar(AppSettings &settings, QWidget *parent = nullptr);

    // Reads the presets again (damaged files are said through skipped()).
    void reload();
    // The chosen preset, marked "(modified)" when the settings differ from it. Before a
    // first choice, the first preset the settings match is shown as chosen.
    void showSettings();
    QString chosen() const { return m_chosen; }

signals:
    // The preset files that were skipped, each with why, on lines of their own.
    void skipped(const QString &messages);

private:
    void choose(int index);
    void saveAs();
    void rename();
    void remove();
    const Preset *chosenPreset() const { return m_presets.find(m_chosen); }

    AppSettings &m_settings;
    PresetList m_presets;
    QString m_chosen;
    bool m_guessed = false;
    QComboBox *m_combo;
    QToolButton *m_menu;
    QAction *m_rename, *m_delete;
};
