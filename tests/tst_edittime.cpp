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
T *C(QWidget *window, const char *name)
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
    TEditForm *m_editor = nullptr;

    // Fills the six edits, in the order of kEdits.
    static void Type(TEditTimeForm *dialog, const QStringList &values)
    {
        for (int i = 0; i < 6; ++i)
            C(dialog, kEdits[i])->setText(values[i]);
    }
    // The dialog on its own, as for a 3725-second source unless told otherwise.
    TEditTimeForm *OpenDialog(int duration = 3725)
    {
        m_editor->EditTimeForm = new TEditTimeForm(nullptr, 0, 0, duration);
        m_editor->EditTimeForm->show();
        return m_editor->EditTimeForm;
    }
    QString EdStart() const { return C(m_editor, "EdStart")->text(); }
    QString EdEnd() const { return C(m_editor, "EdEnd")->text(); }

private slots:
    void init()
    {
        m_desktop = std::make_unique<FakeDesktop>();
        TJob job;
        job.Duration = 3725;
        job.clipEnd = 3725;
        // The editor is not shown: no preview, only its fields and selection.
        m_editor = new TEditForm(nullptr, job);
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
        C(m_editor, "EdStart")->setText(QStringLiteral("00:01:30"));
        C(m_editor, "EdEnd")->setText(QStringLiteral("01:02:05"));
        m_editor->SetSelection(2, 100);
        QStringList shown;
        QTimer::singleShot(0, [&] {
            QVERIFY(m_editor->EditTimeForm && m_editor->EditTimeForm->isVisible());
            for (const char *name : kEdits)
                shown << C(m_editor->EditTimeForm, name)->text();
            C(m_editor->EditTimeForm, "EdStopSec")->setText(QStringLiteral("1"));
            C<QPushButton>(m_editor->EditTimeForm, "BitBtnCancel")->click();
        });
        m_editor->BtnEditClick();
        QCOMPARE(shown, (QStringList{"0", "1", "30", "1", "2", "5"}));
        QCOMPARE(m_editor->StartSeconds, 90);
        QCOMPARE(m_editor->EndSeconds, 3725);
        QVERIFY(!m_editor->EditTimeForm);
        QCOMPARE(EdStart(), QStringLiteral("00:01:30"));
        QCOMPARE(EdEnd(), QStringLiteral("01:02:05"));
        QCOMPARE(m_editor->SelStart, 2);
        QVERIFY(m_desktop->messages.isEmpty());

        // OK hands both times back; the editor writes its own fields and selection.
        QTimer::singleShot(0, [&] {
            QVERIFY(m_editor->EditTimeForm);
            Type(m_editor->EditTimeForm, {"0", "1", "0", "0", "2", "0"});
            C<QPushButton>(m_editor->EditTimeForm, "BitBtnOK")->click();
        });
        m_editor->BtnEditClick();
        QVERIFY(!m_editor->EditTimeForm);
        QCOMPARE(EdStart(), QStringLiteral("00:01:00"));
        QCOMPARE(EdEnd(), QStringLiteral("00:02:00"));
        QCOMPARE(m_editor->StartSeconds, 60);
        QCOMPARE(m_editor->EndSeconds, 120);
        QCOMPARE(m_editor->SelStart, 60 * 100 / 3725);
        QCOMPARE(m_editor->SelEnd, 120 * 100 / 3725);
        QCOMPARE(m_editor->Job().clipStart, 0.0); // the job waits for the editor's OK
    }

    // Arrows and arrow keys step within 0..100 hours and 0..60 minutes or seconds, without
    // wrapping; the edits take any text.
    void arrows()
    {
        TEditTimeForm *dialog = OpenDialog();
        QLineEdit *hours = C(dialog, "EdStartHour");
        QWidget *hourArrows = C<QWidget>(dialog, "UpDownStartHour");
        QToolButton *up = C<QToolButton>(hourArrows, "up");
        QToolButton *down = C<QToolButton>(hourArrows, "down");
        QCOMPARE(hours->text(), QStringLiteral("0"));
        down->click();
        QCOMPARE(hours->text(), QStringLiteral("0"));
        hours->setText(QStringLiteral("99"));
        up->click();
        up->click();
        QCOMPARE(hours->text(), QStringLiteral("100"));
        QTest::keyClick(hours, Qt::Key_Down);
        QCOMPARE(hours->text(), QStringLiteral("99"));

        QLineEdit *seconds = C(dialog, "EdStopSec");
        seconds->setText(QStringLiteral("58"));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(seconds, Qt::Key_Up);
        QCOMPARE(seconds->text(), QStringLiteral("60"));
        seconds->setText(QStringLiteral("75"));
        C<QToolButton>(C<QWidget>(dialog, "UpDownStopSec"), "down")->click();
        QCOMPARE(seconds->text(), QStringLiteral("60"));

        QLineEdit *minutes = C(dialog, "EdStartMin");
        minutes->clear();
        QTest::keyClicks(minutes, QStringLiteral("9x"));
        QCOMPARE(minutes->text(), QStringLiteral("9x"));
        const char *const arrowNames[] = {"UpDownStartHour", "UpDownStartMin", "UpDownStartSec", "UpDownStopHour", "UpDownStopMin", "UpDownStopSec"};
        for (const char *name : arrowNames)
            QVERIFY(C<QWidget>(dialog, name));
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
        TEditTimeForm *dialog = OpenDialog();
        QSignalSpy chosen(dialog, &TEditTimeForm::TimesChosen);
        Type(dialog, typed);
        C<QPushButton>(dialog, "BitBtnOK")->click();
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
        TEditTimeForm *dialog = OpenDialog(0);
        QSignalSpy chosen(dialog, &TEditTimeForm::TimesChosen);
        Type(dialog, {"0", "0", "0", "0", "0", "1"});
        C<QPushButton>(dialog, "BitBtnOK")->click();
        QCOMPARE(m_desktop->texts(), QStringList{"Stop time should be less than total duration."});
        Type(dialog, {"0", "0", "0", "0", "0", "0"});
        C<QPushButton>(dialog, "BitBtnOK")->click();
        QCOMPARE(m_desktop->messages.size(), 1);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen[0], (QVariantList{0, 0}));

        m_editor->Job().Duration = 0;
        m_editor->SetSelection(7, 9);
        m_editor->SetClipTimes(0, 0);
        QCOMPARE(EdStart(), QStringLiteral("00:00:00"));
        QCOMPARE(EdEnd(), QStringLiteral("00:00:00"));
        QCOMPARE(m_editor->SelStart, 0);
        QCOMPARE(m_editor->SelEnd, 100);
    }
};

QTEST_MAIN(TestEditTime)
#include "tst_edittime.moc"
