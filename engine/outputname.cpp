// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/outputname.h"

NameFields outputNameFields(const QString &source, const SourceTags &tags, int number, int count, int chapterNumber,
                             const QString &chapterTitle)
{
    NameFields fields;
    fields.name = changeFileExt(source.mid(source.lastIndexOf(QLatin1Char('/')) + 1), QString());
    fields.title = tags.title;
    fields.artist = tags.artist;
    fields.album = tags.album;
    fields.year = tags.year;
    fields.track = tags.track;
    fields.number = number;
    fields.count = count;
    fields.chapterTitle = chapterTitle;
    fields.chapterNumber = chapterNumber;
    return fields;
}

QString outputFolder(const OutputNaming &naming, const QString &source)
{
    return outputFolderFor(source, naming.where, naming.folder, naming.root);
}

QString outputName(const OutputNaming &naming, const QString &folder, const NameFields &fields)
{
    return folder + patternFileName(naming.pattern, fields, naming.ext);
}

QString changeFileExt(const QString &path, const QString &extWithDot)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    return (dot > slash ? path.left(dot) : path) + extWithDot;
}

QString outputFileName(const QString &base, const QString &folder, const QString &ext)
{
    const QString renamed = changeFileExt(base, QLatin1Char('.') + ext);
    return folder + renamed.mid(renamed.lastIndexOf(QLatin1Char('/')) + 1);
}
