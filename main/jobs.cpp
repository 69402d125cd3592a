// SPDX-License-Identifier: GPL-3.0-or-later
// The queue list: adding, removing, moving and listing jobs, shown from the queue model.
#include "main/main.h"

#include "desktop/application.h"
#include "desktop/desktop.h"
#include "ui_main.h"

#include <QClipboard>
#include <QCollator>
#include <QGuiApplication>
#include <QMultiHash>
#include <QStatusBar>
#include <QUndoCommand>
#include <QDirIterator>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QTimer>
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
    {QT_TRANSLATE_NOOP("MainWindow", "MPEG files"), "*.mpg;*.mpeg"},
    {QT_TRANSLATE_NOOP("MainWindow", "WMV files"), "*.wmv"},
    {QT_TRANSLATE_NOOP("MainWindow", "AVI files"), "*.avi"},
    {QT_TRANSLATE_NOOP("MainWindow", "ASF files"), "*.asf"},
    {QT_TRANSLATE_NOOP("MainWindow", "MP4 files"), "*.mp4;*.m4v"},
    {QT_TRANSLATE_NOOP("MainWindow", "MKV files"), "*.mkv"},
    {QT_TRANSLATE_NOOP("MainWindow", "WebM files"), "*.webm"},
    {QT_TRANSLATE_NOOP("MainWindow", "MOV files"), "*.mov"},
    {QT_TRANSLATE_NOOP("MainWindow", "FLV files"), "*.flv"},
    {QT_TRANSLATE_NOOP("MainWindow", "MPEG transport streams"), "*.ts;*.mts;*.m2ts"},
    {QT_TRANSLATE_NOOP("MainWindow", "VOB files"), "*.vob"},
    {QT_TRANSLATE_NOOP("MainWindow", "3GP files"), "*.3gp"},
    {QT_TRANSLATE_NOOP("MainWindow", "OGV files"), "*.ogv"},
    {QT_TRANSLATE_NOOP("MainWindow", "DV files"), "*.dv"},
    {QT_TRANSLATE_NOOP("MainWindow", "DivX files"), "*.divx"},
};

QStringList patterns(const VideoFamily &family)
{
    return QString::fromLatin1(family.patterns).split(QLatin1Char(';'));
}

// Every video extension the program knows (the watch folder takes the same), as patterns.
QStringList allVideoPatterns()
{
    QStringList all;
    for (const QString &extension : videoExtensions())
        all << QStringLiteral("*.") + extension;
    return all;
}

// Qt's "description (*.a *.A *.b *.B)": each pattern also in capitals, for dialogs that
// match letter case (Qt's own dialog ignores it anyway).
QString qtFilter(const QString &description, const QStringList &patterns)
{
    QStringList both;
    for (const QString &p : patterns)
        both << p << p.toUpper();
    return description + QStringLiteral(" (") + both.join(QLatin1Char(' ')) + QLatin1Char(')');
}

// The videos in a folder and its subfolders, in name order as a file manager sorts them.
// Links to folders are not followed, so a loop of links ends.
QStringList videosIn(const QString &folder, const std::atomic<bool> *stop)
{
    QStringList found;
    QDirIterator it(folder, allVideoPatterns(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
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

void MainWindow::prepareOpenDialog()
{
    m_openTitle = tr("Open Video Files");
    QStringList filters{qtFilter(tr("All supported files"), allVideoPatterns())};
    for (const VideoFamily &family : kVideoFamilies)
        filters << qtFilter(tr(family.description), patterns(family));
    filters << tr("All files (*)");
    m_openFilter = filters.join(QStringLiteral(";;"));
}

void MainWindow::addFiles()
{
    RecentSettings recent;
    loadRecentSettings(recent);
    addJobs(Desktop::instance().openFileNames(this, m_openTitle, m_openFilter, recent.LastFolder));
}

QStringList queueableFiles(const QStringList &paths, const std::atomic<bool> *stop)
{
    QStringList files;
    for (const QString &path : paths) {
        if (path.isEmpty() || (stop && *stop))
            continue;
        const QString absolute = QFileInfo(path).absoluteFilePath();
        if (QFileInfo(absolute).isDir())
            files << videosIn(absolute, stop);
        else
            files << absolute;
    }
    return files;
}

namespace {
// A file's identity: the same file under two names (a link, another path) is one file.
QString fileIdentity(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QFileInfo(path).absoluteFilePath() : canonical;
}

// The identities of the queue's sources.
QSet<QString> queuedIdentities(const JobQueue &queue)
{
    QSet<QString> queued;
    for (int r = 0; r < queue.jobCount(); ++r)
        queued.insert(fileIdentity(queue.job(r).SourceFile));
    return queued;
}
} // namespace

void MainWindow::queuePaths(const QStringList &paths, bool videosOnly)
{
    if (paths.isEmpty())
        return;
    m_scans.start([this, paths, videosOnly] {
        // Files named one by one, and those a folder holds: the window asks before it
        // queues a named file again, and leaves out a folder's files already queued.
        QStringList files;
        QSet<QString> inFolders;
        int notVideos = 0;
        for (const QString &path : paths) {
            // A dropped file is taken as a folder's file would be: by its video name.
            if (videosOnly && !QFileInfo(path).isDir() && !QDir::match(allVideoPatterns(), QFileInfo(path).fileName())) {
                ++notVideos;
                continue;
            }
            const QStringList found = queueableFiles({path}, &m_scanStop);
            files << found;
            if (QFileInfo(path).isDir())
                inFolders.unite(QSet<QString>(found.begin(), found.end()));
        }
        // The window waits for this task before it goes, so it is still there; the call
        // runs on its thread, after the files of earlier drops.
        if (!m_scanStop)
            QMetaObject::invokeMethod(this, [this, files, inFolders, notVideos] { guarded([&] {
                const QSet<QString> queued = inFolders.isEmpty() ? QSet<QString>() : queuedIdentities(Queue);
                QStringList wanted;
                for (const QString &file : files)
                    if (!inFolders.contains(file) || !queued.contains(fileIdentity(file)))
                        wanted << file;
                const int skipped = int(files.size() - wanted.size());
                addJobs(wanted);
                if (skipped > 0)
                    statusBar()->showMessage(tr("%n file(s) already in the queue not added again", "", skipped), 10000);
                else if (notVideos > 0)
                    statusBar()->showMessage(tr("%n file(s) without a video's name not added", "", notVideos), 10000);
            }); }, Qt::QueuedConnection);
    });
}

void MainWindow::queueCommandLine(const QStringList &paths)
{
    // Files and folders only: a pipe or a device (/dev/zero) would block or never end.
    // A name that is not UTF-8 reaches the window with U+FFFD in place of its bytes, and no
    // file has that name: it is said apart, so that the user knows to rename it.
    QStringList found, missing, special, undecodable;
    for (const QString &path : paths) {
        if (path.isEmpty())
            continue;
        const QFileInfo info(path);
        (info.isFile() || info.isDir() ? found
         : info.exists()               ? special
         : path.contains(QChar::ReplacementCharacter) ? undecodable
                                                      : missing)
            << path;
    }
    queuePaths(found);
    if (missing.isEmpty() && special.isEmpty() && undecodable.isEmpty())
        return;
    const auto listed = [](QStringList list) {
        for (QString &path : list)
            path = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
        return list.join(QLatin1Char('\n'));
    };
    QStringList parts;
    if (!missing.isEmpty())
        parts << tr("These files do not exist and were not added:\n") + listed(missing);
    if (!special.isEmpty())
        parts << tr("These are not regular files and were not added:\n") + listed(special);
    if (!undecodable.isEmpty())
        parts << tr("These names are not UTF-8 and were not added (rename them, or convert them with clipvox --convert):\n")
                + listed(undecodable);
    // Posted, so that the message comes once the window is up, over it.
    QTimer::singleShot(0, this, [this, text = parts.join(QLatin1String("\n\n"))] {
        Desktop::instance().message(this, QMessageBox::Warning, QStringLiteral("Clipvox"), text);
        returnFocus();
    });
}

void MainWindow::addJobs(const QStringList &given)
{
    if (given.isEmpty())
        return;
    // A folder dropped before Convert may finish its search during the run: its files
    // join the queue when the run ends.
    if (runActive()) {
        m_heldFiles << given;
        return;
    }
    // A file already in the queue is queued again only when the user says so.
    const QSet<QString> queued = queuedIdentities(Queue);
    QStringList files, again;
    for (const QString &file : given)
        (queued.contains(fileIdentity(file)) ? again : files) << file;
    if (!again.isEmpty()) {
        QStringList names;
        for (const QString &file : again.mid(0, 10))
            names << QDir::toNativeSeparators(file);
        if (again.size() > 10)
            names << QStringLiteral("...");
        if (Desktop::instance().question(this, QStringLiteral("Clipvox"),
                                         tr("Already in the queue:\n%1\n\nAdd again?").arg(names.join(QLatin1Char('\n')))))
            files = given;
        returnFocus();
    }
    if (files.isEmpty())
        return;
    const OutputSettings &s = outputSettings();
    const int first = Queue.jobCount();
    changeQueue(tr("Add Files"), [&] {
        Queue.add(files, s.OutputPath, s.OutputExt, QString::fromLatin1(kHomePageUrl));
        QList<int> added;
        for (int r = first; r < Queue.jobCount(); ++r)
            added << r;
        ui->queueView->selectRows(added);
    });
    readChapters(files);
    // The output folder of the whole queue moves to the folder of the added files.
    const QString firstFile = files.first();
    Settings.setOutputPath(firstFile.left(firstFile.lastIndexOf(QLatin1Char('/')) + 1));
    ui->queueConvert->setEnabled(true);
    // The next add-files dialog opens where these files came from.
    guarded([this] { saveRecentSettings({outputSettings().OutputPath}); });
}

namespace {
// One change of the queue for undo: the queue and the selection before and after it.
class QueueChange : public QUndoCommand
{
public:
    QueueChange(MainWindow &window, const QString &text, std::vector<QueueRow> before, QList<int> selectedBefore)
        : QUndoCommand(text), m_window(window), m_before{std::move(before), std::move(selectedBefore)},
          m_after{window.Queue.rows(), window.ui->queueView->selectedRows()}
    {
    }
    void undo() override { apply(m_before); }
    void redo() override
    {
        // The change itself was made before the command was pushed.
        if (!std::exchange(m_first, false))
            apply(m_after);
    }

private:
    struct State
    {
        std::vector<QueueRow> rows;
        QList<int> selected;
    };
    // A job that is in the queue now as it is in the state keeps its result of now: undo
    // and redo move jobs, they do not take back what a later run made of them.
    void apply(const State &state)
    {
        std::vector<QueueRow> rows = state.rows;
        std::vector<QueueRow> now = m_window.Queue.rows();
        QMultiHash<QString, size_t> byOutput; // the same job has the same output
        for (size_t i = 0; i < now.size(); ++i)
            byOutput.insert(now[i].job.OutputFile, i);
        for (QueueRow &row : rows)
            for (auto it = byOutput.find(row.job.OutputFile); it != byOutput.end() && it.key() == row.job.OutputFile; ++it)
                if (now[*it].job == row.job) {
                    row.result = now[*it].result;
                    byOutput.erase(it);
                    break;
                }
        m_window.Queue.setRows(std::move(rows));
        m_window.ui->queueView->selectRows(state.selected);
        m_window.updateListMenuItems();
    }
    MainWindow &m_window;
    State m_before, m_after;
    bool m_first = true;
};
} // namespace

void MainWindow::changeQueue(const QString &text, const std::function<void()> &change)
{
    std::vector<QueueRow> before = Queue.rows();
    const QList<int> selected = ui->queueView->selectedRows();
    change();
    if (Queue.holds(before))
        return;
    UndoStack.push(new QueueChange(*this, text, std::move(before), selected));
}

// The queue's news reach the view through the model; here only what else follows them.
void MainWindow::showQueue()
{
    ui->queueView->setModel(&Queue);
    ui->queueView->setContextMenuPolicy(Qt::DefaultContextMenu);
    connect(ui->queueView, &QueueView::openRequested, this, [this] { guarded([this] { editClipClick(); }); });
    connect(ui->queueView, &QueueView::removeRequested, this, [this] { guarded([this] { removeSelectedJob(); }); });
    connect(ui->queueView->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { queueSelectionChanged(); });
    connect(ui->queueView->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { showRowStatus(); });
    connect(&Queue, &QAbstractItemModel::dataChanged, this, [this] { showRowStatus(); });
    connect(&Queue, &QAbstractItemModel::modelReset, this, [this] { updateListMenuItems(); showRowStatus(); });
    connect(&Queue, &QAbstractItemModel::rowsRemoved, this, [this] { updateListMenuItems(); showRowStatus(); });
    // Names made from tags follow them once they are read; a run keeps the names it took.
    connect(&Queue, &JobQueue::sourceTagsRead, this, [this] {
        if (!runActive() && Queue.namesUseTags())
            refreshJobList();
    });
}

void MainWindow::refreshJobList()
{
    if (Queue.jobCount() <= 0)
        return;
    const OutputSettings &s = outputSettings();
    Queue.setNaming(s.NamePattern, SaveTo(s.SaveTo));
    Queue.rederiveOutputNames(s.OutputPath, s.OutputExt);
}

int MainWindow::selectedRow() const
{
    const int current = ui->queueView->currentIndex().row();
    if (current >= 0 && ui->queueView->isRowSelected(current))
        return current;
    const QItemSelection selection = ui->queueView->selectionModel()->selection();
    int first = -1;
    for (const QItemSelectionRange &range : selection)
        first = first < 0 ? range.top() : std::min(first, range.top());
    return first;
}

void MainWindow::removeSelectedJob()
{
    const QList<int> rows = ui->queueView->selectedRows();
    if (runActive() || rows.isEmpty())
        return;
    changeQueue(tr("Remove"), [&] {
        Queue.removeJobs(rows);
        // The row after the removed ones takes the selection.
        if (Queue.jobCount() > 0)
            ui->queueView->selectRows({std::min(rows.first(), Queue.jobCount() - 1)});
    });
}

void MainWindow::actionMoveUpClick()
{
    const QList<int> rows = ui->queueView->selectedRows();
    if (runActive() || rows.isEmpty())
        return;
    changeQueue(tr("Move Up"), [&] { ui->queueView->selectRows(Queue.moveJobs(rows, true)); });
}

void MainWindow::actionMoveDownClick()
{
    const QList<int> rows = ui->queueView->selectedRows();
    if (runActive() || rows.isEmpty())
        return;
    changeQueue(tr("Move Down"), [&] { ui->queueView->selectRows(Queue.moveJobs(rows, false)); });
}

void MainWindow::actionRemoveAllClick()
{
    if (Queue.jobCount() == 0 || runActive())
        return;
    // Undo brings the queue back, so no question is asked.
    changeQueue(tr("Remove All"), [&] { Queue.clear(); });
    disableListMenuItems();
}

void MainWindow::outputFormatComboChange(int index) { Settings.setOutputFormat(index); }

void MainWindow::enableListMenuItems()
{
    for (QAction *a : {ui->actionMoveUp, ui->actionMoveDown, ui->queueRemove, ui->queueEditClip, ui->queueConvert, ui->actionRemoveAll})
        a->setEnabled(true);
}

void MainWindow::disableListMenuItems()
{
    for (QAction *a : {ui->actionMoveUp, ui->actionMoveDown, ui->queueRemove, ui->queueEditClip, ui->queueConvert, ui->actionRemoveAll})
        a->setEnabled(false);
}

void MainWindow::queueSelectionChanged()
{
    CurrentJob = selectedRow();
    updateListMenuItems();
    showRowStatus();
}

// With a selection every entry is enabled; without one only Convert and Remove All, and
// those only while the queue holds jobs; during a run none.
void MainWindow::updateListMenuItems()
{
    if (runActive()) {
        disableListMenuItems(); // the queue stays as the run took it
        return;
    }
    if (selectedRow() < 0) {
        disableListMenuItems();
        if (Queue.jobCount() > 0) {
            ui->queueConvert->setEnabled(true);
            ui->actionRemoveAll->setEnabled(true);
        }
    } else {
        enableListMenuItems();
    }
}

QString MainWindow::rowStatusText(int row) const
{
    if (row < 0 || row >= Queue.jobCount())
        return {};
    const JobResult &result = Queue.result(row);
    switch (result.state) {
    case JobResult::Failed:
        return tr("Failed: %1").arg(result.reason);
    case JobResult::Done:
        return tr("Written: %1").arg(QDir::toNativeSeparators(Queue.job(row).OutputFile));
    case JobResult::Skipped:
        return tr("Skipped: %1").arg(result.reason);
    default:
        return {};
    }
}

void MainWindow::showRowStatus()
{
    // The first line only: the status bar holds one.
    const QString text = rowStatusText(selectedRow()).section(QLatin1Char('\n'), 0, 0);
    if (text.isEmpty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(text);
    m_copyReason->setEnabled(!text.isEmpty());
    m_showInFolder->setEnabled(selectedRow() >= 0);
}

void MainWindow::copyReason()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const JobResult &result = Queue.result(row);
    QGuiApplication::clipboard()->setText(result.state == JobResult::Done && result.reason.isEmpty()
                                              ? Queue.job(row).OutputFile
                                              : rowStatusText(row));
}

// The written file when there is one, else the source.
void MainWindow::showInFolder()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const Job &job = Queue.job(row);
    const QString file = QFileInfo::exists(job.OutputFile) ? job.OutputFile : job.SourceFile;
    // Without a file manager nothing would happen at all: say where the file is, as F1 does.
    QPointer<MainWindow> self(this);
    Desktop::instance().showInFolder(file, [self, file] {
        if (self)
            showInformation(self, tr("No program to show the folder was found. The file is at:\n") +
                                      QDir::toNativeSeparators(file));
    });
}

QString MainWindow::jobStatus(int row) const
{
    return row >= 0 && row < Queue.jobCount() ? QString::fromLatin1(statusText(Queue.result(row).state)) : QString();
}
