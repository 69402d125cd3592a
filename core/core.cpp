// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/core.h"
#include <QCoreApplication>

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <sys/vfs.h>

std::optional<int> parseTime(const QString &text, TimeRule rule)
{
    if (rule == TimeRule::Strict) {
        const auto digit = [&text](int i) { return text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); };
        if (text.size() != 8 || text[2] != QLatin1Char(':') || text[5] != QLatin1Char(':'))
            return std::nullopt;
        for (int i : {0, 1, 3, 4, 6, 7})
            if (!digit(i))
                return std::nullopt;
        if (text[3] > QLatin1Char('5') || text[6] > QLatin1Char('5'))
            return std::nullopt;
    } else if (text.isEmpty()) {
        return 0;
    }
    int seconds = 0;
    for (int from : {0, 3, 6}) {
        bool ok = false;
        const int value = text.mid(from, 2).toInt(&ok, 10);
        if (!ok)
            return std::nullopt;
        seconds = seconds * 60 + value;
    }
    return seconds;
}

int timeToSeconds(const QString &text)
{
    if (const std::optional<int> seconds = parseTime(text))
        return *seconds;
    for (int from : {0, 3, 6}) {
        const QString part = text.mid(from, 2);
        bool ok = false;
        part.toInt(&ok, 10);
        if (!ok)
            throw ClipvoxError(QCoreApplication::translate("Core", "'%1' is not a valid integer value").arg(part));
    }
    return 0; // not reached: parseTime fails only on a field that is no number
}

QString secondsToTime(qint64 t)
{
    const auto two = [](qint64 v) { return QString::number(v).rightJustified(2, QLatin1Char('0')); };
    return two(t / 3600) + QLatin1Char(':') + two(t % 3600 / 60) + QLatin1Char(':') + two(t % 60);
}

namespace {
// stem + tail with stem cut, between characters, so that the whole keeps within kNameMax
// bytes; a tail with no room beside it is cut with the rest.
QString fitWith(const QString &stem, const QString &tail)
{
    const int room = kNameMax - int(tail.toUtf8().size());
    return room > 0 ? cutToBytes(stem, room) + tail : cutToBytes(stem + tail, kNameMax);
}
} // namespace

QString numberedName(const QString &path, int n)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    const QString stem = path.mid(slash + 1, (dot > slash ? dot : path.size()) - slash - 1);
    const QString ext = dot > slash ? path.mid(dot) : QString();
    return path.left(slash + 1) + fitWith(stem, QStringLiteral(" (%1)").arg(n) + ext);
}

QString freeName(const QString &path, const std::function<bool(const QString &)> &taken, int *next)
{
    if (!taken(path))
        return path;
    for (int n = std::max(2, *next);; ++n) {
        if (const QString candidate = numberedName(path, n); !taken(candidate)) {
            *next = n + 1;
            return candidate;
        }
    }
}

namespace {
// The file system type /proc/self/mounts gives the mount that holds dir (its longest mount
// point that dir lies in).
QByteArray fuseMountType(const QString &dir)
{
    QFile mounts(QStringLiteral("/proc/self/mounts"));
    if (!mounts.open(QIODevice::ReadOnly))
        return {};
    const QByteArray path = QFile::encodeName(dir);
    QByteArray type;
    qsizetype best = -1;
    for (const QByteArray &line : mounts.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 3)
            continue;
        QByteArray point; // spaces and other bytes stand as \ooo
        for (qsizetype i = 0; i < fields[1].size(); ++i)
            if (fields[1][i] == '\\' && i + 3 < fields[1].size())
                point += char(fields[1].mid(i + 1, 3).toInt(nullptr, 8)), i += 3;
            else
                point += fields[1][i];
        const bool holds = path == point || point == "/" || path.startsWith(point + '/');
        if (holds && point.size() > best)
            best = point.size(), type = fields[2];
    }
    return type;
}
} // namespace

NameRules nameRulesFor(const QString &folder)
{
    QString dir = QFileInfo(folder).absoluteFilePath();
    struct statfs fs = {};
    while (::statfs(QFile::encodeName(dir).constData(), &fs) != 0) {
        const int up = dir.lastIndexOf(QLatin1Char('/'));
        if ((errno != ENOENT && errno != ENOTDIR) || up < 0 || dir == QLatin1String("/"))
            return NameRules::Posix;
        dir = up == 0 ? QStringLiteral("/") : dir.left(up);
    }
    switch (quint32(fs.f_type)) {
    case 0x4d44:     // vfat, msdos
    case 0x2011bab0: // exFAT
    case 0x5346544e: // NTFS (ntfs)
    case 0x7366746e: // NTFS (ntfs3)
    case 0x517b:     // SMB
    case 0xff534d42: // CIFS
    case 0xfe534d42: // SMB2
        return NameRules::Windows;
    case 0x65735546: // FUSE: NTFS and exFAT through ntfs-3g or exfat-fuse mount as fuseblk
        return fuseMountType(dir) == "fuseblk" ? NameRules::Windows : NameRules::Posix;
    default:
        return NameRules::Posix;
    }
}

QString fitFileName(const QString &name, NameRules rules)
{
    QString fitted = name;
    if (rules == NameRules::Windows)
        for (QChar &c : fitted)
            if (QStringView(u"?*<>|\":\\").contains(c))
                c = u'_';
    const int dot = fitted.lastIndexOf(QLatin1Char('.'));
    fitted = dot >= 0 ? fitWith(fitted.left(dot), fitted.mid(dot)) : cutToBytes(fitted, kNameMax);
    if (rules == NameRules::Windows)
        while (fitted.endsWith(QLatin1Char('.')) || fitted.endsWith(QLatin1Char(' ')))
            fitted.chop(1);
    return fitted.isEmpty() ? QStringLiteral("_") : fitted;
}

QString cutToBytes(const QString &text, int bytes)
{
    int used = 0, i = 0;
    while (i < text.size()) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const char16_t c = text[i].unicode();
        const int size = pair ? 4 : c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
        if (used + size > bytes)
            break;
        used += size;
        i += pair ? 2 : 1;
    }
    return text.left(i);
}

QString shellQuoted(const QString &name)
{
    const auto control = [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; };
    if (std::none_of(name.begin(), name.end(), control))
        return name;
    QString quoted = QStringLiteral("$'");
    for (const QChar c : name) {
        if (c == u'\n')
            quoted += QStringLiteral("\\n");
        else if (c == u'\t')
            quoted += QStringLiteral("\\t");
        else if (c == u'\r')
            quoted += QStringLiteral("\\r");
        else if (c == u'\\' || c == u'\'')
            quoted += QLatin1Char('\\') + c;
        else if (control(c))
            quoted += QStringLiteral("\\%1").arg(c.unicode(), 3, 8, QLatin1Char('0'));
        else
            quoted += c;
    }
    return quoted + QLatin1Char('\'');
}

QString patternFileName(const QString &pattern, const NameFields &f, const QString &ext)
{
    const auto two = [](int v) { return QString::number(v).rightJustified(2, QLatin1Char('0')); };
    const QString chapter = !f.chapterTitle.isEmpty() ? f.chapterTitle : f.chapterNumber > 0 ? two(f.chapterNumber) : QString();
    const std::pair<QLatin1StringView, QString> fields[] = {
        {QLatin1StringView("name"), f.name},
        {QLatin1StringView("title"), f.title.trimmed()},
        {QLatin1StringView("artist"), f.artist.trimmed()},
        {QLatin1StringView("album"), f.album.trimmed()},
        {QLatin1StringView("year"), f.year > 0 ? QString::number(f.year) : QString()},
        {QLatin1StringView("track"), f.track > 0 ? two(f.track) : QString()},
        {QLatin1StringView("n"), f.number > 0 ? QString::number(f.number).rightJustified(QString::number(f.count).size(), u'0')
                                             : QString()},
        {QLatin1StringView("chapter"), chapter},
    };
    QString name;
    for (int i = 0; i < pattern.size();) {
        const int close = pattern[i] == u'{' ? int(pattern.indexOf(u'}', i)) : -1;
        const auto field = close < 0 ? std::end(fields)
                                     : std::find_if(std::begin(fields), std::end(fields), [&](const auto &p) {
                                           return pattern.mid(i + 1, close - i - 1) == p.first;
                                       });
        if (field == std::end(fields)) {
            name += pattern[i++];
            continue;
        }
        name += field->second.isEmpty() ? f.name : field->second;
        i = close + 1;
    }
    for (QChar &c : name)
        if (c == u'/' || c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = u'_';
    name = name.trimmed();
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        name = f.name;
    const QString dotExt = ext.isEmpty() ? QString() : QLatin1Char('.') + ext;
    return fitWith(name, dotExt);
}

QStringList unknownNameFields(const QString &pattern)
{
    static const QStringList known{"name", "title", "artist", "album", "year", "track", "n", "chapter"};
    static const QRegularExpression field(QStringLiteral("\\{([^{}]*)\\}"));
    QStringList unknown;
    for (const QRegularExpressionMatch &m : field.globalMatch(pattern))
        if (!known.contains(m.captured(1)))
            unknown << m.captured(0);
    return unknown;
}

QString outputFolderFor(const QString &source, SaveTo where, const QString &outputFolder, const QString &root)
{
    const auto slashed = [](QString folder) {
        return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    };
    const QString sourceFolder = slashed(QFileInfo(source).absolutePath());
    if (where == SaveTo::BesideSource)
        return sourceFolder;
    if (where == SaveTo::KeepTree && !root.isEmpty()) {
        const QString top = slashed(QFileInfo(root).absoluteFilePath());
        if (sourceFolder.startsWith(top))
            return slashed(outputFolder) + sourceFolder.mid(top.size());
    }
    return slashed(outputFolder);
}

QString commonFolder(const QStringList &files)
{
    QString common;
    for (const QString &file : files) {
        const QString folder = QFileInfo(file).absolutePath() + QLatin1Char('/');
        if (common.isNull()) {
            common = folder;
            continue;
        }
        while (!folder.startsWith(common))
            common = common.left(common.lastIndexOf(QLatin1Char('/'), -2) + 1);
    }
    return common;
}

const QStringList &videoExtensions()
{
    static const QStringList extensions{"avi", "asf", "wmv", "mpg",  "mpeg", "mp4", "m4v", "mkv", "webm", "mov",
                                        "flv", "ts",  "mts", "m2ts", "vob",  "3gp", "ogv", "dv",  "divx"};
    return extensions;
}
