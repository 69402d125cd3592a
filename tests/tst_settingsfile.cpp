// SPDX-License-Identifier: GPL-3.0-or-later
// setup.ini: parse rules, defaults, key order, atomic writes and refused writes.
#include "settings/appsettings.h"
#include "settings/presets.h"
#include "support/fixtures.h"

#include <QDir>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>
#include <climits>
#include <csignal>
#include <sys/resource.h>

class TestSettingsFile : public QObject
{
    Q_OBJECT
private slots:
    void defaultsWithoutFile();
    void integerParseRules();
    void namesIgnoreCaseAndFirstWins();
    void textValues();
    void newFileHasTableOrder();
    void namingKeys_data();
    void namingKeys();
    void existingKeysKeepPlaceAndOthersSurvive();
    void refusedWriteRaisesWithThePath();
    void savedWholeOrNotAtAll_data();
    void savedWholeOrNotAtAll();
    void badFilesLoadDefaults();
    void formatExtension();
    void settingsPlace();
    void systemDefaults_data();
    void systemDefaults();
    void newFormatKeys_data();
    void newFormatKeys();
    void outOfRangeKeysFallBack_data();
    void outOfRangeKeysFallBack();
    void jobsStayWithinTheCores_data();
    void jobsStayWithinTheCores();
    void keysByName_data();
    void keysByName();
    void presetFiles_data();
    void presetFiles();
    void presetsSavedRenamedDeleted();
};

void TestSettingsFile::defaultsWithoutFile()
{
    TempProgramFolder folder;
    QCOMPARE(settingsFilePath(), folder.file("setup.ini"));
    OutputSettings s;
    loadSettings(s);
    QCOMPARE(s.OutputPath, QDir::homePath() + "/");
    QCOMPARE(s.OutputFormat, 0);
    QCOMPARE(s.OutputExt, QString("mp3"));
    QCOMPARE(s.Mp3Channels, 3);
    QCOMPARE(s.Mp3Frequency, 44100);
    QCOMPARE(s.Mp3Bitrate, 128);
    QCOMPARE(s.Mp3Vbr, 0);
    QCOMPARE(s.Mp3MaxBitrate, 192);
    QCOMPARE(s.Mp3VbrQuality, 7);
    QCOMPARE(s.WavFrequency, 44100);
    QCOMPARE(s.WavChannels, 2);
    QCOMPARE(s.WavBps, 16);
    QCOMPARE(s.WmaProfile, 38);
    QCOMPARE(s.OggFrequency, 44100);
    QCOMPARE(s.OggChannels, 2);
    QCOMPARE(s.OggBitrate, 128);
    QCOMPARE(s.OggVbr, false);
    QCOMPARE(s.OggMinBitrate, 128);
    QCOMPARE(s.OggMaxBitrate, 192);
    QCOMPARE(s.OggUseQuality, false);
    QCOMPARE(s.OggQuality, 500);
    QCOMPARE(s.Jobs, 1);
    QVERIFY(!QFile::exists(folder.file("setup.ini"))); // loading writes nothing
}

void TestSettingsFile::integerParseRules()
{
    TempProgramFolder folder;
    folder.write("setup.ini", "[ogg]\nquality=0x1F4\nbitrate=\nminbitrate=abc\nmaxbitrate=$C0\n"
                              "frequency=0X5622\nchannels= 1 \nvbr=2\nfquality=0\n"
                              "[mp3]\nfvbr=2\nbitrate=0x\nfrequency=99999999999\nchannels=-3\n"
                              "maxbitrate=12abc\nvbrquality=$\n"
                              "[general]\noutputformat=7\noutputpath=\n");
    OutputSettings s;
    loadSettings(s);
    QCOMPARE(s.OggQuality, 500);      // hexadecimal with 0x
    QCOMPARE(s.OggBitrate, 128);      // empty gives the default
    QCOMPARE(s.OggMinBitrate, 128);   // letters give the default
    QCOMPARE(s.OggMaxBitrate, 192);   // "$C0" is hexadecimal 192
    QCOMPARE(s.OggFrequency, 22050);  // 0X prefix
    QCOMPARE(s.OggChannels, 1);
    QCOMPARE(s.OggVbr, true);         // any non-zero value is on
    QCOMPARE(s.OggUseQuality, false);
    QCOMPARE(s.Mp3Vbr, 2);            // kept as read; only 1 means on to its users
    QCOMPARE(s.Mp3Bitrate, 128);      // "0x" alone is no number
    QCOMPARE(s.Mp3Frequency, 44100);  // out of the 32-bit range
    QCOMPARE(s.Mp3Channels, 3);       // outside 1 to 5: the default
    QCOMPARE(s.Mp3MaxBitrate, 192);
    QCOMPARE(s.Mp3VbrQuality, 7);
    QCOMPARE(s.OutputFormat, 0);      // no format 7: MP3
    QCOMPARE(s.OutputExt, QString("mp3"));
    QCOMPARE(s.OutputPath, QString()); // present but empty stays empty

    int v = 0;
    QVERIFY(IniFile::parseInteger("$FFFFFFFF", v));
    QCOMPARE(v, -1);
    QVERIFY(IniFile::parseInteger("-42", v));
    QCOMPARE(v, -42);
    QVERIFY(!IniFile::parseInteger("0x", v));
    QVERIFY(!IniFile::parseInteger("1.5", v));
    QVERIFY(!IniFile::parseInteger("$-1", v));
}

void TestSettingsFile::namesIgnoreCaseAndFirstWins()
{
    TempProgramFolder folder;
    folder.write("setup.ini", "[GENERAL]\nOutputPath=/music/\nOUTPUTFORMAT=3\noutputformat=1\n"
                              "[general]\noutputformat=2\n");
    OutputSettings s;
    loadSettings(s);
    QCOMPARE(s.OutputPath, QString("/music/"));
    QCOMPARE(s.OutputFormat, 3);
    QCOMPARE(s.OutputExt, QString("ogg"));

    // A write lands on the first matching key, keeps its spelling and adds no second section.
    s.OutputFormat = 1;
    saveGeneralSettings(s);
    QCOMPARE(folder.read("setup.ini"), QByteArray("[GENERAL]\nOutputPath=/music/\nOUTPUTFORMAT=1\noutputformat=1\n"
                                                  "[general]\noutputformat=2\n"));
}

void TestSettingsFile::textValues()
{
    TempProgramFolder folder;
    const QString longText(3000, QLatin1Char('a'));
    const QString path = QString::fromUtf8("/home/zoë/My Music #1?/'quoted'/");
    {
        IniFile ini(settingsFilePath());
        ini.writeString("general", "outputpath", path);
        ini.writeString("other", "long", longText);
    }
    const IniFile ini(settingsFilePath());
    QCOMPARE(ini.readString("general", "outputpath", "x"), path);
    QCOMPARE(ini.readString("other", "long", "x").size(), 2047);
    QCOMPARE(ini.readString("other", "missing", "dflt"), QString("dflt"));
    QCOMPARE(ini.readString("nosection", "long", "dflt"), QString("dflt"));
}

void TestSettingsFile::newFileHasTableOrder()
{
    TempProgramFolder folder;
    OutputSettings s;
    loadSettings(s);
    s.OutputPath = "/out/";
    s.OggVbr = true;
    saveSettings(s);
    const QByteArray expected = "[general]\noutputpath=/out/\noutputformat=0\njobs=1\nloudness=0\npeaks=1\nreplaygain=0\n"
                                "copytags=1\nexisting=0\nsaveto=0\nnamepattern={name}\n"
                                "[mp3]\nchannels=3\nfrequency=44100\nbitrate=128\nfvbr=0\nmaxbitrate=192\nvbrquality=7\n"
                                "[wma]\nwmaprofile=38\n"
                                "[wav]\nfrequency=44100\nchannels=2\nbps=16\n"
                                "[ogg]\nfrequency=44100\nchannels=2\nbitrate=128\nvbr=1\nminbitrate=128\n"
                                "maxbitrate=192\nfquality=0\nquality=500\n"
                                "[flac]\nfrequency=0\nchannels=2\nbps=0\ncompression=5\n"
                                "[opus]\nbitrate=128\nvbr=1\nchannels=2\n"
                                "[m4a]\nfrequency=44100\nbitrate=192\nchannels=2\n";
    QCOMPARE(folder.read("setup.ini"), expected);

    // Round trip: what was saved loads back unchanged.
    OutputSettings back;
    loadSettings(back);
    QCOMPARE(back.OutputPath, s.OutputPath);
    QCOMPARE(back.OggVbr, true);
    QCOMPARE(back.WmaProfile, 38);
}

// The naming keys load as stored; values out of their range give the defaults.
void TestSettingsFile::namingKeys_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QList<int>>("numbers"); // copytags, existing, saveto
    QTest::addColumn<QString>("pattern");
    QTest::newRow("none") << QByteArray() << QList<int>{1, 0, 0} << "{name}";
    QTest::newRow("set") << QByteArray("[general]\ncopytags=0\nexisting=2\nsaveto=2\nnamepattern={track} - {title}\n")
                         << QList<int>{0, 2, 2} << "{track} - {title}";
    QTest::newRow("out of range") << QByteArray("[general]\ncopytags=5\nexisting=3\nsaveto=-1\n") << QList<int>{1, 0, 0}
                                  << "{name}";
    // A UTF-8 byte-order mark before the first section, as Windows editors write; a rewrite keeps it.
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF[general]\ncopytags=0\nexisting=2\n")
                                     << QList<int>{0, 2, 0} << "{name}";
}

void TestSettingsFile::namingKeys()
{
    QFETCH(QByteArray, ini);
    QFETCH(QList<int>, numbers);
    QFETCH(QString, pattern);
    TempProgramFolder folder;
    folder.write("setup.ini", ini);
    OutputSettings s;
    loadSettings(s);
    QCOMPARE((QList<int>{s.CopyTags ? 1 : 0, s.ExistingFile, s.SaveTo}), numbers);
    QCOMPARE(s.NamePattern, pattern);
    if (ini.startsWith("\xEF\xBB\xBF")) {
        saveGeneralSettings(s);
        QVERIFY(folder.read("setup.ini").startsWith("\xEF\xBB\xBF[general]\ncopytags=0\nexisting=2\noutputpath="));
    }
}

void TestSettingsFile::existingKeysKeepPlaceAndOthersSurvive()
{
    TempProgramFolder folder;
    folder.write("setup.ini", "; my notes\r\n[tips]\r\nshowtip=0\r\ntipno=4\r\n\r\n[ogg]\r\nquality=700\r\n"
                              "custom=keep me\r\n\r\n[general]\r\noutputformat=1\r\n");
    OutputSettings s;
    loadSettings(s);
    QCOMPARE(s.OggQuality, 700);
    s.OutputFormat = 2;
    s.OutputPath = "/x/";
    saveGeneralSettings(s);
    QCOMPARE(folder.read("setup.ini"),
             QByteArray("; my notes\r\n[tips]\r\nshowtip=0\r\ntipno=4\r\n\r\n[ogg]\r\nquality=700\r\n"
                        "custom=keep me\r\n\r\n[general]\r\noutputformat=2\r\noutputpath=/x/\r\n"));
    saveSettings(s);
    const QByteArray all = folder.read("setup.ini");
    QVERIFY(all.startsWith("; my notes\r\n[tips]\r\nshowtip=0\r\ntipno=4\r\n\r\n[ogg]\r\nquality=700\r\ncustom=keep me\r\n"
                           "frequency=44100\r\n"));
    QVERIFY(all.contains("[general]\r\noutputformat=2\r\noutputpath=/x/\r\njobs=1\r\nloudness=0\r\npeaks=1\r\nreplaygain=0\r\ncopytags=1\r\n"
                         "existing=0\r\nsaveto=0\r\nnamepattern={name}\r\n[mp3]\r\nchannels=3\r\n"));
    QCOMPARE(IniFile(settingsFilePath()).readInteger("tips", "tipno", 1), 4);
}

void TestSettingsFile::refusedWriteRaisesWithThePath()
{
    // The settings file's place is taken by a folder: every write is refused, even for root.
    TempProgramFolder folder;
    QVERIFY(QDir(folder.path()).mkdir("setup.ini"));
    OutputSettings s;
    loadSettings(s);
    try {
        saveSettings(s);
        QFAIL("a refused write must raise");
    } catch (const ClipvoxError &e) {
        QCOMPARE(e.text(), "Unable to write to " + folder.file("setup.ini"));
    }
    QVERIFY(QFileInfo(folder.file("setup.ini")).isDir());

    // A missing folder: nothing is created and the error names the full path.
    setProgramFolder(folder.path() + "missing/");
    QVERIFY_THROWS_EXCEPTION(ClipvoxError, saveGeneralSettings(s));
    QVERIFY(!QDir(folder.path() + "missing").exists());
}

void TestSettingsFile::savedWholeOrNotAtAll_data()
{
    QTest::addColumn<QString>("refusal");
    QTest::newRow("folder in the file's place") << "folder";
    // Room for the first keys but not for all: a save key by key would leave half a file.
    QTest::newRow("file size limit") << "limit";
    QTest::newRow("none") << "";
}

// A save of the settings object writes every key at once or nothing; only what was saved
// becomes the program's settings, and only then is the change announced.
void TestSettingsFile::savedWholeOrNotAtAll()
{
    QFETCH(QString, refusal);
    TempProgramFolder folder;
    const QByteArray before = "; mine\n[general]\noutputformat=1\n";
    folder.write("setup.ini", before);
    AppSettings settings;
    settings.load();
    QSignalSpy changed(&settings, &AppSettings::changed);
    OutputSettings wanted = settings.outputSettings();
    wanted.OutputFormat = 3;
    wanted.Mp3Bitrate = 320;
    wanted.OggQuality = 900;

    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    if (refusal == "folder") {
        QVERIFY(QFile::remove(folder.file("setup.ini")));
        QVERIFY(QDir(folder.path()).mkdir("setup.ini"));
    } else if (refusal == "limit") {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old;
        small.rlim_cur = 160;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
    }
    QString error;
    try {
        settings.save(wanted);
    } catch (const ClipvoxError &e) {
        error = e.text();
    }
    setrlimit(RLIMIT_FSIZE, &old);

    if (refusal.isEmpty()) {
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(settings.outputSettings().OutputFormat, 3);
        QCOMPARE(settings.outputSettings().OutputExt, QString("ogg"));
        OutputSettings back;
        loadSettings(back);
        QCOMPARE(back.OutputFormat, 3);
        QCOMPARE(back.Mp3Bitrate, 320);
        QCOMPARE(back.OggQuality, 900);
        QVERIFY(folder.read("setup.ini").startsWith("; mine\n"));
        return;
    }
    QCOMPARE(error, "Unable to write to " + folder.file("setup.ini"));
    QCOMPARE(changed.size(), 0);
    QCOMPARE(settings.outputSettings().OutputFormat, 1);
    QCOMPARE(settings.outputSettings().Mp3Bitrate, 128);
    if (refusal == "limit")
        QCOMPARE(folder.read("setup.ini"), before);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), refusal == "limit" ? QStringList{"setup.ini"} : QStringList{});
}

void TestSettingsFile::badFilesLoadDefaults()
{
    TempProgramFolder folder;
    // Binary garbage with a readable key in the middle.
    QByteArray garbage;
    for (int i = 0; i < 5000; ++i)
        garbage.append(char((i * 7919) % 256));
    folder.write("setup.ini", garbage + "\n[wav]\nbps=8\n" + garbage);
    OutputSettings s;
    loadSettings(s);
    QCOMPARE(s.WavBps, 8);
    QCOMPARE(s.Mp3Bitrate, 128);
    // Saving keeps the garbage byte for byte around our keys.
    saveGeneralSettings(s);
    const QByteArray after = folder.read("setup.ini");
    QVERIFY(after.startsWith(garbage.left(1000)));
    QVERIFY(after.contains("outputformat=0"));

    // A very large file: loads what it can, and a write refuses rather than truncating it.
    QByteArray big("[general]\noutputformat=3\n");
    big.append(QByteArray(17 * 1024 * 1024, 'x'));
    folder.write("setup.ini", big);
    loadSettings(s);
    QCOMPARE(s.OutputFormat, 3);
    QVERIFY_THROWS_EXCEPTION(ClipvoxError, saveGeneralSettings(s));
    QCOMPARE(QFileInfo(folder.file("setup.ini")).size(), big.size());
}

void TestSettingsFile::formatExtension()
{
    QCOMPARE(outputExtension(0), QString("mp3"));
    QCOMPARE(outputExtension(1), QString("wma"));
    QCOMPARE(outputExtension(2), QString("wav"));
    QCOMPARE(outputExtension(3), QString("ogg"));
    QCOMPARE(outputExtension(4), QString("flac"));
    QCOMPARE(outputExtension(5), QString("opus"));
    QCOMPARE(outputExtension(6), QString("m4a"));
    QCOMPARE(outputExtension(-1), QString("mp3"));
    QCOMPARE(outputExtension(7), QString("mp3"));
}

// The keys of FLAC, Opus, M4A, loudness and ReplayGain: defaults, values kept, nonsense falls back. Peaks
// over the ceiling are limited unless the file says to lower the whole clip.
void TestSettingsFile::newFormatKeys_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<int>>("want"); // flac rate ch bps level, opus kbps vbr ch, m4a rate kbps ch, loudness, peaks, replaygain
    // FLAC's rate and sample size default to 0, "Same as source".
    QTest::newRow("defaults") << QByteArray() << QList<int>{0, 2, 0, 5, 128, 1, 2, 44100, 192, 2, 0, 1, 0};
    QTest::newRow("kept") << QByteArray("[flac]\nfrequency=96000\n")
        + "channels=1\nbps=24\ncompression=0\n[opus]\nbitrate=32\nvbr=0\nchannels=1\n"
          "[m4a]\nfrequency=48000\nbitrate=0x140\nchannels=1\n[general]\nloudness=-14\npeaks=0\nreplaygain=2\n"
        << QList<int>{96000, 1, 24, 0, 32, 0, 1, 48000, 320, 1, -14, 0, 2};
    QTest::newRow("flac values stored before keep their meaning") << QByteArray("[flac]\nfrequency=44100\nbps=16\n")
                                                                  << QList<int>{44100, 2, 16, 5, 128, 1, 2, 44100, 192, 2, 0, 1, 0};
    QTest::newRow("flac same as source, highest rate") << QByteArray("[flac]\nfrequency=192000\nbps=0\n")
                                                       << QList<int>{192000, 2, 0, 5, 128, 1, 2, 44100, 192, 2, 0, 1, 0};
    QTest::newRow("nonsense") << QByteArray("[flac]\nfrequency=44101\nchannels=3\nbps=20\ncompression=9\n"
                                            "[opus]\nbitrate=300\nvbr=2\nchannels=0\n"
                                            "[m4a]\nfrequency=22050\nbitrate=32\nchannels=-1\n[general]\nloudness=-20\npeaks=2\nreplaygain=3\n")
                              << QList<int>{0, 2, 0, 5, 128, 1, 2, 44100, 192, 2, 0, 1, 0};
    QTest::newRow("flac rates off the list") << QByteArray("[flac]\nfrequency=384000\nbps=32\n")
                                             << QList<int>{0, 2, 0, 5, 128, 1, 2, 44100, 192, 2, 0, 1, 0};
    QTest::newRow("letters") << QByteArray("[flac]\nbps=abc\n[opus]\nbitrate=fast\n[general]\nloudness=loud\npeaks=x\nreplaygain=x\n")
                             << QList<int>{0, 2, 0, 5, 128, 1, 2, 44100, 192, 2, 0, 1, 0};
}

void TestSettingsFile::newFormatKeys()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<int>, want);
    TempProgramFolder folder;
    if (!file.isEmpty())
        folder.write("setup.ini", file);
    OutputSettings s;
    loadSettings(s);
    const QList<int> got{s.FlacFrequency, s.FlacChannels, s.FlacBps, s.FlacCompression, s.OpusBitrate,
                         int(s.OpusVbr), s.OpusChannels, s.M4aFrequency, s.M4aBitrate, s.M4aChannels,
                         s.LoudnessTarget, s.LoudnessPeaks, s.ReplayGain};
    QCOMPARE(got, want);
    saveSettings(s); // a round trip keeps every value
    OutputSettings back;
    loadSettings(back);
    QCOMPARE(back.FlacFrequency, s.FlacFrequency);
    QCOMPARE(back.FlacBps, s.FlacBps);
    QCOMPARE(back.OpusVbr, s.OpusVbr);
    QCOMPARE(back.M4aFrequency, s.M4aFrequency);
    QCOMPARE(back.LoudnessTarget, s.LoudnessTarget);
    QCOMPARE(back.LoudnessPeaks, s.LoudnessPeaks);
    QCOMPARE(back.ReplayGain, s.ReplayGain);
}

void TestSettingsFile::settingsPlace()
{
    // Beside the program when a setup.ini is there; else the user's XDG config folder,
    // made on the first write.
    TempProgramFolder program, home;
    const QByteArray oldHome = qgetenv("HOME"), oldXdg = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toUtf8());
    for (const QByteArray &xdg : {QByteArray(), QByteArray("relative/dir"), (home.path() + "xdg").toUtf8()}) {
        qputenv("XDG_CONFIG_HOME", xdg);
        setProgramFolder(program.path(), SettingsPlace::ByRule);
        const QString expected = (xdg.startsWith('/') ? QString::fromUtf8(xdg) : home.path() + ".config") +
                                 "/clipvox/setup.ini";
        QCOMPARE(settingsFilePath(), expected);
        OutputSettings s;
        loadSettings(s);
        s.OutputFormat = 3;
        saveGeneralSettings(s);
        QVERIFY(QFile::exists(expected));
        QVERIFY(!QFile::exists(program.file("setup.ini")));
        OutputSettings back;
        loadSettings(back);
        QCOMPARE(back.OutputFormat, 3);
    }
    program.write("setup.ini", "[general]\noutputformat=2\n");
    QCOMPARE(settingsFilePath(), program.file("setup.ini"));
    OutputSettings s;
    loadSettings(s);
    QCOMPARE(s.OutputFormat, 2);
    qputenv("HOME", oldHome);
    oldXdg.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", oldXdg);
}

void TestSettingsFile::systemDefaults_data()
{
    QTest::addColumn<QByteArray>("user");
    QTest::addColumn<bool>("portable");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("bitrate");
    QTest::addColumn<QString>("namePattern");
    QTest::newRow("system file only") << QByteArray() << false << 4 << 192 << "{n}-{name}";
    QTest::newRow("user overrides key by key") << QByteArray("[general]\noutputformat=2\n") << false << 2 << 192
                                               << "{n}-{name}";
    QTest::newRow("user value out of range: the system's")
        << QByteArray("[mp3]\nbitrate=999\n") << false << 4 << 192 << "{n}-{name}";
    QTest::newRow("portable copy: built-in defaults") << QByteArray() << true << 0 << 128 << "{name}";
}

// A setup.ini in $XDG_CONFIG_DIRS/clipvox gives the defaults under the user's own file;
// the first folder that has one wins, a portable copy ignores it, and it is never written.
void TestSettingsFile::systemDefaults()
{
    QFETCH(QByteArray, user);
    QFETCH(bool, portable);
    QFETCH(int, format);
    QFETCH(int, bitrate);
    QFETCH(QString, namePattern);
    TempProgramFolder program, home;
    for (const char *folder : {"sys1/clipvox", "sys2/clipvox", "empty/clipvox", "user/clipvox"})
        QDir(home.path()).mkpath(folder);
    const QByteArray system = "[general]\noutputformat=4\nnamepattern={n}-{name}\njobs=999\n[mp3]\nbitrate=192\n";
    home.write("sys1/clipvox/setup.ini", system);
    home.write("sys2/clipvox/setup.ini", "[general]\noutputformat=3\n[mp3]\nbitrate=320\n");
    const QByteArray oldXdg = qgetenv("XDG_CONFIG_HOME"), oldDirs = qgetenv("XDG_CONFIG_DIRS");
    qputenv("XDG_CONFIG_HOME", (home.path() + "user").toUtf8());
    qputenv("XDG_CONFIG_DIRS", ("sys2:" + home.path() + "empty:" + home.path() + "sys1:" + home.path() + "sys2").toUtf8());
    if (portable)
        program.write("setup.ini", user);
    else if (!user.isEmpty())
        home.write("user/clipvox/setup.ini", user);
    setProgramFolder(program.path(), SettingsPlace::ByRule);
    OutputSettings s;
    loadSettings(s);
    QCOMPARE(s.OutputFormat, format);
    QCOMPARE(s.Mp3Bitrate, bitrate);
    QCOMPARE(s.NamePattern, namePattern);
    QCOMPARE(s.Jobs, 1); // out of range in the system file: the built-in default
    saveSettings(s);
    QCOMPARE(home.read("sys1/clipvox/setup.ini"), system);
    QCOMPARE(IniFile(settingsFilePath()).readInteger("general", "outputformat", -1), format);
    oldDirs.isNull() ? qunsetenv("XDG_CONFIG_DIRS") : qputenv("XDG_CONFIG_DIRS", oldDirs);
    oldXdg.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", oldXdg);
}

void TestSettingsFile::jobsStayWithinTheCores_data()
{
    const int cores = std::max(1, QThread::idealThreadCount());
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("jobs");
    QTest::newRow("one") << QByteArray("1") << 1;
    QTest::newRow("all cores") << QByteArray::number(cores) << cores;
    QTest::newRow("more than the cores") << QByteArray("64") << 1; // out of range: the default
    QTest::newRow("zero") << QByteArray("0") << 1;
    QTest::newRow("negative") << QByteArray("-2") << 1;
    QTest::newRow("no number") << QByteArray("many") << 1;
}

void TestSettingsFile::jobsStayWithinTheCores()
{
    QFETCH(QByteArray, value);
    QFETCH(int, jobs);
    TempProgramFolder folder;
    folder.write("setup.ini", "[general]\njobs=" + value + "\n");
    OutputSettings s;
    loadSettings(s);
    QCOMPARE(s.Jobs, jobs);
}

void TestSettingsFile::outOfRangeKeysFallBack_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("loaded");
    QTest::newRow("mp3 channels 7") << "mp3" << "channels" << "7" << 3;
    QTest::newRow("mp3 channels 5 kept") << "mp3" << "channels" << "5" << 5;
    QTest::newRow("mp3 vbrquality 20") << "mp3" << "vbrquality" << "20" << 7;
    QTest::newRow("mp3 vbrquality 0 kept") << "mp3" << "vbrquality" << "0" << 0;
    QTest::newRow("mp3 frequency 12345") << "mp3" << "frequency" << "12345" << 44100;
    QTest::newRow("mp3 bitrate 40") << "mp3" << "bitrate" << "40" << 128;
    QTest::newRow("mp3 maxbitrate 999") << "mp3" << "maxbitrate" << "999" << 192;
    QTest::newRow("wav channels 5") << "wav" << "channels" << "5" << 2;
    QTest::newRow("wav channels 1 kept") << "wav" << "channels" << "1" << 1;
    QTest::newRow("wav bps 24 kept") << "wav" << "bps" << "24" << 24;
    QTest::newRow("wav bps 12") << "wav" << "bps" << "12" << 16;
    QTest::newRow("wav frequency 96000 kept") << "wav" << "frequency" << "96000" << 96000;
    QTest::newRow("wav frequency of the source kept") << "wav" << "frequency" << "0" << 0;
    QTest::newRow("wma profile 99") << "wma" << "wmaprofile" << "99" << 38;
    QTest::newRow("wma profile 47 kept") << "wma" << "wmaprofile" << "47" << 47;
    QTest::newRow("ogg channels 3") << "ogg" << "channels" << "3" << 2;
    QTest::newRow("ogg frequency 0") << "ogg" << "frequency" << "0" << 44100;
    QTest::newRow("ogg bitrate 500") << "ogg" << "bitrate" << "500" << 128;
    QTest::newRow("ogg maxbitrate 80") << "ogg" << "maxbitrate" << "80" << 192;
    QTest::newRow("ogg quality 550") << "ogg" << "quality" << "550" << 500;
    QTest::newRow("output format 7") << "general" << "outputformat" << "7" << 0;
}

// A value outside its list loads as the key's default, so that the settings dialog shows it
// and its OK writes the default back, never a blank box's 0 or -1.
void TestSettingsFile::outOfRangeKeysFallBack()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(int, loaded);
    TempProgramFolder folder;
    folder.write("setup.ini", QStringLiteral("[%1]\n%2=%3\n").arg(section, key, value).toUtf8());
    OutputSettings s;
    loadSettings(s);
    saveSettings(s);
    QCOMPARE(IniFile(settingsFilePath()).readInteger(section, key, INT_MIN), loaded);
}

// --set and the preset files set keys by name with the checks of the file's reading: every
// key takes the value it loads with and gives it back; values the file would not load are
// refused with a reason that names the key.
void TestSettingsFile::keysByName_data()
{
    QTest::addColumn<QString>("name"); // section.key
    QTest::addColumn<QString>("value"); // empty: the value it loads with
    QTest::addColumn<QString>("stored"); // as setup.ini would hold it; empty: refused
    for (const QString &name : outputKeyNames())
        QTest::newRow(qPrintable(name)) << name << QString() << QString();
    QTest::newRow("names ignore case, hexadecimal") << "MP3.BitRate" << "0xC0" << "192";
    QTest::newRow("bit rate off the list") << "mp3.bitrate" << "40" << "";
    QTest::newRow("channels over the range") << "mp3.channels" << "6" << "";
    QTest::newRow("ogg quality between steps") << "ogg.quality" << "550" << "";
    QTest::newRow("loudness not offered") << "general.loudness" << "-17" << "";
    QTest::newRow("letters") << "opus.bitrate" << "fast" << "";
    QTest::newRow("unknown key") << "mp3.speed" << "1" << "";
    QTest::newRow("key of no output setting") << "tips.tipno" << "1" << "";
}

void TestSettingsFile::keysByName()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(QString, stored);
    TempProgramFolder folder;
    OutputSettings loaded;
    loadSettings(loaded);
    const QString section = name.section('.', 0, 0), key = name.section('.', 1);
    const bool roundTrip = value.isEmpty();
    if (roundTrip) {
        value = stored = outputKeyText(loaded, section, key);
        QVERIFY(!value.isNull());
    }
    OutputSettings s = loaded;
    const Result<void> set = setOutputKey(s, section, key, value);
    QCOMPARE(set.ok(), !stored.isEmpty());
    if (!set.ok()) {
        QVERIFY2(set.reason().contains(name, Qt::CaseInsensitive), qPrintable(set.reason()));
        QCOMPARE(outputKeyText(s, section, key), outputKeyText(loaded, section, key)); // nothing changed
        return;
    }
    QCOMPARE(outputKeyText(s, section, key), stored);
    // What the settings file would give for the same text.
    folder.write("setup.ini", QStringLiteral("[%1]\n%2=%3\n").arg(section, key, value).toUtf8());
    OutputSettings file;
    loadSettings(file);
    QCOMPARE(outputKeyText(file, section, key), stored);
}

// A temporary $XDG_CONFIG_HOME and $XDG_CONFIG_DIRS for the presets, as they were afterwards.
struct PresetHome
{
    PresetHome()
    {
        QDir(folder.path()).mkpath("user/clipvox/presets");
        QDir(folder.path()).mkpath("system/clipvox/presets");
        qputenv("XDG_CONFIG_HOME", (folder.path() + "user").toUtf8());
        qputenv("XDG_CONFIG_DIRS", (folder.path() + "system").toUtf8());
    }
    ~PresetHome()
    {
        oldDirs.isNull() ? qunsetenv("XDG_CONFIG_DIRS") : qputenv("XDG_CONFIG_DIRS", oldDirs);
        oldHome.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", oldHome);
    }
    const QByteArray oldHome = qgetenv("XDG_CONFIG_HOME"), oldDirs = qgetenv("XDG_CONFIG_DIRS");
    TempProgramFolder folder;
};

// Shipped presets give their format; a system preset hides a shipped one and a user's both; a
// damaged file is skipped with its name said, and left byte for byte.
void TestSettingsFile::presetFiles_data()
{
    QTest::addColumn<QString>("file");       // under the temporary config folders; empty: none
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("preset");
    QTest::addColumn<int>("format");          // -1: the file is skipped
    QTest::addColumn<QString>("key");         // a key the preset sets, and its value applied
    QTest::addColumn<QString>("value");
    QTest::newRow("shipped podcast") << "" << QByteArray() << "podcast" << 0 << "mp3.channels" << "1";
    QTest::newRow("shipped music") << "" << QByteArray() << "music" << 3 << "general.replaygain" << "2";
    QTest::newRow("shipped archive") << "" << QByteArray() << "archive" << 4 << "flac.frequency" << "0";
    QTest::newRow("shipped phone") << "" << QByteArray() << "phone" << 6 << "general.loudness" << "-16";
    QTest::newRow("shipped editing") << "" << QByteArray() << "editing" << 2 << "wav.frequency" << "48000";
    QTest::newRow("system over shipped") << "system/clipvox/presets/Podcast.ini"
                                         << QByteArray("[general]\noutputformat=5\n[opus]\nchannels=1\n") << "podcast" << 5
                                         << "opus.channels" << "1";
    QTest::newRow("user, keys in any case") << "user/clipvox/presets/mine.ini"
                                            << QByteArray("; mine\n[Preset]\ndescription=x\n[MP3]\nBitRate=0xC0\n") << "mine" << 0
                                            << "mp3.bitrate" << "192";
    QTest::newRow("value off its list") << "user/clipvox/presets/bad.ini" << QByteArray("[mp3]\nbitrate=41\n") << "bad" << -1
                                        << "" << "";
    QTest::newRow("unknown key") << "user/clipvox/presets/bad.ini" << QByteArray("[mp3]\nspeed=1\n") << "bad" << -1 << "" << "";
    QTest::newRow("stray line") << "user/clipvox/presets/bad.ini" << QByteArray("[mp3]\nbitrate=192\n}{\x01\n") << "bad" << -1
                                << "" << "";
    QTest::newRow("key before a section") << "user/clipvox/presets/bad.ini" << QByteArray("bitrate=192\n") << "bad" << -1 << "" << "";
    QTest::newRow("sets nothing") << "user/clipvox/presets/bad.ini" << QByteArray("[preset]\ndescription=x\n") << "bad" << -1
                                  << "" << "";
}

void TestSettingsFile::presetFiles()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QString, preset);
    QFETCH(int, format);
    QFETCH(QString, key);
    QFETCH(QString, value);
    PresetHome home;
    if (!file.isEmpty())
        home.folder.write(file, content);
    const PresetList list = loadPresets();
    const Preset *found = list.find(preset);
    if (format < 0) {
        QVERIFY(!found);
        QCOMPARE(list.skipped.size(), 1);
        QVERIFY2(list.skipped[0].contains(home.folder.file(file)), qPrintable(list.skipped[0]));
        QCOMPARE(home.folder.read(file), content);
        QVERIFY(list.find("podcast")); // the others still there
        return;
    }
    QVERIFY(list.skipped.isEmpty());
    QVERIFY(found);
    QCOMPARE(found->readOnly(), !file.startsWith("user/"));
    OutputSettings s;
    loadSettings(s);
    found->applyTo(s);
    QCOMPARE(s.OutputFormat, format);
    QCOMPARE(s.OutputExt, outputExtension(format));
    QCOMPARE(outputKeyText(s, key.section('.', 0, 0), key.section('.', 1)), value);
    QVERIFY(found->matches(s));
}

// Save as writes a preset that gives back the settings it was made from, and never over
// another; a rename never replaces one; read-only presets are neither renamed nor deleted.
void TestSettingsFile::presetsSavedRenamedDeleted()
{
    PresetHome home;
    OutputSettings s;
    loadSettings(s);
    loadPresets().find("archive")->applyTo(s);
    s.FlacCompression = 3;
    QVERIFY(savePreset("my archive", "Mine", s));
    QVERIFY(!savePreset("My Archive", "again", s)); // exists already (names ignore case on find only)
    QVERIFY(!savePreset("a/b", "", s));
    QVERIFY(savePreset("other", "", s));
    PresetList list = loadPresets();
    const Preset *mine = list.find("my archive");
    QVERIFY(mine && !mine->readOnly());
    QCOMPARE(mine->description, QString("Mine"));
    QVERIFY(mine->matches(s));
    OutputSettings changed = s;
    changed.FlacCompression = 8;
    QVERIFY(!mine->matches(changed));
    mine->applyTo(changed);
    QCOMPARE(changed.FlacCompression, 3);
    QVERIFY(!changed.OutputPath.isEmpty() && !mine->keys.contains({"general.outputpath", changed.OutputPath}));

    QVERIFY(!renamePreset(*mine, "other")); // never over another preset
    QVERIFY(QFile::exists(home.folder.file("user/clipvox/presets/other.ini")));
    QVERIFY(renamePreset(*mine, "kept"));
    QVERIFY(!deletePreset(*list.find("podcast")));
    QVERIFY(!renamePreset(*list.find("podcast"), "x"));
    list = loadPresets();
    QVERIFY(!list.find("my archive") && list.find("kept"));
    QVERIFY(deletePreset(*list.find("kept")));
    QVERIFY(!loadPresets().find("kept"));
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
