// The job table and the queue list: adding, removing, moving and listing jobs.
#include "main/main.h"

#include "main/application.h"
#include "main/desktop.h"
#include "ui_main.h"

#include <QSignalBlocker>
#include <QTreeWidget>

std::vector<TJob> JobTable;
int JobCount = 0;
int CurrentJob = 0;
bool TagsEnabled = false;

namespace {
// The add-files dialog's filter, one "description|patterns|" piece per file type.
const char *const kFilterPieces[] = {
    "All supported files (*.avi;*.mpg;*.wmv;*.mpeg;*.asf)|*.avi;*.asf;*.wmv;*.mpg;*.mpeg|",
    "MPEG files (*.mpg;*.mpeg)|*.mpg;*.mpeg|",
    "WMV files (*.wmv)|*.wmv|",
    "AVI files (*.avi)|*.avi|",
    "ASF files (*.asf)|*.asf|",
};

// "desc (*.a;*.b)|*.a;*.b|" becomes Qt's "desc (*.a *.b)", patterns in either letter case.
QString QtFilter(const QString &piece)
{
    const QStringList parts = piece.split(QLatin1Char('|'));
    QString description = parts.value(0);
    description = description.left(description.indexOf(QLatin1String(" ("))).trimmed();
    QStringList patterns;
    for (const QString &p : parts.value(1).split(QLatin1Char(';'), Qt::SkipEmptyParts))
        patterns << p << p.toUpper();
    return description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

QString FileNamePart(const QString &path) { return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1); }
} // namespace

QString ChangeFileExt(const QString &path, const QString &extWithDot)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    return (dot > slash ? path.left(dot) : path) + extWithDot;
}

QString OutputFileName(const QString &base, const QString &folder, const QString &ext)
{
    return folder + FileNamePart(ChangeFileExt(base, QLatin1Char('.') + ext));
}

int TimeToSeconds(const QString &text)
{
    if (text.isEmpty())
        return 0;
    const auto field = [&text](int from) {
        const QString part = text.mid(from, 2);
        bool ok = false;
        const int value = part.toInt(&ok, 10);
        if (!ok)
            throw ClipvoxError(QStringLiteral("'%1' is not a valid integer value").arg(part));
        return value;
    };
    return field(0) * 3600 + field(3) * 60 + field(6);
}

QString SecondsToTime(qint64 t)
{
    const auto two = [](qint64 v) { return QString::number(v).rightJustified(2, QLatin1Char('0')); };
    return two(t / 3600) + QLatin1Char(':') + two(t % 3600 / 60) + QLatin1Char(':') + two(t % 60);
}

void TMainForm::PrepareOpenDialog()
{
    m_openTitle = QStringLiteral("Open Video Files");
    QStringList filters;
    for (const char *piece : kFilterPieces)
        filters << QtFilter(QString::fromLatin1(piece));
    m_openFilter = filters.join(QStringLiteral(";;"));
}

void TMainForm::AddFiles()
{
    const QStringList files = Desktop::instance().openFileNames(this, m_openTitle, m_openFilter);
    if (files.isEmpty())
        return;
    const int c = ui->ListView1->topLevelItemCount();
    JobTable.resize(c + files.size() + 1);
    for (int i = 0; i < files.size(); ++i) {
        TJob &job = JobTable[c + 1 + i];
        job = TJob{};
        job.StartTime = QStringLiteral("00:00:00");
        job.EndTime = QStringLiteral("Max");
        job.SourceFile = files[i];
        job.OutputFile = OutputFileName(files[i], OutputSettings.OutputPath, OutputSettings.OutputExt);
        job.TagComment = QStringLiteral("Clipvox");
        job.TagCopyright = QString::fromLatin1(kHomePageUrl);
    }
    JobCount = c + files.size();
    const QString first = files.first();
    OutputSettings.OutputPath = first.left(first.lastIndexOf(QLatin1Char('/')) + 1);
    ui->EdPath->setText(OutputSettings.OutputPath);
    RefreshJobList();
    ui->Convert1->setEnabled(true);
}

void TMainForm::RefreshJobList()
{
    if (JobCount <= 0)
        return;
    QTreeWidget *list = ui->ListView1;
    // A rebuild drops the selection without touching the menu entries.
    const QSignalBlocker quiet(list);
    list->clear();
    for (int k = 1; k <= JobCount; ++k)
        JobTable[k].OutputFile = OutputFileName(JobTable[k].OutputFile, OutputSettings.OutputPath,
                                                OutputSettings.OutputExt);
    static const QIcon rowIcon(QStringLiteral(":/icons/row.png"));
    QList<QTreeWidgetItem *> rows;
    for (int k = 1; k <= JobCount; ++k) {
        const TJob &job = JobTable[k];
        auto *row = new QTreeWidgetItem({QString::number(k), job.SourceFile, job.StartTime, job.EndTime,
                                         OutputSettings.OutputExt.toLower(), job.OutputFile,
                                         QStringLiteral("Waiting")});
        row->setIcon(ColNumber, rowIcon);
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

void TMainForm::RemoveSelectedJob()
{
    const int r = SelectedRow(ui->ListView1);
    if (r < 0)
        return;
    JobTable.erase(JobTable.begin() + r + 1);
    JobCount -= 1;
    {
        const QSignalBlocker quiet(ui->ListView1);
        ui->ListView1->clear();
    }
    RefreshJobList();
    if (JobCount == 0) {
        ui->ListView1->clearSelection();
        DisableListMenuItems();
    }
}

void TMainForm::MoveUp1Click()
{
    const int r = SelectedRow(ui->ListView1);
    if (r < 0)
        return;
    const int k = r + 1;
    if (r > 0)
        std::swap(JobTable[k], JobTable[k - 1]);
    else
        std::rotate(JobTable.begin() + 1, JobTable.begin() + 2, JobTable.begin() + JobCount + 1);
    RefreshJobList();
}

void TMainForm::MoveDown1Click()
{
    const int r = SelectedRow(ui->ListView1);
    if (r < 0)
        return;
    const int k = r + 1;
    if (k == ui->ListView1->topLevelItemCount())
        std::rotate(JobTable.begin() + 1, JobTable.begin() + JobCount, JobTable.begin() + JobCount + 1);
    else
        std::swap(JobTable[k], JobTable[k + 1]);
    RefreshJobList();
}

void TMainForm::RemoveAll1Click()
{
    if (ui->ListView1->topLevelItemCount() == 0)
        return;
    ui->ListView1->clear();
    JobCount = 0;
    JobTable.resize(1);
    DisableListMenuItems();
}

void TMainForm::cbFormatChange(int index)
{
    OutputSettings.OutputFormat = index;
    OutputSettings.OutputExt = FormatExtension(index);
    RefreshJobList();
}

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
        if (JobCount > 0) {
            ui->Convert1->setEnabled(true);
            ui->RemoveAll1->setEnabled(true);
        }
    } else {
        EnableListMenuItems();
    }
}

void TMainForm::SetJobStatus(int row, const QString &status, const QString &reason)
{
    if (QTreeWidgetItem *item = ui->ListView1->topLevelItem(row)) {
        item->setText(ColStatus, status);
        item->setToolTip(ColStatus, reason);
    }
}

QString TMainForm::JobStatus(int row) const
{
    const QTreeWidgetItem *item = ui->ListView1->topLevelItem(row);
    return item ? item->text(ColStatus) : QString();
}
