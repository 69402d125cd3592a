// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>
#include <algorithm>
#include <climits>
#include <span>
#include <variant>
#include <vector>

namespace {
QString g_programFolder;
bool g_settingsBesideProgram = false;
// Larger files are read only up to here and never rewritten.
constexpr qint64 kMaxIniSize = 16 * 1024 * 1024;
constexpr int kMaxTextLength = 2047;

bool sameName(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }
} // namespace

QString programFolder()
{
    if (!g_programFolder.isEmpty())
        return g_programFolder;
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

void setProgramFolder(const QString &folder, SettingsPlace place)
{
    g_programFolder = folder;
    g_settingsBesideProgram = !folder.isEmpty() && place == SettingsPlace::BesideProgram;
    if (!g_programFolder.isEmpty() && !g_programFolder.endsWith(QLatin1Char('/')))
        g_programFolder += QLatin1Char('/');
}

QString userSettingsFilePath()
{
    // The XDG rule: an unset, empty or relative XDG_CONFIG_HOME means ~/.config.
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/clipvox/setup.ini");
}

QString settingsFilePath()
{
    // A setup.ini beside the program (a portable copy) wins; an installed copy's folder is
    // not the user's to write, so otherwise the settings are the user's own.
    const QString beside = programFolder() + QStringLiteral("setup.ini");
    const QFileInfo info(beside);
    if (g_settingsBesideProgram || info.exists() || info.isSymLink())
        return beside;
    return userSettingsFilePath();
}

QString queueFilePath()
{
    // A portable copy keeps its queue beside it, as it keeps its settings.
    const QString settings = settingsFilePath();
    if (settings != userSettingsFilePath())
        return programFolder() + QStringLiteral("queue.json");
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/clipvox/queue.json");
}

QString systemSettingsFilePath()
{
    if (settingsFilePath() != userSettingsFilePath())
        return QString();
    QString dirs = qEnvironmentVariable("XDG_CONFIG_DIRS");
    if (dirs.isEmpty())
        dirs = QStringLiteral("/etc/xdg");
    for (const QString &dir : dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        // The XDG rule: relative entries are ignored.
        if (QDir::isRelativePath(dir))
            continue;
        const QString path = dir + QStringLiteral("/clipvox/setup.ini");
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

IniFile::IniFile(QString path) : m_path(std::move(path))
{
    // A regular file only: a pipe or a device in its place would block the start or never
    // end, and is never written over.
    if (!m_path.isEmpty() && QFileInfo::exists(m_path) && !QFileInfo(m_path).isFile()) {
        m_keepOff = true;
        return;
    }
    QFile file(m_path);
    if (m_path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return;
    m_keepOff = file.size() > kMaxIniSize;
    QByteArray data = file.read(kMaxIniSize);
    // Editors on Windows start a UTF-8 file with a byte-order mark; it is no part of the first line.
    if (data.startsWith("\xEF\xBB\xBF")) {
        m_bom = data.left(3);
        data.remove(0, 3);
    }
    if (data.contains("\r\n"))
        m_eol = "\r\n";
    const QList<QByteArray> rows = data.split('\n');
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QByteArray raw = rows[i];
        if (i == rows.size() - 1 && raw.isEmpty())
            break; // text after the last line end
        if (raw.endsWith('\r'))
            raw.chop(1);
        Line line{raw, {}, {}};
        const QByteArray t = raw.trimmed();
        if (t.startsWith('[') && t.indexOf(']') > 0) {
            line.section = QString::fromUtf8(t.mid(1, t.indexOf(']') - 1)).trimmed();
        } else if (!t.startsWith(';') && t.indexOf('=') > 0) {
            line.key = QString::fromUtf8(t.left(t.indexOf('='))).trimmed();
        }
        m_lines.append(line);
    }
}

QList<IniFile::Entry> IniFile::entries() const
{
    QList<Entry> all;
    QString section;
    for (int i = 0; i < m_lines.size(); ++i) {
        const Line &line = m_lines[i];
        if (!line.section.isNull())
            section = line.section;
        else if (!line.key.isNull() && !section.isNull() && findKey(findSection(section), line.key) == i)
            all.append({section, line.key, readString(section, line.key, QString())});
    }
    return all;
}

int IniFile::strayLine() const
{
    if (m_keepOff)
        return -1;
    bool inSection = false;
    for (int i = 0; i < m_lines.size(); ++i) {
        const Line &line = m_lines[i];
        const QByteArray t = line.raw.trimmed();
        if (!line.section.isNull())
            inSection = true;
        else if ((!line.key.isNull() && !inSection) || (line.key.isNull() && !t.isEmpty() && !t.startsWith(';')))
            return i + 1;
    }
    return 0;
}

int IniFile::findSection(const QString &section) const
{
    for (int i = 0; i < m_lines.size(); ++i)
        if (!m_lines[i].section.isNull() && sameName(m_lines[i].section, section))
            return i;
    return -1;
}

int IniFile::findKey(int sectionLine, const QString &key) const
{
    for (int i = sectionLine + 1; i < m_lines.size() && m_lines[i].section.isNull(); ++i)
        if (!m_lines[i].key.isNull() && sameName(m_lines[i].key, key))
            return i;
    return -1;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const
{
    const int s = findSection(section);
    const int k = s < 0 ? -1 : findKey(s, key);
    if (k < 0)
        return def;
    const QByteArray &raw = m_lines[k].raw;
    QString value = QString::fromUtf8(raw.mid(raw.indexOf('=') + 1)).trimmed();
    return value.left(kMaxTextLength);
}

bool IniFile::parseInteger(const QString &input, int &value)
{
    const QString text = input.trimmed();
    bool ok = false;
    qint64 v = 0;
    QString digits;
    if (text.size() > 2 && (text.startsWith(QLatin1String("0x")) || text.startsWith(QLatin1String("0X"))))
        digits = text.mid(2);
    else if (text.startsWith(QLatin1Char('$')))
        digits = text.mid(1);
    if (!digits.isNull()) {
        // Hexadecimal takes up to eight digits and wraps into the signed range.
        if (digits.isEmpty() || digits.size() > 8 || digits.startsWith(QLatin1Char('+')) ||
            digits.startsWith(QLatin1Char('-')))
            return false;
        const quint32 u = digits.toUInt(&ok, 16);
        if (!ok)
            return false;
        value = static_cast<qint32>(u);
        return true;
    }
    v = text.toLongLong(&ok, 10);
    if (!ok || v < INT32_MIN || v > INT32_MAX)
        return false;
    value = static_cast<int>(v);
    return true;
}

int IniFile::readInteger(const QString &section, const QString &key, int def) const
{
    int value = def;
    return parseInteger(readString(section, key, QString()), value) ? value : def;
}

void IniFile::setString(const QString &section, const QString &key, const QString &input)
{
    // A line break would end the entry early and spill into a line of its own.
    QString value = input;
    value.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QByteArray entry = key.toUtf8() + '=' + value.toUtf8();
    int s = findSection(section);
    if (s < 0) {
        m_lines.append({'[' + section.toUtf8() + ']', section, {}});
        m_lines.append({entry, {}, key});
    } else if (const int k = findKey(s, key); k >= 0) {
        QByteArray &raw = m_lines[k].raw; // the key keeps its spelling
        raw = raw.left(raw.indexOf('=') + 1) + value.toUtf8();
    } else {
        // After the section's last key, so that blank lines before the next section stay there.
        int at = s + 1;
        for (int i = s + 1; i < m_lines.size() && m_lines[i].section.isNull(); ++i)
            if (!m_lines[i].raw.trimmed().isEmpty())
                at = i + 1;
        m_lines.insert(at, {entry, {}, key});
    }
}

void IniFile::setInteger(const QString &section, const QString &key, int value)
{
    setString(section, key, QString::number(value));
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    setString(section, key, value);
    save();
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    setInteger(section, key, value);
    save();
}

void IniFile::save()
{
    const auto refuse = [this] {
        throw ClipvoxError(QCoreApplication::translate("IniFile", "Unable to write to %1").arg(QDir::toNativeSeparators(m_path)));
    };
    if (m_keepOff)
        refuse();
    // The user's settings folder is made on the first write; a program folder never is.
    if (m_path == userSettingsFilePath())
        QDir().mkpath(QFileInfo(m_path).path());
    QByteArray data = m_bom;
    for (const Line &line : std::as_const(m_lines))
        data += line.raw + m_eol;
    // Unbuffered, so that a short write (a full disk, a size limit) is seen here; the file
    // is then left as it was, not replaced by its beginning.
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(data) != data.size())
        refuse();
    if (!file.commit())
        refuse();
}

QString defaultOutputPath() { return QDir::homePath() + QLatin1Char('/'); }

namespace {
// One key of setup.ini: its section and name, the field it fills and its default. Integer
// keys with a range or a value set fall back to the default when the stored value lies
// outside it: a value no list offers would show as a blank box and break every job.
template <class S>
struct SettingKey
{
    const char *section;
    const char *key;
    std::variant<int S::*, bool S::*, QString S::*> field;
    int def = 0;
    bool quick = false; // also written when the main window closes
    int low = INT_MIN, high = INT_MAX;
    std::span<const int> values = {};
    const char *text = nullptr; // a text key's default; the default output folder when none
};

// A format's key as a row of the table: never written when the main window closes.
SettingKey<OutputSettings> formatKey(const FormatSettingKey &k)
{
    SettingKey<OutputSettings> row{k.section, k.key, {}, k.def, false, k.low, k.high, k.values};
    std::visit([&row](auto field) { row.field = field; }, k.field);
    return row;
}

// The keys of setup.ini, each named once in one of these tables (each format's in its
// module), in the order a new file gets them.
const SettingKey<OutputSettings> kGeneralKeys[] = {
    {"general", "outputpath", &OutputSettings::OutputPath, 0, true},
    {"general", "outputformat", &OutputSettings::OutputFormat, 0, true, 0, outputFormatCount() - 1},
    {"general", "jobs", &OutputSettings::Jobs, 1, false, 1, std::max(1, QThread::idealThreadCount())},
};
const SettingKey<OutputSettings> kResultKeys[] = {
    {"general", "loudness", &OutputSettings::LoudnessTarget, 0, false, INT_MIN, INT_MAX, kLoudnessTargets},
    {"general", "peaks", &OutputSettings::LoudnessPeaks, OutputSettings::LimitPeaks, false, 0, 1},
    {"general", "replaygain", &OutputSettings::ReplayGain, OutputSettings::NoReplayGain, false, 0, 2},
    {"general", "copytags", &OutputSettings::CopyTags, 1, false, 0, 1},
    {"general", "existing", &OutputSettings::ExistingFile, 0, false, 0, 2},
    {"general", "saveto", &OutputSettings::SaveTo, 0, false, 0, 2},
    {"general", "namepattern", &OutputSettings::NamePattern, 0, false, INT_MIN, INT_MAX, {}, "{name}"},
};
// The general keys, then every format's in the registry's order, then those of the result.
const std::vector<SettingKey<OutputSettings>> &outputKeys()
{
    static const std::vector<SettingKey<OutputSettings>> keys = [] {
        std::vector<SettingKey<OutputSettings>> all(std::begin(kGeneralKeys), std::end(kGeneralKeys));
        for (const OutputFormatModule *format : outputFormats())
            for (const FormatSettingKey &k : format->keys)
                all.push_back(formatKey(k));
        all.insert(all.end(), std::begin(kResultKeys), std::end(kResultKeys));
        return all;
    }();
    return keys;
}

const SettingKey<RecentSettings> kRecentKeys[] = {
    {"general", "lastfolder", &RecentSettings::LastFolder},
};
const SettingKey<TipSettings> kTipKeys[] = {
    {"tips", "tipno", &TipSettings::TipNo, 1},
    {"tips", "showtip", &TipSettings::ShowTip, 1},
};

template <class S>
void loadKeys(std::span<const SettingKey<S>> keys, S &s)
{
    // The user's keys override the system-wide ones key by key, each over the built-in default.
    const IniFile ini(settingsFilePath());
    const IniFile system(systemSettingsFilePath()); // no path: an empty file
    for (const SettingKey<S> &k : keys) {
        const QString section = QLatin1String(k.section), key = QLatin1String(k.key);
        if (auto text = std::get_if<QString S::*>(&k.field)) {
            const QString def = system.readString(section, key, k.text ? QString::fromUtf8(k.text) : defaultOutputPath());
            s.*(*text) = ini.readString(section, key, def);
            continue;
        }
        const auto valid = [&k](int v) {
            return v >= k.low && v <= k.high && (k.values.empty() || std::ranges::find(k.values, v) != k.values.end());
        };
        int def = system.readInteger(section, key, k.def);
        if (!valid(def))
            def = k.def;
        int v = ini.readInteger(section, key, def);
        if (!valid(v))
            v = def;
        if (auto number = std::get_if<int S::*>(&k.field))
            s.*(*number) = v;
        else
            s.*std::get<bool S::*>(k.field) = v != 0;
    }
}

// Sets every key and writes the file once: a refused write raises and leaves the file as
// it was.
template <class S>
void saveKeys(std::span<const SettingKey<S>> keys, const S &s, bool quickOnly)
{
    IniFile ini(settingsFilePath());
    for (const SettingKey<S> &k : keys) {
        if (quickOnly && !k.quick)
            continue;
        const QString section = QLatin1String(k.section), key = QLatin1String(k.key);
        if (auto text = std::get_if<QString S::*>(&k.field))
            ini.setString(section, key, s.*(*text));
        else if (auto number = std::get_if<int S::*>(&k.field))
            ini.setInteger(section, key, s.*(*number));
        else
            ini.setInteger(section, key, s.*std::get<bool S::*>(k.field) ? 1 : 0);
    }
    ini.save();
}
} // namespace

void loadSettings(OutputSettings &s)
{
    loadKeys<OutputSettings>(outputKeys(), s);
    s.OutputExt = outputExtension(s.OutputFormat);
}

void saveGeneralSettings(const OutputSettings &s) { saveKeys<OutputSettings>(outputKeys(), s, true); }

void saveSettings(const OutputSettings &s) { saveKeys<OutputSettings>(outputKeys(), s, false); }

void loadTipSettings(TipSettings &s) { loadKeys<TipSettings>(kTipKeys, s); }

void saveTipSettings(const TipSettings &s) { saveKeys<TipSettings>(kTipKeys, s, false); }

void loadRecentSettings(RecentSettings &s) { loadKeys<RecentSettings>(kRecentKeys, s); }

void saveRecentSettings(const RecentSettings &s) { saveKeys<RecentSettings>(kRecentKeys, s, false); }

namespace {
const SettingKey<OutputSettings> *findOutputKey(const QString &section, const QString &key)
{
    for (const SettingKey<OutputSettings> &k : outputKeys())
        if (sameName(QLatin1String(k.section), section) && sameName(QLatin1String(k.key), key))
            return &k;
    return nullptr;
}

// What a key takes, for the reason a value is refused: its value set, its range, or any number.
QString acceptedValues(const SettingKey<OutputSettings> &k)
{
    if (!k.values.empty()) {
        QStringList values;
        for (int v : k.values)
            values << QString::number(v);
        return QCoreApplication::translate("Settings", "one of %1").arg(values.join(QLatin1String(", ")));
    }
    if (k.low != INT_MIN && k.high != INT_MAX)
        return QCoreApplication::translate("Settings", "a whole number from %1 to %2").arg(k.low).arg(k.high);
    return QCoreApplication::translate("Settings", "a whole number");
}
} // namespace

QStringList outputKeyNames()
{
    QStringList names;
    for (const SettingKey<OutputSettings> &k : outputKeys())
        names << QStringLiteral("%1.%2").arg(QLatin1String(k.section), QLatin1String(k.key));
    return names;
}

Result<void> setOutputKey(OutputSettings &s, const QString &section, const QString &key, const QString &value)
{
    const SettingKey<OutputSettings> *k = findOutputKey(section, key);
    if (!k)
        return Failure{QCoreApplication::translate("Settings", "unknown setting \"%1.%2\"; the settings: %3")
                           .arg(section, key, outputKeyNames().join(QLatin1String(", ")))};
    if (auto text = std::get_if<QString OutputSettings::*>(&k->field)) {
        s.*(*text) = value.left(kMaxTextLength);
        return {};
    }
    int v = 0;
    const bool valid = IniFile::parseInteger(value, v) && v >= k->low && v <= k->high
        && (k->values.empty() || std::ranges::find(k->values, v) != k->values.end());
    if (!valid)
        return Failure{QCoreApplication::translate("Settings", "%1.%2 takes %3, not \"%4\"")
                           .arg(QLatin1String(k->section), QLatin1String(k->key), acceptedValues(*k), value)};
    if (auto number = std::get_if<int OutputSettings::*>(&k->field))
        s.*(*number) = v;
    else
        s.*std::get<bool OutputSettings::*>(k->field) = v != 0;
    if (k->field == decltype(k->field)(&OutputSettings::OutputFormat))
        s.OutputExt = outputExtension(v);
    return {};
}

QString outputKeyText(const OutputSettings &s, const QString &section, const QString &key)
{
    const SettingKey<OutputSettings> *k = findOutputKey(section, key);
    if (!k)
        return QString();
    if (auto text = std::get_if<QString OutputSettings::*>(&k->field))
        return s.*(*text);
    if (auto number = std::get_if<int OutputSettings::*>(&k->field))
        return QString::number(s.*(*number));
    return QString::number(s.*std::get<bool OutputSettings::*>(k->field) ? 1 : 0);
}
