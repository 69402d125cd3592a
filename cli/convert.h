#pragma once
// clipvox --convert: the conversion run from a shell, without a window or a display.

// True when the arguments ask for the command-line mode (--convert, --help, --version)
// rather than the window.
bool IsCommandLineMode(int argc, char **argv);

// Runs the command-line mode under its own QCoreApplication. Exit codes: 0 every file
// converted, 1 some failed, 2 usage error, 130 cancelled by SIGINT or SIGTERM.
int RunCommandLine(int argc, char **argv);
