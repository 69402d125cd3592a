// SPDX-License-Identifier: GPL-3.0-or-later
// The clip editor on real videos, played headless by the real preview player.
#include "clip/cliptimes.h"
#include "clip/edit.h"
#include "clip/edittime.h"
#include "clip/soundstrip.h"
#include "main/main.h"
#include "settings/setting.h"
#include "media/tags.h"
#include "media/previewplayer.h"
#include "media/waveform.h"
#include "support/edits.h"
#include "support/fakedesktop.h"
#include "support/fixtures.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QSpinBox>
#include <QToolButton>
#include "support/queuecells.h"
#include <QtTest>
#include <cmath>
#include <functional>
#include <memory>

// A control of a window by its name; a missing one ends the test run.
template <typename T>
T *c(QWidget *window, const char *name)
{
    T *control = window->findChild<T *>(QLatin1String(name));
    if (!control)
        qFatal("no control %s", name);
    return control;
}

class TestClipEditor : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_media;
    QString m_clip;  // 8.5 s AVI
    QString m_long;  // 205.5 s MPEG
    QString m_short; // 0.6 s AVI
    QString m_junk;  // text under a video name
    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<FakeDesktop> m_desktop;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<MainWindow> m_main;

    QueueView *list() const { return queueOf(*m_main); }

    // Queues the files and makes row `row` the selected one.
    void queue(const QStringList &files, int row = 0)
    {
        m_desktop->fileAnswers << files;
        m_main->addClick();
        selectRows(*m_main, {row});
        QCOMPARE(m_main->CurrentJob, row);
    }

    // Opens the editor on the selected row the way the window shows it, without its loop.
    ClipEditor *show()
    {
        ClipEditor *editor = m_main->openEditor(m_main->CurrentJob);
        editor->show();
        return editor;
    }

    // The edited job while the editor is open, else the queue's.
    const Job &job() const { return m_main->EditForm ? m_main->EditForm->job() : m_main->Queue.job(m_main->CurrentJob); }
    static int floor(double seconds) { return int(std::floor(seconds)); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_media.isValid());
        m_clip = makeVideo(m_media.filePath("clip.avi"), "avi", 8.5);
        m_long = makeVideo(m_media.filePath("long.mpg"), "mpg", 205.5);
        m_short = makeVideo(m_media.filePath("short.avi"), "avi", 0.6);
        QVERIFY(!m_clip.isEmpty() && !m_long.isEmpty() && !m_short.isEmpty());
        m_junk = m_media.filePath("notes.avi");
        QFile junk(m_junk);
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray("These are notes, not a video.\n").repeated(500));
    }

    void init()
    {
        m_folder = std::make_unique<TempProgramFolder>();
        m_desktop = std::make_unique<FakeDesktop>();
        m_settings = std::make_unique<AppSettings>();
        m_main = std::make_unique<MainWindow>(*m_settings);
        m_main->TimerTip.stop();
    }

    void cleanup()
    {
        if (m_main->EditForm) {
            m_main->EditForm->close();
            delete m_main->EditForm.data();
        }
        m_main.reset();
        m_settings.reset();
        m_desktop.reset();
        m_folder.reset();
    }

    // The main window's edit command opens the editor modally; it measures the source,
    // starts playing, and the list shows what it measured once the editor is closed.
    void opensMeasuresAndPlays()
    {
        queue({m_long, m_clip}, 1);
        const int expected = floor(probeDuration(m_clip));
        QCOMPARE(expected, 8);
        QString caption, total, edEnd, endTime;
        int duration = -1, selStart = -1, selEnd = -1;
        bool playing = false, timer = false, playEnabled = true, pauseEnabled = false;
        qint64 position = 0;
        QTimer::singleShot(0, [&] {
            ClipEditor *editor = m_main->EditForm;
            QVERIFY(editor && editor->isVisible());
            // Checked after the editor is closed, so that a failure cannot leave it open.
            (void)QTest::qWaitFor([&] { return editor->Player && editor->Player->position() > 300; }, 10000);
            caption = editor->windowTitle();
            duration = job().Duration;
            endTime = clipEndText(job());
            total = secondsToTime(editor->TotalSeconds);
            edEnd = c<QLineEdit>(editor, "EdEnd")->text();
            selStart = editor->SelStart;
            selEnd = editor->SelEnd;
            playing = editor->Player->mode() == PlayerMode::Playing;
            position = editor->Player->position();
            timer = editor->PlayTimer.isActive();
            playEnabled = c<QToolButton>(editor, "SpeedBtnPlay")->isEnabled();
            pauseEnabled = c<QToolButton>(editor, "SpeedBtnPause")->isEnabled() && c<QToolButton>(editor, "SpeedBtnStop")->isEnabled();
            c<QPushButton>(editor, "BtnCancel")->click();
        });
        m_main->editClipClick();
        QCOMPARE(caption, m_clip);
        QCOMPARE(duration, expected);
        QCOMPARE(endTime, QStringLiteral("00:00:08"));
        QCOMPARE(total, QStringLiteral("00:00:08"));
        QCOMPARE(edEnd, QStringLiteral("00:00:08"));
        QCOMPARE(selStart, 0);
        QCOMPARE(selEnd, 100);
        QVERIFY(playing);
        QVERIFY(position > 300);
        QVERIFY(timer);
        QVERIFY(!playEnabled);
        QVERIFY(pauseEnabled);
        QVERIFY(!m_main->EditForm);
        // Closed by Cancel, yet the measured end time reached the list.
        QCOMPARE(cell(*m_main, 1, ColEnd), QStringLiteral("00:00:08"));
        QCOMPARE(cell(*m_main, 0, ColEnd), QStringLiteral("Max"));
        QVERIFY(m_desktop->messages.isEmpty());
    }

    // Timer, Pause with the thumb moved, seeking on release, the panel click, Stop and
    // the new open that follows it.
    void transport()
    {
        queue({m_clip});
        ClipEditor *editor = show();
        QTRY_COMPARE(job().Duration, 8);
        PreviewPlayer *player = editor->Player;

        // Once a second the elapsed time and the thumb follow the position.
        QTRY_VERIFY_WITH_TIMEOUT(player->position() >= 1200, 10000);
        editor->playTimerTick();
        const int elapsed = editor->ElapsedSeconds;
        QVERIFY(elapsed >= 1);
        QCOMPARE(c<QSlider>(editor, "positionBar")->value(), elapsed * 100 / 8);

        c<QToolButton>(editor, "SpeedBtnPause")->click();
        QCOMPARE(player->mode(), PlayerMode::Paused);
        QVERIFY(c<QToolButton>(editor, "SpeedBtnPlay")->isEnabled());
        QVERIFY(!c<QToolButton>(editor, "SpeedBtnPause")->isEnabled());
        QVERIFY(c<QToolButton>(editor, "SpeedBtnStop")->isEnabled());
        QVERIFY(!editor->PlayTimer.isActive());
        QCOMPARE(editor->ElapsedSeconds, int(player->position() / 1000));

        // A release while paused does not seek; Play resumes where the thumb stands.
        const qint64 pausedAt = player->position();
        c<QSlider>(editor, "positionBar")->setValue(50);
        QTest::mouseRelease(c<QSlider>(editor, "positionBar"), Qt::LeftButton);
        QCOMPARE(player->position(), pausedAt);
        c<QToolButton>(editor, "SpeedBtnPlay")->click();
        QTRY_COMPARE(player->mode(), PlayerMode::Playing);
        const qint64 half = player->length() * 50 / 100;
        QVERIFY2(player->position() >= half - 100 && player->position() < half + 500,
                 qPrintable(QString::number(player->position())));

        // Released at 25 while playing: total seconds x 25 x 10 ms.
        c<QSlider>(editor, "positionBar")->setValue(25);
        QTest::mouseRelease(c<QSlider>(editor, "positionBar"), Qt::LeftButton);
        QCOMPARE(editor->ElapsedSeconds, 8 * 25 / 100);
        QTRY_COMPARE(player->mode(), PlayerMode::Playing);
        QVERIFY2(player->position() >= 1900 && player->position() < 2500,
                 qPrintable(QString::number(player->position())));

        // A click on the picture pauses, another resumes.
        QWidget *picture = editor->findChild<QWidget *>(QStringLiteral("PreviewVideo"));
        QVERIFY(picture);
        QTest::mouseClick(picture, Qt::LeftButton);
        QCOMPARE(player->mode(), PlayerMode::Paused);
        QVERIFY(c<QToolButton>(editor, "SpeedBtnPlay")->isEnabled());
        QTest::mouseClick(picture, Qt::LeftButton);
        QTRY_COMPARE(player->mode(), PlayerMode::Playing);

        // Set start and end take the thumb and the elapsed time; the job is not touched.
        QTest::mouseClick(picture, Qt::LeftButton);
        c<QSlider>(editor, "positionBar")->setValue(12);
        editor->setPlayTime(1, editor->TotalSeconds);
        c<QToolButton>(editor, "setStartButton")->click();
        c<QSlider>(editor, "positionBar")->setValue(75);
        editor->setPlayTime(6, editor->TotalSeconds);
        c<QToolButton>(editor, "setEndButton")->click();
        QCOMPARE(editor->SelStart, 12);
        QCOMPARE(editor->SelEnd, 75);
        QCOMPARE(c<QLineEdit>(editor, "EdStart")->text(), QStringLiteral("00:00:01"));
        QCOMPARE(c<QLineEdit>(editor, "EdEnd")->text(), QStringLiteral("00:00:06"));
        QCOMPARE(clipStartText(job()), QStringLiteral("00:00:00"));
        QCOMPARE(clipEndText(job()), QStringLiteral("00:00:08"));

        c<QToolButton>(editor, "SpeedBtnStop")->click();
        QCOMPARE(player->mode(), PlayerMode::Stopped);
        QCOMPARE(editor->ElapsedSeconds, 0);
        QCOMPARE(c<QSlider>(editor, "positionBar")->value(), 0);
        QVERIFY(c<QToolButton>(editor, "SpeedBtnPlay")->isEnabled());
        QVERIFY(!c<QToolButton>(editor, "SpeedBtnPause")->isEnabled());
        QVERIFY(!c<QToolButton>(editor, "SpeedBtnStop")->isEnabled());
        QVERIFY(!editor->PlayTimer.isActive());

        // Play after Stop opens the source again: its length is measured anew, and it plays
        // from the clip's start.
        m_main->EditForm->job().Duration = 999;
        c<QToolButton>(editor, "SpeedBtnPlay")->click();
        QTRY_COMPARE(job().Duration, 8);
        QTRY_COMPARE(player->mode(), PlayerMode::Playing);
        QVERIFY2(player->position() >= 900 && player->position() < 1600, qPrintable(QString::number(player->position())));
        QVERIFY(m_desktop->messages.isEmpty());
    }

    // OK's three tests in their order, what each refusal leaves written, and the close.
    void applyMessages()
    {
        queue({m_long});
        ClipEditor *editor = show();
        QTRY_COMPARE(job().Duration, floor(probeDuration(m_long)));
        QCOMPARE(job().Duration, 205);
        const auto last = [this] { return m_desktop->messages.isEmpty() ? ShownMessage{} : m_desktop->messages.last(); };

        c<QLineEdit>(editor, "EdStart")->setText(QStringLiteral("00:0x:10"));
        c<QPushButton>(editor, "BtnApply")->click();
        QCOMPARE(last().text, QStringLiteral("Please input correct time format!"));
        QCOMPARE(last().caption, QStringLiteral("Information"));
        QCOMPARE(last().icon, QMessageBox::Information);
        QCOMPARE(clipStartText(job()), QStringLiteral("00:00:00"));

        // 4 s and 3 s both fall into 1 % of 205 s; the seconds decide.
        c<QLineEdit>(editor, "EdStart")->setText(QStringLiteral("00:00:04"));
        c<QLineEdit>(editor, "EdEnd")->setText(QStringLiteral("00:00:03"));
        c<QPushButton>(editor, "BtnApply")->click();
        QCOMPARE(m_desktop->messages.size(), 2);
        QCOMPARE(last().text, QStringLiteral("Start Time should be smaller than End Time!"));
        QCOMPARE(clipStartText(job()), QStringLiteral("00:00:00"));
        QCOMPARE(clipEndText(job()), QStringLiteral("00:03:25"));
        QVERIFY(editor->isVisible());

        // Equal times pass the time test; the tag tests come next.
        c<QLineEdit>(editor, "EdStart")->setText(QStringLiteral("00:01:40"));
        c<QLineEdit>(editor, "EdEnd")->setText(QStringLiteral("00:01:40"));
        c<QCheckBox>(editor, "CheckTag")->click();
        c<QLineEdit>(editor, "infoTitle")->setText(QStringLiteral("  Talk  "));
        c<QLineEdit>(editor, "infoArtist")->setText(QStringLiteral("Ana Ñuñez"));
        c<QLineEdit>(editor, "infoAlbum")->setText(QStringLiteral("Album"));
        c<QLineEdit>(editor, "infoComment")->setText(QString());
        c<QLineEdit>(editor, "infoCopyright")->setText(QStringLiteral("(c) me"));
        c<QLineEdit>(editor, "infoYear")->setText(QStringLiteral("20o5"));
        c<QLineEdit>(editor, "infoTrack")->setText(QString());
        c<QComboBox>(editor, "infoGenre")->setCurrentIndex(c<QComboBox>(editor, "infoGenre")->findText("Dance"));
        c<QPushButton>(editor, "BtnApply")->click();
        QCOMPARE(last().text, QStringLiteral("Invalid Year Value"));
        QCOMPARE(editor->focusWidget(), c<QLineEdit>(editor, "infoYear"));
        // A refused year or track leaves the job whole: neither times nor tags are stored.
        const Job before = job();
        QCOMPARE(clipStartText(before), QStringLiteral("00:00:00"));
        QCOMPARE(clipEndText(before), QStringLiteral("00:03:25"));
        QVERIFY(std::isinf(before.clipEnd) && before.endShowsLength); // the measured length stands for the source's end
        QCOMPARE(before.TagTitle, QString());
        QCOMPARE(before.TagComment, QStringLiteral("Clipvox"));
        QVERIFY(!before.TagsEnabled);
        QVERIFY(editor->isVisible());

        c<QLineEdit>(editor, "infoYear")->setText(QStringLiteral("2005"));
        c<QPushButton>(editor, "BtnApply")->click();
        QCOMPARE(last().text, QStringLiteral("Invalid Track Value"));
        QCOMPARE(editor->focusWidget(), c<QLineEdit>(editor, "infoTrack"));
        QCOMPARE(job().TagYear, 0);
        QCOMPARE(job().TagTitle, QString());
        QCOMPARE(clipStartText(job()), QStringLiteral("00:00:00"));
        QVERIFY(editor->isVisible());

        c<QLineEdit>(editor, "infoTrack")->setText(QStringLiteral("-7"));
        c<QPushButton>(editor, "BtnApply")->click();
        QCOMPARE(m_desktop->messages.size(), 4);
        QVERIFY(!editor->isVisible());
        QTRY_VERIFY(!m_main->EditForm);
        // OK stored everything at once.
        QCOMPARE(clipStartText(job()), QStringLiteral("00:01:40"));
        QCOMPARE(clipEndText(job()), QStringLiteral("00:01:40"));
        QCOMPARE(job().clipEnd, 100.0); // a typed end is where the clip stops
        QCOMPARE(job().TagTitle, QStringLiteral("  Talk  "));
        QCOMPARE(job().TagArtist, QStringLiteral("Ana Ñuñez"));
        QCOMPARE(job().TagComment, QString());
        QCOMPARE(job().TagCopyright, QStringLiteral("(c) me"));
        QCOMPARE(job().TagYear, 2005);
        QCOMPARE(job().TagTrack, -7);
        QCOMPARE(job().TagGenre, 3); // Dance
        QVERIFY(job().TagsEnabled);
        QCOMPARE(cell(*m_main, 0, ColStart), QStringLiteral("00:01:40"));
        QCOMPARE(cell(*m_main, 0, ColEnd), QStringLiteral("00:01:40"));
    }

    // Reset writes the job at once; Cancel keeps the job's tags and its tag switch.
    void resetCancelAndTags()
    {
        queue({m_clip});
        setJobField(m_main->Queue, 0, &Job::clipStart, 2.0);
        setJobField(m_main->Queue, 0, &Job::clipEnd, 5.0);
        setJobField(m_main->Queue, 0, &Job::TagTitle, QStringLiteral("kept"));
        setJobField(m_main->Queue, 0, &Job::Duration, 8); // previewed before: the range is shown before the new measure
        selectRows(*m_main, {0});
        ClipEditor *editor = show();
        QTRY_VERIFY(editor->Player && editor->Player->isLoaded());
        QCOMPARE(job().Duration, 8);
        QCOMPARE(editor->SelStart, 2 * 100 / 8);
        QCOMPARE(editor->SelEnd, 5 * 100 / 8);
        QCOMPARE(c<QLineEdit>(editor, "EdEnd")->text(), QStringLiteral("00:00:05"));

        // No genre, then the 147 genres by their numbers; an untagged row's box is off, its
        // fields disabled but holding the row's tags.
        QComboBox *genres = c<QComboBox>(editor, "infoGenre");
        QCOMPARE(genres->count(), 148);
        QCOMPARE(genres->currentIndex(), 0);
        QCOMPARE(genres->currentData().toInt(), -1);
        for (int i = 0; i < 147; ++i) {
            QCOMPARE(genres->itemText(i + 1), OutputTags::genreText(i));
            QCOMPARE(genres->itemData(i + 1).toInt(), i);
        }
        QCOMPARE(m_main->AudioInformation1.InfoFlag, -1);
        QVERIFY(!c<QCheckBox>(editor, "CheckTag")->isChecked());
        QVERIFY(!c<QLineEdit>(editor, "infoYear")->isEnabled() && !c<QLabel>(editor, "lbGenre")->isEnabled());
        QCOMPARE(c<QLineEdit>(editor, "infoTitle")->text(), QStringLiteral("kept"));

        c<QToolButton>(editor, "resetTimeButton")->click();
        QCOMPARE(clipStartText(job()), QStringLiteral("00:00:00"));
        QCOMPARE(clipEndText(job()), QStringLiteral("00:00:08"));
        QCOMPARE(editor->SelStart, 0);
        QCOMPARE(editor->SelEnd, 100);
        c<QCheckBox>(editor, "CheckTag")->click();
        QVERIFY(c<QLineEdit>(editor, "infoYear")->isEnabled() && c<QLabel>(editor, "lbGenre")->isEnabled());
        c<QLineEdit>(editor, "infoTitle")->setText(QStringLiteral("dropped"));
        c<QPushButton>(editor, "BtnCancel")->click();
        QTRY_VERIFY(!m_main->EditForm);
        QCOMPARE(clipStartText(job()), QStringLiteral("00:00:00"));
        QCOMPARE(clipEndText(job()), QStringLiteral("00:00:08"));
        QCOMPARE(job().TagTitle, QStringLiteral("kept"));
        QVERIFY(!job().TagsEnabled);
        QCOMPARE(cell(*m_main, 0, ColEnd), QStringLiteral("00:00:08"));
    }

    // Tags typed once stay: each visit shows the row's own tags and switch, and OK keeps
    // every field the user left alone.
    void tagsStayThroughVisits_data()
    {
        QTest::addColumn<QString>("control"); // changed on the second visit
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("third");   // the third visit: switch|title|artist|year|track|genre
        QTest::newRow("nothing changed") << "" << "" << "on|Talk|Ana|2005|0|Rock";
        QTest::newRow("title") << "infoTitle" << "Other talk" << "on|Other talk|Ana|2005|0|Rock";
        QTest::newRow("track") << "infoTrack" << "4" << "on|Talk|Ana|2005|4|Rock";
        QTest::newRow("genre") << "infoGenre" << "Blues" << "on|Talk|Ana|2005|0|Blues";
        QTest::newRow("no genre") << "infoGenre" << "(none)" << "on|Talk|Ana|2005|0|(none)";
        QTest::newRow("box off") << "CheckTag" << "" << "off|Talk|Ana|2005|0|Rock";
    }

    void tagsStayThroughVisits()
    {
        QFETCH(QString, control);
        QFETCH(QString, value);
        QFETCH(QString, third);
        queue({m_clip, m_long});
        const auto ok = [this](ClipEditor *editor) {
            c<QPushButton>(editor, "BtnApply")->click();
            QTRY_VERIFY(!m_main->EditForm);
        };
        const auto fields = [this](ClipEditor *editor) {
            QStringList shown{c<QCheckBox>(editor, "CheckTag")->isChecked() ? "on" : "off"};
            for (const char *name : {"infoTitle", "infoArtist", "infoYear", "infoTrack"})
                shown << c<QLineEdit>(editor, name)->text();
            return (shown << c<QComboBox>(editor, "infoGenre")->currentText()).join('|');
        };
        ClipEditor *editor = show();
        QTRY_COMPARE(job().Duration, 8);
        c<QCheckBox>(editor, "CheckTag")->click();
        c<QLineEdit>(editor, "infoTitle")->setText("Talk");
        c<QLineEdit>(editor, "infoArtist")->setText("Ana");
        c<QLineEdit>(editor, "infoYear")->setText("2005");
        c<QComboBox>(editor, "infoGenre")->setCurrentText("Rock");
        ok(editor);

        editor = show();
        QCOMPARE(fields(editor), QString("on|Talk|Ana|2005|0|Rock"));
        QVERIFY(c<QLineEdit>(editor, "infoTitle")->isEnabled());
        if (control == "CheckTag")
            c<QCheckBox>(editor, "CheckTag")->click();
        else if (control == "infoGenre")
            c<QComboBox>(editor, "infoGenre")->setCurrentText(value);
        else if (!control.isEmpty())
            c<QLineEdit>(editor, qPrintable(control))->setText(value);
        ok(editor);

        editor = show();
        QCOMPARE(fields(editor), third);
        ok(editor);
        QCOMPARE(job().TagsEnabled, third.startsWith("on"));
        // The other row was never tagged.
        QVERIFY(!m_main->Queue.job(1).TagsEnabled);
        QCOMPARE(m_main->Queue.job(1).TagGenre, -1);
    }

    // The keyboard: the preview's keys work on the picture and the track bar; on a button or
    // the tag box Space and Return press it, Return in a field presses OK.
    void keysWhereTheFocusIs_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("outcome"); // "ok", "cancel", "open"
        QTest::addColumn<bool>("paused");     // the preview paused by the key
        QTest::addColumn<bool>("tagTicked");
        QTest::addColumn<QString>("start");   // the start field afterwards
        QTest::newRow("OK, Space") << "BtnApply" << int(Qt::Key_Space) << "ok" << false << false << "00:00:02";
        QTest::newRow("OK, Return") << "BtnApply" << int(Qt::Key_Return) << "ok" << false << false << "00:00:02";
        QTest::newRow("Cancel, Return") << "BtnCancel" << int(Qt::Key_Return) << "cancel" << false << false << "00:00:02";
        QTest::newRow("tag box, Space") << "CheckTag" << int(Qt::Key_Space) << "open" << false << true << "00:00:02";
        QTest::newRow("tag box, Return") << "CheckTag" << int(Qt::Key_Return) << "open" << false << true << "00:00:02";
        QTest::newRow("Reset, Space") << "resetTimeButton" << int(Qt::Key_Space) << "open" << false << false << "00:00:00";
        QTest::newRow("Reset, Return") << "resetTimeButton" << int(Qt::Key_Return) << "open" << false << false << "00:00:00";
        QTest::newRow("genre, Return") << "infoGenre" << int(Qt::Key_Return) << "ok" << false << false << "00:00:02";
        QTest::newRow("picture, Space") << "previewPanel" << int(Qt::Key_Space) << "open" << true << false << "00:00:02";
        QTest::newRow("track bar, Space") << "positionBar" << int(Qt::Key_Space) << "open" << true << false << "00:00:02";
    }
    void keysWhereTheFocusIs()
    {
        QFETCH(QString, target);
        QFETCH(int, key);
        QFETCH(QString, outcome);
        QFETCH(bool, paused);
        QFETCH(bool, tagTicked);
        QFETCH(QString, start);
        queue({m_clip});
        ClipEditor *editor = show();
        QVERIFY(QTest::qWaitForWindowActive(editor));
        QCOMPARE(editor->focusWidget(), c<QWidget>(editor, "previewPanel")); // the preview's keys work at once
        QTRY_COMPARE(editor->Player->mode(), PlayerMode::Playing);
        c<QLineEdit>(editor, "EdStart")->setText(QStringLiteral("00:00:02"));
        c<QCheckBox>(editor, "CheckTag")->setChecked(false);
        c<QComboBox>(editor, "infoGenre")->setEnabled(true);
        QSignalSpy accepted(editor, &QDialog::accepted), rejected(editor, &QDialog::rejected);

        QWidget *focus = c<QWidget>(editor, qPrintable(target));
        focus->setFocus();
        QCOMPARE(QApplication::focusWidget(), focus);
        QTest::keyClick(focus, Qt::Key(key));
        QCOMPARE(accepted.count(), outcome == "ok" ? 1 : 0);
        QCOMPARE(rejected.count(), outcome == "cancel" ? 1 : 0);
        QCOMPARE(clipStartText(job()), outcome == "ok" ? start : QStringLiteral("00:00:00"));
        if (outcome != "open")
            return;
        QCOMPARE(c<QToolButton>(editor, "SpeedBtnPlay")->isEnabled(), paused);
        QCOMPARE(c<QCheckBox>(editor, "CheckTag")->isChecked(), tagTicked);
        QCOMPARE(c<QLineEdit>(editor, "EdStart")->text(), start);
        QVERIFY(m_desktop->messages.isEmpty());
    }

    // Under a second long: no length to scale by, the thumb stays where it is; the clip is
    // the whole source, and it takes tags from the keyboard.
    void shortSource()
    {
        queue({m_short});
        ClipEditor *editor = show();
        QVERIFY(QTest::qWaitForWindowActive(editor));
        QTRY_VERIFY(editor->Player && editor->Player->isLoaded());
        QCOMPARE(job().Duration, 0);
        QCOMPARE(clipEndText(job()), QStringLiteral("Max"));
        QCOMPARE(editor->TotalSeconds, 0);
        QCOMPARE(c<QLineEdit>(editor, "EdEnd")->text(), QStringLiteral("00:00:00"));
        c<QSlider>(editor, "positionBar")->setValue(37);
        editor->playTimerTick();
        QCOMPARE(c<QSlider>(editor, "positionBar")->value(), 37);

        QCheckBox *tag = c<QCheckBox>(editor, "CheckTag");
        tag->setFocus();
        QTest::keyClick(tag, Qt::Key_Space);
        QTest::keyClick(tag, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), c<QLineEdit>(editor, "infoTitle"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Short one"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(m_desktop->messages.isEmpty());
        QTRY_VERIFY(!m_main->EditForm);
        QCOMPARE(job().TagTitle, QStringLiteral("Short one"));
        QCOMPARE(clipStartText(job()), QStringLiteral("00:00:00"));
        QCOMPARE(clipEndText(job()), QStringLiteral("00:00:00"));
    }

    // A file the player cannot open: the reason is reported, the editor stays usable.
    void unopenableSource()
    {
        const QString missing = m_media.filePath("gone.avi");
        queue({m_junk, missing});
        ClipEditor *editor = show();
        QTRY_COMPARE(m_desktop->messages.size(), 1);
        QCOMPARE(m_desktop->messages[0].icon, QMessageBox::Critical);
        QVERIFY2(m_desktop->messages[0].text.contains("unrecognized file format"),
                 qPrintable(m_desktop->messages[0].text));
        QVERIFY(editor->isVisible());
        QVERIFY(c<QToolButton>(editor, "SpeedBtnPlay")->isEnabled());
        QVERIFY(!c<QToolButton>(editor, "SpeedBtnPause")->isEnabled());
        QVERIFY(!editor->PlayTimer.isActive());
        QCOMPARE(editor->TotalSeconds, 0);
        QCOMPARE(job().Duration, 0);
        QCOMPARE(clipEndText(job()), QStringLiteral("Max"));

        // The panel does nothing while no file is open; each Play tries again.
        QTest::mouseClick(editor->findChild<QWidget *>(QStringLiteral("PreviewVideo")), Qt::LeftButton);
        QCOMPARE(m_desktop->messages.size(), 1);
        c<QToolButton>(editor, "SpeedBtnPlay")->click();
        QTRY_COMPARE(m_desktop->messages.size(), 2);

        // The time dialog needs times: "Max" is reported and the dialog does not open.
        c<QToolButton>(editor, "BtnEdit")->click();
        QCOMPARE(m_desktop->messages.size(), 3);
        QCOMPARE(m_desktop->messages[2].icon, QMessageBox::Critical);
        QVERIFY(!m_main->EditForm->EditTimeForm);

        c<QPushButton>(editor, "BtnApply")->click();
        QCOMPARE(m_desktop->messages.last().text, QStringLiteral("Please input correct time format!"));
        QCOMPARE(clipEndText(job()), QStringLiteral("Max"));
        c<QToolButton>(editor, "resetTimeButton")->click();
        QCOMPARE(clipEndText(job()), QStringLiteral("00:00:00"));
        editor->close();
        QTRY_VERIFY(!m_main->EditForm);

        // A missing file names the file in its reason.
        selectRows(*m_main, {1});
        m_desktop->messages.clear();
        editor = show();
        QTRY_COMPARE(m_desktop->messages.size(), 1);
        QVERIFY2(m_desktop->messages[0].text.contains("Cannot open file") && m_desktop->messages[0].text.contains(missing),
                 qPrintable(m_desktop->messages[0].text));
    }

    // The main window, the editor and the settings dialog open at their first size, which
    // holds their layouts unsqueezed and is the smallest the editor and the dialog take (the
    // main window's smallest is a little less); made larger, the queue's name columns, the
    // sound strip and the tabs take the room. The dialog's tabs all show at its first size.
    void windowsGrow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("smallestIsFirst");
        QTest::newRow("main window") << "main" << false;
        QTest::newRow("clip editor") << "editor" << true;
        QTest::newRow("settings dialog") << "settings" << true;
    }

    void windowsGrow()
    {
        QFETCH(QString, window);
        QFETCH(bool, smallestIsFirst);
        queue({m_clip});
        QWidget *w = nullptr;
        std::function<int()> room;
        if (window == "main") {
            w = m_main.get();
            room = [this] { return list()->columnWidth(ColSource) + list()->columnWidth(ColOutput); };
        } else if (window == "editor") {
            auto *strip = c<SoundStrip>(w = show(), "soundStrip");
            room = [strip] { return strip->spanWidth(); };
        } else {
            w = new SettingsDialog(m_main.get(), m_main->Settings);
            auto *pages = c<QTabWidget>(w, "PageControl1");
            room = [pages] { return pages->width(); };
        }
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QSize first = w->size();
        QCOMPARE(w->minimumSize() == first, smallestIsFirst);
        QCOMPARE(w->minimumSize().boundedTo(first), w->minimumSize());
        QCOMPARE(w->layout()->minimumSize().boundedTo(w->minimumSize()), w->layout()->minimumSize());
        if (auto *tabs = w->findChild<QTabBar *>())
            QVERIFY(tabs->tabRect(tabs->count() - 1).right() < tabs->width());

        const int before = room();
        w->resize(first + QSize(400, 200));
        QTRY_COMPARE(w->size(), first + QSize(400, 200));
        QTRY_VERIFY2(room() >= before + 150, qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(room())));
    }

    // The strip fills while the preview plays; the keys move the preview and set the marks,
    // and keys typed into the tag fields stay there.
    void soundStripAndKeys()
    {
        queue({m_long});
        ClipEditor *editor = show();
        QVERIFY(QTest::qWaitForWindowActive(editor));
        auto *strip = c<SoundStrip>(editor, "soundStrip");
        QTRY_COMPARE(strip->received(), strip->columnCount());
        QVERIFY(!strip->noSound());
        QVERIFY(qAbs(strip->length() - probeDuration(m_long) * 1000) < 100);
        QTRY_COMPARE(editor->Player->mode(), PlayerMode::Playing);
        const auto elapsed = [&] { return secondsToTime(editor->ElapsedSeconds); };
        QCOMPARE(QApplication::focusWidget(), c<QWidget>(editor, "previewPanel"));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(c<QToolButton>(editor, "SpeedBtnPlay")->isEnabled());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
        QCOMPARE(elapsed(), QStringLiteral("00:00:00"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(elapsed(), QStringLiteral("00:00:21"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_I);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_O);
        QCOMPARE(c<QLineEdit>(editor, "EdStart")->text(), QStringLiteral("00:00:21"));
        QCOMPARE(c<QLineEdit>(editor, "EdEnd")->text(), QStringLiteral("00:00:31"));
        QCOMPARE(editor->SelStart, 21 * 100 / 205);
        QCOMPARE(editor->SelEnd, 31 * 100 / 205);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
        QCOMPARE(elapsed(), QStringLiteral("00:00:21"));

        // Play goes on exactly where the keys left the paused preview.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTRY_COMPARE(editor->Player->mode(), PlayerMode::Playing);
        QVERIFY2(editor->Player->position() >= 21000 && editor->Player->position() < 22000,
                 qPrintable(QString::number(editor->Player->position())));

        c<QCheckBox>(editor, "CheckTag")->click();
        QLineEdit *title = c<QLineEdit>(editor, "infoTitle");
        title->setFocus();
        QTest::keyClicks(title, QStringLiteral("Io io"));
        QTest::keyClick(title, Qt::Key_Home);
        QTest::keyClick(title, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(title->selectedText(), QStringLiteral("I"));
        QComboBox *genre = c<QComboBox>(editor, "infoGenre");
        genre->setFocus();
        QTest::keyClick(genre, Qt::Key_O);
        QCOMPARE(title->text(), QStringLiteral("Io io"));
        QVERIFY(genre->currentText().startsWith(QLatin1Char('O')));
        QCOMPARE(c<QLineEdit>(editor, "EdStart")->text(), QStringLiteral("00:00:21"));
        QCOMPARE(c<QLineEdit>(editor, "EdEnd")->text(), QStringLiteral("00:00:31"));
        QCOMPARE(editor->Player->mode(), PlayerMode::Playing);

        // A click on the strip plays from that point; the keys then work on the strip.
        QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(strip->width() / 2, strip->height() / 2));
        QCOMPARE(QApplication::focusWidget(), strip);
        const int at = timeToSeconds(elapsed());
        QVERIFY2(at > 205 * 2 / 5 && at < 205 * 3 / 5, qPrintable(elapsed()));
        QTRY_COMPARE(editor->Player->mode(), PlayerMode::Playing);
        QVERIFY(qAbs(editor->Player->position() / 1000 - at) <= 1);

        // While playing, a mark is the moment of the key, not that of the last timer tick.
        editor->PlayTimer.stop();
        QTRY_VERIFY(editor->Player->position() >= (at + 2) * 1000);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_O);
        const int end = timeToSeconds(c<QLineEdit>(editor, "EdEnd")->text());
        QVERIFY2(end >= at + 2 && end <= editor->Player->position() / 1000, qPrintable(QString::number(end)));
        QVERIFY(m_desktop->messages.isEmpty());
    }

    // As a player: the preview starts at the clip's start and stops at its end, or at the
    // source's end when played from beyond it, and Space then plays from the start mark;
    // after Stop the keys seek, and a click on the strip plays from there while paused;
    // page keys on the track bar seek while playing.
    void playsAsAPlayer()
    {
        queue({m_clip});
        setJobField(m_main->Queue, 0, &Job::clipStart, 2.0);
        ClipEditor *editor = show();
        QVERIFY(QTest::qWaitForWindowActive(editor));
        QTRY_COMPARE(editor->Player->mode(), PlayerMode::Playing);
        PreviewPlayer *player = editor->Player;
        auto *play = c<QToolButton>(editor, "SpeedBtnPlay");
        auto *stop = c<QToolButton>(editor, "SpeedBtnStop");
        const auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
        const auto near = [player](qint64 ms) { return player->position() >= ms - 100 && player->position() < ms + 700; };
        QVERIFY2(near(2000), qPrintable(QString::number(player->position())));

        key(Qt::Key_End); // the end mark is 00:00:08, half a second before the end
        QTRY_VERIFY_WITH_TIMEOUT(play->isEnabled(), 5000);
        QVERIFY(!stop->isEnabled() && !c<QToolButton>(editor, "SpeedBtnPause")->isEnabled());
        QVERIFY(!editor->PlayTimer.isActive());
        c<QLineEdit>(editor, "EdStart")->setText(QStringLiteral("00:00:06"));
        c<QLineEdit>(editor, "EdEnd")->setText(QStringLiteral("00:00:07"));
        key(Qt::Key_Space);
        QTRY_COMPARE(player->mode(), PlayerMode::Playing);
        QVERIFY2(near(6000), qPrintable(QString::number(player->position())));
        QTRY_VERIFY_WITH_TIMEOUT(play->isEnabled() && !stop->isEnabled(), 5000); // stopped at the end mark
        QVERIFY2(player->position() >= 7000 && player->position() < 7500, qPrintable(QString::number(player->position())));
        key(Qt::Key_Space);
        QTRY_COMPARE(player->mode(), PlayerMode::Playing);
        QVERIFY2(near(6000), qPrintable(QString::number(player->position())));

        stop->click();
        key(Qt::Key_Right);
        QCOMPARE(editor->ElapsedSeconds, 1);
        QVERIFY(near(1000));
        QVERIFY(play->isEnabled() && stop->isEnabled()); // waits there, paused
        auto *strip = c<SoundStrip>(editor, "soundStrip");
        QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(strip->width() / 2, strip->height() / 2));
        QTRY_COMPARE(player->mode(), PlayerMode::Playing);
        QVERIFY2(near(4250), qPrintable(QString::number(player->position())));

        auto *bar = c<QSlider>(editor, "positionBar");
        bar->setFocus();
        const int before = bar->value();
        key(Qt::Key_PageUp);
        QVERIFY2(near(player->length() * (before + bar->pageStep()) / 100), qPrintable(QString::number(player->position())));
        const qint64 there = player->position();
        editor->playTimerTick(); // the thumb follows the new place, not the old one
        QCOMPARE(bar->value(), int(there / 1000 * 100 / 8));
        QTRY_COMPARE(player->mode(), PlayerMode::Playing);
        QVERIFY(m_desktop->messages.isEmpty());
    }

    // A screen reader's walk: every control that takes the focus or a click, and every
    // gauge, has a name of its own, in the editor, the main window and the settings dialog.
    void everyControlNamed()
    {
        // The name a screen reader reads: the control's own, a button's text, or the text of
        // the label that is its buddy (a box's value is no name).
        const auto unnamed = [](QWidget *window) {
            QHash<QWidget *, QString> labelled;
            for (QLabel *label : window->findChildren<QLabel *>())
                if (label->buddy())
                    labelled[label->buddy()] = label->text();
            QStringList found;
            for (QWidget *w : window->findChildren<QWidget *>()) {
                const bool control = w->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton *>(w)
                                     || qobject_cast<QProgressBar *>(w) || qobject_cast<SoundStrip *>(w);
                // Parts a control is made of (a list's viewport, a box's inner list) speak for it.
                QWidget *up = w->parentWidget();
                const bool part = qobject_cast<QTabWidget *>(w) || qobject_cast<QAbstractScrollArea *>(up)
                                  || qobject_cast<QComboBox *>(up) || qobject_cast<QAbstractSpinBox *>(up)
                                  || qobject_cast<QTabWidget *>(up);
                // Controls on every page of a tab widget count, not only on the page shown.
                QWidget *page = w;
                while (page && !qobject_cast<QStackedWidget *>(page->parentWidget()))
                    page = page->parentWidget();
                const bool shown = w->isVisibleTo(page ? page : window) && (!page || !page->parentWidget()->isHidden());
                if (!control || part || !shown || w->isWindow())
                    continue;
                const auto *button = qobject_cast<QAbstractButton *>(w);
                const QString name = !w->accessibleName().isEmpty() ? w->accessibleName()
                                     : button                     ? button->text()
                                                                  : labelled.value(w);
                if (name.trimmed().isEmpty() || !QAccessible::queryAccessibleInterface(w))
                    found << QStringLiteral("%1 %2").arg(QLatin1String(w->metaObject()->className()), w->objectName());
            }
            return found;
        };
        queue({m_clip});
        ClipEditor *editor = show();
        SettingsDialog settings(m_main.get(), m_main->Settings);
        for (QWidget *window : {static_cast<QWidget *>(editor), static_cast<QWidget *>(m_main.get()),
                                static_cast<QWidget *>(&settings)}) {
            const QStringList found = unnamed(window);
            QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1String(", "))));
        }
        QCOMPARE(c<QWidget>(editor, "positionBar")->accessibleName(), QStringLiteral("Position"));
    }

    // For the keyboard and the ear: Tab goes from the picture to the play buttons, then the
    // track bar and the strip; both are sliders whose value is the play position, read as
    // a time; the year and the track refuse what is not a digit as it is typed.
    void keyboardAndEar()
    {
        queue({m_clip});
        ClipEditor *editor = show();
        QVERIFY(QTest::qWaitForWindowActive(editor));
        QStringList chain;
        for (QWidget *w = c<QWidget>(editor, "previewPanel"); chain.size() < 6; w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus)
                chain << w->objectName();
        QCOMPARE(chain, (QStringList{"previewPanel", "SpeedBtnPlay", "SpeedBtnPause", "SpeedBtnStop", "positionBar", "soundStrip"}));

        QTRY_COMPARE(editor->Player->mode(), PlayerMode::Playing);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        for (const char *name : {"positionBar", "soundStrip"}) {
            QAccessibleInterface *slider = QAccessible::queryAccessibleInterface(c<QWidget>(editor, name));
            QCOMPARE(slider->role(), QAccessible::Slider);
            QTRY_COMPARE(slider->text(QAccessible::Value), QStringLiteral("00:00:05"));
            QCOMPARE(slider->text(QAccessible::Description), QStringLiteral("00:00:05"));
            QCOMPARE(slider->valueInterface()->currentValue().toInt(), 5);
            QCOMPARE(slider->valueInterface()->maximumValue().toInt(), 8);
        }
        QCOMPARE(c<QLabel>(editor, "lbPlayTime")->text(), QStringLiteral("00:00:05 / 00:00:08"));

        c<QCheckBox>(editor, "CheckTag")->click();
        for (const char *name : {"infoYear", "infoTrack"}) {
            auto *field = c<QLineEdit>(editor, name);
            field->clear();
            QTest::keyClicks(field, QStringLiteral("2o0-5 x"));
            QCOMPARE(field->text(), QStringLiteral("205"));
        }
    }

    // A source without sound: an empty strip that says so.
    void noSoundStrip()
    {
        const QString silent = makeVideo(m_media.filePath("silent.avi"), "silent-avi", 2);
        QVERIFY(!silent.isEmpty());
        queue({silent});
        ClipEditor *editor = show();
        auto *strip = c<SoundStrip>(editor, "soundStrip");
        QTRY_VERIFY(strip->noSound());
        QCOMPARE(strip->received(), 0);

        // Under a dark palette the words stand in the text's colour on a patch of the
        // background: the middle line does not run through them.
        QPalette dark = strip->palette();
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        dark.setColor(QPalette::Mid, QColor(90, 200, 90));
        strip->setPalette(dark);
        const QImage shown = strip->grab().toImage();
        const int middle = (2 + strip->height() - 3) / 2, centre = strip->width() / 2;
        int line = 0, text = 0;
        for (int x = centre - 15; x <= centre + 15; ++x) {
            line += shown.pixelColor(x, middle) == dark.color(QPalette::Mid);
            for (int y = 0; y < strip->height(); ++y)
                text += shown.pixelColor(x, y) == dark.color(QPalette::Text);
        }
        QCOMPARE(line, 0);
        QVERIFY(text > 0);
        QCOMPARE(shown.pixelColor(strip->width() / 8, middle), dark.color(QPalette::Mid));
    }

    // A film with a commentary track: "Sound track:" lists both, a choice goes to the
    // preview's player at once and to the job on OK, and the queue's tooltip names it.
    void soundTrackChoice()
    {
        const QString film = makeFilm(m_media.filePath("film.mkv"));
        QVERIFY(!film.isEmpty());
        queue({m_clip, film}, 1);
        ClipEditor *editor = show();
        auto *list = c<QComboBox>(editor, "cbSoundTrack");
        QTRY_VERIFY(list->isVisible());
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(list->itemText(1), QString("2: English, FLAC stereo, Commentary"));
        // The list is as wide as its longest entry: no entry is cut.
        QTRY_VERIFY(list->width() >= QFontMetrics(list->font()).horizontalAdvance(list->itemText(1)) + 16);
        QVERIFY(list->width() >= list->sizeHint().width());
        QCOMPARE(c<QLabel>(editor, "lbSoundTrack")->buddy(), list);
        QTRY_VERIFY(editor->Player && editor->Player->isLoaded());
        QTRY_COMPARE(editor->Player->soundTrack(), 1);
        list->setCurrentIndex(1);
        emit list->activated(1);
        QTRY_COMPARE(editor->Player->soundTrack(), 2);
        c<QPushButton>(editor, "BtnApply")->click();
        QCOMPARE(m_main->Queue.job(1).SoundTrack, 2);
        QVERIFY(cell(*m_main, 1, ColSource, Qt::ToolTipRole).endsWith("Sound track: 2: English, FLAC stereo, Commentary"));
    }

    // Closed at once, while the strip is computed and the player still opens: both stop,
    // and nothing they would have told reaches the job or the user.
    void closedWhileBusy()
    {
        queue({m_long});
        ClipEditor *editor = show();
        QVERIFY(editor->waveform->isRunning());
        QVERIFY(editor->Player && !editor->Player->isLoaded());
        editor->close();
        QVERIFY(!editor->waveform->isRunning());
        QTRY_VERIFY(!m_main->EditForm);
        QTest::qWait(300);
        QCOMPARE(job().Duration, 0);
        QCOMPARE(clipEndText(job()), QStringLiteral("Max"));
        QVERIFY(m_desktop->messages.isEmpty());
    }

    // Pause or Stop pressed while the source still opens: it opens, is measured, and waits.
    void pauseOrStopBeforeOpen_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("stopEnabled");
        QTest::newRow("pause") << "SpeedBtnPause" << true;
        QTest::newRow("stop") << "SpeedBtnStop" << false;
    }
    void pauseOrStopBeforeOpen()
    {
        QFETCH(QString, button);
        QFETCH(bool, stopEnabled);
        queue({m_clip});
        ClipEditor *editor = show();
        QVERIFY(!editor->Player->isLoaded());
        c<QToolButton>(editor, qPrintable(button))->click();
        QTRY_COMPARE(job().Duration, 8);
        QTest::qWait(300);
        QVERIFY(editor->Player->mode() != PlayerMode::Playing);
        QVERIFY(editor->Player->position() < 100);
        QVERIFY(c<QToolButton>(editor, "SpeedBtnPlay")->isEnabled());
        QCOMPARE(c<QToolButton>(editor, "SpeedBtnStop")->isEnabled(), stopEnabled);
    }

    // The file is cut short while it plays: the player's reason is reported and the editor
    // stands as for a source that cannot be opened.
    void errorDuringPlayback()
    {
        const QString path = m_media.filePath("cut.mpg");
        QVERIFY(QFile::copy(makeVideo(m_media.filePath("ten.mpg"), "mpg", 10), path));
        queue({path});
        ClipEditor *editor = show();
        QTRY_COMPARE(editor->Player->mode(), PlayerMode::Playing);
        QCOMPARE(job().Duration, 10);
        QVERIFY(QFile::resize(path, QFileInfo(path).size() / 4));
        QTRY_COMPARE_WITH_TIMEOUT(m_desktop->messages.size(), 1, 15000);
        QCOMPARE(m_desktop->messages[0].icon, QMessageBox::Critical);
        QVERIFY2(m_desktop->messages[0].text.contains(path), qPrintable(m_desktop->messages[0].text));
        QVERIFY(c<QToolButton>(editor, "SpeedBtnPlay")->isEnabled());
        QVERIFY(!c<QToolButton>(editor, "SpeedBtnPause")->isEnabled());
        QVERIFY(!c<QToolButton>(editor, "SpeedBtnStop")->isEnabled());
        QVERIFY(!editor->PlayTimer.isActive());
        QCOMPARE(editor->TotalSeconds, 0);
        QCOMPARE(job().Duration, 10);
        QCOMPARE(clipEndText(job()), QStringLiteral("00:00:10"));
    }
};

QTEST_MAIN(TestClipEditor)
#include "tst_clipeditor.moc"
