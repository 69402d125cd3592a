// SPDX-License-Identifier: GPL-3.0-or-later
// Tip of the day and about box: reading tips.txt, stepping, what Close stores, the links.
#include "extras/about.h"
#include "extras/tip.h"
#include "main/main.h"
#include "support/fakedesktop.h"
#include "support/fixtures.h"

#include <QAccessible>
#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QDir>
#include <QEnterEvent>
#include <QtTest>

namespace {
const QByteArray kFiveTips = "One\nTwo\nThree\nFour\nFive\n";

QStringList allTips(const QByteArray &data)
{
    QByteArray bytes = data;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TipReader reader(buffer);
    QStringList tips;
    QByteArray tip;
    while (reader.next(&tip))
        tips << QString::fromUtf8(tip);
    return tips;
}

// A control of a window by its name; a missing one ends the test run.
template <typename T = QWidget>
T *child(QObject *window, const char *name)
{
    T *child = window->findChild<T *>(QLatin1String(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}

QString shownTip(TipDialog &form) { return child<QTextEdit>(&form, "tipText")->toPlainText(); }

// Runs code once the modal window `form` shows up (it is looked for every few milliseconds).
// The dialogs a test opens by itself, each empty once freed.
QPointer<TipDialog> TipForm;
QPointer<AboutDialog> AboutForm;

template <typename Form, typename F>
void whenOpen(QPointer<Form> &form, F body)
{
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, &form, body] {
        if (form && form->isVisible()) {
            poll->deleteLater();
            body(form.data());
        }
    });
    poll->start();
}

} // namespace

class TstExtras : public QObject
{
    Q_OBJECT
private slots:
    void readingRules();
    void startPosition_data();
    void startPosition();
    void nextTipWraps();
    void closeStoresKeys_data();
    void closeStoresKeys();
    void closeWriteFailureKeepsWindowOpen();
    void noTips_data();
    void noTips();
    void tipWindowLook();
    void mainWindowOpensTipAndAbout();
    void aboutBox_data();
    void aboutBox();
    void shippedTipsAndGuide();
};

void TstExtras::readingRules()
{
    // LF and CR LF end lines, a lone CR is dropped, empty lines are no tips, a line of
    // blanks is one, the last line needs no end, and Ctrl-Z ends the text.
    const QByteArray text = "Alpha\r\n\r\n\n\rBe\rta\n \n\r\n\tGamma\r\x1A"
                            "Delta\n";
    QCOMPARE(allTips(text), (QStringList{"Alpha", "Beta", " ", "\tGamma"}));
    QCOMPARE(allTips("no line end"), QStringList{"no line end"});
    QCOMPARE(allTips("\x1A" "after\n"), QStringList());
    QCOMPARE(allTips("\xEF\xBB\xBF" "first\n\xC3\xA9t\xC3\xA9\n"), (QStringList{"first", QString::fromUtf8("été")}));

    // Lines longer than the reader's chunk, with a CR LF across a chunk boundary.
    const QByteArray longLine(64 * 1024 - 1, 'x');
    const QByteArray huge(300000, 'y');
    const QStringList tips = allTips(longLine + "\r\n" + huge + "\n\nshort");
    QCOMPARE(tips.size(), 3);
    QCOMPARE(tips[0].size(), longLine.size());
    QCOMPARE(tips[1].size(), huge.size());
    QCOMPARE(tips[2], QStringLiteral("short"));

    // The window reads the same way: it counts four tips and shows the blank one as blank.
    TempProgramFolder folder;
    folder.write("tips.txt", text);
    folder.write("setup.ini", "[tips]\ntipno=1\n");
    TipDialog form(nullptr);
    QCOMPARE(form.TipCount, 4);
    QCOMPARE(shownTip(form), QStringLiteral("Beta"));
    form.btnNextClick();
    QCOMPARE(shownTip(form), QStringLiteral(" "));
    form.btnNextClick();
    QCOMPARE(shownTip(form), QStringLiteral("\tGamma"));
}

void TstExtras::startPosition_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("tipNo");
    QTest::addColumn<QString>("shown");
    QTest::newRow("first start") << QByteArray() << 1 << "One";
    QTest::newRow("0") << QByteArray("[tips]\ntipno=0\n") << 1 << "One";
    QTest::newRow("4") << QByteArray("[tips]\ntipno=4\n") << 5 << "Five";
    QTest::newRow("5") << QByteArray("[tips]\ntipno=5\n") << 1 << "One";
    QTest::newRow("12") << QByteArray("[TIPS]\nTipNo=12\n") << 3 << "Three";
    QTest::newRow("-3") << QByteArray("[tips]\ntipno=-3\n") << -3 << "";
}

void TstExtras::startPosition()
{
    QFETCH(QByteArray, ini);
    QFETCH(int, tipNo);
    QFETCH(QString, shown);
    TempProgramFolder folder;
    folder.write("tips.txt", "\n" + kFiveTips);
    if (!ini.isEmpty())
        folder.write("setup.ini", ini);
    TipDialog form(nullptr);
    QCOMPARE(form.TipCount, 5);
    QCOMPARE(form.TipNo, tipNo);
    QCOMPARE(shownTip(form), shown);
}

void TstExtras::nextTipWraps()
{
    TempProgramFolder folder;
    folder.write("tips.txt", kFiveTips);
    {
        TipDialog form(nullptr);
        QStringList seen{shownTip(form)};
        for (int i = 0; i < 6; ++i) {
            QTest::mouseClick(child<QPushButton>(&form, "BtnNext"), Qt::LeftButton);
            seen << shownTip(form);
        }
        QCOMPARE(seen, (QStringList{"One", "Two", "Three", "Four", "Five", "One", "Two"}));
        QCOMPARE(form.TipNo, 2);
    }
    {
        // A stored number below 0 shows nothing until Next Tip has counted up to tip 1.
        folder.write("setup.ini", "[tips]\ntipno=-1\n");
        TipDialog form(nullptr);
        QCOMPARE(shownTip(form), QString());
        form.btnNextClick();
        QCOMPARE(form.TipNo, 0);
        QCOMPARE(shownTip(form), QString());
        form.btnNextClick();
        QCOMPARE(form.TipNo, 1);
        QCOMPARE(shownTip(form), QStringLiteral("One"));
    }
    {
        // tips.txt shrinking while the window is open: the display stays as it was.
        folder.write("setup.ini", "[tips]\ntipno=3\n");
        TipDialog form(nullptr);
        QCOMPARE(shownTip(form), QStringLiteral("Four"));
        folder.write("tips.txt", "Only\n");
        form.btnNextClick();
        QCOMPARE(form.TipNo, 5);
        QCOMPARE(shownTip(form), QStringLiteral("Four"));
    }
}

void TstExtras::closeStoresKeys_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Close") << "Close";
    QTest::newRow("Escape") << "Escape";
    QTest::newRow("title bar") << "title bar";
}

void TstExtras::closeStoresKeys()
{
    QFETCH(QString, how);
    FakeDesktop desktop;
    TempProgramFolder folder;
    folder.write("tips.txt", kFiveTips);
    folder.write("setup.ini", "; mine\n[general]\noutputpath=/music/\n\n[tips]\ntipno=3\nshowtip=1\n");

    // However the window closes, it stores the tip on display and the box, and nothing else
    // changes.
    TipForm = new TipDialog(nullptr);
    QCOMPARE(shownTip(*TipForm), QStringLiteral("Four"));
    QVERIFY(child<QCheckBox>(TipForm, "showTipsCheck")->isChecked());
    whenOpen(TipForm, [how](TipDialog *form) {
        QTest::mouseClick(child<QPushButton>(form, "BtnNext"), Qt::LeftButton);
        QTest::mouseClick(child<QCheckBox>(form, "showTipsCheck"), Qt::LeftButton);
        if (how == "Close")
            QTest::mouseClick(child<QPushButton>(form, "BtnClose"), Qt::LeftButton);
        else if (how == "Escape")
            QTest::keyClick(form, Qt::Key_Escape);
        else
            form->close();
    });
    TipForm->exec();
    QVERIFY(!TipForm);
    QCOMPARE(folder.read("setup.ini"),
             QByteArray("; mine\n[general]\noutputpath=/music/\n\n[tips]\ntipno=5\nshowtip=0\n"));
    QVERIFY(desktop.messages.isEmpty());
    if (how != "Close")
        return;

    // The next opening goes on after the tip stored and shows the box as stored.
    QPointer<TipDialog> again = new TipDialog(nullptr);
    QCOMPARE(shownTip(*again), QStringLiteral("One"));
    QVERIFY(!child<QCheckBox>(again, "showTipsCheck")->isChecked());

    // Without a settings file, Close creates one with the two keys in their order.
    QFile::remove(folder.file("setup.ini"));
    again->show();
    child<QCheckBox>(again, "showTipsCheck")->setChecked(true);
    QTest::mouseClick(child<QPushButton>(again, "BtnClose"), Qt::LeftButton);
    QCOMPARE(folder.read("setup.ini"), QByteArray("[tips]\ntipno=1\nshowtip=1\n"));
    QTRY_VERIFY(!again);
}

void TstExtras::closeWriteFailureKeepsWindowOpen()
{
    FakeDesktop desktop;
    TempProgramFolder folder;
    folder.write("tips.txt", kFiveTips);
    // A folder where setup.ini should be: no write can succeed, not even as root.
    QVERIFY(QDir(folder.path()).mkdir("setup.ini"));
    TipForm = new TipDialog(nullptr);
    TipForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(TipForm));
    QTest::mouseClick(child<QPushButton>(TipForm, "BtnClose"), Qt::LeftButton);
    QCOMPARE(desktop.messages.size(), 1);
    QCOMPARE(desktop.messages[0].icon, QMessageBox::Critical);
    QCOMPARE(desktop.messages[0].text, "Unable to write to " + QDir::toNativeSeparators(folder.file("setup.ini")));
    QVERIFY(TipForm);
    QVERIFY(TipForm->isVisible());
    QCOMPARE(shownTip(*TipForm), QStringLiteral("One"));
    delete TipForm;
}

void TstExtras::noTips_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("empty") << "empty";
    QTest::newRow("only line ends") << "blank lines";
    QTest::newRow("unreadable") << "folder";
}

void TstExtras::noTips()
{
    QFETCH(QString, kind);
    FakeDesktop desktop;
    TempProgramFolder folder;
    if (kind == "empty")
        folder.write("tips.txt", "");
    else if (kind == "blank lines")
        folder.write("tips.txt", "\r\n\n\r\r\n\x1A" "after the end\n");
    else if (kind == "folder")
        QVERIFY(QDir(folder.path()).mkdir("tips.txt"));
    folder.write("setup.ini", "[tips]\ntipno=7\nshowtip=1\n");

    TipForm = new TipDialog(nullptr);
    QCOMPARE(TipForm->TipCount, 0);
    QCOMPARE(shownTip(*TipForm), TipDialog::noTipsText());
    QString afterNext;
    whenOpen(TipForm, [&](TipDialog *form) {
        QTest::mouseClick(child<QPushButton>(form, "BtnNext"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(form, "BtnNext"), Qt::LeftButton);
        afterNext = shownTip(*form);
        QTest::mouseClick(child<QCheckBox>(form, "showTipsCheck"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(form, "BtnClose"), Qt::LeftButton);
    });
    TipForm->exec();
    QVERIFY(!TipForm);
    QCOMPARE(afterNext, TipDialog::noTipsText());
    QVERIFY(desktop.messages.isEmpty());
    // The place in the tips is kept for when they come back; the box is stored.
    QCOMPARE(folder.read("setup.ini"), QByteArray("[tips]\ntipno=7\nshowtip=0\n"));
}

void TstExtras::tipWindowLook()
{
    TempProgramFolder folder;
    folder.write("tips.txt", kFiveTips);
    folder.write("setup.ini", "[tips]\nshowtip=2\n");
    TipDialog form(nullptr);
    QCOMPARE(form.windowTitle(), QStringLiteral("Tip of the Day"));
    QCOMPARE(form.size(), QSize(350, 261));
    QCOMPARE(child<QLabel>(&form, "headingLabel")->text(), QStringLiteral("Did you know..."));
    QCOMPARE(child<QCheckBox>(&form, "showTipsCheck")->text(), QStringLiteral("Show Tips on Startup"));
    QVERIFY(!child<QCheckBox>(&form, "showTipsCheck")->isChecked()); // showtip other than 1
    QCOMPARE(child<QPushButton>(&form, "BtnNext")->text(), QStringLiteral("Next Tip"));
    QCOMPARE(child<QPushButton>(&form, "BtnClose")->text(), QStringLiteral("Close"));
    QVERIFY(child<QTextEdit>(&form, "tipText")->isReadOnly());
    QVERIFY(!child<QLabel>(&form, "bulb")->pixmap().isNull());
    QVERIFY(child<QWidget>(&form, "tipPanel")->isAncestorOf(child<QTextEdit>(&form, "tipText")));
    QVERIFY(child<QWidget>(&form, "tipFrame")->isAncestorOf(child<QWidget>(&form, "tipPanel")));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.focusWidget(), child<QPushButton>(&form, "BtnNext"));
}

void TstExtras::mainWindowOpensTipAndAbout()
{
    FakeDesktop desktop;
    TempProgramFolder folder;
    folder.write("tips.txt", kFiveTips);
    {
        // First start: the tip window opens by itself over the main window, on the first tip.
        AppSettings settings;
        MainWindow main(settings);
        main.show();
        QString shown;
        bool modal = false;
        QWidget *owner = nullptr;
        whenOpen(main.TipForm, [&](TipDialog *form) {
            shown = shownTip(*form);
            modal = form->isModal();
            owner = form->parentWidget();
            QTest::mouseClick(child<QPushButton>(form, "BtnClose"), Qt::LeftButton);
        });
        QTRY_VERIFY_WITH_TIMEOUT(!shown.isEmpty() && !main.TipForm, 10000);
        QCOMPARE(shown, QStringLiteral("One"));
        QVERIFY(modal);
        QCOMPARE(owner, &main);
        QVERIFY(!main.TimerTip.isActive());
        QCOMPARE(IniFile(settingsFilePath()).readInteger("tips", "tipno", 0), 1);

        // The menu entry opens it again, going on where Close left it.
        whenOpen(main.TipForm, [&](TipDialog *form) {
            shown = shownTip(*form);
            form->close();
        });
        child<QAction>(&main, "actionTipOfTheDay")->trigger();
        QVERIFY(!main.TipForm);
        QCOMPARE(shown, QStringLiteral("Two"));

        // About: the toolbar button and the menu entry open the box; "Help Content..." the guide.
        for (QAction *action : {child<QAction>(&main, "toolAbout"), child<QAction>(&main, "helpAbout")}) {
            QString name;
            whenOpen(main.AboutForm, [&](AboutDialog *form) {
                name = child<QLabel>(form, "nameLabel")->text();
                owner = form->parentWidget();
                QTest::mouseClick(child<QPushButton>(form, "BtnClose"), Qt::LeftButton);
            });
            action->trigger();
            QVERIFY(!main.AboutForm);
            QCOMPARE(name, QStringLiteral("Clipvox v" CLIPVOX_VERSION));
            QCOMPARE(owner, &main);
        }
        child<QAction>(&main, "actionHelpContent")->trigger();
        QCOMPARE(desktop.openedUrls.size(), 1);
        QCOMPARE(desktop.openedUrls[0], QUrl::fromLocalFile(folder.file("clipvox.html")));
    }
    {
        // With showtip 0 the timer's tick opens nothing; the menu entry still does.
        folder.write("setup.ini", "[tips]\ntipno=2\nshowtip=0\n");
        AppSettings settings;
        MainWindow main(settings);
        main.TimerTip.stop();
        main.timerTipTimer();
        QVERIFY(!main.TipForm);
        QString shown;
        whenOpen(main.TipForm, [&](TipDialog *form) {
            shown = shownTip(*form);
            form->close();
        });
        child<QAction>(&main, "actionTipOfTheDay")->trigger();
        QCOMPARE(shown, QStringLiteral("Three"));
    }
}

void TstExtras::aboutBox_data()
{
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("support");
    QTest::newRow("both") << "https://clipvox.test/" << "mailto:help@clipvox.test";
    QTest::newRow("support page only") << "" << "https://clipvox.test/issues";
    QTest::newRow("none") << "" << "";
}

// The links: in the palette's link colour, reached with Tab, opened with Return or a click
// through the desktop (which may refuse: the box says nothing of its own), announced as
// links; a build without an address shows no row for it.
void TstExtras::aboutBox()
{
    QFETCH(QString, home);
    QFETCH(QString, support);
    struct RefusingDesktop : FakeDesktop
    {
        bool openUrl(const QUrl &url) override
        {
            FakeDesktop::openUrl(url);
            return false;
        }
    } desktop;
    // The desktop's palette, with a link colour of its own.
    const QColor linkColour(0x12, 0x80, 0x40);
    struct PaletteGuard
    {
        QPalette old = QApplication::palette();
        ~PaletteGuard() { QApplication::setPalette(old); }
    } paletteGuard;
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Link, linkColour);
    QApplication::setPalette(palette);
    AboutForm = new AboutDialog(nullptr, home, support);
    AboutDialog &box = *AboutForm;
    QCOMPARE(box.windowTitle(), QStringLiteral("About"));
    QVERIFY(box.width() >= 363 && box.height() >= 248); // wider where the notice needs it
    QCOMPARE(child<QLabel>(&box, "nameLabel")->text(), QStringLiteral("Clipvox v" CLIPVOX_VERSION));
    QCOMPARE(child<QLabel>(&box, "versionLabel")->text(), QStringLiteral("v" CLIPVOX_VERSION));
    QCOMPARE(child<QLabel>(&box, "supportCaption")->text(), QStringLiteral("Technology Support"));
    QVERIFY(child<QLabel>(&box, "copyrightLabel")->text().contains("GNU GPL, version 3 or later"));
    QVERIFY(!child<QLabel>(&box, "logo")->pixmap().isNull());
    box.show();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>(&box, "BtnClose"));

    QLabel *homeLink = child<QLabel>(&box, "homePageLink"), *supportLink = child<QLabel>(&box, "supportLink");
    QCOMPARE(homeLink->isVisible(), !home.isEmpty());
    QCOMPARE(child<QLabel>(&box, "homePageCaption")->isVisible(), !home.isEmpty());
    QCOMPARE(supportLink->isVisible(), !support.isEmpty());
    QCOMPARE(child<QLabel>(&box, "supportCaption")->isVisible(), !support.isEmpty());
    QList<QUrl> expected;
    for (QLabel *link : {homeLink, supportLink}) {
        if (!link->isVisible())
            continue;
        QCOMPARE(QAccessible::queryAccessibleInterface(link)->role(), QAccessible::Link);
        const QImage drawn = link->grab().toImage().convertToFormat(QImage::Format_RGB32);
        bool inLinkColour = false;
        for (int y = 0; y < drawn.height() && !inLinkColour; ++y)
            for (int x = 0; x < drawn.width() && !inLinkColour; ++x)
                inLinkColour = drawn.pixelColor(x, y) == linkColour;
        QVERIFY2(inLinkColour, link->objectName().toUtf8());
        // Tab reaches the link, Return opens it; the box stays open.
        for (int tabs = 0; tabs < 8 && QApplication::focusWidget() != link; ++tabs)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), link);
        QTest::keyClick(link, Qt::Key_Return);
        expected << QUrl(link == homeLink ? home : support);
        QCOMPARE(desktop.openedUrls, expected);
        QVERIFY(box.isVisible());
    }
    QCOMPARE(homeLink->text().contains(home.toHtmlEscaped()), true);
    if (support.startsWith("mailto:"))
        QCOMPARE(supportLink->toolTip(), QStringLiteral("help@clipvox.test"));
    if (supportLink->isVisible()) {
        QTest::mouseClick(supportLink, Qt::LeftButton, {}, QPoint(4, supportLink->height() / 2));
        expected << QUrl(support);
        QCOMPARE(desktop.openedUrls, expected);
    }
    QVERIFY(desktop.messages.isEmpty());

    QTest::mouseClick(child<QPushButton>(&box, "BtnClose"), Qt::LeftButton);
    QVERIFY(!box.isVisible());
    QTRY_VERIFY(!AboutForm); // freed once closed
}

void TstExtras::shippedTipsAndGuide()
{
    // The build puts tips.txt and the guide beside the program, as an installation does.
    const QString programFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    QFile tipsFile(programFolder + "tips.txt");
    QVERIFY(tipsFile.open(QIODevice::ReadOnly));
    QStringList tips;
    {
        TipReader reader(tipsFile);
        QByteArray tip;
        while (reader.next(&tip))
            tips << QString::fromUtf8(tip);
    }
    QVERIFY2(tips.size() >= 12, qPrintable(QString::number(tips.size())));
    // The tips tell what the program does: all seven formats, a cancelled part removed.
    for (const QString &tip : tips) {
        QVERIFY2(!tip.contains(QLatin1String("stays in the output folder")), qPrintable(tip));
        if (tip.contains(QLatin1String("\"Output format\" list")))
            for (const char *format : {"MP3", "WMA", "WAV", "OGG", "FLAC", "OPUS", "M4A"})
                QVERIFY2(tip.contains(QLatin1String(format)), format);
    }
    tips.removeDuplicates();
    QVERIFY(tips.size() >= 12);

    // Each tip fits the tip area without scrolling.
    setProgramFolder(programFolder);
    QPointer<TipDialog> form = new TipDialog(nullptr);
    setProgramFolder(QString());
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    auto *text = child<QTextEdit>(form, "tipText");
    for (int i = 0; i < form->TipCount; ++i) {
        QVERIFY(tips.contains(text->toPlainText()));
        QVERIFY2(text->verticalScrollBar()->maximum() == 0, qPrintable(text->toPlainText()));
        form->btnNextClick();
    }
    delete form;

    QFile guide(programFolder + "clipvox.html");
    QVERIFY(guide.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(guide.readAll());
    for (const char *needed : {"Waiting", "Converting...", "100%", "Stop", "Failed", "setup.ini", "MP3", "WMA",
                               "WAV", "OGG", "Enable Tag", "Set start time", "tips.txt"})
        QVERIFY2(html.contains(QLatin1String(needed)), needed);
}

QTEST_MAIN(TstExtras)
#include "tst_extras.moc"
