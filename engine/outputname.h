// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The name of a job's output, decided alike for the window's queue and the command line.
#include "core/core.h"
#include "media/sourceinfo.h"

#include <QString>

// How outputs are named: the name pattern, where they go, and the format's extension.
struct OutputNaming
{
    QString pattern = QStringLiteral("{name}");
    SaveTo where = SaveTo::OutputFolder;
    QString folder; // the output folder
    QString root;   // with SaveTo::KeepTree: the folder whose tree is kept below folder
    QString ext;    // without the dot
};

// What a job's output is named from: the source's file name without its extension, the
// source's tags, the job's place number (from 1) of count in the queue, and its chapter
// (number 0: not a chapter).
NameFields outputNameFields(const QString &source, const SourceTags &tags, int number, int count,
                             int chapterNumber = 0, const QString &chapterTitle = {});
// The folder, with its trailing '/', that the outputs of source go to.
QString outputFolder(const OutputNaming &naming, const QString &source);
// The path of a job's output: in folder, the pattern filled from fields, with the extension.
QString outputName(const OutputNaming &naming, const QString &folder, const NameFields &fields);

// The renaming rule for the default pattern: base's file name with the extension ext, in folder.
QString outputFileName(const QString &base, const QString &folder, const QString &ext);
// A path with its extension replaced (a name without a dot gets the extension appended).
QString changeFileExt(const QString &path, const QString &extWithDot);
