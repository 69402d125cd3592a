// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// setup.ini and the output settings it holds.
#include "core/core.h"
#include "core/outputsettings.h"
#include "core/result.h"
#include "formats/flac/flacformat.h"
#include "formats/m4a/m4aformat.h"
#include "formats/ogg/oggformat.h"
#include "formats/registry.h"
#include "formats/wav/wavformat.h"
#include "formats/wma/wmaformat.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Folder of the running executable, ending in "/". Tests may point it elsewhere, with the
// settings kept beside it (as in a portable copy) or placed by the usual rule.
enum class SettingsPlace { BesideProgram, ByRule };
QString programFolder();
void setProgramFolder(const QString &folder, SettingsPlace place = SettingsPlace::BesideProgram);
// setup.ini beside the program when one is there, else $XDG_CONFIG_HOME/clipvox/setup.ini
// (~/.config/clipvox/setup.ini).
QString settingsFilePath();
QString userSettingsFilePath();
// Where the main window keeps its queue between sessions: beside a portable copy's
// setup.ini, else $XDG_STATE_HOME/clipvox/queue.json (~/.local/state/clipvox/queue.json).
QString queueFilePath();
// The system-wide defaults under the user's settings: the first clipvox/setup.ini in
// $XDG_CONFIG_DIRS (/etc/xdg when unset); empty when there is none, or for a portable copy.
// Clipvox only reads it.
QString systemSettingsFilePath();

// One INI file, read at construction. Section and key names match without regard to
// case; the first of repeated sections or keys wins. Every write rewrites the whole file
// atomically and keeps every other line byte for byte.
class IniFile
{
public:
    explicit IniFile(QString path);

    QString path() const { return m_path; }
    // The value text, at most 2047 characters; the default when the key is missing.
    QString readString(const QString &section, const QString &key, const QString &def) const;
    // Decimal, or hexadecimal after "0x"/"0X" (longer than two characters) or "$";
    // a missing key, an empty value or a text that is no number gives the default.
    int readInteger(const QString &section, const QString &key, int def) const;
    // Change the text in memory only; save() writes every change at once.
    void setString(const QString &section, const QString &key, const QString &value);
    void setInteger(const QString &section, const QString &key, int value);
    // Rewrites the whole file atomically: afterwards it is either all old or all new.
    // Raises ClipvoxError "Unable to write to <path>" when the system refuses the write.
    void save();
    // setString or setInteger, then save().
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);

    static bool parseInteger(const QString &text, int &value);

    // Every key line in file order (the first of repeated keys of a section only).
    struct Entry
    {
        QString section, key, value;
    };
    QList<Entry> entries() const;
    // The number (from 1) of the first line that is no section, key, comment or blank line,
    // or a key before any section; 0 when there is none. -1 when the file could not be read
    // whole (not a regular file, or too large).
    int strayLine() const;

private:
    struct Line
    {
        QByteArray raw;     // the line as it stands in the file, without its end
        QString section;    // set on section lines
        QString key;        // set on key lines
    };
    int findSection(const QString &section) const;
    int findKey(int sectionLine, const QString &key) const;

    QString m_path;
    QList<Line> m_lines;
    QByteArray m_eol = "\n";
    QByteArray m_bom; // a UTF-8 byte-order mark the file starts with, kept when it is rewritten
    bool m_keepOff = false; // too large, or not a regular file: read no further, never written
};

// The tip window's place in tips.txt and whether the tip shows at start.
struct TipSettings
{
    int TipNo = 1;
    int ShowTip = 1;
};

// The folder of the files added last, where the add-files dialog opens.
struct RecentSettings
{
    QString LastFolder;
};

QString defaultOutputPath();
void loadSettings(OutputSettings &settings);
void saveGeneralSettings(const OutputSettings &settings);
void saveSettings(const OutputSettings &settings);
void loadTipSettings(TipSettings &settings);
void saveTipSettings(const TipSettings &settings);
void loadRecentSettings(RecentSettings &settings);
void saveRecentSettings(const RecentSettings &settings);

// The keys of the output settings as the command line's --set and the preset files name
// them, "section.key", in the order of setup.ini's table.
QStringList outputKeyNames();
// Sets one key of the output settings from its text, checked as setup.ini's reading checks
// it (the same table, ranges and value sets). The reason names the key and the values it
// takes when the key is unknown or the value refused; nothing changes then.
Result<void> setOutputKey(OutputSettings &settings, const QString &section, const QString &key, const QString &value);
// A key's value in settings as setup.ini stores it; a null text for an unknown key.
QString outputKeyText(const OutputSettings &settings, const QString &section, const QString &key);

// The loudness targets the settings offer (LUFS); each format's own value sets are in its
// module (formats/<name>/).
inline constexpr int kLoudnessTargets[] = {0, -23, -18, -16, -14}; // 0: off
