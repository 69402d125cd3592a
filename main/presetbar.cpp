// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/presetbar.h"

#include "desktop/desktop.h"
#include "formats/registry.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

PresetBar::PresetBar(AppSettings &settings, QWidget *parent) : QWidget(parent), m_settings(settings)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(tr("Pre&set"), this);
    m_combo = new QComboBox(this);
    m_combo->setObjectName(QStringLiteral("presetCombo"));
    m_combo->setAccessibleName(tr("Preset"));
    m_combo->setPlaceholderText(tr("(none)"));
    // Narrow, so that the quick settings keep the window's smallest width.
    m_combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_combo->setMinimumContentsLength(10);
    label->setBuddy(m_combo);
    m_menu = new QToolButton(this);
    m_menu->setObjectName(QStringLiteral("presetMenuButton"));
    m_menu->setText(tr("Presets"));
    m_menu->setToolTip(tr("Save, rename or delete presets"));
    m_menu->setPopupMode(QToolButton::InstantPopup);
    auto *menu = new QMenu(m_menu);
    QAction *save = menu->addAction(tr("Save &as..."), this, &PresetBar::saveAs);
    save->setObjectName(QStringLiteral("presetSaveAs"));
    m_rename = menu->addAction(tr("&Rename..."), this, &PresetBar::rename);
    m_rename->setObjectName(QStringLiteral("presetRename"));
    m_delete = menu->addAction(tr("&Delete"), this, &PresetBar::remove);
    m_delete->setObjectName(QStringLiteral("presetDelete"));
    m_menu->setMenu(menu);
    layout->addWidget(label);
    layout->addWidget(m_combo);
    layout->addWidget(m_menu);
    // Only the user's choice applies a preset; filling the list does not.
    connect(m_combo, &QComboBox::activated, this, &PresetBar::choose);
}

void PresetBar::reload()
{
    m_presets = loadPresets();
    if (!m_presets.skipped.isEmpty())
        emit skipped(m_presets.skipped.join(QLatin1Char('\n')));
    const QSignalBlocker quiet(m_combo);
    m_combo->clear();
    for (const Preset &preset : std::as_const(m_presets.presets)) {
        m_combo->addItem(preset.name, preset.name);
        m_combo->setItemData(m_combo->count() - 1, preset.description, Qt::ToolTipRole);
    }
    if (!chosenPreset())
        m_chosen.clear();
    showSettings();
}

void PresetBar::showSettings()
{
    const OutputSettings &settings = m_settings.outputSettings();
    if (!m_guessed && m_chosen.isEmpty() && !settings.OutputExt.isEmpty()) {
        m_guessed = true;
        for (const Preset &preset : std::as_const(m_presets.presets))
            if (preset.matches(settings)) {
                m_chosen = preset.name;
                break;
            }
    }
    const QSignalBlocker quiet(m_combo);
    int current = -1;
    for (int i = 0; i < m_combo->count(); ++i) {
        const QString name = m_combo->itemData(i).toString();
        QString text = name;
        if (name == m_chosen) {
            current = i;
            if (!m_presets.presets[i].matches(settings))
                text = tr("%1 (modified)").arg(name);
        }
        if (m_combo->itemText(i) != text)
            m_combo->setItemText(i, text);
    }
    m_combo->setCurrentIndex(current);
    const Preset *preset = chosenPreset();
    m_rename->setEnabled(preset && !preset->readOnly());
    m_delete->setEnabled(preset && !preset->readOnly());
}

void PresetBar::choose(int index)
{
    if (index < 0 || index >= m_presets.presets.size())
        return;
    const Preset &preset = m_presets.presets[index];
    m_chosen = preset.name;
    OutputSettings settings = m_settings.outputSettings();
    preset.applyTo(settings);
    m_settings.applyPreset(settings); // the window shows the settings, and this list with them
    showSettings();
}

void PresetBar::saveAs()
{
    const QString name = Desktop::instance().textInput(window(), tr("Save preset"), tr("Name of the new preset:"), m_chosen).trimmed();
    if (name.isEmpty())
        return;
    const Preset *existing = m_presets.find(name);
    if (existing && existing->readOnly()) {
        showInformation(window(), tr("The preset \"%1\" is read-only: choose another name.").arg(existing->name));
        return;
    }
    // Nothing of the user's is replaced without asking.
    if (existing && !Desktop::instance().question(window(), tr("Save preset"), tr("Replace the preset \"%1\"?").arg(existing->name)))
        return;
    const OutputSettings &settings = m_settings.outputSettings();
    const Result<void> saved = savePreset(name, QString::fromLatin1(outputFormat(settings.OutputFormat).name), settings, {}, existing != nullptr);
    if (!saved) {
        showInformation(window(), saved.reason());
        return;
    }
    m_chosen = existing ? existing->name : name;
    reload();
}

void PresetBar::rename()
{
    const Preset *preset = chosenPreset();
    if (!preset || preset->readOnly())
        return;
    const QString name = Desktop::instance().textInput(window(), tr("Rename preset"), tr("New name of the preset:"), preset->name).trimmed();
    if (name.isEmpty() || name == preset->name)
        return;
    if (const Preset *other = m_presets.find(name); other && other != preset) {
        showInformation(window(), tr("A preset named \"%1\" exists already.").arg(other->name));
        return;
    }
    if (const Result<void> renamed = renamePreset(*preset, name); !renamed) {
        showInformation(window(), renamed.reason());
        return;
    }
    m_chosen = name;
    reload();
}

void PresetBar::remove()
{
    const Preset *preset = chosenPreset();
    if (!preset || preset->readOnly())
        return;
    if (!Desktop::instance().question(window(), tr("Delete preset"), tr("Delete the preset \"%1\"?").arg(preset->name)))
        return;
    if (const Result<void> removed = deletePreset(*preset); !removed) {
        showInformation(window(), removed.reason());
        return;
    }
    m_chosen.clear();
    reload();
}
