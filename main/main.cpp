// SPDX-License-Identifier: GPL-3.0-or-later
// The main window shell: start-up, layout, toolbar, quick settings, help menu, the
// commands that open the other windows, and closing.
#include "main/main.h"

#include "clip/edit.h"
#include "core/project.h"
#include "extras/about.h"
#include "extras/tip.h"
#include "formats/registry.h"
#include "desktop/power.h"
#include "main/presetbar.h"
#include "main/whendone.h"
#include "desktop/application.h"
#include "desktop/desktop.h"
#include "media/videoedit.h"
#include "progress/execute.h"
#include "settings/setting.h"
#include "ui_main.h"

#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMenu>
#include <QMouseEvent>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>

const char *const kHomePageUrl = ProjectHomePage; // the build's; empty when it names none
const char *const kSupportMail = ProjectSupportUrl;

namespace {
QMenu *queueMenu = nullptr;
QMenu *helpMenu = nullptr;
} // namespace

MainWindow::MainWindow(AppSettings &settings, QWidget *parent)
    : QMainWindow(parent), ui(new Ui::MainWindow), Settings(settings)
{
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/icons/clipvox.png")));
    for (const OutputFormatModule *f : outputFormats())
        ui->outputFormatCombo->addItem(QString::fromLatin1(f->name));
    m_presetBar = new PresetBar(Settings, this);
    ui->outputFormatRow->insertWidget(1, m_presetBar); // after Settings
    m_power = new SystemPower(this);
    m_whenDone = new WhenDone(m_power, this);
    ui->outputPathRow->addWidget(m_whenDone); // the path's box gives it room

    // A damaged preset file is said where it does not stop the start.
    connect(m_presetBar, &PresetBar::skipped, this, [this](const QString &messages) {
        statusBar()->showMessage(messages);
        statusBar()->setToolTip(messages);
    });

    setUpToolBar();
    setUpQueueMenu();
    setUpHelpMenu();
    connectCommands();
    ui->queueView->viewport()->installEventFilter(this);
    ui->queueView->viewport()->setAcceptDrops(true); // files from a file manager
    m_scans.setMaxThreadCount(1);
    setUpMenuBar();

    // Ctrl+Q closes the window the way its close button does.
    addAction(ui->actionQuit);
    connect(ui->actionQuit, &QAction::triggered, this, &QWidget::close);

    TimerTip.setSingleShot(true);
    TimerTip.setInterval(1000);
    connect(&TimerTip, &QTimer::timeout, this, [this] { guarded([this] { timerTipTimer(); }); });

    formCreate();
}

// Toolbar: seven buttons with a 16-pixel gap after each but the last.
void MainWindow::setUpToolBar()
{
    QAction *buttons[] = {ui->toolAddFiles, ui->toolRemove, ui->toolEditClip, ui->toolConvert,
                          ui->toolSettings, ui->toolHelp, ui->toolAbout};
    for (QAction *b : buttons) {
        if (b != buttons[0]) {
            auto *gap = new QWidget(ui->toolBar);
            gap->setFixedWidth(16);
            ui->toolBar->addWidget(gap);
        }
        ui->toolBar->addAction(b);
        addAction(b);
        ui->toolBar->widgetForAction(b)->setObjectName(b->objectName() + QStringLiteral("Button"));
    }
    // Each button's tooltip names its key; F1 opens the help content, so the help button's
    // own key (ambiguous with it) goes, and its tooltip names the help content's.
    for (QAction *b : buttons) {
        const QKeySequence keys = b == ui->toolHelp ? ui->actionHelpContent->shortcut() : b->shortcut();
        if (!keys.isEmpty())
            b->setToolTip(b->toolTip().trimmed() + QStringLiteral(" (") + keys.toString(QKeySequence::NativeText) +
                          QLatin1Char(')'));
    }
    ui->toolHelp->setShortcut(QKeySequence());
    // Screen readers name the bars by what they are.
    ui->toolBar->setAccessibleName(tr("Tool bar"));
    statusBar()->setAccessibleName(tr("Status bar"));
    m_title = windowTitle();
    m_convertText = ui->toolConvert->text();
    m_convertTip = ui->toolConvert->toolTip();
    m_convertStatus = ui->toolConvert->statusTip();
    addAction(ui->actionHelpContent);

}

// Context menu of the list. Keys also bound on the toolbar act through the toolbar;
// the others through the window.
void MainWindow::setUpQueueMenu()
{
    queueMenu = new QMenu(this);
    queueMenu->setObjectName(QStringLiteral("queueMenu"));
    queueMenu->addActions({ui->queueAddFiles, ui->actionMoveUp, ui->actionMoveDown, ui->queueRemove, ui->actionRemoveAll});
    queueMenu->addSeparator();
    queueMenu->addActions({ui->queueEditClip, ui->queueConvert});
    for (QAction *a : {ui->queueAddFiles, ui->queueEditClip, ui->queueConvert})
        a->setShortcutContext(Qt::WidgetShortcut);
    addAction(ui->actionMoveUp);
    addAction(ui->actionMoveDown);
    setUpChapters(queueMenu);
    // A row's reason and file, and undo, from the keyboard as from the mouse.
    m_copyReason = new QAction(tr("Copy reason"), this);
    m_copyReason->setObjectName(QStringLiteral("actionCopyReason"));
    m_showInFolder = new QAction(tr("Show in folder"), this);
    m_showInFolder->setObjectName(QStringLiteral("actionShowInFolder"));
    connect(m_copyReason, &QAction::triggered, this, [this] { guarded([this] { copyReason(); }); });
    connect(m_showInFolder, &QAction::triggered, this, [this] { guarded([this] { showInFolder(); }); });
    queueMenu->addSeparator();
    queueMenu->addActions({m_copyReason, m_showInFolder});
    // Each step keeps the queue before and after it (texts shared): a bounded history keeps
    // a queue of thousands from growing without end.
    UndoStack.setUndoLimit(50);
    // Without a prefix of ours Qt names the command in its own translated form ("Undo %1").
    QAction *undo = m_undo = UndoStack.createUndoAction(this);
    QAction *redo = m_redo = UndoStack.createRedoAction(this);
    undo->setObjectName(QStringLiteral("actionUndo"));
    redo->setObjectName(QStringLiteral("actionRedo"));
    undo->setShortcut(QKeySequence::Undo);
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    addActions({undo, redo});
    queueMenu->addSeparator();
    queueMenu->addActions({undo, redo});
    disableListMenuItems();

}

void MainWindow::setUpHelpMenu()
{
    helpMenu = new QMenu(this);
    helpMenu->setObjectName(QStringLiteral("helpMenu"));
    helpMenu->addAction(ui->actionHelpContent);
    helpMenu->addSeparator();
    helpMenu->addActions({ui->actionHomepage, ui->actionTechnicalSupport});
    ui->actionHomepage->setVisible(*kHomePageUrl != '\0');
    ui->actionTechnicalSupport->setVisible(*kSupportMail != '\0');
    helpMenu->addSeparator();
    helpMenu->addActions({ui->helpAbout, ui->actionTipOfTheDay});
}

// The toolbar's, the list's and the help menu's actions and the window's buttons run their
// handlers, each guarded.
void MainWindow::connectCommands()
{
    const auto on = [this](QAction *a, void (MainWindow::*handler)()) {
        connect(a, &QAction::triggered, this, [this, handler] { guarded([&] { (this->*handler)(); }); });
    };
    on(ui->toolAddFiles, &MainWindow::addClick);
    on(ui->queueAddFiles, &MainWindow::addClick);
    on(ui->toolRemove, &MainWindow::removeClick);
    on(ui->queueRemove, &MainWindow::removeClick);
    on(ui->toolEditClip, &MainWindow::editClipClick);
    on(ui->queueEditClip, &MainWindow::editClipClick);
    on(ui->toolConvert, &MainWindow::convertClick);
    on(ui->queueConvert, &MainWindow::convertClick);
    on(ui->toolSettings, &MainWindow::settingsClick);
    on(ui->toolHelp, &MainWindow::helpClick);
    on(ui->toolAbout, &MainWindow::helpAboutClick);
    on(ui->actionMoveUp, &MainWindow::actionMoveUpClick);
    on(ui->actionMoveDown, &MainWindow::actionMoveDownClick);
    on(ui->actionRemoveAll, &MainWindow::actionRemoveAllClick);
    on(ui->actionHelpContent, &MainWindow::actionHelpContentClick);
    on(ui->actionHomepage, &MainWindow::actionHomepageClick);
    on(ui->actionTechnicalSupport, &MainWindow::actionTechnicalSupportClick);
    on(ui->helpAbout, &MainWindow::helpAboutClick);
    on(ui->actionTipOfTheDay, &MainWindow::actionTipOfTheDayClick);
    connect(ui->browseOutputButton, &QToolButton::clicked, this, [this] { guarded([this] { browseOutputButtonClick(); }); });
    connect(ui->settingsButton, &QPushButton::clicked, this, [this] { guarded([this] { settingsClick(); }); });
    // Only the user's choice runs the format handler; settings it from code does not.
    connect(ui->outputFormatCombo, &QComboBox::activated, this, [this](int i) { guarded([&] { outputFormatComboChange(i); }); });
    connect(ui->queueView, &QAbstractItemView::doubleClicked, this, [this] { guarded([this] { queueDoubleClick(); }); });
    connect(ui->queueView, &QueueView::contextMenuAt, this, [this](const QPoint &at) {
        updateSplitChapters();
        queueMenu->popup(at);
    });
}

MainWindow::~MainWindow()
{
    // A run still going is stopped (its partial files removed) while the rows still exist.
    delete Run;
    Run = nullptr;
    runEngine = nullptr;
    delete Store; // writes what is still to be written
    Store = nullptr;
    m_scanStop = true;
    m_scans.waitForDone();
    m_chapterStop = true;
    m_chapterPool.waitForDone();
    delete ui;
}

void MainWindow::formCreate()
{
    setUpRun();
    registerVideoControl();
    prepareOpenDialog();
    showQueue();
    ui->queueView->setFirstColumnWidths();
    Settings.load();
    m_presetBar->reload();
    showQuickSettings();
    connect(&Settings, &AppSettings::changed, this, [this] { settingsChanged(); });
    // The window's size and columns, and the queue, as the last session left them.
    const AppSettings::WindowState state = Settings.loadWindowState();
    if (!state.geometry.isEmpty())
        restoreGeometry(state.geometry);
    ui->queueView->setColumnWidths(state.columnWidths);
    Store = new QueueStore(Queue, queueFilePath());
    connect(Store, &QueueStore::saveFailed, this, [this](const QString &reason) {
        statusBar()->showMessage(tr("The queue could not be saved: %1").arg(reason), 10000);
    });
    const Result<void> restored = Store->restore();
    Queue.setExtension(outputSettings().OutputExt);
    // With a queue, its first row is current and selected: Return, Delete and the menu key
    // act at once.
    if (Queue.jobCount() > 0)
        ui->queueView->selectRows({0});
    if (!restored)
        QTimer::singleShot(0, this, [this, problem = restored.reason()] {
            Desktop::instance().message(this, QMessageBox::Warning, QStringLiteral("Clipvox"), problem);
            returnFocus();
        });
    // The chapters of a row are read when it becomes current (updateSplitChapters), not of
    // every row at once: a long queue would read each source twice at its start.
    updateListMenuItems();
    TimerTip.start();
}

// The menu bar: the window's commands under the names and keys desktop programs share. Its
// entries act through the toolbar's and the list's actions, so the keys of those keep
// working beside the conventional ones; a key shown after a tab is the other action's.
void MainWindow::setUpMenuBar()
{
    setUpFileMenu();
    setUpEditMenu();
    setUpQueueMenuBar();
    setUpHelpMenuBar();

    // F10 opens the menu bar, as in other desktop programs.
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, [this] {
        menuBar()->setFocus(Qt::MenuBarFocusReason);
        menuBar()->setActiveAction(menuBar()->actions().value(0));
    });
}


// A menu bar entry that acts as target does, enabled as target is. It shows the key of
// keyOwner as its shortcut, bound only while its menu is open (the window's key is
// keyOwner's), so that the key is not part of the entry's name.
void MainWindow::forwardEntry(QAction *entry, QAction *target, QAction *keyOwner)
{
    if (keyOwner) {
        entry->setShortcut(keyOwner->shortcut());
        entry->setShortcutContext(Qt::WidgetShortcut);
    }
    entry->setEnabled(target->isEnabled());
    connect(target, &QAction::changed, entry, [entry, target] { entry->setEnabled(target->isEnabled()); });
    connect(entry, &QAction::triggered, target, &QAction::trigger);
}

// A new menu bar entry; its keys, when it has its own, work in the whole window.
QAction *MainWindow::menuEntry(const QString &name, const QString &text, const QKeySequence &keys)
{
    auto *action = new QAction(text, this);
    action->setObjectName(name);
    if (!keys.isEmpty()) {
        action->setShortcut(keys);
        addAction(action);
    }
    return action;
}

void MainWindow::setUpFileMenu()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("menuFile"));
    QAction *addFiles = menuEntry(QStringLiteral("actionAddFiles"), tr("Add Files..."), QKeySequence::Open);
    forwardEntry(addFiles, ui->toolAddFiles);
    QAction *addFolder = menuEntry(QStringLiteral("actionAddFolder"), tr("Add Folder..."));
    addFolder->setEnabled(ui->toolAddFiles->isEnabled());
    connect(ui->toolAddFiles, &QAction::changed, addFolder, [this, addFolder] { addFolder->setEnabled(ui->toolAddFiles->isEnabled()); });
    connect(addFolder, &QAction::triggered, this, [this] { guarded([this] {
        RecentSettings recent;
        loadRecentSettings(recent);
        const QString folder = Desktop::instance().browseFolder(this, tr("Add Folder"), recent.LastFolder);
        returnFocus();
        if (!folder.isEmpty())
            queuePaths({folder});
    }); });
    file->addActions({addFiles, addFolder});
    file->addSeparator();
    file->addAction(ui->actionQuit);
}

void MainWindow::setUpEditMenu()
{
    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("menuEdit"));
    edit->addActions({m_undo, m_redo});
    edit->addSeparator();
    QAction *editClip = menuEntry(QStringLiteral("actionEditClip"), tr("Edit Clip..."));
    forwardEntry(editClip, ui->queueEditClip, ui->toolEditClip);
    QAction *remove = menuEntry(QStringLiteral("actionRemove"), tr("Remove"));
    forwardEntry(remove, ui->queueRemove, ui->toolRemove);
    edit->addActions({editClip, remove, ui->actionRemoveAll});
    edit->addSeparator();
    QAction *settings = menuEntry(QStringLiteral("actionSettings"), tr("Settings..."), QKeySequence(Qt::CTRL | Qt::Key_Comma));
    forwardEntry(settings, ui->toolSettings);

    edit->addAction(settings);
}

void MainWindow::setUpQueueMenuBar()
{
    QMenu *queue = menuBar()->addMenu(tr("&Queue"));
    queue->setObjectName(QStringLiteral("menuQueue"));
    queue->addActions({ui->actionMoveUp, ui->actionMoveDown, actionSplitChapters});
    queue->addSeparator();
    QAction *convert = menuEntry(QStringLiteral("actionConvert"), tr("Convert"));
    forwardEntry(convert, ui->toolConvert, ui->toolConvert);
    // Convert reads "Show Progress" while a run goes on without its dialog.
    connect(ui->toolConvert, &QAction::changed, convert, [this, convert] {
        convert->setText(ui->toolConvert->text() == m_convertText ? tr("Convert") : tr("Show Progress"));
    });
    queue->addAction(convert);
    connect(queue, &QMenu::aboutToShow, this, [this] { updateSplitChapters(); });
}

void MainWindow::setUpHelpMenuBar()
{
    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("menuHelp"));
    QAction *guide = menuEntry(QStringLiteral("actionUserGuide"), tr("User Guide"));
    forwardEntry(guide, ui->actionHelpContent, ui->actionHelpContent);
    help->addActions({guide, ui->actionTipOfTheDay});
    help->addSeparator();
    help->addActions({ui->actionHomepage, ui->actionTechnicalSupport});
    help->addSeparator();
    QAction *about = menuEntry(QStringLiteral("actionAbout"), tr("About Clipvox"));
    forwardEntry(about, ui->helpAbout);
    help->addAction(about);
}

// After a dialog or a message the main window is the active one and the queue has the keys.
void MainWindow::returnFocus()
{
    if (!isVisible())
        return;
    activateWindow();
    raise();
    ui->queueView->setFocus(Qt::OtherFocusReason);
}


void MainWindow::registerVideoControl() { VideoEdit::initialize(); }

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    formResize();
}

// The layout places everything; the gap under the list and the right margin are set so
// that the list stays the outer width less 16 by the outer height less 196, the group box
// as wide, whatever the frame and the status bar take.
void MainWindow::formResize()
{
    const QSize outer = frameGeometry().size();
    QWidget *client = ui->centralwidget;
    auto *layout = static_cast<QBoxLayout *>(client->layout());
    const int right = std::max(0, 8 - (outer.width() - width()));
    // The menu bar comes on top of the rule's layout, and out of the list's height.
    const int menu = menuBar()->isVisible() ? menuBar()->height() : 0;
    const int gap = std::max(0, ui->listGap->geometry().height() + ui->queueView->height() - (outer.height() - 196 - menu));
    if (right == layout->contentsMargins().right() && gap == ui->listGap->geometry().height())
        return;
    layout->setContentsMargins(8, 6, right, 0);
    ui->listGap->changeSize(0, gap, QSizePolicy::Minimum, QSizePolicy::Fixed);
    layout->invalidate();
    layout->activate();
}


void MainWindow::closeEvent(QCloseEvent *event)
{
    // Quitting in the middle of a run stops it as Cancel does: no partial file stays behind.
    if (runActive()) {
        if (!Desktop::instance().question(this, QStringLiteral("Clipvox"),
                                          tr("A conversion is still running. Stop it and quit?"))) {
            event->ignore();
            return;
        }
        runEngine->cancel();
    }
    if (formClose())
        event->accept();
    else
        event->ignore();
}

bool MainWindow::formClose()
{
    try {
        Settings.saveGeneral();
        Settings.saveWindowState({saveGeometry(), ui->queueView->columnWidths()});
        if (Store)
            Store->saveNow(); // a failure was said in the status bar already
    } catch (const std::exception &e) {
        reportError(e);
        return false;
    }
    QCoreApplication::processEvents();
    return true;
}

namespace {
// The local files and folders of a drop; other addresses are of no use here.
QStringList droppedPaths(const QMimeData *data)
{
    QStringList paths;
    if (data && data->hasUrls())
        for (const QUrl &url : data->urls())
            if (url.isLocalFile() && !url.toLocalFile().isEmpty())
                paths << url.toLocalFile();
    return paths;
}
} // namespace

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != ui->queueView->viewport())
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        updateListMenuItems();
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        // The queue takes no files while a run goes on.
        if (runActive() || droppedPaths(drag->mimeData()).isEmpty())
            drag->ignore();
        else
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList paths = droppedPaths(drop->mimeData());
        if (!paths.isEmpty() && !runActive()) {
            drop->acceptProposedAction();
            queuePaths(paths, true);
        }
        return true;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::browseOutputButtonClick()
{
    const QString path = browseOutputFolder(this, outputSettings().OutputPath);
    if (path.isEmpty())
        return;
    ui->outputPathEdit->setText(path);
    Settings.setOutputPath(ui->outputPathEdit->text());
    refreshJobList(); // also when the folder is the one already set
}

void MainWindow::addClick() { addFiles(); }

void MainWindow::removeClick() { removeSelectedJob(); }

void MainWindow::editClipClick()
{
    const int row = selectedRow();
    if (row < 0 || runActive())
        return;
    CurrentJob = row;
    if (!EditForm) {
        openEditor(row)->exec();
        returnFocus();
    }
}

ClipEditor *MainWindow::openEditor(int row)
{
    auto *editor = new ClipEditor(this, Queue.job(row), &AudioInformation1);
    // OK hands back the edited job; Cancel what Reset and the preview measured. Either way
    // the list is rebuilt.
    // An unchanged job keeps its result; a changed one can be undone.
    connect(editor, &QDialog::finished, this, [this, row, editor] {
        const Job job = editor->job();
        if (row < Queue.jobCount() && !(job == Queue.job(row)))
            changeQueue(tr("Edit Clip"), [&] { Queue.setJob(row, job); });
    });
    return track(EditForm, editor);
}

void MainWindow::queueDoubleClick() { editClipClick(); }

void MainWindow::settingsClick()
{
    if (!SettingForm) {
        openSettings()->exec();
        returnFocus();
    }
}

SettingsDialog *MainWindow::openSettings()
{
    auto *dialog = new SettingsDialog(this, Settings);
    dialog->showFormatPage(ui->outputFormatCombo->currentIndex());
    return track(SettingForm, dialog);
}

void MainWindow::settingsChanged()
{
    showQuickSettings();
    refreshJobList();
}

// The output folder and format into the quick settings; selecting the format does not run
// the format handler (its work is done by whoever changed the settings).
void MainWindow::showQuickSettings()
{
    ui->outputPathEdit->setText(outputSettings().OutputPath);
    const QSignalBlocker quiet(ui->outputFormatCombo);
    const int format = outputSettings().OutputFormat;
    ui->outputFormatCombo->setCurrentIndex(format >= 0 && format < ui->outputFormatCombo->count() ? format : -1);
    m_presetBar->showSettings();
}

void MainWindow::helpClick() { helpMenu->popup(QCursor::pos()); }

void MainWindow::actionHelpContentClick()
{
    const QString guide = programFolder() + QStringLiteral("clipvox.html");
    // Without a web browser or launcher nothing would happen at all: say where the guide is.
    if (!Desktop::instance().openUrl(QUrl::fromLocalFile(guide)))
        showInformation(this, tr("No program to open the user guide was found. The user guide is at:\n") +
                                  QDir::toNativeSeparators(guide));
}

void MainWindow::actionHomepageClick() { Desktop::instance().openUrl(QUrl(QString::fromLatin1(kHomePageUrl))); }

void MainWindow::actionTechnicalSupportClick() { Desktop::instance().openUrl(QUrl(QString::fromLatin1(kSupportMail))); }

void MainWindow::helpAboutClick()
{
    if (!AboutForm)
        track(AboutForm, new AboutDialog(this, QString::fromLatin1(kHomePageUrl), QString::fromLatin1(kSupportMail)));
    AboutForm->exec();
    returnFocus();
}

void MainWindow::actionTipOfTheDayClick()
{
    if (!TipForm)
        track(TipForm, new TipDialog(this));
    TipForm->exec();
    returnFocus();
}

void MainWindow::timerTipTimer()
{
    TimerTip.stop();
    TipSettings tips;
    loadTipSettings(tips);
    if (tips.ShowTip == 1)
        actionTipOfTheDayClick();
}
