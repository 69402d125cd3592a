// SPDX-License-Identifier: GPL-3.0-or-later
// The queue list: adding, removing, moving and listing jobs, shown from the queue model.
#include "main/main.h"

#include "desktop/application.h"
#include "desktop/desktop.h"
#include "ui_main.h"

#include <QCollator>
#include <QDirIterator>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>

namespace {
// The video types Clipvox takes, one entry per piece of the add-files dialog's filter after
// "All supported files": the four classic families first, then today's containers.
struct VideoFamily
{
    const char *description;
    const char *patterns;
};
const VideoFamily kVideoFamilies[] = {
    {QT_TRANSLATE_NOOP("TMainForm", "MPEG files"), "*.mpg;*.mpeg"},
    {QT_TRANSLATE_NOOP("TMainForm", "WMV files"), "*.wmv"},
    {QT_TRANSLATE_NOOP("TMainForm", "AVI files"), "*.avi"},
    {QT_TRANSLATE_NOOP("TMainForm", "ASF files"), "*.asf"},
    {QT_TRANSLATE_NOOP("TMainForm", "MP4 files"), "*.mp4;*.m4v"},
    {QT_TRANSLATE_NOOP("TMainForm", "MKV files"), "*.mkv"},
    {QT_TRANSLATE_NOOP("TMainForm", "WebM files"), "*.webm"},
    {QT_TRANSLATE_NOOP("TMainForm", "MOV files"), "*.mov"},
    {QT_TRANSLATE_NOOP("TMainForm", "FLV files"), "*.flv"},
    {QT_TRANSLATE_NOOP("TMainForm", "MPEG transport streams"), "*.ts;*.mts;*.m2ts"},
    {QT_TRANSLATE_NOOP("TMainForm", "VOB files"), "*.vob"},
    {QT_TRANSLATE_NOOP("TMainForm", "3GP files"), "*.3gp"},
    {QT_TRANSLATE_NOOP("TMainForm", "OGV files"), "*.ogv"},
    {QT_TRANSLATE_NOOP("TMainForm", "DV files"), "*.dv"},
    {QT_TRANSLATE_NOOP("TMainForm", "DivX files"), "*.divx"},
};

QStringList Patterns(const VideoFamily &family)
{
    return QString::fromLatin1(family.patterns).split(QLatin1Char(';'));
}

// Every pattern of every family, the classic four in their old order first.
QStringList AllVideoPatterns()
{
    QStringList all{"*.avi", "*.asf", "*.wmv", "*.mpg", "*.mpeg"};
    for (const VideoFamily &family : kVideoFamilies)
        for (const QString &p : Patterns(family))
            if (!all.contains(p))
                all << p;
    return all;
}

// Qt's "description (*.a *.A *.b *.B)": each pattern also in capitals, for dialogs that
// match letter case (Qt's own dialog ignores it anyway).
QString QtFilter(const QString &description, const QStringList &patterns)
{
    QStringList both;
    for (const QString &p : patterns)
        both << p << p.toUpper();
    return description + QStringLiteral(" (") + both.join(QLatin1Char(' ')) + QLatin1Char(')');
}

// The videos in a folder and its subfolders, in name order as a file manager sorts them.
// Links to folders are not followed, so a loop of links ends.
QStringList VideosIn(const QString &folder, const std::atomic<bool> *stop)
{
    QStringList found;
    QDirIterator it(folder, AllVideoPatterns(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext() && !(stop && *stop))
        found << it.next();
    // The C locale's collation knows no numbers ("clip 10" before "clip 2"): English then.
    QCollator order(QLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale());
    order.setNumericMode(true);
    order.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(found.begin(), found.end(), order);
    return found;
}
} // namespace

void TMainForm::PrepareOpenDialog()
{
    m_openTitle = tr("Open Video Files");
    QStringList filters{QtFilter(tr("All supported files"), AllVideoPatterns())};
    for (const VideoFamily &family : kVideoFamilies)
        filters << QtFilter(tr(family.description), Patterns(family));
    filters << tr("All files (*)");
    m_openFilter = filters.join(QStringLiteral(";;"));
}

void TMainForm::AddFiles()
{
    TRecentSettings recent;
    LoadRecentSettings(recent);
    AddJobs(Desktop::instance().openFileNames(this, m_openTitle, m_openFilter, recent.LastFolder));
}

QStringList QueueableFiles(const QStringList &paths, const std::atomic<bool> *stop)
{
    QStringList files;
    for (const QString &path : paths) {
        if (path.isEmpty() || (stop && *stop))
            continue;
        const QString absolute = QFileInfo(path).absoluteFilePath();
        if (QFileInfo(absolute).isDir())
            files << VideosIn(absolute, stop);
        else
            files << absolute;
    }
    return files;
}

void TMainForm::QueuePaths(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    m_scans.start([this, paths] {
        const QStringList files = QueueableFiles(paths, &m_scanStop);
        // The window waits for this task before it goes, so it is still there; the call
        // runs on its thread, after the files of earlier drops.
        if (!m_scanStop)
            QMetaObject::invokeMethod(this, [this, files] { Guarded([&] { AddJobs(files); }); }, Qt::QueuedConnection);
    });
}

void TMainForm::QueueCommandLine(const QStringList &paths)
{
    QStringList found, missing;
    for (const QString &path : paths) {
        if (path.isEmpty())
            continue;
        (QFileInfo::exists(path) ? found : missing) << path;
    }
    QueuePaths(found);
    if (missing.isEmpty())
        return;
    for (QString &path : missing)
        path = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    // Posted, so that the message comes once the window is up, over it.
    QTimer::singleShot(0, this, [this, missing] {
        Desktop::instance().message(this, QMessageBox::Warning, QStringLiteral("Clipvox"),
                                    tr("These files do not exist and were not added:\n") +
                                        missing.join(QLatin1Char('\n')));
    });
}

void TMainForm::AddJobs(const QStringList &files)
{
    if (files.isEmpty())
        return;
    // A folder dropped before Convert may finish its search during the run: its files
    // join the queue when the run ends.
    if (RunActive()) {
        m_heldFiles << files;
        return;
    }
    const TOutputSettings &s = OutputSettings();
    Queue.Add(files, s.OutputPath, s.OutputExt, QString::fromLatin1(kHomePageUrl));
    ReadChapters(files);
    // The output folder of the whole queue moves to the folder of the added files.
    const QString first = files.first();
    Settings.SetOutputPath(first.left(first.lastIndexOf(QLatin1Char('/')) + 1));
    ui->Convert1->setEnabled(true);
    // The next add-files dialog opens where these files came from.
    Guarded([this] { SaveRecentSettings({OutputSettings().OutputPath}); });
}

// The queue's news reach the list: additions, removals, moves and edits rebuild it.
void TMainForm::ShowQueue()
{
    connect(&Queue, &TJobQueue::jobsAdded, this, [this] { RefreshJobList(); });
    connect(&Queue, &TJobQueue::jobMoved, this, [this] { RefreshJobList(); });
    connect(&Queue, &TJobQueue::jobChanged, this, [this] { RefreshJobList(); });
    // Names made from tags follow them once they are read; a run keeps the names it took.
    connect(&Queue, &TJobQueue::sourceTagsRead, this, [this] {
        if (!RunActive() && Queue.NamesUseTags())
            RefreshJobList();
    });
    connect(&Queue, &TJobQueue::jobSplit, this, [this] { RefreshJobList(); });
    connect(&Queue, &TJobQueue::jobRemoved, this, [this] {
        {
            const QSignalBlocker quiet(ui->ListView1);
            ui->ListView1->clear();
        }
        RefreshJobList();
        if (Queue.JobCount() == 0) {
            ui->ListView1->clearSelection();
            DisableListMenuItems();
        }
    });
    connect(&Queue, &TJobQueue::cleared, this, [this] {
        ui->ListView1->clear();
        DisableListMenuItems();
    });
}

void TMainForm::RefreshJobList()
{
    if (Queue.JobCount() <= 0)
        return;
    QTreeWidget *list = ui->ListView1;
    // A rebuild drops the selection without touching the menu entries.
    const QSignalBlocker quiet(list);
    list->clear();
    const TOutputSettings &s = OutputSettings();
    Queue.SetNaming(s.NamePattern, SaveTo(s.SaveTo));
    Queue.RederiveOutputNames(s.OutputPath, s.OutputExt);
    static const QIcon rowIcon(QStringLiteral(":/icons/row.png"));
    QList<QTreeWidgetItem *> rows;
    for (int r = 0; r < Queue.JobCount(); ++r) {
        const TJob &job = Queue.Job(r);
        auto *row = new QTreeWidgetItem({QString::number(r + 1), job.SourceFile, job.StartTime, job.EndTime,
                                         s.OutputExt.toLower(), job.OutputFile});
        row->setIcon(ColNumber, rowIcon);
        SetStatusCell(row, QT_TR_NOOP("Waiting"));
        row->setToolTip(ColSource, JobToolTip(job));
        rows << row;
    }
    list->addTopLevelItems(rows);
}

namespace {
int SelectedRow(const QTreeWidget *list)
{
    for (int r = 0; r < list->topLevelItemCount(); ++r)
        if (list->topLevelItem(r)->isSelected())
            return r;
    return -1;
}
} // namespace

void TMainForm::RemoveSelectedJob() { Queue.Remove(SelectedRow(ui->ListView1)); }

void TMainForm::RemoveSelectedRows()
{
    if (RunActive())
        return;
    // Each removal rebuilds the list, so the rows are taken first and removed from the
    // last up, leaving the rows still to go in place.
    QList<int> rows;
    for (int r = 0; r < ui->ListView1->topLevelItemCount(); ++r)
        if (ui->ListView1->topLevelItem(r)->isSelected())
            rows.prepend(r);
    for (int r : rows)
        Queue.Remove(r);
}

void TMainForm::MoveUp1Click() { Queue.MoveUp(SelectedRow(ui->ListView1)); }

void TMainForm::MoveDown1Click() { Queue.MoveDown(SelectedRow(ui->ListView1)); }

void TMainForm::RemoveAll1Click()
{
    if (ui->ListView1->topLevelItemCount() == 0)
        return;
    Queue.Clear();
}

void TMainForm::cbFormatChange(int index) { Settings.SetOutputFormat(index); }

void TMainForm::EnableListMenuItems()
{
    for (QAction *a : {ui->MoveUp1, ui->MoveDown1, ui->Remove1, ui->EditSelection1, ui->Convert1, ui->RemoveAll1})
        a->setEnabled(true);
}

void TMainForm::DisableListMenuItems()
{
    for (QAction *a : {ui->MoveUp1, ui->MoveDown1, ui->Remove1, ui->EditSelection1, ui->Convert1, ui->RemoveAll1})
        a->setEnabled(false);
}

void TMainForm::ListView1SelectItem()
{
    CurrentJob = SelectedRow(ui->ListView1);
    ListView1MouseUp();
}

// With a selection every entry is enabled; without one only Convert and Remove All, and
// those only while the queue holds jobs; during a run none.
void TMainForm::ListView1MouseUp()
{
    if (RunActive()) {
        DisableListMenuItems(); // the queue stays as the run took it
        return;
    }
    if (SelectedRow(ui->ListView1) < 0) {
        DisableListMenuItems();
        if (Queue.JobCount() > 0) {
            ui->Convert1->setEnabled(true);
            ui->RemoveAll1->setEnabled(true);
        }
    } else {
        EnableListMenuItems();
    }
}

// The status cell shows the status in the user's language and keeps the English one, which
// the program counts and compares.
void TMainForm::SetStatusCell(QTreeWidgetItem *item, const char *status)
{
    item->setData(ColStatus, kStatusRole, QString::fromLatin1(status));
    item->setText(ColStatus, tr(status));
}

void TMainForm::SetJobStatus(int row, const char *status, const QString &reason)
{
    if (QTreeWidgetItem *item = ui->ListView1->topLevelItem(row)) {
        SetStatusCell(item, status);
        // The reason reaches a screen reader as well as the mouse pointer.
        item->setToolTip(ColStatus, reason);
        item->setData(ColStatus, Qt::AccessibleDescriptionRole, reason);
    }
}

QString TMainForm::JobStatus(int row) const
{
    const QTreeWidgetItem *item = ui->ListView1->topLevelItem(row);
    return item ? item->data(ColStatus, kStatusRole).toString() : QString();
}
