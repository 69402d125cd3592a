// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Presets: named sets of output settings, each a file in setup.ini's form (a [preset] section
// with its description, then the keys it sets), so that they can be shared and copied.
// Shipped ones are built in; an administrator's lie in $XDG_CONFIG_DIRS/clipvox/presets/, the
// user's own in $XDG_CONFIG_HOME/clipvox/presets/, NAME.ini each. Of two of one name the
// user's wins, then the system's. Reading a preset never writes it.
#include "core/outputsettings.h"
#include "core/result.h"

#include <QList>
#include <QString>
#include <QStringList>

struct Preset
{
    enum Origin { Shipped, System, User };

    QString name;        // the file's name without ".ini"
    QString description; // in the user's language for a shipped preset
    QString path;
    Origin origin = User;
    // The keys it sets, "section.key" with their values as the file holds them, each already
    // checked against setup.ini's table.
    QList<std::pair<QString, QString>> keys;

    bool readOnly() const { return origin != User; }
    // The preset's keys over settings; the keys it does not name stay as they are.
    void applyTo(OutputSettings &settings) const;
    // Whether settings hold every value the preset sets.
    bool matches(const OutputSettings &settings) const;
};

struct PresetList
{
    QList<Preset> presets;   // by name, without regard to case
    QStringList skipped;     // one message for each damaged file, naming it
    // The preset of that name (any letter case), or nullptr.
    const Preset *find(const QString &name) const;
};

// $XDG_CONFIG_HOME/clipvox/presets/ (~/.config/clipvox/presets/), ending in "/".
QString userPresetFolder();
// Every preset that can be read; damaged files are skipped and said in skipped.
PresetList loadPresets();
// One preset file; the reason (naming the file) when it is damaged: unreadable, a line that
// is no key, an unknown key or a refused value, or no setting at all.
Result<Preset> readPreset(const QString &path, Preset::Origin origin);
// Why a name cannot name a preset file, or empty.
QString presetNameProblem(const QString &name);

// Which keys a saved preset holds: the format and its encoder's keys, the loudness, ReplayGain,
// name pattern and existing-file policy; with the folder, the output folder too.
struct PresetContent
{
    bool withFolder = false;
};
// Writes a user preset from settings. A user preset of that name is replaced only with
// replace; a refused write leaves any file there as it was.
Result<void> savePreset(const QString &name, const QString &description, const OutputSettings &settings,
                        PresetContent content = {}, bool replace = false);
// A user preset under a new name (never over another user preset), or removed.
Result<void> renamePreset(const Preset &preset, const QString &name);
Result<void> deletePreset(const Preset &preset);
