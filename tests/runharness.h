// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A main window with a queue of real videos, an output folder and a fake desktop, for the
// tests of the conversion run and the encoding step. Include "ui_main.h" before it (the
// test's own source must name it for the form compiler to find main.ui).
#include "main/main.h"
#include "progress/execute.h"
#include "support/edits.h"
#include "support/fakedesktop.h"
#include "support/fixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include "support/queuecells.h"
#include <memory>

struct RunHarness
{
    TempProgramFolder folder;
    FakeDesktop desktop;
    QTemporaryDir out;
    AppSettings settings;
    std::unique_ptr<MainWindow> window;
    static inline RunHarness *current = nullptr; // the harness of the running test

    RunHarness()
    {
        folder.write("setup.ini", "[tips]\nshowtip=0\n");
        window = std::make_unique<MainWindow>(settings);
        current = this;
    }
    ~RunHarness()
    {
        window.reset();
        current = nullptr;
    }
    JobQueue &jobs() { return window->Queue; }

    QString outDir() const { return out.path() + "/"; }
    QString outFile(const QString &name) const { return outDir() + name; }

    // Adds the videos through the add-files dialog and sends the outputs to the test folder.
    void queue(const QStringList &files)
    {
        desktop.fileAnswers << files;
        window->ui->toolAddFiles->trigger();
        settings.setOutputPath(outDir());
        window->refreshJobList();
    }
    void setFormat(int format)
    {
        settings.setOutputFormat(format);
        window->refreshJobList();
    }

    QStringList column(int c) const
    {
        QStringList texts;
        for (int r = 0; r < rowCount(*window); ++r)
            texts << cell(*window, r, c);
        return texts;
    }
    // Where each row's file is, as its cell's tooltip tells.
    QStringList paths(int c) const
    {
        QStringList texts;
        for (int r = 0; r < rowCount(*window); ++r)
            texts << pathIn(*window, r, c);
        return texts;
    }
    QStringList statuses() const { return column(ColStatus); }
    // Every file in the output folder, sorted.
    QStringList files() const
    {
        QStringList names = QDir(out.path()).entryList(QDir::Files | QDir::Hidden);
        names.sort();
        return names;
    }
};

inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeAll(const QString &path, const QByteArray &data)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(data);
}
