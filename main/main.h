#pragma once
// The main window: the queue of jobs, the window shell, and the commands that start and
// show a conversion run. This unit owns the program-wide state.
#include "engine/runengine.h"
#include "media/audiofile2.h"
#include "settings/settingsfile.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QThreadPool>
#include <QTimer>
#include <atomic>
#include <vector>

class QTreeWidgetItem;
namespace Ui {
class TMainForm;
}

class TMainForm;

// Program-wide state.
extern std::vector<TJob> JobTable; // slots 1..JobCount
extern int JobCount;
extern int CurrentJob;             // row of the job being edited, -1 when none
extern bool TagsEnabled;
extern TOutputSettings OutputSettings;
extern TMainForm *MainForm;

// Clip times hh:mm:ss <-> whole seconds. TimeToSeconds raises ClipvoxError for a field
// that is no number ("Max" among them).
int TimeToSeconds(const QString &text);
QString SecondsToTime(qint64 seconds);
// The output naming rule: base name's file part with the new extension, in the folder.
QString OutputFileName(const QString &base, const QString &folder, const QString &ext);
// A path with its extension replaced (a name without a dot gets the extension appended).
QString ChangeFileExt(const QString &path, const QString &extWithDot);
// The files that paths name, as absolute paths in order: a folder gives the videos inside
// it and its subfolders in name order; anything else is taken as a file. A raised stop
// ends the search early.
QStringList QueueableFiles(const QStringList &paths, const std::atomic<bool> *stop = nullptr);

// Columns of the queue list.
enum JobColumn { ColNumber, ColSource, ColStart, ColEnd, ColConvertTo, ColOutput, ColStatus };

// The maker's addresses.
extern const char *const kHomePageUrl;
extern const char *const kSupportMail;

class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    Ui::TMainForm *ui;

    // The conversion run; its signals reach the queue's rows and the progress dialog.
    TRunEngine *RunEngine = nullptr;
    TAudioInformation2 AudioInformation1; // the clip editor sets its flag
    QTimer TimerTip;

    // Queue
    void AddFiles();
    // Appends a job per file, as the add-files dialog does; no files, no change.
    void AddJobs(const QStringList &files);
    // Files and folders dropped on the queue or named on the command line: folders are
    // searched off the window's thread, then AddJobs; several calls keep their order.
    void QueuePaths(const QStringList &paths);
    // The settings dialog stored new settings: show them and rename the jobs' outputs.
    void SettingsChanged();
    void RemoveSelectedJob();
    void MoveUp1Click();
    void MoveDown1Click();
    void RemoveAll1Click();
    void RefreshJobList();
    void cbFormatChange(int index);
    void EnableListMenuItems();
    void DisableListMenuItems();
    void ListView1SelectItem();
    void ListView1MouseUp();
    void SetJobStatus(int row, const QString &status, const QString &reason = QString());
    QString JobStatus(int row) const;

    // Shell
    void FormCreate();
    void FormResize();
    bool FormClose();
    void RegisterVideoControl();
    void SpeedBtnPathClick();
    void TBXItemAddClick();
    void TBXItemRemoveClick();
    void TBXItemEditClick();
    void ListView1DblClick();
    void TBXItemSettingsClick();
    void TBXItemHelpClick();
    void HelpContent1Click();
    void Homepage1Click();
    void TechnicalSupport1Click();
    void About1Click();
    void ipoftheDay1Click();
    void TimerTipTimer();

    // Conversion run: the engine works on a copy of the queue; the queue's commands are
    // off until it ends.
    void TBXItemConvertClick();
    void RunStart();
    bool RunActive() const { return RunEngine && RunEngine->isRunning(); }
    void FreezeQueue(bool frozen);
    void RunJobStarted(int index);
    void RunJobFinished(int index, TRunEngine::Outcome outcome, const QString &reason);
    void RunEnded(bool cancelled);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void PrepareOpenDialog();
    void ShowQuickSettings();
    void LayOutQuickSettings();
    QTreeWidgetItem *RunRow(int index) const;
    int m_runId = 0; // tags the rows of the current run
    QString m_openTitle, m_openFilter;
    QStringList m_heldFiles; // found during a run, queued when it ends
    QThreadPool m_scans; // one thread: dropped folders are searched in the order of the drops
    std::atomic<bool> m_scanStop{false};
};
