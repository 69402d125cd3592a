// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every output format, in the order of their numbers stored in setup.ini, which is the order
// of every format list. Adding a format: its folder under formats/ and one line in registry.cpp.
#include "formats/format.h"

#include <QString>
#include <span>

std::span<const OutputFormatModule *const> outputFormats();
int outputFormatCount();
// The module of a stored number; MP3's for a number that is no format.
const OutputFormatModule &outputFormat(int number);
// The module whose extension is ext (any letter case), or nullptr.
const OutputFormatModule *outputFormatByExtension(const QString &ext);
// The stored number of a module's extension (any letter case), or -1.
int outputFormatNumber(const QString &ext);
// The output file's extension for a stored number (without the dot).
QString outputExtension(int number);
