// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/presets.h"

#include "formats/registry.h"
#include "settings/settingsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>

namespace {
constexpr int kMaxNameLength = 100;
const QString kPresetSection = QStringLiteral("preset");

// The shipped presets' descriptions, so that they are translated.
[[maybe_unused]] const char *const kShippedDescriptions[] = {
    QT_TRANSLATE_NOOP("Presets", "Speech and podcasts: MP3 mono 64 kbps, loudness even at -16 LUFS"),
    QT_TRANSLATE_NOOP("Presets", "Music: OGG Vorbis quality 6, ReplayGain album tags, sound unchanged"),
    QT_TRANSLATE_NOOP("Presets", "Archive: FLAC at the source's rate and sample size, sound unchanged"),
    QT_TRANSLATE_NOOP("Presets", "Phone: AAC in M4A 128 kbps, loudness even at -16 LUFS"),
    QT_TRANSLATE_NOOP("Presets", "Editing: WAV 48 kHz 16-bit stereo, sound unchanged"),
};

QString xdgFolder(const char *variable, const QString &fallback)
{
    const QString folder = qEnvironmentVariable(variable);
    return folder.isEmpty() || QDir::isRelativePath(folder) ? fallback : folder;
}

// The system's preset folders, the first of $XDG_CONFIG_DIRS first.
QStringList systemPresetFolders()
{
    QStringList folders;
    const QString dirs = xdgFolder("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg"));
    for (const QString &dir : dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (!QDir::isRelativePath(dir))
            folders << dir + QStringLiteral("/clipvox/presets/");
    return folders;
}

Failure damaged(const QString &path, const QString &why)
{
    return Failure{QCoreApplication::translate("Presets", "Preset file %1 skipped: %2").arg(QDir::toNativeSeparators(path), why)};
}

QString presetPath(const QString &name) { return userPresetFolder() + name + QStringLiteral(".ini"); }

// A user preset's file whose name differs from name at most in letter case: presets are found
// without regard to case, so two such would hide each other.
QString existingUserPreset(const QString &name)
{
    const QStringList files = QDir(userPresetFolder()).entryList({QStringLiteral("*.ini")}, QDir::Files | QDir::System);
    for (const QString &file : files)
        if (QFileInfo(file).completeBaseName().compare(name, Qt::CaseInsensitive) == 0)
            return userPresetFolder() + file;
    return QString();
}
} // namespace

void Preset::applyTo(OutputSettings &settings) const
{
    for (const auto &[name, value] : keys)
        setOutputKey(settings, name.section(QLatin1Char('.'), 0, 0), name.section(QLatin1Char('.'), 1), value);
}

bool Preset::matches(const OutputSettings &settings) const
{
    OutputSettings applied = settings;
    applyTo(applied);
    return std::ranges::all_of(keys, [&](const auto &k) {
        const QString section = k.first.section(QLatin1Char('.'), 0, 0), key = k.first.section(QLatin1Char('.'), 1);
        return outputKeyText(applied, section, key) == outputKeyText(settings, section, key);
    });
}

const Preset *PresetList::find(const QString &name) const
{
    for (const Preset &preset : presets)
        if (preset.name.compare(name, Qt::CaseInsensitive) == 0)
            return &preset;
    return nullptr;
}

QString userPresetFolder()
{
    return xdgFolder("XDG_CONFIG_HOME", QDir::homePath() + QStringLiteral("/.config")) + QStringLiteral("/clipvox/presets/");
}

QString presetNameProblem(const QString &name)
{
    if (name.trimmed().isEmpty())
        return QCoreApplication::translate("Presets", "A preset needs a name.");
    if (name.size() > kMaxNameLength)
        return QCoreApplication::translate("Presets", "A preset's name has at most %1 characters.").arg(kMaxNameLength);
    if (name.startsWith(QLatin1Char('.')) || name != name.trimmed()
        || std::ranges::any_of(name, [](QChar c) { return c == QLatin1Char('/') || c.category() == QChar::Other_Control; }))
        return QCoreApplication::translate("Presets", "A preset's name cannot start with a dot or a space, nor hold \"/\" or control characters.");
    return QString();
}

Result<Preset> readPreset(const QString &path, Preset::Origin origin)
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return damaged(path, QCoreApplication::translate("Presets", "it cannot be read"));
    const IniFile ini(path);
    const int stray = ini.strayLine();
    if (stray < 0)
        return damaged(path, QCoreApplication::translate("Presets", "it is too large"));
    if (stray > 0)
        return damaged(path, QCoreApplication::translate("Presets", "line %1 is no section, key or comment").arg(stray));
    Preset preset;
    preset.name = info.completeBaseName();
    preset.path = path;
    preset.origin = origin;
    OutputSettings scratch;
    for (const IniFile::Entry &entry : ini.entries()) {
        if (entry.section.compare(kPresetSection, Qt::CaseInsensitive) == 0) {
            if (entry.key.compare(QLatin1String("description"), Qt::CaseInsensitive) == 0)
                preset.description = entry.value;
            continue;
        }
        if (const Result<void> set = setOutputKey(scratch, entry.section, entry.key, entry.value); !set)
            return damaged(path, set.reason());
        preset.keys.append({(entry.section + QLatin1Char('.') + entry.key).toLower(), entry.value});
    }
    if (preset.keys.isEmpty())
        return damaged(path, QCoreApplication::translate("Presets", "it sets nothing"));
    if (origin == Preset::Shipped)
        preset.description = QCoreApplication::translate("Presets", preset.description.toUtf8().constData());
    return preset;
}

PresetList loadPresets()
{
    PresetList list;
    const auto add = [&list](const QString &folder, Preset::Origin origin) {
        const QStringList files = QDir(folder).entryList({QStringLiteral("*.ini")}, QDir::Files | QDir::Readable | QDir::System, QDir::Name);
        for (const QString &file : files) {
            if (list.find(QFileInfo(file).completeBaseName()))
                continue; // one of a folder before wins
            Result<Preset> preset = readPreset(folder + file, origin);
            if (preset)
                list.presets.append(*preset);
            else
                list.skipped << preset.reason();
        }
    };
    add(userPresetFolder(), Preset::User);
    for (const QString &folder : systemPresetFolders())
        add(folder, Preset::System);
    add(QStringLiteral(":/presets/"), Preset::Shipped);
    std::ranges::sort(list.presets, [](const Preset &a, const Preset &b) { return a.name.compare(b.name, Qt::CaseInsensitive) < 0; });
    return list;
}

Result<void> savePreset(const QString &name, const QString &description, const OutputSettings &settings,
                        PresetContent content, bool replace)
{
    if (const QString problem = presetNameProblem(name); !problem.isEmpty())
        return Failure{problem};
    const QString existing = existingUserPreset(name);
    const QString path = existing.isEmpty() ? presetPath(name) : existing;
    if (!replace && !existing.isEmpty())
        return Failure{QCoreApplication::translate("Presets", "A preset named \"%1\" exists already.").arg(name)};
    if (!QDir().mkpath(userPresetFolder()))
        return Failure{QCoreApplication::translate("Presets", "Cannot create the folder %1").arg(userPresetFolder())};
    QStringList keys{QStringLiteral("general.outputformat"), QStringLiteral("general.loudness"), QStringLiteral("general.peaks"),
                     QStringLiteral("general.replaygain"), QStringLiteral("general.namepattern"), QStringLiteral("general.existing")};
    if (content.withFolder)
        keys << QStringLiteral("general.saveto") << QStringLiteral("general.outputpath");
    for (const FormatSettingKey &k : outputFormat(settings.OutputFormat).keys)
        keys << QStringLiteral("%1.%2").arg(QLatin1String(k.section), QLatin1String(k.key));
    // A new file from nothing, grouped by section; QSaveFile replaces an old one only whole.
    const auto line = [](const QString &key, QString value) {
        return (key + QLatin1Char('=') + value.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '))).toUtf8() + '\n';
    };
    QByteArray data = "[" + kPresetSection.toUtf8() + "]\n" + line(QStringLiteral("description"), description);
    QString section;
    for (const QString &key : std::as_const(keys)) {
        const QString s = key.section(QLatin1Char('.'), 0, 0), k = key.section(QLatin1Char('.'), 1);
        if (s != section)
            data += "[" + (section = s).toUtf8() + "]\n";
        data += line(k, outputKeyText(settings, s, k));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(data) != data.size() || !file.commit())
        return Failure{QCoreApplication::translate("Presets", "Unable to write to %1").arg(QDir::toNativeSeparators(path))};
    return {};
}

Result<void> renamePreset(const Preset &preset, const QString &name)
{
    if (preset.readOnly())
        return Failure{QCoreApplication::translate("Presets", "The preset \"%1\" is read-only.").arg(preset.name)};
    if (const QString problem = presetNameProblem(name); !problem.isEmpty())
        return Failure{problem};
    const QString target = presetPath(name);
    // Only the letter case changes: the same file.
    const bool sameFile = name.compare(preset.name, Qt::CaseInsensitive) == 0;
    if (!sameFile && !existingUserPreset(name).isEmpty())
        return Failure{QCoreApplication::translate("Presets", "A preset named \"%1\" exists already.").arg(name)};
    // Never over a file that appeared meanwhile; a change of case renames in place.
    const QByteArray from = QFile::encodeName(preset.path), to = QFile::encodeName(target);
    const bool moved = ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), sameFile ? 0 : RENAME_NOREPLACE) == 0;
    if (!moved)
        return Failure{QCoreApplication::translate("Presets", "The preset \"%1\" could not be renamed: %2")
                           .arg(preset.name, QString::fromLocal8Bit(std::strerror(errno)))};
    return {};
}

Result<void> deletePreset(const Preset &preset)
{
    if (preset.readOnly())
        return Failure{QCoreApplication::translate("Presets", "The preset \"%1\" is read-only.").arg(preset.name)};
    if (!QFile::remove(preset.path))
        return Failure{QCoreApplication::translate("Presets", "The preset \"%1\" could not be deleted.").arg(preset.name)};
    return {};
}
