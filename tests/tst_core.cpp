// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows, the engine and the command line share: clip times and free names.
#include "core/core.h"

#include <QSet>
#include <QtTest>

class TestCore : public QObject
{
    Q_OBJECT
private slots:
    // One parser, two rules: the list's and the engine's lenient reading, the command
    // line's strict one. -1 stands for "no time".
    void parseTime_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lenient");
        QTest::addColumn<int>("strict");
        QTest::newRow("empty") << "" << 0 << -1;
        QTest::newRow("plain") << "01:02:03" << 3723 << 3723;
        QTest::newRow("minutes past 59") << "00:75:00" << 4500 << -1;
        QTest::newRow("seconds past 59") << "00:00:60" << 60 << -1;
        QTest::newRow("other separators") << "01-02-03" << 3723 << -1;
        QTest::newRow("Max") << "Max" << -1 << -1;
        QTest::newRow("hex digit") << "00:0x:00" << -1 << -1;
        QTest::newRow("short") << "1:02:03" << -1 << -1;
        QTest::newRow("long") << "01:02:034" << 3723 << -1;
        QTest::newRow("sign") << "+1:02:03" << 3723 << -1;
    }
    void parseTime()
    {
        QFETCH(QString, text);
        QFETCH(int, lenient);
        QFETCH(int, strict);
        QCOMPARE(::parseTime(text).value_or(-1), lenient);
        QCOMPARE(::parseTime(text, TimeRule::Strict).value_or(-1), strict);
        // timeToSeconds reads as the lenient rule and raises where it has no time.
        if (lenient < 0) {
            try {
                timeToSeconds(text);
                QFAIL("no time must raise");
            } catch (const ClipvoxError &e) {
                QVERIFY2(e.text().endsWith("is not a valid integer value"), qPrintable(e.text()));
            }
        } else {
            QCOMPARE(timeToSeconds(text), lenient);
        }
    }

    void secondsToTime_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << "00:00:00";
        QTest::newRow("59") << qint64(59) << "00:00:59";
        QTest::newRow("3723") << qint64(3723) << "01:02:03";
        QTest::newRow("100 hours") << qint64(360000) << "100:00:00";
    }
    void secondsToTime()
    {
        QFETCH(qint64, seconds);
        QFETCH(QString, text);
        QCOMPARE(::secondsToTime(seconds), text);
    }

    // The first name that is not taken: the name itself, then " (2)", " (3)"... before the
    // extension of the file name part.
    void freeName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("free");
        QTest::newRow("free") << "/o/a.mp3" << QStringList{} << "/o/a.mp3";
        QTest::newRow("taken") << "/o/a.mp3" << QStringList{"/o/a.mp3"} << "/o/a (2).mp3";
        QTest::newRow("gap") << "/o/a.mp3" << QStringList{"/o/a.mp3", "/o/a (2).mp3"} << "/o/a (3).mp3";
        QTest::newRow("dots") << "/o/a.b.mp3" << QStringList{"/o/a.b.mp3"} << "/o/a.b (2).mp3";
        QTest::newRow("no extension") << "/o/a" << QStringList{"/o/a"} << "/o/a (2)";
        QTest::newRow("dotted folder") << "/o.x/a" << QStringList{"/o.x/a"} << "/o.x/a (2)";
    }
    void freeName()
    {
        QFETCH(QString, path);
        QFETCH(QStringList, taken);
        QFETCH(QString, free);
        const QSet<QString> set(taken.begin(), taken.end());
        int next = 0;
        QCOMPARE(::freeName(path, [&set](const QString &p) { return set.contains(p); }, &next), free);
    }

    // Names a file system takes: NAME_MAX bytes with " (n)" and the extension, cut between
    // characters; under the Windows rules (vfat, exFAT, NTFS, SMB) no ? * < > | " : \ and no
    // trailing dot or space. number > 0: numberedName, else fitFileName.
    void fittedNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("windows");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("expected");
        const QString e(QChar(0xe9)), note = QString::fromUtf8("\xf0\x9f\x8e\xb5"); // 2 and 4 bytes
        QTest::newRow("270 bytes") << QString(266, 'a') + ".mp3" << false << 0 << QString(251, 'a') + ".mp3";
        QTest::newRow("255 bytes and (2)") << QString(251, 'a') + ".mp3" << false << 2 << QString(247, 'a') + " (2).mp3";
        QTest::newRow("2-byte characters") << e.repeated(130) + ".mp3" << false << 0 << e.repeated(125) + ".mp3";
        QTest::newRow("2-byte and (10)") << e.repeated(125) + ".mp3" << false << 10 << e.repeated(123) + " (10).mp3";
        QTest::newRow("4-byte characters") << note.repeated(64) + ".mp3" << false << 0 << note.repeated(62) + ".mp3";
        QTest::newRow("Windows characters") << "a?b*c<d>e|f\"g:h\\i.mp3" << true << 0 << "a_b_c_d_e_f_g_h_i.mp3";
        QTest::newRow("Linux keeps them") << "a?b*c<d>e|f\"g:h\\i.mp3" << false << 0 << "a?b*c<d>e|f\"g:h\\i.mp3";
        QTest::newRow("Windows, trailing dots and spaces") << "Intro . ." << true << 0 << "Intro";
        QTest::newRow("Windows, nothing left") << ". ." << true << 0 << "_";
    }
    void fittedNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, windows);
        QFETCH(int, number);
        QFETCH(QString, expected);
        const QString fitted = number > 0 ? numberedName("/o.x/" + name, number).mid(5)
                                          : fitFileName(name, windows ? NameRules::Windows : NameRules::Posix);
        QCOMPARE(fitted, expected);
        QVERIFY(fitted.toUtf8().size() <= kNameMax);
    }

    // Output names from a pattern: fallbacks to {name}, unsafe characters, 255 bytes.
    void patternFileName_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("track");
        QTest::addColumn<QString>("expected");
        const QString longTitle = QString(200, QChar(0x6b4c)); // 3 bytes each
        QTest::newRow("default") << "{name}" << "Song" << 3 << "talk.mp3";
        QTest::newRow("track and title") << "{track} - {title}" << "Song" << 3 << "03 - Song.mp3";
        QTest::newRow("all fields") << "{n}. {artist} - {album} ({year}) {name}" << "" << 0 << "07. Zoë - Live (2021) talk.mp3";
        QTest::newRow("empty title") << "{track} - {title}" << "" << 12 << "12 - talk.mp3";
        QTest::newRow("no track") << "{track} {title}" << "Song" << 0 << "talk Song.mp3";
        QTest::newRow("no chapter") << "{chapter}" << "Song" << 0 << "talk.mp3";
        QTest::newRow("unknown placeholder") << "{nope}{title" << "Song" << 0 << "{nope}{title.mp3";
        QTest::newRow("slash and control") << "{title}" << "AC/DC\n\tLive" << 0 << "AC_DC__Live.mp3";
        QTest::newRow("nothing left") << " " << "Song" << 0 << "talk.mp3";
        QTest::newRow("dot dot") << ".." << "Song" << 0 << "talk.mp3";
        QTest::newRow("255 bytes") << "{title}" << longTitle << 0 << QString(longTitle.left(83)) + ".mp3";
    }
    void patternFileName()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, title);
        QFETCH(int, track);
        QFETCH(QString, expected);
        NameFields f;
        f.name = "talk";
        f.title = title;
        f.track = track;
        f.artist = QString::fromUtf8("Zoë");
        f.album = "Live";
        f.year = 2021;
        f.number = 7;
        f.count = 40; // {n} has two digits
        const QString name = ::patternFileName(pattern, f, "mp3");
        QCOMPARE(name, expected);
        QVERIFY(name.toUtf8().size() <= 255);
    }

    // Where each output goes: the output folder, beside its source, or the source's folders
    // below the root kept under the output folder.
    void outputFolders_data()
    {
        QTest::addColumn<int>("where");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("expected");
        QTest::newRow("output folder") << int(SaveTo::OutputFolder) << "/v/a/x.avi" << "/out/";
        QTest::newRow("beside") << int(SaveTo::BesideSource) << "/v/a/x.avi" << "/v/a/";
        QTest::newRow("tree") << int(SaveTo::KeepTree) << "/v/a/b/x.avi" << "/out/a/b/";
        QTest::newRow("tree, at the root") << int(SaveTo::KeepTree) << "/v/x.avi" << "/out/";
        QTest::newRow("tree, outside the root") << int(SaveTo::KeepTree) << "/vv/x.avi" << "/out/";
    }
    void outputFolders()
    {
        QFETCH(int, where);
        QFETCH(QString, source);
        QFETCH(QString, expected);
        QCOMPARE(outputFolderFor(source, SaveTo(where), "/out", "/v"), expected);
        QCOMPARE(commonFolder({"/v/a/b/x.avi", "/v/a/c/y.avi", "/v/a/z.avi"}), QString("/v/a/"));
        QCOMPARE(commonFolder({"/v/a/x.avi", "/w/y.avi"}), QString("/"));
    }
};

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"
