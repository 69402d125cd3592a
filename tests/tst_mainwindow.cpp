// SPDX-License-Identifier: GPL-3.0-or-later
// The main window and its queue: adding, naming, moving, removing, the menu rules,
// the quick settings, resizing, the help links and closing.
#include "core/core.h"
#include "core/translation.h"
#include "desktop/application.h"
#include "clip/cliptimes.h"
#include "clip/edit.h"
#include "extras/about.h"
#include "extras/tip.h"
#include "clip/edittime.h"
#include "progress/execute.h"
#include "settings/setting.h"
#include "main/commandline.h"
#include "main/main.h"
#include "support/fakedesktop.h"
#include "support/fixtures.h"
#include "ui_main.h"
#include "runharness.h"

#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTranslator>
#include "support/queuecells.h"
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {
QStringList column(const MainWindow &w, int c)
{
    QStringList out;
    for (int r = 0; r < rowCount(w); ++r)
        out << cell(w, r, c);
    return out;
}

// Where each row's file is, as its cell's tooltip tells.
QStringList paths(const MainWindow &w, int c)
{
    QStringList out;
    for (int r = 0; r < rowCount(w); ++r)
        out << pathIn(w, r, c);
    return out;
}

void select(MainWindow &w, QList<int> rows)
{
    selectRows(w, rows);
}

// The Alt+letters that more than one control of a window claims, among the controls shown
// together: the window's own, then those of each page of each of its tab widgets in turn.
QStringList altLetterClashes(QWidget *window)
{
    QStringList clashes;
    const auto scan = [&] {
        QMultiMap<QString, QString> owners; // Alt+letter -> what claims it
        const auto claim = [&](const QString &text, const QString &who) {
            const QKeySequence key = QKeySequence::mnemonic(text);
            if (!key.isEmpty())
                owners.insert(key.toString().toUpper(), who + " \"" + text + "\"");
        };
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(window))
                continue;
            if (auto *button = qobject_cast<QAbstractButton *>(w))
                claim(button->text(), w->objectName());
            else if (auto *label = qobject_cast<QLabel *>(w); label && label->buddy())
                claim(label->text(), w->objectName());
            else if (auto *group = qobject_cast<QGroupBox *>(w))
                claim(group->title(), w->objectName());
            else if (auto *tabs = qobject_cast<QTabBar *>(w))
                for (int i = 0; i < tabs->count(); ++i)
                    claim(tabs->tabText(i), "tab");
            else if (auto *bar = qobject_cast<QMenuBar *>(w))
                for (QAction *menu : bar->actions())
                    claim(menu->text(), "menu");
        }
        for (const QString &key : owners.uniqueKeys())
            if (owners.count(key) > 1) {
                const QString clash = key + ": " + QStringList(owners.values(key)).join(", ");
                if (!clashes.contains(clash))
                    clashes << clash;
            }
    };
    scan();
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>())
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            scan();
        }
    return clashes;
}

QList<bool> menuState(const MainWindow &w)
{
    return {w.ui->queueAddFiles->isEnabled(), w.ui->actionMoveUp->isEnabled(),  w.ui->actionMoveDown->isEnabled(),
            w.ui->queueRemove->isEnabled(),   w.ui->actionRemoveAll->isEnabled(), w.ui->queueEditClip->isEnabled(),
            w.ui->queueConvert->isEnabled()};
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<FakeDesktop> m_desktop;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<MainWindow> m_window;

    MainWindow &window() { return *m_window; }
    void addFiles(const QStringList &files)
    {
        m_desktop->fileAnswers << files;
        window().ui->toolAddFiles->trigger();
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<TempProgramFolder>();
        m_folder->write("setup.ini", "[tips]\nshowtip=0\n");
        // The presets are the shipped ones and those the test makes.
        qputenv("XDG_CONFIG_HOME", m_folder->file("config").toUtf8());
        qputenv("XDG_CONFIG_DIRS", m_folder->file("system").toUtf8());
        m_desktop = std::make_unique<FakeDesktop>();
        m_settings = std::make_unique<AppSettings>();
        m_window = std::make_unique<MainWindow>(*m_settings);
    }
    void cleanup()
    {
        m_window.reset();
        m_settings.reset();
        m_desktop.reset();
        m_folder.reset();
    }

    void queueAnnouncesItsChanges_data();
    void queueAnnouncesItsChanges();
    void queueNamesFromTags();
    void startsEmptyWithLoadedSettings();
    void addFilesFillsRowsAndNamesOutputs();
    void addDialogAndCancel();
    void secondBatchMovesEveryOutput();
    void formatChangeRenamesEveryJob();
    void movesRotateAndCarryEveryField();
    void blocksMoveWhole_data();
    void blocksMoveWhole();
    void removeTakesFirstSelectedJob();
    void menuEnablingRules();
    void resizeRule();
    void rowNumbersShowWhole();
    void outputFolderButton();
    void helpLinksGoThroughTheDesktop();
    void closingWritesGeneralKeys();
    void refusedWriteKeepsWindowOpen();
    void generalErrorReportShowsEscapedErrors();
    void tipTimerReadsShowtip();
    void dropsOfFilesAndFolders();
    void commandLineFilesInOrder();
    void keysPeopleTryFirst();
    void resultsFollowTheirRows_data();
    void resultsFollowTheirRows();
    void queueFileKeepsTheQueue_data();
    void queueFileKeepsTheQueue();
    void queueFileReadsOldTimes();
    void splitIntoChapters();
    void speaksTheUsersLanguage_data();
    void speaksTheUsersLanguage();
    void noAltLetterTwice_data();
    void noAltLetterTwice();
    void aboutNoticeShownWhole_data() { noAltLetterTwice_data(); }
    void aboutNoticeShownWhole();
    void presetsInQuickSettings();
};

void TestMainWindow::queueAnnouncesItsChanges_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("order");   // sources after it, by file name
    QTest::addColumn<QString>("announced"); // what the queue said
    QTest::newRow("add") << "add" << "A,B,C,D" << "added 3 1";
    QTest::newRow("remove") << "remove 1" << "A,C" << "removed 1";
    QTest::newRow("remove outside") << "remove 3" << "A,B,C" << "";
    QTest::newRow("up") << "up 2" << "A,C,B" << "moved 2 1";
    QTest::newRow("up first") << "up 0" << "B,C,A" << "moved 0 2";
    QTest::newRow("down last") << "down 2" << "C,A,B" << "moved 2 0";
    QTest::newRow("clear") << "clear" << "" << "cleared";
}

// The queue on its own: each operation changes the jobs as a whole and says so once.
void TestMainWindow::queueAnnouncesItsChanges()
{
    QFETCH(QString, operation);
    QFETCH(QString, order);
    QFETCH(QString, announced);
    JobQueue queue;
    queue.add({"/v/A.avi", "/v/B.avi", "/v/C.avi"}, "/o/", "mp3", "url");
    setJobField(queue, 1, &Job::TagTitle, QString("B's"));
    setJobField(queue, 1, &Job::TagsEnabled, true);
    QStringList heard;
    connect(&queue, &JobQueue::jobsAdded, this, [&](int first, int n) { heard << QString("added %1 %2").arg(first).arg(n); });
    connect(&queue, &JobQueue::jobRemoved, this, [&](int row) { heard << QString("removed %1").arg(row); });
    connect(&queue, &JobQueue::jobMoved, this, [&](int from, int to) { heard << QString("moved %1 %2").arg(from).arg(to); });
    connect(&queue, &JobQueue::cleared, this, [&] { heard << "cleared"; });
    const QStringList op = operation.split(' ');
    const int row = op.value(1).toInt();
    if (op[0] == "add")
        queue.add({"/w/D.avi"}, "/o/", "mp3", "url");
    else if (op[0] == "remove")
        queue.remove(row);
    else if (op[0] == "up")
        queue.moveUp(row);
    else if (op[0] == "down")
        queue.moveDown(row);
    else if (op[0] == "clear")
        queue.clear();
    QCOMPARE(heard.join(" | "), announced);
    QStringList names;
    for (int r = 0; r < queue.jobCount(); ++r) {
        const Job &job = queue.job(r);
        names << QFileInfo(job.SourceFile).completeBaseName();
        // Every field travels with its job.
        QCOMPARE(job.OutputFile, "/o/" + names.last() + ".mp3");
        QCOMPARE(job.TagTitle, names.last() == "B" ? QString("B's") : QString());
    }
    QCOMPARE(names.join(','), order);
    // A run's copy carries each row's own tag switch.
    for (const RunJob &job : queue.runJobs())
        QCOMPARE(job.TagsEnabled, job.SourceFile == "/v/B.avi");
}

// The queue reads each source's tags in the background and names outputs by the pattern,
// keeping the sources' folders below their common folder.
void TestMainWindow::queueNamesFromTags()
{
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(dir.filePath("v/live")));
    const QString tagged = dir.filePath("v/live/a.mkv"), plain = dir.filePath("v/b.mkv");
    QVERIFY(runFfmpeg({"-f", "lavfi", "-i", "sine=duration=1", "-metadata", "title=Song", "-metadata", "track=3", tagged}));
    QVERIFY(runFfmpeg({"-f", "lavfi", "-i", "sine=duration=1", plain}));
    JobQueue queue;
    QSignalSpy read(&queue, &JobQueue::sourceTagsRead);
    queue.add({tagged, plain}, "/o/", "mp3", "url");
    QTRY_COMPARE_WITH_TIMEOUT(read.size(), 2, 20000);
    queue.setNaming("{track} - {title}", SaveTo::KeepTree);
    QVERIFY(queue.namesUseTags());
    queue.rederiveOutputNames("/o/", "mp3");
    QCOMPARE(queue.job(0).OutputFile, QString("/o/live/03 - Song.mp3"));
    QCOMPARE(queue.job(1).OutputFile, QString("/o/b - b.mp3"));
    queue.setNaming("{n} {name}", SaveTo::BesideSource);
    queue.rederiveOutputNames("/o/", "mp3");
    QCOMPARE(queue.job(1).OutputFile, dir.filePath("v/2 b.mp3"));
}

void TestMainWindow::startsEmptyWithLoadedSettings()
{
    QCOMPARE(window().windowTitle(), QString("Clipvox"));
    QCOMPARE(window().ui->outputPathEdit->text(), QDir::homePath() + "/");
    QCOMPARE(window().ui->outputFormatCombo->currentText(), QString("MP3"));
    QCOMPARE(rowCount(window()), 0);
    QCOMPARE(window().Queue.headerData(ColStatus, Qt::Horizontal).toString(), QString("Status"));
    QCOMPARE(window().ui->queueView->columnWidth(ColSource), 120);
    QCOMPARE(menuState(window()), (QList<bool>{true, false, false, false, false, false, false}));
    QCOMPARE(window().ui->toolRemove->statusTip(), QString("Remove selected item "));
    QCOMPARE(window().ui->toolRemove->toolTip(), QString("Remove selected item (Ctrl+D)"));
    QCOMPARE(window().ui->toolConvert->shortcut(), QKeySequence(Qt::Key_F9));
    QCOMPARE(window().ui->actionMoveUp->shortcut(), QKeySequence("Ctrl+U"));

    // A stored format selects its entry without running the format handler.
    m_window.reset();
    m_folder->write("setup.ini", "[tips]\nshowtip=0\n[general]\noutputformat=2\noutputpath=/srv/out\n");
    m_window = std::make_unique<MainWindow>(*m_settings);
    QCOMPARE(window().ui->outputFormatCombo->currentText(), QString("WAV"));
    QCOMPARE(window().ui->outputPathEdit->text(), QString("/srv/out")); // loaded unchanged
    QCOMPARE(window().outputSettings().OutputExt, QString("wav"));
}

void TestMainWindow::addFilesFillsRowsAndNamesOutputs()
{
    const QString dir = QString::fromUtf8("/videos/My Clips #1?/");
    addFiles({dir + "talk.part1.avi", dir + QString::fromUtf8("Zoë's \"best\".wmv"), dir + "noext"});
    QCOMPARE(window().Queue.jobCount(), 3);
    QCOMPARE(window().Queue.jobCount(), 3);
    QCOMPARE(column(window(), ColNumber), (QStringList{"1", "2", "3"}));
    QCOMPARE(column(window(), ColStart), (QStringList{"00:00:00", "00:00:00", "00:00:00"}));
    QCOMPARE(column(window(), ColEnd), (QStringList{"Max", "Max", "Max"}));
    QCOMPARE(column(window(), ColConvertTo), (QStringList{"mp3", "mp3", "mp3"}));
    QCOMPARE(column(window(), ColStatus), (QStringList{"Waiting", "Waiting", "Waiting"}));
    // The name columns show the files' names, their tooltips where they are.
    QCOMPARE(column(window(), ColOutput), (QStringList{"talk.part1.mp3", QString::fromUtf8("Zoë's \"best\".mp3"), "noext.mp3"}));
    QCOMPARE(paths(window(), ColOutput),
             (QStringList{dir + "talk.part1.mp3", dir + QString::fromUtf8("Zoë's \"best\".mp3"), dir + "noext.mp3"}));
    QCOMPARE(column(window(), ColSource)[1], QString::fromUtf8("Zoë's \"best\".wmv"));
    QCOMPARE(paths(window(), ColSource)[1], dir + QString::fromUtf8("Zoë's \"best\".wmv"));
    QCOMPARE(window().ui->outputPathEdit->text(), dir);
    QCOMPARE(window().outputSettings().OutputPath, dir);
    const Job &job = window().Queue.job(1);
    QCOMPARE(job.Duration, 0);
    QCOMPARE(job.TagComment, QString("Clipvox"));
    QCOMPARE(job.TagCopyright, QString::fromLatin1(kHomePageUrl));
    QVERIFY(job.TagTitle.isEmpty() && job.TagYear == 0 && job.TagTrack == 0);
    QVERIFY(job.TagGenre == -1 && !job.TagsEnabled); // nobody tagged it: no genre of ours

    // The same file twice: a question first, then two jobs, one output name.
    addFiles({dir + "talk.part1.avi"});
    QCOMPARE(window().Queue.jobCount(), 3);
    m_desktop->questionAnswers << true;
    addFiles({dir + "talk.part1.avi"});
    QCOMPARE(m_desktop->questions.size(), 2);
    QVERIFY(m_desktop->questions[0].startsWith("Already in the queue:\n"));
    QCOMPARE(window().Queue.jobCount(), 4);
    QCOMPARE(window().Queue.job(3).OutputFile, window().Queue.job(0).OutputFile);
}

void TestMainWindow::addDialogAndCancel()
{
    addFiles({});
    QCOMPARE(m_desktop->fileDialogs, 1);
    QCOMPARE(m_desktop->lastFileTitle, QString("Open Video Files"));
    QCOMPARE(m_desktop->lastFileFolder, QDir::homePath() + "/"); // nothing added yet
    const QStringList filters = m_desktop->lastFileFilter.split(";;");
    QVERIFY(filters[0].startsWith("All supported files ("));
    // Every type in the first piece, and each in one piece of its own after the classic four.
    const QStringList types{"avi", "asf", "wmv", "mpg", "mpeg", "mp4", "m4v", "mkv", "webm", "mov", "flv",
                            "ts", "mts", "m2ts", "vob", "3gp", "ogv", "dv", "divx"};
    for (const QString &t : types) {
        const QRegularExpression pattern("[( ]\\*\\." + t + "[ )]");
        QVERIFY2(filters[0].contains(pattern) && filters[0].contains(QRegularExpression(pattern.pattern().toUpper())),
                 qPrintable(t));
        QCOMPARE(filters.mid(1, filters.size() - 2).filter(pattern).size(), 1);
    }
    QVERIFY(filters[1].startsWith("MPEG files (*.mpg *.MPG *.mpeg *.MPEG)"));
    QVERIFY(filters[2].startsWith("WMV files ("));
    QVERIFY(filters[3].startsWith("AVI files ("));
    QVERIFY(filters[4].startsWith("ASF files (*.asf"));
    QCOMPARE(filters.last(), QString("All files (*)"));
    // Cancelled: nothing changed.
    QCOMPARE(window().Queue.jobCount(), 0);
    QCOMPARE(window().ui->outputPathEdit->text(), QDir::homePath() + "/");
    QCOMPARE(menuState(window()), (QList<bool>{true, false, false, false, false, false, false}));
    QVERIFY(m_folder->read("setup.ini").indexOf("lastfolder") < 0);

    // The next dialog opens where the files added last came from, also after a restart.
    addFiles({"/clips/new/a.mkv"});
    m_window = std::make_unique<MainWindow>(*m_settings);
    addFiles({});
    QCOMPARE(m_desktop->lastFileFolder, QString("/clips/new/"));
}

void TestMainWindow::secondBatchMovesEveryOutput()
{
    addFiles({"/a/one.avi", "/a/two.mpg"});
    addFiles({"/b/three.asf"});
    QCOMPARE(paths(window(), ColSource), (QStringList{"/a/one.avi", "/a/two.mpg", "/b/three.asf"}));
    QCOMPARE(paths(window(), ColOutput), (QStringList{"/b/one.mp3", "/b/two.mp3", "/b/three.mp3"}));

    // Files of one name in different folders read apart by as many of their folders as that
    // takes, also as drawn at the window's first size.
    addFiles({"/b/one.avi", "/c/x/two.mpg", "/d/x/two.mpg"});
    QCOMPARE(column(window(), ColSource),
             (QStringList{"a/one.avi", "a/two.mpg", "three.asf", "b/one.avi", "c/x/two.mpg", "d/x/two.mpg"}));
    window().Queue.setNaming("{name}", SaveTo::BesideSource);
    window().Queue.rederiveOutputNames("/out/", "mp3");
    QCOMPARE(column(window(), ColOutput),
             (QStringList{"a/one.mp3", "a/two.mp3", "three.mp3", "b/one.mp3", "c/x/two.mp3", "d/x/two.mp3"}));
    window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&window()));
    QueueView *list = window().ui->queueView;
    const int margins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    for (int c : {ColSource, ColOutput}) {
        QStringList drawn;
        for (int r = 0; r < rowCount(window()); ++r)
            drawn << list->fontMetrics().elidedText(cell(window(), r, c), Qt::ElideMiddle, list->columnWidth(c) - margins);
        QCOMPARE(QSet<QString>(drawn.begin(), drawn.end()).size(), drawn.size());
    }
}

void TestMainWindow::formatChangeRenamesEveryJob()
{
    addFiles({"/a/one.avi", "/a/two.b.mpg"});
    window().Queue.setResult(0, {JobResult::Done, 100, {}, {}});
    window().ui->outputFormatCombo->setCurrentIndex(3);
    emit window().ui->outputFormatCombo->activated(3);
    QCOMPARE(window().outputSettings().OutputFormat, 3);
    QCOMPARE(column(window(), ColConvertTo), (QStringList{"ogg", "ogg"}));
    QCOMPARE(column(window(), ColOutput), (QStringList{"one.ogg", "two.b.ogg"}));
    QCOMPARE(column(window(), ColStatus), (QStringList{"Waiting", "Waiting"}));
}

void TestMainWindow::movesRotateAndCarryEveryField()
{
    addFiles({"/a/A.avi", "/a/B.avi", "/a/C.avi"});
    for (int k = 1; k <= 3; ++k) {
        setJobField(window().Queue, k - 1, &Job::TagTitle, QString("title%1").arg(k));
        setJobField(window().Queue, k - 1, &Job::Duration, k * 10);
        setJobField(window().Queue, k - 1, &Job::clipStart, double(k));
    }
    const auto order = [this] { return column(window(), ColSource).join(','); };
    select(window(), {0});
    window().actionMoveUpClick();
    QCOMPARE(order(), QString("B.avi,C.avi,A.avi"));
    QCOMPARE(queueOf(window())->selectedRows(), QList<int>{2}); // the moved row stays selected
    select(window(), {2});
    window().actionMoveDownClick();
    QCOMPARE(order(), QString("A.avi,B.avi,C.avi"));
    select(window(), {0});
    window().actionMoveDownClick();
    QCOMPARE(order(), QString("B.avi,A.avi,C.avi"));
    QCOMPARE(window().Queue.job(1).TagTitle, QString("title1"));
    QCOMPARE(window().Queue.job(1).Duration, 10);
    QCOMPARE(window().Queue.job(1).OutputFile, QString("/a/A.mp3"));
    QCOMPARE(column(window(), ColStart), (QStringList{"00:00:02", "00:00:01", "00:00:03"}));
    QCOMPARE(column(window(), ColNumber), (QStringList{"1", "2", "3"}));
    // Without a selection nothing moves.
    window().ui->queueView->clearSelection();
    window().actionMoveUpClick();
    QCOMPARE(order(), QString("B.avi,A.avi,C.avi"));

    // A single job stays where it is.
    window().actionRemoveAllClick();
    addFiles({"/a/only.avi"});
    select(window(), {0});
    window().actionMoveUpClick();
    select(window(), {0});
    window().actionMoveDownClick();
    QCOMPARE(order(), QString("only.avi"));
}

// Selected rows move as one block and stay selected; a block at an end stays there; undo
// brings back the order and the selection.
void TestMainWindow::blocksMoveWhole_data()
{
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("order");
    QTest::addColumn<QList<int>>("after");
    QTest::newRow("block up") << QList<int>{3, 4} << true << "ABDEC" << QList<int>{2, 3};
    QTest::newRow("block down") << QList<int>{1, 2} << false << "ADBCE" << QList<int>{2, 3};
    QTest::newRow("block at the top up") << QList<int>{0, 1} << true << "ABCDE" << QList<int>{0, 1};
    QTest::newRow("block at the bottom down") << QList<int>{3, 4} << false << "ABCDE" << QList<int>{3, 4};
    QTest::newRow("top block down") << QList<int>{0, 1} << false << "CABDE" << QList<int>{1, 2};
    QTest::newRow("row and block up") << QList<int>{1, 3, 4} << true << "BADEC" << QList<int>{0, 2, 3};
}

void TestMainWindow::blocksMoveWhole()
{
    QFETCH(QList<int>, selected);
    QFETCH(bool, up);
    QFETCH(QString, order);
    QFETCH(QList<int>, after);
    addFiles({"/b/A.avi", "/b/B.avi", "/b/C.avi", "/b/D.avi", "/b/E.avi"});
    const auto names = [this] {
        QString shown;
        for (const QString &source : column(window(), ColSource))
            shown += QFileInfo(source).baseName();
        return shown;
    };
    select(window(), selected);
    up ? window().actionMoveUpClick() : window().actionMoveDownClick();
    QCOMPARE(names(), order);
    QCOMPARE(queueOf(window())->selectedRows(), after);
    if (order == "ABCDE")
        return; // nothing moved, nothing to undo
    window().UndoStack.undo();
    QCOMPARE(names(), QString("ABCDE"));
    QCOMPARE(queueOf(window())->selectedRows(), selected);
    window().UndoStack.redo();
    QCOMPARE(names(), order);
    QCOMPARE(queueOf(window())->selectedRows(), after);
}

void TestMainWindow::removeTakesFirstSelectedJob()
{
    addFiles({"/a/1.avi", "/a/2.avi", "/a/3.avi", "/a/4.avi"});
    setJobField(window().Queue, 2, &Job::TagCopyright, "mine");
    setJobField(window().Queue, 2, &Job::Duration, 33);
    select(window(), {1});
    window().ui->toolRemove->trigger();
    QCOMPARE(window().Queue.jobCount(), 3);
    QCOMPARE(column(window(), ColSource), (QStringList{"1.avi", "3.avi", "4.avi"}));
    QCOMPARE(column(window(), ColNumber), (QStringList{"1", "2", "3"}));
    QCOMPARE(window().Queue.job(1).TagCopyright, QString("mine"));
    QCOMPARE(window().Queue.job(1).Duration, 33);
    QCOMPARE(queueOf(window())->selectedRows(), QList<int>{1}); // the next row takes the selection
    // Nothing selected: nothing removed.
    queueOf(window())->clearSelection();
    window().ui->toolRemove->trigger();
    QCOMPARE(window().Queue.jobCount(), 3);

    window().actionRemoveAllClick();
    QCOMPARE(window().Queue.jobCount(), 0);
    QCOMPARE(window().Queue.jobCount(), 0);
    QCOMPARE(rowCount(window()), 0);
    window().actionRemoveAllClick(); // an empty list: nothing happens
    QCOMPARE(window().Queue.jobCount(), 0);

    addFiles({"/a/only.avi"});
    select(window(), {0});
    window().removeSelectedJob();
    QCOMPARE(window().Queue.jobCount(), 0);
    QCOMPARE(menuState(window()), (QList<bool>{true, false, false, false, false, false, false}));
}

void TestMainWindow::menuEnablingRules()
{
    addFiles({"/a/1.avi", "/a/2.avi"});
    // The added rows are selected.
    QCOMPARE(menuState(window()), (QList<bool>{true, true, true, true, true, true, true}));
    select(window(), {1});
    QCOMPARE(window().CurrentJob, 1);
    QCOMPARE(menuState(window()), (QList<bool>{true, true, true, true, true, true, true}));
    window().ui->queueView->clearSelection();
    QCOMPARE(window().CurrentJob, -1);
    QCOMPARE(menuState(window()), (QList<bool>{true, false, false, false, true, false, true}));

    // A mouse release over the list applies the rule without touching CurrentJob.
    window().actionRemoveAllClick();
    addFiles({"/a/1.avi"});
    queueOf(window())->clearSelection();
    QCOMPARE(menuState(window()), (QList<bool>{true, false, false, false, true, false, true}));
    window().CurrentJob = 7;
    window().show();
    QTest::mouseRelease(window().ui->queueView->viewport(), Qt::RightButton, {}, QPoint(200, 150));
    QCOMPARE(menuState(window()), (QList<bool>{true, false, false, false, true, false, true}));
    QCOMPARE(window().CurrentJob, 7);
}

void TestMainWindow::resizeRule()
{
    window().show();
    // The rule works on the outer size, frame included.
    const QSize frame = window().frameGeometry().size() - window().size();
    window().resize(QSize(800, 600) - frame);
    QTRY_COMPARE(window().ui->queueView->width(), 784);
    QCOMPARE(window().ui->queueView->height(), 404 - window().menuBar()->height());
    QCOMPARE(window().ui->quickSettingsBox->width(), 784);
    QCOMPARE(window().ui->queueView->x(), 8);
    // The quick settings stay docked at the bottom of the client area.
    const QWidget *client = window().ui->centralwidget;
    QCOMPARE(window().ui->quickPanel->geometry().bottom(), client->height() - 1);
    QCOMPARE(window().minimumSize(), QSize(573, 422));
}

// The number column shows every row's number whole, at the first size, past rows 9 and 99.
void TestMainWindow::rowNumbersShowWhole()
{
    window().show();
    QueueView *view = window().ui->queueView;
    for (int count : {9, 12, 105}) {
        QStringList files;
        for (int i = view->model()->rowCount(); i < count; ++i)
            files << QString("/n/%1.avi").arg(i);
        addFiles(files);
        view->scrollToBottom();
        QCoreApplication::processEvents();
        const QModelIndex last = view->model()->index(count - 1, ColNumber);
        QVERIFY2(view->sizeHintForIndex(last).width() <= view->columnWidth(ColNumber), qPrintable(QString::number(count)));
    }
}

void TestMainWindow::outputFolderButton()
{
    addFiles({"/a/1.avi"});
    m_desktop->folderAnswers << "/music" << "/" << "";
    window().ui->browseOutputButton->click();
    QCOMPARE(m_desktop->lastFolderPrompt, QString("Select a directory to save output files"));
    QCOMPARE(m_desktop->lastFolderStart, QString("/a/")); // opens in the current output folder
    QCOMPARE(window().ui->outputPathEdit->text(), QString("/music/"));
    QCOMPARE(window().outputSettings().OutputPath, QString("/music/"));
    QCOMPARE(column(window(), ColOutput), QStringList{"1.mp3"});
    QCOMPARE(paths(window(), ColOutput), QStringList{"/music/1.mp3"});
    window().ui->browseOutputButton->click();
    QCOMPARE(window().outputSettings().OutputPath, QString("/"));
    window().ui->browseOutputButton->click(); // cancelled
    QCOMPARE(window().outputSettings().OutputPath, QString("/"));
    QCOMPARE(paths(window(), ColOutput), QStringList{"/1.mp3"});
}

void TestMainWindow::helpLinksGoThroughTheDesktop()
{
    window().ui->actionHelpContent->trigger();
    QList<QUrl> opened{QUrl::fromLocalFile(m_folder->file("clipvox.html"))};
    // The home page and the support are offered only when the build names them.
    for (auto [action, address] : {std::pair{window().ui->actionHomepage, kHomePageUrl},
                                   std::pair{window().ui->actionTechnicalSupport, kSupportMail}}) {
        QCOMPARE(action->isVisible(), *address != '\0');
        if (action->isVisible()) {
            action->trigger();
            opened << QUrl(QString::fromLatin1(address));
        }
    }
    QCOMPARE(m_desktop->openedUrls, opened);
    QVERIFY(m_desktop->messages.isEmpty());

    // Without a browser or launcher, F1 says where the user guide is.
    m_desktop->openUrlAnswer = false;
    window().ui->actionHelpContent->trigger();
    QCOMPARE(m_desktop->messages.size(), 1);
    QVERIFY2(m_desktop->messages[0].text.endsWith("\n" + m_folder->file("clipvox.html")), qPrintable(m_desktop->texts().join("")));

    // Show in folder, without a file manager either, says where the file is.
    addFiles({"/videos/talk.avi"});
    select(window(), {0});
    window().findChild<QAction *>("actionShowInFolder")->trigger();
    QTRY_COMPARE(m_desktop->messages.size(), 2);
    QVERIFY2(m_desktop->messages[1].text.endsWith("\n/videos/talk.avi"), qPrintable(m_desktop->texts().join("")));
}

void TestMainWindow::closingWritesGeneralKeys()
{
    window().show();
    QVERIFY(window().close());
    QCOMPARE(IniFile(settingsFilePath()).readString("general", "outputpath", "x"), QDir::homePath() + "/");
    QCOMPARE(IniFile(settingsFilePath()).readInteger("general", "outputformat", -5), 0);

    m_window = std::make_unique<MainWindow>(*m_settings);
    window().show();
    addFiles({"/clips/x.avi"});
    window().ui->outputFormatCombo->setCurrentIndex(1);
    emit window().ui->outputFormatCombo->activated(1);
    window().resize(700, 500);
    window().ui->queueView->setColumnWidth(ColStatus, 111);
    QVERIFY(window().close());
    const QByteArray ini = m_folder->read("setup.ini");
    QCOMPARE(ini.left(ini.indexOf("[Window]")),
             QByteArray("[tips]\nshowtip=0\n[general]\noutputpath=/clips/\noutputformat=1\nlastfolder=/clips/\n"));

    // The next start has the window's size, its columns and the queue, whose source is gone.
    m_window.reset();
    m_window = std::make_unique<MainWindow>(*m_settings);
    QCOMPARE(window().size(), QSize(700, 500));
    QCOMPARE(window().ui->queueView->columnWidth(ColStatus), 111);
    QCOMPARE(paths(window(), ColSource), QStringList{"/clips/x.avi"});
    QCOMPARE(column(window(), ColStatus), QStringList{"Failed"});
    QCOMPARE(column(window(), ColConvertTo), QStringList{"wma"});
    selectRows(window(), {0});
    QCOMPARE(window().statusBar()->currentMessage(), QString("Failed: the source no longer exists"));
}

void TestMainWindow::refusedWriteKeepsWindowOpen()
{
    QVERIFY(QFile::remove(m_folder->file("setup.ini")));
    QVERIFY(QDir(m_folder->path()).mkdir("setup.ini"));
    window().show();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    QTest::keyClick(&window(), Qt::Key_Q, Qt::ControlModifier); // Ctrl+Q takes the close button's way
    QVERIFY(window().isVisible());
    QCOMPARE(m_desktop->messages.size(), 1);
    QCOMPARE(m_desktop->messages[0].icon, QMessageBox::Critical);
    QCOMPARE(m_desktop->messages[0].text, "Unable to write to " + m_folder->file("setup.ini"));
    // Once the folder is gone the next close writes.
    QVERIFY(QDir(m_folder->path()).rmdir("setup.ini"));
    QTest::keyClick(&window(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!window().isVisible());
    QVERIFY(QFile::exists(m_folder->file("setup.ini")));
}

namespace {
class Thrower : public QWidget
{
protected:
    void mousePressEvent(QMouseEvent *) override { throw ClipvoxError("Something broke"); }
};
} // namespace

void TestMainWindow::generalErrorReportShowsEscapedErrors()
{
    Thrower widget;
    widget.show();
    QTest::mouseClick(&widget, Qt::LeftButton);
    QCOMPARE(m_desktop->texts(), QStringList{"Something broke"});
    // The program goes on: the next event is handled normally.
    QTest::mouseClick(&widget, Qt::LeftButton);
    QCOMPARE(m_desktop->messages.size(), 2);
}

void TestMainWindow::tipTimerReadsShowtip()
{
    // Watches for the tip window and closes it, counting how often it appeared.
    int shown = 0;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
        if (m_window && m_window->TipForm) {
            ++shown;
            m_window->TipForm->reject();
        }
    });
    poll.start(20);
    QTest::qWait(1500); // showtip=0 from init(): nothing opens
    QCOMPARE(shown, 0);
    window().ui->actionTipOfTheDay->trigger(); // the menu opens it always
    QCOMPARE(shown, 1);

    m_window.reset();
    m_folder->write("setup.ini", "[general]\noutputformat=1\n"); // no showtip key counts as 1
    m_window = std::make_unique<MainWindow>(*m_settings);
    QTRY_COMPARE_WITH_TIMEOUT(shown, 2, 3000);
    QTest::qWait(1200); // the timer never ticks again
    QCOMPARE(shown, 2);
}

namespace {
void makeFile(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile(path).open(QIODevice::WriteOnly);
}

// Sends a drag of urls over the queue and, when it is taken, the drop; true when taken.
bool drop(MainWindow &w, const QList<QUrl> &urls)
{
    QWidget *target = w.ui->queueView->viewport();
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return enter.isAccepted() && drop.isAccepted();
}
} // namespace

// Dropped files are added as the dialog adds them; a folder adds the videos in it and its
// subfolders in name order; a drop of nothing usable changes nothing. Odd names included.
void TestMainWindow::dropsOfFilesAndFolders()
{
    QTemporaryDir dir;
    const QString root = dir.path() + QString::fromUtf8("/Drop #1? \"Zoë\"/");
    const QStringList videos{root + "clip 2.MKV", root + QString::fromUtf8("clip 10 \"été\".mp4"),
                             root + "sub/a #?.avi", root + "sub/deeper/b.webm"};
    for (const QString &f : videos + QStringList{root + "notes.txt", root + "empty/readme.txt"})
        makeFile(f);

    QVERIFY(drop(window(), {QUrl::fromLocalFile(root)}));
    QTRY_COMPARE(paths(window(), ColSource), videos);
    QCOMPARE(window().ui->outputPathEdit->text(), root);
    QCOMPARE(column(window(), ColOutput)[1], QString::fromUtf8("clip 10 \"été\".mp3"));
    QCOMPARE(paths(window(), ColOutput)[1], root + QString::fromUtf8("clip 10 \"été\".mp3"));

    // Nothing usable: a folder without videos, an address that is no file.
    QVERIFY(!drop(window(), {QUrl("https://example.org/v.mp4")}));
    QVERIFY(drop(window(), {QUrl::fromLocalFile(root + "empty")}));
    // A dropped file is taken by its name as a folder's file is: a video's name, and not
    // notes; it follows the earlier drops.
    m_desktop->questionAnswers << true; // videos[0] is queued already
    QVERIFY(drop(window(), {QUrl::fromLocalFile(root + "notes.txt"), QUrl::fromLocalFile(videos[0])}));
    QTRY_COMPARE(window().Queue.jobCount(), 5);
    QCOMPARE(paths(window(), ColSource).mid(4), (QStringList{videos[0]}));
    QCOMPARE(window().statusBar()->currentMessage(), QString("1 file(s) without a video's name not added"));
    QCOMPARE(window().ui->outputPathEdit->text(), root);
    // A folder dropped again adds only what is not queued yet, and says so.
    makeFile(root + "sub/new.mkv");
    QVERIFY(drop(window(), {QUrl::fromLocalFile(root + "sub")}));
    QTRY_COMPARE(window().Queue.jobCount(), 6);
    QCOMPARE(window().statusBar()->currentMessage(), QString("2 file(s) already in the queue not added again"));
    QCOMPARE(m_desktop->questions.size(), 1);
}

// clipvox FILE... queues the files in the order given; relative names are taken from the
// current folder.
// Files named on the command line that exist are queued in order; the missing ones are
// named in one message once the window runs, and not queued.
void TestMainWindow::commandLineFilesInOrder()
{
    QTemporaryDir dir;
    for (const char *name : {"folder/x.ts", "b.mkv", "rel a.avi", "a.mp4"})
        makeFile(dir.filePath(name));
    const QString relative = QDir::current().relativeFilePath(dir.filePath("rel a.avi"));
    const WindowArguments command = parseCommandLine(
        {"clipvox", dir.filePath("b.mkv"), "/v/gone.avi", relative, dir.filePath("folder"), "missing b.mkv", dir.filePath("a.mp4")});
    window().queueCommandLine(command.files);
    QTRY_COMPARE(paths(window(), ColSource), (QStringList{dir.filePath("b.mkv"), dir.filePath("rel a.avi"),
                                                          dir.filePath("folder/x.ts"), dir.filePath("a.mp4")}));
    QCOMPARE(window().ui->outputPathEdit->text(), dir.path() + "/");
    QTRY_COMPARE(m_desktop->messages.size(), 1);
    QCOMPARE(m_desktop->messages[0].text, "These files do not exist and were not added:\n/v/gone.avi\n" +
                                              QDir::current().absoluteFilePath("missing b.mkv"));
    QCOMPARE(m_desktop->messages[0].icon, QMessageBox::Warning);

    // All there: no message.
    window().actionRemoveAllClick();
    window().queueCommandLine({dir.filePath("b.mkv")});
    QTRY_COMPARE(paths(window(), ColSource), QStringList{dir.filePath("b.mkv")});
    QTest::qWait(50);
    QCOMPARE(m_desktop->messages.size(), 1);
}

// Delete removes the selected rows, Return opens the editor on the selected row, and every
// toolbar button with a key names it in its tooltip.
void TestMainWindow::keysPeopleTryFirst()
{
    addFiles({"/k/A.avi", "/k/B.avi", "/k/C.avi", "/k/D.avi"});
    QueueView *list = window().ui->queueView;
    select(window(), {0, 2});
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(column(window(), ColSource), (QStringList{"B.avi", "D.avi"}));

    select(window(), {1});
    int editedRow = -2;
    QTimer::singleShot(0, this, [&] {
        if (window().EditForm) {
            editedRow = window().CurrentJob;
            window().EditForm->reject();
        }
    });
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(editedRow, 1);
    QTRY_VERIFY(!window().EditForm);
    QCOMPARE(list->selectedRows(), QList<int>{1}); // the edited row stays selected

    // Delete takes every selected row; the row after them is selected, so a second Delete acts.
    window().show();
    window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    addFiles({"/k/E.avi", "/k/F.avi"});
    QCOMPARE(list->selectedRows(), (QList<int>{2, 3})); // the added rows
    select(window(), {0, 2});
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(column(window(), ColSource), (QStringList{"D.avi", "F.avi"}));
    QCOMPARE(list->selectedRows(), QList<int>{0});
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(column(window(), ColSource), QStringList{"F.avi"});
    QTest::keyClick(&window(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&window(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(column(window(), ColSource), (QStringList{"B.avi", "D.avi", "E.avi", "F.avi"}));
    QCOMPARE(list->selectedRows(), (QList<int>{0, 2})); // as before the first Delete
    QTest::keyClick(&window(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(column(window(), ColSource), (QStringList{"D.avi", "F.avi"}));
    QCOMPARE(list->selectedRows(), QList<int>{0});

    // Shift+F10 and the Menu key open the list's menu at the current row; F10 the menu bar.
    for (const auto &[key, mods] : {std::pair{Qt::Key_F10, Qt::ShiftModifier}, std::pair{Qt::Key_Menu, Qt::NoModifier}}) {
        list->setFocus();
        QTest::keyClick(list, key, mods);
        QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
        const QRect row = list->visualRect(list->currentIndex());
        QVERIFY(std::abs(QApplication::activePopupWidget()->y() - list->viewport()->mapToGlobal(row.center()).y()) <= row.height());
        QApplication::activePopupWidget()->close();
    }
    QTest::keyClick(&window(), Qt::Key_F10);
    QCOMPARE(window().menuBar()->activeAction(), window().menuBar()->actions().first());

    const Ui::MainWindow *ui = window().ui;
    for (const QAction *b : {ui->toolAddFiles, ui->toolRemove, ui->toolEditClip, ui->toolConvert, ui->toolSettings, ui->toolHelp}) {
        const QKeySequence keys = b == ui->toolHelp ? ui->actionHelpContent->shortcut() : b->shortcut();
        QVERIFY(!keys.isEmpty());
        QVERIFY2(b->toolTip().endsWith(" (" + keys.toString(QKeySequence::NativeText) + ")"), qPrintable(b->toolTip()));
    }
    // The menu bar shows the same keys, as shortcuts apart from the entries' names, and the
    // bars have names of their own for a screen reader.
    for (const auto &[entry, tool] : {std::pair{"actionEditClip", ui->toolEditClip}, std::pair{"actionRemove", ui->toolRemove},
                                      std::pair{"actionConvert", ui->toolConvert}, std::pair{"actionUserGuide", ui->actionHelpContent}}) {
        const QAction *a = window().findChild<QAction *>(entry);
        QCOMPARE(a->shortcut(), tool->shortcut());
        QVERIFY2(!a->text().contains('\t'), qPrintable(a->text()));
    }
    QCOMPARE(ui->toolBar->accessibleName(), QString("Tool bar"));
    QCOMPARE(window().statusBar()->accessibleName(), QString("Status bar"));

    // At the next start the kept queue's first row is current and selected: Delete acts at once.
    QVERIFY(window().close());
    m_window = std::make_unique<MainWindow>(*m_settings);
    window().show();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    list = window().ui->queueView;
    QCOMPARE(list->currentIndex().row(), 0);
    QCOMPARE(list->selectedRows(), QList<int>{0});
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(column(window(), ColSource), QStringList{"F.avi"});
}

// "Split into chapters" is greyed out until the source's chapters are read, and for a source
// without any; a film's job becomes one job per chapter in its place, each with its
// chapter's exact clip, title and number, and those move and go like any job.
void TestMainWindow::splitIntoChapters()
{
    QTemporaryDir dir;
    const QString film = makeFilm(dir.filePath("film.mkv"));
    const QString avi = makeVideo(dir.filePath("clip.avi"), "avi", 1.0);
    QVERIFY(!film.isEmpty() && !avi.isEmpty());
    addFiles({avi, film});
    QAction *split = window().actionSplitChapters;
    select(window(), {1});
    QTRY_VERIFY(split->isEnabled());
    select(window(), {0});
    window().updateSplitChapters();
    QVERIFY(!split->isEnabled());
    select(window(), {1});
    window().updateSplitChapters();
    split->trigger();

    QCOMPARE(window().Queue.jobCount(), 4);
    QCOMPARE(window().Queue.job(0).SourceFile, avi);
    const QString titles[] = {"Intro", "Chapter 2", "Finale"};
    const double bounds[] = {0, 1.5, 3.2, 5};
    for (int i = 0; i < 3; ++i) {
        const Job &job = window().Queue.job(i + 1);
        QCOMPARE(job.SourceFile, film);
        QCOMPARE(job.ChapterNumber, i + 1);
        QCOMPARE(job.ChapterTitle, titles[i]);
        QCOMPARE(job.TagTitle, titles[i]);
        QCOMPARE(job.TagTrack, i + 1);
        QVERIFY(job.TagsEnabled);
        QCOMPARE(job.clipStart, bounds[i]);
        QCOMPARE(job.clipEnd, bounds[i + 1]);
        QVERIFY(job.exactClip);
        QCOMPARE(job.OutputFile, dir.filePath(QString("film - 0%1 %2.mp3").arg(i + 1).arg(titles[i])));
        QCOMPARE(cell(window(), i + 1, ColStart), secondsToTime(qint64(bounds[i])));
    }
    QVERIFY(!window().Queue.job(0).TagsEnabled);

    window().Queue.moveUp(3);
    window().Queue.remove(1);
    QCOMPARE(window().Queue.jobCount(), 3);
    QCOMPARE(window().Queue.job(1).ChapterTitle, QString("Finale"));
    QCOMPARE(window().Queue.job(1).clipStart, 3.2);
    QCOMPARE(window().Queue.job(2).ChapterTitle, QString("Chapter 2"));
    QCOMPARE(window().Queue.runJobs()[2].clipEnd, 3.2);
}

// One choice switches between presets and the format list follows; a change afterwards shows
// the preset as modified; Save as, Rename and Delete work on the user's files only, never
// over another preset without asking; the applied settings are kept when the window closes.
void TestMainWindow::presetsInQuickSettings()
{
    auto *presets = window().findChild<QComboBox *>("presetCombo");
    QVERIFY(presets);
    const auto choose = [presets](const QString &name) {
        const int i = presets->findData(name);
        QVERIFY(i >= 0);
        presets->setCurrentIndex(i);
        emit presets->activated(i);
    };
    QCOMPARE(presets->currentIndex(), -1); // the default settings are no preset's
    choose("podcast");
    QCOMPARE(window().ui->outputFormatCombo->currentText(), QString("MP3"));
    QCOMPARE(window().outputSettings().Mp3Channels, 1);
    QCOMPARE(window().outputSettings().LoudnessTarget, -16);
    choose("archive");
    QCOMPARE(window().ui->outputFormatCombo->currentText(), QString("FLAC"));
    QCOMPARE(window().outputSettings().LoudnessTarget, 0);
    QCOMPARE(presets->currentText(), QString("archive"));
    QVERIFY(!window().findChild<QAction *>("presetDelete")->isEnabled()); // shipped: read-only

    window().ui->outputFormatCombo->setCurrentIndex(3);
    emit window().ui->outputFormatCombo->activated(3);
    QCOMPARE(presets->currentText(), QString("archive (modified)"));

    const QString folder = m_folder->file("config/clipvox/presets/");
    m_desktop->textAnswers << "archive"; // a shipped name: refused
    window().findChild<QAction *>("presetSaveAs")->trigger();
    QCOMPARE(m_desktop->messages.size(), 1);
    m_desktop->textAnswers << "My OGG";
    window().findChild<QAction *>("presetSaveAs")->trigger();
    QVERIFY(QFile::exists(folder + "My OGG.ini"));
    QCOMPARE(presets->currentText(), QString("My OGG"));
    m_desktop->textAnswers << "my ogg"; // exists: asked, and No keeps it
    window().findChild<QAction *>("presetSaveAs")->trigger();
    QCOMPARE(m_desktop->questions.size(), 1);

    m_desktop->textAnswers << "Kept";
    window().findChild<QAction *>("presetRename")->trigger();
    QVERIFY(!QFile::exists(folder + "My OGG.ini") && QFile::exists(folder + "Kept.ini"));
    QCOMPARE(presets->currentText(), QString("Kept"));
    m_desktop->questionAnswers << true;
    window().findChild<QAction *>("presetDelete")->trigger();
    QVERIFY(!QFile::exists(folder + "Kept.ini"));
    QCOMPARE(presets->findData("Kept"), -1);

    choose("podcast");
    QVERIFY(window().close());
    OutputSettings saved;
    loadSettings(saved);
    QCOMPARE(saved.Mp3Channels, 1);
    QCOMPARE(saved.LoudnessTarget, -16);
}

int main(int argc, char **argv)
{
    ClipvoxApplication app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}
void TestMainWindow::speaksTheUsersLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("quickSettings"); // a text of the form
    QTest::addColumn<QString>("waiting");       // a status set in code
    QTest::addColumn<QString>("cancel");        // Qt's standard button
    QTest::newRow("German") << "de_DE" << QString::fromUtf8("Schnelleinstellungen") << "Wartet" << "Abbrechen";
    QTest::newRow("Austrian German") << "de_AT" << QString::fromUtf8("Schnelleinstellungen") << "Wartet" << "Abbrechen";
    QTest::newRow("English") << "en_GB" << "Quick Settings" << "Waiting" << "Cancel";
    QTest::newRow("C") << "C" << "Quick Settings" << "Waiting" << "Cancel";
}

void TestMainWindow::speaksTheUsersLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, quickSettings);
    QFETCH(QString, waiting);
    QFETCH(QString, cancel);
    // The program chooses its language before it makes its window.
    m_window.reset();
    const QList<QTranslator *> translators = installTranslators(QLocale(locale));
    const auto english = qScopeGuard([&] {
        for (QTranslator *t : translators) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    });
    m_window = std::make_unique<MainWindow>(*m_settings);
    QCOMPARE(window().ui->quickSettingsBox->title(), quickSettings);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
    addFiles({"/videos/talk.avi"});
    QCOMPARE(column(window(), ColStatus), QStringList{waiting});
    QCOMPARE(window().jobStatus(0), QString("Waiting")); // what the program compares stays English
}

void TestMainWindow::noAltLetterTwice_data()
{
    QTest::addColumn<QString>("locale");
    for (const char *locale : {"C", "de_DE", "es_ES", "fr_FR", "pt_BR", "zh_CN"})
        QTest::newRow(locale) << locale;
}

// In every window and every language, each Alt+letter does one thing.
void TestMainWindow::noAltLetterTwice()
{
    QFETCH(QString, locale);
    m_window.reset();
    const QList<QTranslator *> translators = installTranslators(QLocale(locale));
    const auto english = qScopeGuard([&] {
        for (QTranslator *t : translators) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    });
    m_window = std::make_unique<MainWindow>(*m_settings);
    auto *editor = new ClipEditor(m_window.get(), Job{}, nullptr);
    const std::unique_ptr<QWidget> windows[] = {
        std::unique_ptr<QWidget>(editor),
        std::make_unique<TimeEntryDialog>(editor, 0, 10, 100),
        std::make_unique<SettingsDialog>(m_window.get(), *m_settings),
        std::make_unique<ProgressDialog>(m_window.get(), window().runEngine, 2),
        std::make_unique<TipDialog>(nullptr),
        std::make_unique<AboutDialog>(nullptr, "https://example.org", "someone@example.org"),
    };
    QStringList clashes = altLetterClashes(m_window.get());
    for (const auto &w : windows)
        for (const QString &clash : altLetterClashes(w.get()))
            clashes << QString(w->metaObject()->className()) + " " + clash;
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join("\n")));
}

// The about box's notice, its licence line included, is read whole in every language.
void TestMainWindow::aboutNoticeShownWhole()
{
    QFETCH(QString, locale);
    const QList<QTranslator *> translators = installTranslators(QLocale(locale));
    const auto english = qScopeGuard([&] {
        for (QTranslator *t : translators) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    });
    AboutDialog box(nullptr, "https://example.org", "mailto:someone@example.org");
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto *notice = box.findChild<QLabel *>("copyrightLabel");
    QVERIFY(notice->text().contains(QCoreApplication::translate("AboutDialog", "Free software under the GNU GPL, version 3 or later")));
    QVERIFY2(notice->width() >= notice->sizeHint().width(), qPrintable(notice->text()));
    QVERIFY(box.width() >= 363 && box.height() >= 248);
}

// A run's results stay on their rows through the changes of other rows, and undo and redo
// bring back the rows with their results.
void TestMainWindow::resultsFollowTheirRows_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("statuses");
    QTest::newRow("edit of another job") << "edit 0" << QStringList{"Waiting", "Failed", "Skipped"};
    QTest::newRow("move") << "move 2 up" << QStringList{"100%", "Skipped", "Failed"};
    QTest::newRow("removal") << "remove 1" << QStringList{"100%", "Skipped"};
    QTest::newRow("split") << "split 2" << QStringList{"100%", "Failed", "Waiting", "Waiting"};
    QTest::newRow("other format") << "format" << QStringList{"Waiting", "Waiting", "Waiting"};
    QTest::newRow("remove all") << "clear" << QStringList{};
}

void TestMainWindow::resultsFollowTheirRows()
{
    QFETCH(QString, change);
    QFETCH(QStringList, statuses);
    addFiles({"/r/a.avi", "/r/b.avi", "/r/c.avi"});
    JobQueue &queue = window().Queue;
    queue.setResult(0, {JobResult::Done, 100, {}, {}});
    queue.setResult(1, {JobResult::Failed, 100, "Broken", {}});
    queue.setResult(2, {JobResult::Skipped, 100, "Kept", {}});
    const QStringList before = column(window(), ColStatus), sources = column(window(), ColSource);
    const int row = change.section(' ', 1, 1).toInt();
    if (change.startsWith("edit"))
        window().changeQueue("edit", [&] { setJobField(queue, row, &Job::clipStart, 1.0); });
    else if (change.startsWith("move"))
        select(window(), {row}), window().actionMoveUpClick();
    else if (change.startsWith("remove"))
        select(window(), {row}), window().removeSelectedJob();
    else if (change.startsWith("split"))
        window().changeQueue("split", [&] { queue.splitIntoChapters(row, {{0, 1, "One"}, {1, 2, "Two"}}); });
    else if (change == "format")
        window().outputFormatComboChange(3);
    else
        window().actionRemoveAllClick();
    QCOMPARE(column(window(), ColStatus), statuses);
    if (change == "format")
        return; // a setting, not a change of the queue
    const QStringList after = column(window(), ColSource);
    window().UndoStack.undo();
    QCOMPARE(column(window(), ColStatus), before);
    QCOMPARE(column(window(), ColSource), sources);
    QCOMPARE(cell(window(), 1, ColStatus, Qt::ToolTipRole), QString("Broken"));
    window().UndoStack.redo();
    QCOMPARE(column(window(), ColStatus), statuses);
    QCOMPARE(column(window(), ColSource), after);
    // What a later run made of a job stays when the change is undone.
    if (change.startsWith("move") || change.startsWith("remove")) {
        queue.setResult(0, {JobResult::Failed, 100, "later", {}});
        const QString source = column(window(), ColSource)[0];
        window().UndoStack.undo();
        QCOMPARE(cell(window(), int(sources.indexOf(source)), ColStatus, Qt::ToolTipRole), QString("later"));
    }
}

// The queue file: a round trip with every status; a missing source; a damaged file kept
// aside under a free name; an unwritable folder said once.
void TestMainWindow::queueFileKeepsTheQueue_data()
{
    QTest::addColumn<QByteArray>("content"); // what stands in the file at start; "" = written by a queue
    QTest::addColumn<QStringList>("statuses");
    QTest::newRow("every status") << QByteArray() << QStringList{"Waiting", "Waiting", "100%", "Failed", "Stop", "Skipped"};
    QTest::newRow("half-written") << QByteArray(R"({"kind":"clipvox-queue","version":1,"jobs":[{"src":"/x)") << QStringList{};
    QTest::newRow("not a queue") << QByteArray("[general]\noutputformat=1\n") << QStringList{};
    QTest::newRow("job without source") << QByteArray(R"({"kind":"clipvox-queue","version":1,"jobs":[{"out":"/o.mp3"}]})") << QStringList{};
}

void TestMainWindow::queueFileKeepsTheQueue()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, statuses);
    QTemporaryDir dir;
    const QString path = dir.filePath("state/queue.json");
    const QString source = dir.filePath("here.mkv");
    makeFile(source);
    if (content.isEmpty()) {
        JobQueue queue;
        QueueStore store(queue, path);
        queue.add({source, source, source, dir.filePath("gone.avi"), source, source}, dir.path() + "/", "mp3", {});
        setJobField(queue, 0, &Job::exactClip, true);
        setJobField(queue, 0, &Job::clipStart, 1.5);
        setJobField(queue, 1, &Job::clipEnd, 4.0);
        setJobField(queue, 2, &Job::TagsEnabled, true);
        setJobField(queue, 2, &Job::TagGenre, 0);
        queue.setResult(1, {JobResult::Converting, 50, {}, {}});
        queue.setResult(2, {JobResult::Done, 100, "why 2", {}});
        queue.setResult(4, {JobResult::Stopped, 50, {}, "note"});
        queue.setResult(5, {JobResult::Skipped, 100, "kept", {}});
        QVERIFY(store.saveNow());
    } else {
        QVERIFY(QDir().mkpath(dir.filePath("state")));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(content) == content.size());
        f.close();
        QFile bad(path + ".bad"); // an earlier damaged file is never written over
        QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("old") == 3);
    }
    JobQueue queue;
    QueueStore store(queue, path);
    const Result<void> restored = store.restore();
    const QString problem = restored.reason();
    QStringList shown;
    for (int r = 0; r < queue.jobCount(); ++r)
        shown << queue.index(r, ColStatus).data(kStatusRole).toString();
    QCOMPARE(shown, statuses);
    if (!content.isEmpty()) {
        QVERIFY2(problem.startsWith("The saved queue could not be read ("), qPrintable(problem));
        QVERIFY(problem.contains(path + ".bad.2"));
        QCOMPARE(readAll(path + ".bad.2"), content);
        QCOMPARE(readAll(path + ".bad"), QByteArray("old"));
        QVERIFY(!QFile::exists(path));
        return;
    }
    QVERIFY(restored);
    QVERIFY(queue.job(2).TagsEnabled && !queue.job(1).TagsEnabled);
    QCOMPARE(queue.job(2).TagGenre, 0); // a chosen Blues stays, an unchosen genre stays none
    QCOMPARE(queue.job(1).TagGenre, -1);
    QCOMPARE(queue.job(0).clipStart, 1.5);
    QVERIFY(std::isinf(queue.job(0).clipEnd) && queue.job(0).exactClip);
    QCOMPARE(queue.job(1).clipEnd, 4.0);
    QCOMPARE(queue.result(2).reason, QString("why 2"));
    QCOMPARE(queue.result(3).reason, QString("the source no longer exists"));
    QCOMPARE(queue.result(4).note, QString("note"));

    // A folder that cannot be made (a file stands in its way): the save fails with its
    // reason, said once.
    makeFile(dir.filePath("blocker"));
    QueueStore blocked(queue, dir.filePath("blocker/state/queue.json"));
    QSignalSpy failed(&blocked, &QueueStore::saveFailed);
    queue.setResult(0, {JobResult::Done, 100, {}, {}});
    queue.setResult(1, {JobResult::Done, 100, {}, {}});
    QTRY_COMPARE(failed.size(), 1);
    const Result<void> saved = blocked.saveNow();
    QVERIFY(!saved);
    QVERIFY(!saved.reason().isEmpty());

    // A full disk (here a file size limit) fails the save and leaves the saved queue whole.
    QVERIFY(store.saveNow());
    const QByteArray whole = readAll(path);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 64;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
    const Result<void> cut = store.saveNow();
    setrlimit(RLIMIT_FSIZE, &old);
    QVERIFY(!cut);
    QCOMPARE(readAll(path), whole);
    QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files), QStringList{"queue.json"});
}

// A queue file that kept the clip as "hh:mm:ss" texts gives the same clips, shown alike.
void TestMainWindow::queueFileReadsOldTimes()
{
    const QByteArray old = R"({"kind":"clipvox-queue","version":1,"tags":true,"jobs":[
        {"src":"/v.mkv","out":"/a.mp3","start":"00:00:02","end":"00:01:05","title":"T"},
        {"src":"/v.mkv","out":"/b.mp3","end":"00:03:25","len":205,"toEnd":true},
        {"src":"/v.mkv","out":"/c.mp3","start":"00:00:01","from":1.5,"to":-1,"chapter":2},
        {"src":"/v.mkv","out":"/d.mp3","start":"0x:00:00"}]})";
    const Result<QueueContents> decoded = decodeQueue(old);
    QVERIFY2(decoded.ok(), qPrintable(decoded.reason()));
    const std::vector<QueueRow> &rows = decoded->rows;
    QCOMPARE(rows.size(), size_t(4));
    QCOMPARE(rows[0].job.clipStart, 2.0);
    QCOMPARE(rows[0].job.clipEnd, 65.0);
    QVERIFY(!rows[0].job.exactClip);
    QVERIFY(std::isinf(rows[1].job.clipEnd)); // the measured length stood for the source's end
    QCOMPARE(clipEndText(rows[1].job), QString("00:03:25"));
    QCOMPARE(rows[2].job.clipStart, 1.5);
    QVERIFY(std::isinf(rows[2].job.clipEnd) && rows[2].job.exactClip);
    QCOMPARE(clipEndText(rows[2].job), QString("Max"));
    QCOMPARE(rows[3].result.state, JobResult::Failed); // no start to cut from
    // The one switch of old holds for the rows that were given tags.
    QVERIFY(rows[0].job.TagsEnabled && rows[2].job.TagsEnabled && !rows[1].job.TagsEnabled);
    QCOMPARE(rows[1].job.TagGenre, -1);
    QVERIFY2(rows[3].result.reason.contains("\"0x:00:00\" is not a time"), qPrintable(rows[3].result.reason));
    // Written again with the new keys, it reads back the same.
    const Result<QueueContents> again = decodeQueue(encodeQueue(rows));
    QVERIFY(again.ok() && again->rows == rows);

    // Times no clock shows, or an end before the start, fail the job and leave the clip whole.
    const Result<QueueContents> wild = decodeQueue(R"({"kind":"clipvox-queue","version":1,"jobs":[
        {"src":"/v.mkv","out":"/a.mp3","clipStart":1e300},{"src":"/v.mkv","out":"/b.mp3","clipStart":2,"clipEnd":-5},
        {"src":"/v.mkv","out":"/c.mp3","clipStart":2,"clipEnd":5}]})");
    QVERIFY(wild.ok());
    for (int r = 0; r < 3; ++r) {
        const QueueRow &row = wild->rows[size_t(r)];
        QCOMPARE(row.result.state, r < 2 ? JobResult::Failed : JobResult::Waiting);
        QCOMPARE(row.job.clipStart, r < 2 ? 0.0 : 2.0);
    }
}

#include "tst_mainwindow.moc"
