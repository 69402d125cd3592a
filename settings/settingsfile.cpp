#include "settings/settingsfile.h"

#include "main/application.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QThread>
#include <algorithm>

namespace {
QString g_programFolder;
// Larger files are read only up to here and never rewritten.
constexpr qint64 kMaxIniSize = 16 * 1024 * 1024;
constexpr int kMaxTextLength = 2047;

bool sameName(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }
} // namespace

QString ProgramFolder()
{
    if (!g_programFolder.isEmpty())
        return g_programFolder;
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

void SetProgramFolder(const QString &folder)
{
    g_programFolder = folder;
    if (!g_programFolder.isEmpty() && !g_programFolder.endsWith(QLatin1Char('/')))
        g_programFolder += QLatin1Char('/');
}

QString SettingsFilePath() { return ProgramFolder() + QStringLiteral("setup.ini"); }

IniFile::IniFile(QString path) : m_path(std::move(path))
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    m_tooLarge = file.size() > kMaxIniSize;
    QByteArray data = file.read(kMaxIniSize);
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

void IniFile::writeString(const QString &section, const QString &key, const QString &input)
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
    save();
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::save()
{
    const auto refuse = [this] {
        throw ClipvoxError(QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(m_path)));
    };
    if (m_tooLarge)
        refuse();
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        refuse();
    for (const Line &line : std::as_const(m_lines)) {
        file.write(line.raw);
        file.write(m_eol);
    }
    if (!file.commit())
        refuse();
}

QString DefaultOutputPath() { return QDir::homePath() + QLatin1Char('/'); }

QString FormatExtension(int index)
{
    switch (index) {
    case 1: return QStringLiteral("wma");
    case 2: return QStringLiteral("wav");
    case 3: return QStringLiteral("ogg");
    default: return QStringLiteral("mp3");
    }
}

void LoadSettings(TOutputSettings &s)
{
    const IniFile ini(SettingsFilePath());
    s.OutputPath = ini.readString("general", "outputpath", DefaultOutputPath());
    s.OutputFormat = ini.readInteger("general", "outputformat", 0);
    s.OutputExt = FormatExtension(s.OutputFormat);
    s.Mp3Channels = ini.readInteger("mp3", "channels", 3);
    s.Mp3Frequency = ini.readInteger("mp3", "frequency", 44100);
    s.Mp3Bitrate = ini.readInteger("mp3", "bitrate", 128);
    s.Mp3Vbr = ini.readInteger("mp3", "fvbr", 0);
    s.Mp3MaxBitrate = ini.readInteger("mp3", "maxbitrate", 192);
    s.Mp3VbrQuality = ini.readInteger("mp3", "vbrquality", 7);
    s.WavFrequency = ini.readInteger("wav", "frequency", 44100);
    s.WavChannels = ini.readInteger("wav", "channels", 2);
    s.WavBps = ini.readInteger("wav", "bps", 16);
    s.WmaProfile = ini.readInteger("wma", "wmaprofile", 38);
    s.OggFrequency = ini.readInteger("ogg", "frequency", 44100);
    s.OggChannels = ini.readInteger("ogg", "channels", 2);
    s.OggBitrate = ini.readInteger("ogg", "bitrate", 128);
    s.OggVbr = ini.readInteger("ogg", "vbr", 0) != 0;
    s.OggMinBitrate = ini.readInteger("ogg", "minbitrate", 128);
    s.OggMaxBitrate = ini.readInteger("ogg", "maxbitrate", 192);
    s.OggUseQuality = ini.readInteger("ogg", "fquality", 0) != 0;
    s.OggQuality = ini.readInteger("ogg", "quality", 500);
    s.Jobs = std::clamp(ini.readInteger("general", "jobs", 1), 1, std::max(1, QThread::idealThreadCount()));
}

void SaveGeneralSettings(const TOutputSettings &s)
{
    IniFile ini(SettingsFilePath());
    ini.writeString("general", "outputpath", s.OutputPath);
    ini.writeInteger("general", "outputformat", s.OutputFormat);
}

void SaveSettings(const TOutputSettings &s)
{
    IniFile ini(SettingsFilePath());
    ini.writeString("general", "outputpath", s.OutputPath);
    ini.writeInteger("general", "outputformat", s.OutputFormat);
    ini.writeInteger("mp3", "channels", s.Mp3Channels);
    ini.writeInteger("mp3", "frequency", s.Mp3Frequency);
    ini.writeInteger("mp3", "bitrate", s.Mp3Bitrate);
    ini.writeInteger("mp3", "fvbr", s.Mp3Vbr);
    ini.writeInteger("mp3", "maxbitrate", s.Mp3MaxBitrate);
    ini.writeInteger("mp3", "vbrquality", s.Mp3VbrQuality);
    ini.writeInteger("wav", "frequency", s.WavFrequency);
    ini.writeInteger("wav", "channels", s.WavChannels);
    ini.writeInteger("wav", "bps", s.WavBps);
    ini.writeInteger("wma", "wmaprofile", s.WmaProfile);
    ini.writeInteger("ogg", "frequency", s.OggFrequency);
    ini.writeInteger("ogg", "channels", s.OggChannels);
    ini.writeInteger("ogg", "bitrate", s.OggBitrate);
    ini.writeInteger("ogg", "vbr", s.OggVbr ? 1 : 0);
    ini.writeInteger("ogg", "minbitrate", s.OggMinBitrate);
    ini.writeInteger("ogg", "maxbitrate", s.OggMaxBitrate);
    ini.writeInteger("ogg", "fquality", s.OggUseQuality ? 1 : 0);
    ini.writeInteger("ogg", "quality", s.OggQuality);
    ini.writeInteger("general", "jobs", s.Jobs);
}
