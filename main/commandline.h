// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the command line asks of Clipvox.
#include <QStringList>

struct WindowArguments
{
    QStringList files; // files and folders to queue, in the order given
};

// Reads the arguments (the program's name first). --help and --version print their text
// and end the program, as does an unknown option with its error.
WindowArguments parseCommandLine(const QStringList &arguments);
