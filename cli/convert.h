// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// clipvox --convert: the conversion run from a shell, without a window or a display.

// True when the arguments hold an option (--convert, --help, --version or one in error)
// before any "--": the window is opened for file names alone.
bool isCommandLineMode(int argc, char **argv);

// Runs the command-line mode under its own QCoreApplication. Exit codes: 0 every file
// converted, 1 some failed, 2 usage error, 130 cancelled by SIGINT, SIGTERM or SIGHUP, or
// when standard output cannot be written.
int runCommandLine(int argc, char **argv);
