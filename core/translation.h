// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program in the user's language: Clipvox's own texts (linked in under :/i18n) and
// Qt's texts for the standard buttons, chosen by the locale's list of languages.
#include <QList>
#include <QLocale>

class QTranslator;

// Installs the translators for the first of locale's languages that Clipvox speaks, and
// returns them (owned by the application). English, or C/POSIX, first: none, the program
// speaks English.
QList<QTranslator *> installTranslators(const QLocale &locale = QLocale::system());
