// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: shows the queue of jobs, hosts the window shell, and starts and shows a
// conversion run. It owns the queue; the settings object is handed to it.
#include "engine/runengine.h"
#include "main/jobqueue.h"
#include "main/queuestore.h"
#include "main/runcontroller.h"
#include "media/tags.h"
#include "settings/appsettings.h"

#include <QDialog>
#include <QHash>
#include <QSet>
#include <QKeySequence>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QThreadPool>
#include <QTimer>
#include <QUndoStack>
#include <atomic>
#include <vector>

class QMenu;
namespace Ui {
class MainWindow;
}

class AboutDialog;
class PresetBar;
class SystemPower;
class WhenDone;
class ClipEditor;
class ProgressDialog;
class SettingsDialog;
class TipDialog;
// The files that paths name, as absolute paths in order: a folder gives the videos inside
// it and its subfolders in name order; anything else is taken as a file. A raised stop
// ends the search early.
QStringList queueableFiles(const QStringList &paths, const std::atomic<bool> *stop = nullptr);


// The maker's addresses.
extern const char *const kHomePageUrl;
extern const char *const kSupportMail;

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(AppSettings &settings, QWidget *parent = nullptr);
    ~MainWindow() override;

    Ui::MainWindow *ui;
    AppSettings &Settings;
    JobQueue Queue;
    int CurrentJob = 0; // row of the job being edited, -1 when none
    // The open dialogs, each empty while it is not open.
    QPointer<ClipEditor> EditForm;
    QPointer<SettingsDialog> SettingForm;
    QPointer<ProgressDialog> ExecForm;
    QPointer<AboutDialog> AboutForm;
    QPointer<TipDialog> TipForm;

    // The conversion run; its signals reach the queue's rows and the progress dialog.
    RunEngine *runEngine = nullptr;
    OutputTags AudioInformation1; // the clip editor sets its flag
    const OutputSettings &outputSettings() const { return Settings.outputSettings(); }
    QTimer TimerTip;

    // Queue
    void addFiles();
    // Appends a job per file, as the add-files dialog does; no files, no change.
    void addJobs(const QStringList &files);
    // Files and folders dropped on the queue or named on the command line: folders are
    // searched off the window's thread, then addJobs; several calls keep their order. With
    // videosOnly (a drop) a file is taken only with a video's name, as in a folder.
    void queuePaths(const QStringList &paths, bool videosOnly = false);
    // Files named on the command line: those that exist are queued as queuePaths does; the
    // others are named in one message once the window runs, and not queued.
    void queueCommandLine(const QStringList &paths);
    // The settings changed (the settings dialog saved them, or a quick setting): show them
    // and rename the jobs' outputs.
    void settingsChanged();
    // Removes every selected row (Remove, Delete, Ctrl+D).
    void removeSelectedJob();
    void actionMoveUpClick();
    void actionMoveDownClick();
    void actionRemoveAllClick();
    // The output names by the settings' naming rule; the rows whose output changes lose
    // their results.
    void refreshJobList();
    void outputFormatComboChange(int index);
    void enableListMenuItems();
    void disableListMenuItems();
    void queueSelectionChanged();
    void updateListMenuItems();
    // The row's status in English ("Waiting", "100%", "Failed"...).
    QString jobStatus(int row) const;
    // The current row, -1 when none is selected.
    int selectedRow() const;
    // What the status bar says of the current row: its reason or the file written.
    QString rowStatusText(int row) const;
    // Every change of the queue goes through here, so that it can be undone: change runs
    // now, and undo puts back the queue (jobs and results) and the selection of before.
    void changeQueue(const QString &text, const std::function<void()> &change);
    QUndoStack UndoStack;
    // The queue file; Restore has been called on it by formCreate.
    QueueStore *Store = nullptr;
    QAction *m_copyReason = nullptr;
    QAction *m_showInFolder = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;

    // Chapters: "Split into chapters" in the list's menu, enabled for a selected source with
    // chapters. A source's chapters are read off the window's thread when it is queued, or
    // when the menu opens before that; until then the command stays greyed out.
    QAction *actionSplitChapters = nullptr;
    void setUpChapters(QMenu *menu);
    void readChapters(const QStringList &sources);
    void updateSplitChapters();
    void actionSplitChaptersClick();

    // Shell
    void formCreate();
    void formResize();
    bool formClose();
    void registerVideoControl();
    void browseOutputButtonClick();
    void addClick();
    void removeClick();
    void editClipClick();
    void queueDoubleClick();
    // Makes the clip editor for the job of a row, wired to the queue; not shown yet.
    ClipEditor *openEditor(int row);
    // Makes the settings dialog on the page of the chosen format; not shown yet.
    SettingsDialog *openSettings();
    void settingsClick();
    void helpClick();
    void actionHelpContentClick();
    void actionHomepageClick();
    void actionTechnicalSupportClick();
    void helpAboutClick();
    void actionTipOfTheDayClick();
    void timerTipTimer();

    // Conversion run: the engine works on a copy of the queue; the queue's commands are
    // off until it ends.
    // Convert, or "Show progress" while a run goes on without its dialog.
    void convertClick();
    // Shows the hidden progress dialog of the run that goes on, modally, with its Cancel.
    void showProgress();
    bool runActive() const { return Run && Run->isRunning(); }
    void freezeQueue(bool frozen);
    RunController *Run = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Keeps a dialog in its pointer until it closes.
    template <typename Form>
    Form *track(QPointer<Form> &pointer, Form *dialog)
    {
        pointer = dialog;
        connect(dialog, &QDialog::finished, this, [&pointer, dialog] {
            if (pointer == dialog)
                pointer = nullptr;
        });
        return dialog;
    }
    void showQueue();
    void prepareOpenDialog();
    void showQuickSettings();
    void showRowStatus();
    void setUpRun();
    void returnFocus();
    void setUpMenuBar();
    void setUpFileMenu();
    void setUpEditMenu();
    void setUpQueueMenuBar();
    void setUpHelpMenuBar();
    void forwardEntry(QAction *entry, QAction *target, QAction *keyOwner = nullptr);
    QAction *menuEntry(const QString &name, const QString &text, const QKeySequence &keys = {});
    void setUpToolBar();
    void setUpQueueMenu();
    void setUpHelpMenu();
    void connectCommands();
    void copyReason();
    void showInFolder();
    // Convert becomes "Show progress" while the run goes on with its dialog hidden.
    void showConvertAsShowProgress(bool showProgress);
    QString m_convertText, m_convertTip, m_convertStatus, m_title;
    QString m_openTitle, m_openFilter;
    QStringList m_heldFiles; // found during a run, queued when it ends
    QThreadPool m_scans; // one thread: dropped folders are searched in the order of the drops
    std::atomic<bool> m_scanStop{false};
    QHash<QString, QList<SourceChapter>> m_chapters; // by source, once read
    QSet<QString> m_chapterReads;                    // sources being read
    QThreadPool m_chapterPool;
    std::atomic<bool> m_chapterStop{false};
    PresetBar *m_presetBar = nullptr; // beside the format in the quick settings
    SystemPower *m_power = nullptr;   // logind on the system bus; tests give another bus
    WhenDone *m_whenDone = nullptr;   // what follows a run that was not cancelled
    // The folder to open after a run: the output folder, or that of the first job's output.
    QString runOutputFolder() const;
};
