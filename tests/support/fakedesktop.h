// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test double of the desktop: answers dialogs from queues and records what was shown.
#include "desktop/desktop.h"

#include <QList>

struct ShownMessage
{
    QMessageBox::Icon icon;
    QString caption;
    QString text;
};

class FakeDesktop : public Desktop
{
public:
    FakeDesktop() { Desktop::setInstance(this); }
    ~FakeDesktop() override { Desktop::setInstance(nullptr); }

    QList<QStringList> fileAnswers;   // next answers of the open dialog; empty list = cancel
    QStringList folderAnswers;        // next answers of the folder browser; "" = cancel
    QList<ShownMessage> messages;     // every message box, in order
    QList<bool> questionAnswers;      // next answers of questions: true = Yes; No when empty
    QStringList questions;            // every question asked, in order
    QStringList textAnswers;          // next answers of text inputs; cancel when empty
    QList<QUrl> openedUrls;
    bool openUrlAnswer = true;        // false: no program could open it
    QString lastFileTitle, lastFileFilter, lastFolderPrompt;
    QString lastFileFolder, lastFolderStart; // where the dialogs opened
    int fileDialogs = 0;
    // Runs while a message box would be on screen (tests use it to look at the state then).
    std::function<void(const ShownMessage &)> onMessage;

    QStringList openFileNames(QWidget *, const QString &title, const QString &filter, const QString &folder) override;
    QString browseFolder(QWidget *, const QString &prompt, const QString &start) override;
    void message(QWidget *, QMessageBox::Icon icon, const QString &caption, const QString &text) override;
    bool question(QWidget *, const QString &caption, const QString &text) override;
    bool openUrl(const QUrl &url) override;
    QString textInput(QWidget *, const QString &, const QString &, const QString &) override
    {
        return textAnswers.isEmpty() ? QString() : textAnswers.takeFirst();
    }

    QStringList texts() const;
};
