// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fakedesktop.h"

QStringList FakeDesktop::openFileNames(QWidget *, const QString &title, const QString &filter,
                                       const QString &folder)
{
    ++fileDialogs;
    lastFileFolder = folder;
    lastFileTitle = title;
    lastFileFilter = filter;
    return fileAnswers.isEmpty() ? QStringList() : fileAnswers.takeFirst();
}

QString FakeDesktop::browseFolder(QWidget *, const QString &prompt, const QString &start)
{
    lastFolderStart = start;
    lastFolderPrompt = prompt;
    return folderAnswers.isEmpty() ? QString() : folderAnswers.takeFirst();
}

void FakeDesktop::message(QWidget *, QMessageBox::Icon icon, const QString &caption, const QString &text)
{
    messages.append({icon, caption, text});
    if (onMessage)
        onMessage(messages.last());
}

bool FakeDesktop::question(QWidget *, const QString &, const QString &text)
{
    questions.append(text);
    return !questionAnswers.isEmpty() && questionAnswers.takeFirst();
}

bool FakeDesktop::openUrl(const QUrl &url)
{
    openedUrls.append(url);
    return openUrlAnswer;
}

QStringList FakeDesktop::texts() const
{
    QStringList out;
    for (const auto &m : messages)
        out << m.text;
    return out;
}
