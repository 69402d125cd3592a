// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop services Clipvox asks of the system: file and folder dialogs, message
// boxes and the shell's open. One program-wide instance; tests put in their own.
#include <QMessageBox>
#include <QStringList>
#include <QUrl>

#include <functional>

class QWidget;

class Desktop
{
public:
    virtual ~Desktop() = default;

    // Multi-select open dialog showing folder first; an empty list when the user cancels.
    virtual QStringList openFileNames(QWidget *parent, const QString &title, const QString &filter,
                                      const QString &folder) = 0;
    // Folder browser opening at start; an empty text when the user cancels.
    virtual QString browseFolder(QWidget *parent, const QString &prompt, const QString &start) = 0;
    // Modal message box with one OK button.
    virtual void message(QWidget *parent, QMessageBox::Icon icon, const QString &caption,
                         const QString &text) = 0;
    // Modal question with Yes and No; true for Yes.
    virtual bool question(QWidget *parent, const QString &caption, const QString &text) = 0;
    // The shell's open action; the outcome is not examined by callers.
    virtual bool openUrl(const QUrl &url) = 0;

    // Shows a file in the desktop's file manager (selected in its folder where the file
    // manager can); without one, opens the folder; when nothing can, runs failed.
    virtual void showInFolder(const QString &path, const std::function<void()> &failed = {});
    // One line of text asked for in a modal dialog, starting as text; a null text when the
    // user cancels.
    virtual QString textInput(QWidget *parent, const QString &caption, const QString &label, const QString &text);

    static Desktop &instance();
    // Replaces the program-wide instance (not owned); nullptr restores the real one.
    static void setInstance(Desktop *desktop);
};

// The real desktop on Qt's dialogs and QDesktopServices.
class QtDesktop : public Desktop
{
public:
    QStringList openFileNames(QWidget *parent, const QString &title, const QString &filter,
                              const QString &folder) override;
    QString browseFolder(QWidget *parent, const QString &prompt, const QString &start) override;
    void message(QWidget *parent, QMessageBox::Icon icon, const QString &caption, const QString &text) override;
    bool question(QWidget *parent, const QString &caption, const QString &text) override;
    bool openUrl(const QUrl &url) override;
};

// The folder browser for the output folder, opening at start: the chosen folder ending in
// "/", or an empty text when the user cancels.
QString browseOutputFolder(QWidget *parent, const QString &start);

// "Information" box with an information icon: the expected conditions the code tests for.
void showInformation(QWidget *parent, const QString &text);
