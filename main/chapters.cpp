// SPDX-License-Identifier: GPL-3.0-or-later
// The queue's chapter command.
#include "desktop/application.h"
#include "main/main.h"
#include "ui_main.h"

#include <QMenu>

void MainWindow::setUpChapters(QMenu *menu)
{
    m_chapterPool.setMaxThreadCount(2);
    actionSplitChapters = new QAction(tr("Split into chapters"), this);
    actionSplitChapters->setObjectName(QStringLiteral("actionSplitChapters"));
    actionSplitChapters->setEnabled(false);
    menu->insertAction(ui->queueEditClip, actionSplitChapters);
    connect(menu, &QMenu::aboutToShow, this, [this] { updateSplitChapters(); });
    connect(actionSplitChapters, &QAction::triggered, this, [this] { guarded([this] { actionSplitChaptersClick(); }); });
}

void MainWindow::readChapters(const QStringList &sources)
{
    for (const QString &source : sources) {
        if (m_chapters.contains(source) || m_chapterReads.contains(source))
            continue;
        m_chapterReads.insert(source);
        m_chapterPool.start([this, source] {
            const std::optional<SourceInfo> info = readSourceInfo(source, &m_chapterStop);
            const QList<SourceChapter> chapters = info ? info->chapters : QList<SourceChapter>();
            // The window waits for this task before it goes; the answer is taken on its thread.
            QMetaObject::invokeMethod(this, [this, source, chapters] {
                m_chapterReads.remove(source);
                m_chapters.insert(source, chapters);
                updateSplitChapters();
            }, Qt::QueuedConnection);
        });
    }
}

void MainWindow::updateSplitChapters()
{
    const int row = CurrentJob;
    const bool has = row >= 0 && row < Queue.jobCount() && !runActive();
    const QString source = has ? Queue.job(row).SourceFile : QString();
    if (has && !m_chapters.contains(source))
        readChapters({source});
    actionSplitChapters->setEnabled(has && ui->queueView->isRowSelected(row) && !m_chapters.value(source).isEmpty());
}

void MainWindow::actionSplitChaptersClick()
{
    const int row = CurrentJob;
    if (runActive() || row < 0 || row >= Queue.jobCount())
        return;
    const QList<SourceChapter> chapters = m_chapters.value(Queue.job(row).SourceFile);
    changeQueue(tr("Split into chapters"), [&] {
        Queue.splitIntoChapters(row, chapters);
        QList<int> parts;
        for (int r = row; r < row + int(chapters.size()); ++r)
            parts << r;
        ui->queueView->selectRows(parts);
    });
}
