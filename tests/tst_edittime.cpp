// SPDX-License-Identifier: GPL-3.0-or-later
// The time entry dialog: its arrows, its split of the editor's times, its tests on OK and
// the times it hands back.
#include "clip/edit.h"
#include "clip/edittime.h"
#include "support/fakedesktop.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {
template <typename T = QLineEdit>
T *c(QWidget *window, const char *name)
{
    T *control = window->findChild<T *>(QLatin1String(name));
    if (!control)
        qFatal("no control %s", name);
    return control;
}

const char *const kEdits[] = {"EdStartHour", "EdStartMin", "EdStartSec", "EdStopHour", "EdStopMin", "EdStopSec"};
} // namespace

class TestEditTime : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FakeDesktop> m_desktop;
    ClipEditor *m_editor = nullptr;

    // Fills the six edits, in the order of kEdits.
    static void type(TimeEntryDialog *dialog, const QStringList &values)
    {
        for (int i = 0; i < 6; ++i)
            c(dialog, kEdits[i])->setText(values[i]);
    }
    // The dialog on its own, as for a 3725-second source unless told otherwise.
    TimeEntryDialog *openDialog(int duration = 3725)
    {
        m_editor->EditTimeForm = new TimeEntryDialog(nullptr, 0, 0, duration);
        m_editor->EditTimeForm->show();
        return m_editor->EditTimeForm;
    }
    QString edStart() const { return c(m_editor, "EdStart")->text(); }
    QString edEnd() const { return c(m_editor, "EdEnd")->text(); }

private slots:
    void init()
    {
        m_desktop = std::make_unique<FakeDesktop>();
        Job job;
        job.Duration = 3725;
        job.clipEnd = 3725;
        // The editor is not shown: no preview, only its fields and selection.
        m_editor = new ClipEditor(nullptr, job);
    }

    void cleanup()
    {
        delete m_editor->EditTimeForm.data();
        delete m_editor;
        m_desktop.reset();
    }

    // The editor's button splits its times into the dialog; Cancel changes nothing.
    void splitAndCancel()
    {
        c(m_editor, "EdStart")->setText(QStringLiteral("00:01:30"));
        c(m_editor, "EdEnd")->setText(QStringLiteral("01:02:05"));
        m_editor->setSelection(2, 100);
        QStringList shown;
        QTimer::singleShot(0, [&] {
            QVERIFY(m_editor->EditTimeForm && m_editor->EditTimeForm->isVisible());
            for (const char *name : kEdits)
                shown << c(m_editor->EditTimeForm, name)->text();
            c(m_editor->EditTimeForm, "EdStopSec")->setText(QStringLiteral("1"));
            c<QPushButton>(m_editor->EditTimeForm, "BitBtnCancel")->click();
        });
        m_editor->btnEditClick();
        QCOMPARE(shown, (QStringList{"0", "1", "30", "1", "2", "5"}));
        QCOMPARE(m_editor->StartSeconds, 90);
        QCOMPARE(m_editor->EndSeconds, 3725);
        QVERIFY(!m_editor->EditTimeForm);
        QCOMPARE(edStart(), QStringLiteral("00:01:30"));
        QCOMPARE(edEnd(), QStringLiteral("01:02:05"));
        QCOMPARE(m_editor->SelStart, 2);
        QVERIFY(m_desktop->messages.isEmpty());

        // OK hands both times back; the editor writes its own fields and selection.
        QTimer::singleShot(0, [&] {
            QVERIFY(m_editor->EditTimeForm);
            type(m_editor->EditTimeForm, {"0", "1", "0", "0", "2", "0"});
            c<QPushButton>(m_editor->EditTimeForm, "BitBtnOK")->click();
        });
        m_editor->btnEditClick();
        QVERIFY(!m_editor->EditTimeForm);
        QCOMPARE(edStart(), QStringLiteral("00:01:00"));
        QCOMPARE(edEnd(), QStringLiteral("00:02:00"));
        QCOMPARE(m_editor->StartSeconds, 60);
        QCOMPARE(m_editor->EndSeconds, 120);
        QCOMPARE(m_editor->SelStart, 60 * 100 / 3725);
        QCOMPARE(m_editor->SelEnd, 120 * 100 / 3725);
        QCOMPARE(m_editor->job().clipStart, 0.0); // the job waits for the editor's OK
    }

    // Arrows and arrow keys step within 0..100 hours and 0..60 minutes or seconds, without
    // wrapping; the edits take any text.
    void arrows()
    {
        TimeEntryDialog *dialog = openDialog();
        QLineEdit *hours = c(dialog, "EdStartHour");
        QWidget *hourArrows = c<QWidget>(dialog, "UpDownStartHour");
        QToolButton *up = c<QToolButton>(hourArrows, "up");
        QToolButton *down = c<QToolButton>(hourArrows, "down");
        QCOMPARE(hours->text(), QStringLiteral("0"));
        down->click();
        QCOMPARE(hours->text(), QStringLiteral("0"));
        hours->setText(QStringLiteral("99"));
        up->click();
        up->click();
        QCOMPARE(hours->text(), QStringLiteral("100"));
        QTest::keyClick(hours, Qt::Key_Down);
        QCOMPARE(hours->text(), QStringLiteral("99"));

        QLineEdit *seconds = c(dialog, "EdStopSec");
        seconds->setText(QStringLiteral("58"));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(seconds, Qt::Key_Up);
        QCOMPARE(seconds->text(), QStringLiteral("60"));
        seconds->setText(QStringLiteral("75"));
        c<QToolButton>(c<QWidget>(dialog, "UpDownStopSec"), "down")->click();
        QCOMPARE(seconds->text(), QStringLiteral("60"));

        QLineEdit *minutes = c(dialog, "EdStartMin");
        minutes->clear();
        QTest::keyClicks(minutes, QStringLiteral("9x"));
        QCOMPARE(minutes->text(), QStringLiteral("9x"));
        const char *const arrowNames[] = {"UpDownStartHour", "UpDownStartMin", "UpDownStartSec", "UpDownStopHour", "UpDownStopMin", "UpDownStopSec"};
        for (const char *name : arrowNames)
            QVERIFY(c<QWidget>(dialog, name));
    }

    // OK's tests against the 3725-second source, in their order; only times that pass are
    // handed back. A letter goes to the general error report.
    void okInputs_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("message");
        const QString ok;
        QTest::newRow("stop past the end") << QStringList{"0", "0", "0", "1", "2", "6"} << "Stop time should be less than total duration.";
        QTest::newRow("90 minutes") << QStringList{"0", "90", "0", "1", "2", "5"} << "Start time should be less than total duration.";
        QTest::newRow("letter") << QStringList{"0", "1", "0", "0", "x", "0"} << "'x'";
        QTest::newRow("negative start") << QStringList{"0", "0", "-5", "0", "1", "0"} << "Start time should not be negative.";
        QTest::newRow("negative piece") << QStringList{"0", "1", "-5", "0", "2", "0"} << "Start time should not be negative.";
        QTest::newRow("negative stop") << QStringList{"0", "0", "0", "-1", "0", "0"} << "Stop time should not be negative.";
        QTest::newRow("start after stop") << QStringList{"0", "2", "0", "0", "1", "0"} << "Start time should not be later than stop time.";
        QTest::newRow("equal") << QStringList{"0", "1", "0", "0", "0", "60"} << ok;
        QTest::newRow("stop at the end") << QStringList{"0", "2", "0", "1", "2", "5"} << ok;
    }
    void okInputs()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        TimeEntryDialog *dialog = openDialog();
        QSignalSpy chosen(dialog, &TimeEntryDialog::timesChosen);
        type(dialog, typed);
        c<QPushButton>(dialog, "BitBtnOK")->click();
        if (message.isEmpty()) {
            QVERIFY(m_desktop->messages.isEmpty());
            QVERIFY(!dialog->isVisible());
            const auto seconds = [&](int i) { return typed[i].toInt() * 3600 + typed[i + 1].toInt() * 60 + typed[i + 2].toInt(); };
            QCOMPARE(chosen.count(), 1);
            QCOMPARE(chosen[0], (QVariantList{seconds(0), seconds(3)}));
            QTRY_VERIFY(!m_editor->EditTimeForm);
            return;
        }
        QCOMPARE(m_desktop->messages.size(), 1);
        const ShownMessage shown = m_desktop->messages[0];
        if (message.startsWith(QLatin1Char('\''))) {
            QCOMPARE(shown.icon, QMessageBox::Critical);
            QVERIFY(shown.text.contains(message));
        } else {
            QCOMPARE(shown.text, message);
            QCOMPARE(shown.caption, QStringLiteral("Information"));
            QCOMPARE(shown.icon, QMessageBox::Information);
        }
        QVERIFY(dialog->isVisible());
        QCOMPARE(chosen.count(), 0);
    }

    // An unmeasured source: any time above 0 is refused, all zeros pass, and the editor
    // then selects 0 to 100.
    void zeroDuration()
    {
        TimeEntryDialog *dialog = openDialog(0);
        QSignalSpy chosen(dialog, &TimeEntryDialog::timesChosen);
        type(dialog, {"0", "0", "0", "0", "0", "1"});
        c<QPushButton>(dialog, "BitBtnOK")->click();
        QCOMPARE(m_desktop->texts(), QStringList{"Stop time should be less than total duration."});
        type(dialog, {"0", "0", "0", "0", "0", "0"});
        c<QPushButton>(dialog, "BitBtnOK")->click();
        QCOMPARE(m_desktop->messages.size(), 1);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen[0], (QVariantList{0, 0}));

        m_editor->job().Duration = 0;
        m_editor->setSelection(7, 9);
        m_editor->setClipTimes(0, 0);
        QCOMPARE(edStart(), QStringLiteral("00:00:00"));
        QCOMPARE(edEnd(), QStringLiteral("00:00:00"));
        QCOMPARE(m_editor->SelStart, 0);
        QCOMPARE(m_editor->SelEnd, 100);
    }
};

QTEST_MAIN(TestEditTime)
#include "tst_edittime.moc"
