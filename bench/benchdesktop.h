#pragma once
// The desktop of the benchmark drivers: the add-files dialog answers with the given files,
// questions with Yes, and messages are printed.
#include "main/desktop.h"

#include <cstdio>

class BenchDesktop : public Desktop
{
public:
    QStringList files;
    QStringList openFileNames(QWidget *, const QString &, const QString &, const QString &) override { return files; }
    QString browseFolder(QWidget *, const QString &, const QString &) override { return {}; }
    void message(QWidget *, QMessageBox::Icon, const QString &, const QString &text) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    bool question(QWidget *, const QString &, const QString &) override { return true; }
    bool openUrl(const QUrl &) override { return true; }
};
