// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
// A translator of name_<language> from folder for language, installed; nullptr when none.
QTranslator *install(const QLocale &language, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(language, name, QStringLiteral("_"), folder) && QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}
} // namespace

QList<QTranslator *> installTranslators(const QLocale &locale)
{
    QList<QTranslator *> installed;
    // LANGUAGE=fr:de lists French before German; the first one Clipvox has wins.
    for (const QString &name : locale.uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            break;
        if (QTranslator *own = install(language, QStringLiteral("clipvox"), QStringLiteral(":/i18n"))) {
            installed << own;
            if (QTranslator *qt = install(language, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                installed << qt;
            break;
        }
    }
    return installed;
}
