// SPDX-License-Identifier: GPL-3.0-or-later
// The main window shell: start-up, layout, toolbar, quick settings, help menu, the
// commands that open the other windows, and closing.
#include "main/main.h"

#include "clip/edit.h"
#include "core/project.h"
#include "extras/about.h"
#include "extras/tip.h"
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
#include <QTreeWidget>

const char *const kHomePageUrl = ProjectHomePage; // the build's; empty when it names none
const char *const kSupportMail = ProjectSupportUrl;

namespace {
QMenu *PopupMenuEdit = nullptr;
QMenu *PopupMenuHelp = nullptr;
} // namespace

TMainForm::TMainForm(TSettings &settings, QWidget *parent)
    : QMainWindow(parent), ui(new Ui::TMainForm), Settings(settings)
{
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/icons/clipvox.png")));
    for (const TOutputFormatRecord &f : OutputFormats())
        ui->cbFormat->addItem(QString::fromLatin1(f.name));

    // Toolbar: seven buttons with a 16-pixel gap after each but the last.
    QAction *buttons[] = {ui->TBXItem4, ui->TBXItem3, ui->TBXItem2, ui->TBXItem1,
                          ui->TBXItem8, ui->TBXItem7, ui->TBXItem6};
    for (QAction *b : buttons) {
        if (b != buttons[0]) {
            auto *gap = new QWidget(ui->TBToolbar1);
            gap->setFixedWidth(16);
            ui->TBToolbar1->addWidget(gap);
        }
        ui->TBToolbar1->addAction(b);
        addAction(b);
        ui->TBToolbar1->widgetForAction(b)->setObjectName(b->objectName() + QStringLiteral("Button"));
    }
    // Each button's tooltip names its key; F1 opens the help content, so the help button's
    // own key (ambiguous with it) goes, and its tooltip names the help content's.
    for (QAction *b : buttons) {
        const QKeySequence keys = b == ui->TBXItem7 ? ui->HelpContent1->shortcut() : b->shortcut();
        if (!keys.isEmpty())
            b->setToolTip(b->toolTip().trimmed() + QStringLiteral(" (") + keys.toString(QKeySequence::NativeText) +
                          QLatin1Char(')'));
    }
    ui->TBXItem7->setShortcut(QKeySequence());
    m_title = windowTitle();
    m_convertText = ui->TBXItem1->text();
    m_convertTip = ui->TBXItem1->toolTip();
    m_convertStatus = ui->TBXItem1->statusTip();
    addAction(ui->HelpContent1);

    // Context menu of the list. Keys also bound on the toolbar act through the toolbar;
    // the others through the window.
    PopupMenuEdit = new QMenu(this);
    PopupMenuEdit->setObjectName(QStringLiteral("PopupMenuEdit"));
    PopupMenuEdit->addActions({ui->AddFiles1, ui->MoveUp1, ui->MoveDown1, ui->Remove1, ui->RemoveAll1});
    PopupMenuEdit->addSeparator();
    PopupMenuEdit->addActions({ui->EditSelection1, ui->Convert1});
    for (QAction *a : {ui->AddFiles1, ui->EditSelection1, ui->Convert1})
        a->setShortcutContext(Qt::WidgetShortcut);
    addAction(ui->MoveUp1);
    addAction(ui->MoveDown1);
    SetUpChapters(PopupMenuEdit);
    DisableListMenuItems();

    PopupMenuHelp = new QMenu(this);
    PopupMenuHelp->setObjectName(QStringLiteral("PopupMenuHelp"));
    PopupMenuHelp->addAction(ui->HelpContent1);
    PopupMenuHelp->addSeparator();
    PopupMenuHelp->addActions({ui->Homepage1, ui->TechnicalSupport1});
    ui->Homepage1->setVisible(*kHomePageUrl != '\0');
    ui->TechnicalSupport1->setVisible(*kSupportMail != '\0');
    PopupMenuHelp->addSeparator();
    PopupMenuHelp->addActions({ui->About1, ui->ipoftheDay1});

    const auto on = [this](QAction *a, void (TMainForm::*handler)()) {
        connect(a, &QAction::triggered, this, [this, handler] { Guarded([&] { (this->*handler)(); }); });
    };
    on(ui->TBXItem4, &TMainForm::TBXItemAddClick);
    on(ui->AddFiles1, &TMainForm::TBXItemAddClick);
    on(ui->TBXItem3, &TMainForm::TBXItemRemoveClick);
    on(ui->Remove1, &TMainForm::TBXItemRemoveClick);
    on(ui->TBXItem2, &TMainForm::TBXItemEditClick);
    on(ui->EditSelection1, &TMainForm::TBXItemEditClick);
    on(ui->TBXItem1, &TMainForm::TBXItemConvertClick);
    on(ui->Convert1, &TMainForm::TBXItemConvertClick);
    on(ui->TBXItem8, &TMainForm::TBXItemSettingsClick);
    on(ui->TBXItem7, &TMainForm::TBXItemHelpClick);
    on(ui->TBXItem6, &TMainForm::About1Click);
    on(ui->MoveUp1, &TMainForm::MoveUp1Click);
    on(ui->MoveDown1, &TMainForm::MoveDown1Click);
    on(ui->RemoveAll1, &TMainForm::RemoveAll1Click);
    on(ui->HelpContent1, &TMainForm::HelpContent1Click);
    on(ui->Homepage1, &TMainForm::Homepage1Click);
    on(ui->TechnicalSupport1, &TMainForm::TechnicalSupport1Click);
    on(ui->About1, &TMainForm::About1Click);
    on(ui->ipoftheDay1, &TMainForm::ipoftheDay1Click);
    connect(ui->SpeedBtnPath, &QToolButton::clicked, this, [this] { Guarded([this] { SpeedBtnPathClick(); }); });
    connect(ui->SpeedButton1, &QPushButton::clicked, this, [this] { Guarded([this] { TBXItemSettingsClick(); }); });
    // Only the user's choice runs the format handler; settings it from code does not.
    connect(ui->cbFormat, &QComboBox::activated, this, [this](int i) { Guarded([&] { cbFormatChange(i); }); });
    connect(ui->ListView1, &QTreeWidget::itemSelectionChanged, this, [this] { ListView1SelectItem(); });
    connect(ui->ListView1, &QTreeWidget::itemDoubleClicked, this, [this] { Guarded([this] { ListView1DblClick(); }); });
    connect(ui->ListView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &p) { PopupMenuEdit->popup(ui->ListView1->viewport()->mapToGlobal(p)); });
    ui->ListView1->viewport()->installEventFilter(this);
    ui->ListView1->installEventFilter(this); // Delete and Return on the list
    ui->ListView1->viewport()->setAcceptDrops(true); // files from a file manager
    ui->ListView1->setIndentation(0);
    m_scans.setMaxThreadCount(1);

    // Ctrl+Q closes the window the way its close button does.
    addAction(ui->Quit1);
    connect(ui->Quit1, &QAction::triggered, this, &QWidget::close);

    TimerTip.setSingleShot(true);
    TimerTip.setInterval(1000);
    connect(&TimerTip, &QTimer::timeout, this, [this] { Guarded([this] { TimerTipTimer(); }); });

    FormCreate();
}

TMainForm::~TMainForm()
{
    // A run still going is stopped (its partial files removed) while the rows still exist.
    if (RunEngine)
        RunEngine->cancel();
    delete RunEngine;
    RunEngine = nullptr;
    m_scanStop = true;
    m_scans.waitForDone();
    m_chapterStop = true;
    m_chapterPool.waitForDone();
    delete ui;
}

void TMainForm::FormCreate()
{
    RunEngine = new TRunEngine(this);
    connect(RunEngine, &TRunEngine::jobStarted, this, [this](int index) { RunJobStarted(index); });
    connect(RunEngine, &TRunEngine::jobFinished, this, &TMainForm::RunJobFinished);
    connect(RunEngine, &TRunEngine::jobMessage, this, [this](int, const QString &text) {
        Desktop::instance().message(ExecForm ? static_cast<QWidget *>(ExecForm.data()) : this, QMessageBox::NoIcon,
                                    QStringLiteral("Clipvox"), text);
    });
    connect(RunEngine, &TRunEngine::runEnded, this, [this](bool cancelled) { Guarded([&] { RunEnded(cancelled); }); });
    RegisterVideoControl();
    const int widths[] = {30, 120, 80, 80, 60, 120, 60};
    for (int c = 0; c < 7; ++c)
        ui->ListView1->setColumnWidth(c, widths[c]);
    // The number column holds the row icon and two digits in whatever font the desktop uses.
    const QFontMetrics metrics(ui->ListView1->font());
    ui->ListView1->setColumnWidth(ColNumber, std::max(30, 16 + 12 + metrics.horizontalAdvance(QStringLiteral("99"))));
    ui->ListView1->header()->setStretchLastSection(false); // the name columns take the room
    PrepareOpenDialog();
    ShowQueue();
    Settings.Load();
    ShowQuickSettings();
    connect(&Settings, &TSettings::changed, this, [this] { SettingsChanged(); });
    TimerTip.start();
}

void TMainForm::RegisterVideoControl() { TVideoEdit::Initialize(); }

void TMainForm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

// The layout places everything; the gap under the list and the right margin are set so
// that the list stays the outer width less 16 by the outer height less 196, the group box
// as wide, whatever the frame and the status bar take.
void TMainForm::FormResize()
{
    const QSize outer = frameGeometry().size();
    QWidget *client = ui->centralwidget;
    auto *layout = static_cast<QBoxLayout *>(client->layout());
    const int right = std::max(0, 8 - (outer.width() - width()));
    const int gap = std::max(0, ui->ListGap->geometry().height() + ui->ListView1->height() - (outer.height() - 196));
    if (right == layout->contentsMargins().right() && gap == ui->ListGap->geometry().height())
        return;
    layout->setContentsMargins(8, 6, right, 0);
    ui->ListGap->changeSize(0, gap, QSizePolicy::Minimum, QSizePolicy::Fixed);
    layout->invalidate();
    layout->activate();
}

// The source and output columns share the room the list has beyond its columns, and give
// it back when the list shrinks, down to their first widths.
void TMainForm::FitColumns()
{
    const QHeaderView *header = ui->ListView1->header();
    const int spare = ui->ListView1->viewport()->width() - header->length();
    const int half = spare / 2;
    ui->ListView1->setColumnWidth(ColSource, std::max(80, header->sectionSize(ColSource) + spare - half));
    ui->ListView1->setColumnWidth(ColOutput, std::max(80, header->sectionSize(ColOutput) + half));
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    // Quitting in the middle of a run stops it as Cancel does: no partial file stays behind.
    if (RunActive()) {
        if (!Desktop::instance().question(this, QStringLiteral("Clipvox"),
                                          tr("A conversion is still running. Stop it and quit?"))) {
            event->ignore();
            return;
        }
        RunEngine->cancel();
    }
    if (FormClose())
        event->accept();
    else
        event->ignore();
}

bool TMainForm::FormClose()
{
    try {
        Settings.SaveGeneral();
    } catch (const std::exception &e) {
        ReportError(e);
        return false;
    }
    QCoreApplication::processEvents();
    return true;
}

namespace {
// The local files and folders of a drop; other addresses are of no use here.
QStringList DroppedPaths(const QMimeData *data)
{
    QStringList paths;
    if (data && data->hasUrls())
        for (const QUrl &url : data->urls())
            if (url.isLocalFile() && !url.toLocalFile().isEmpty())
                paths << url.toLocalFile();
    return paths;
}
} // namespace

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->ListView1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        if (key->key() == Qt::Key_Delete) {
            Guarded([this] { RemoveSelectedRows(); });
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            Guarded([this] { TBXItemEditClick(); });
            return true;
        }
        return false;
    }
    if (watched != ui->ListView1->viewport())
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Resize:
        FitColumns();
        break;
    case QEvent::MouseButtonRelease:
        ListView1MouseUp();
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        // The queue takes no files while a run goes on.
        if (RunActive() || DroppedPaths(drag->mimeData()).isEmpty())
            drag->ignore();
        else
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList paths = DroppedPaths(drop->mimeData());
        if (!paths.isEmpty() && !RunActive()) {
            drop->acceptProposedAction();
            QueuePaths(paths);
        }
        return true;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::SpeedBtnPathClick()
{
    const QString path = BrowseOutputFolder(this, OutputSettings().OutputPath);
    if (path.isEmpty())
        return;
    ui->EdPath->setText(path);
    Settings.SetOutputPath(ui->EdPath->text());
    RefreshJobList(); // also when the folder is the one already set
}

void TMainForm::TBXItemAddClick() { AddFiles(); }

void TMainForm::TBXItemRemoveClick() { RemoveSelectedJob(); }

void TMainForm::TBXItemEditClick()
{
    int row = -1;
    for (int r = 0; r < ui->ListView1->topLevelItemCount() && row < 0; ++r)
        if (ui->ListView1->topLevelItem(r)->isSelected())
            row = r;
    if (row < 0 || RunActive())
        return;
    CurrentJob = row;
    if (!EditForm)
        OpenEditor(row)->exec();
}

TEditForm *TMainForm::OpenEditor(int row)
{
    auto *editor = new TEditForm(this, Queue.Job(row), &AudioInformation1);
    // The tag switch changes at the click, also when the editor is then cancelled.
    connect(editor, &TEditForm::TagsEnabledChanged, &Queue, &TJobQueue::SetTagsEnabled);
    // OK hands back the edited job; Cancel what Reset and the preview measured. Either way
    // the list is rebuilt.
    connect(editor, &QDialog::finished, this, [this, row, editor] { Queue.SetJob(row, editor->Job()); });
    return Track(EditForm, editor);
}

void TMainForm::ListView1DblClick() { TBXItemEditClick(); }

void TMainForm::TBXItemSettingsClick()
{
    if (!SettingForm)
        OpenSettings()->exec();
}

TSettingForm *TMainForm::OpenSettings()
{
    auto *dialog = new TSettingForm(this, Settings);
    dialog->ShowFormatPage(ui->cbFormat->currentIndex());
    return Track(SettingForm, dialog);
}

void TMainForm::SettingsChanged()
{
    ShowQuickSettings();
    RefreshJobList();
}

// The output folder and format into the quick settings; selecting the format does not run
// the format handler (its work is done by whoever changed the settings).
void TMainForm::ShowQuickSettings()
{
    ui->EdPath->setText(OutputSettings().OutputPath);
    const QSignalBlocker quiet(ui->cbFormat);
    const int format = OutputSettings().OutputFormat;
    ui->cbFormat->setCurrentIndex(format >= 0 && format < ui->cbFormat->count() ? format : -1);
}

void TMainForm::TBXItemHelpClick() { PopupMenuHelp->popup(QCursor::pos()); }

void TMainForm::HelpContent1Click()
{
    const QString guide = ProgramFolder() + QStringLiteral("clipvox.html");
    // Without a web browser or launcher nothing would happen at all: say where the guide is.
    if (!Desktop::instance().openUrl(QUrl::fromLocalFile(guide)))
        ShowInformation(this, tr("No program to open the user guide was found. The user guide is at:\n") +
                                  QDir::toNativeSeparators(guide));
}

void TMainForm::Homepage1Click() { Desktop::instance().openUrl(QUrl(QString::fromLatin1(kHomePageUrl))); }

void TMainForm::TechnicalSupport1Click() { Desktop::instance().openUrl(QUrl(QString::fromLatin1(kSupportMail))); }

void TMainForm::About1Click()
{
    if (!AboutForm)
        Track(AboutForm, new TAboutForm(this, QString::fromLatin1(kHomePageUrl), QString::fromLatin1(kSupportMail)));
    AboutForm->exec();
}

void TMainForm::ipoftheDay1Click()
{
    if (!TipForm)
        Track(TipForm, new TTipForm(this));
    TipForm->exec();
}

void TMainForm::TimerTipTimer()
{
    TimerTip.stop();
    TTipSettings tips;
    LoadTipSettings(tips);
    if (tips.ShowTip == 1)
        ipoftheDay1Click();
}
