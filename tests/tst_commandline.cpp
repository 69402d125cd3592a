// SPDX-License-Identifier: GPL-3.0-or-later
// clipvox --convert through the real executable: lines, files, exit codes, Ctrl+C.
#include "support/fixtures.h"
#include "media_fixtures.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>
#include <csignal>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

class TestCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void batchWithoutDisplay();
    void clipAndNames();
    void namesKept_data();
    void namesKept();
    void usageErrors_data();
    void usageErrors();
    void interruptLeavesNothing_data();
    void interruptLeavesNothing();
    void signalWhileNaming_data();
    void signalWhileNaming();
    void fileSizeLimit();
    void soundTrack_data();
    void soundTrack();
    void splitChapters();
    void albumOptions_data();
    void albumOptions();
    void writeFailures_data();
    void writeFailures();
    void damagedSamples_data();
    void damagedSamples();
    void replayGainTags_data();
    void replayGainTags();
    void albumGainKeepsTheDifferences();
    void manualNamesEveryOption();
    void completionNamesEveryOption();
    void valueBeforeRawName();
    void settingsAndListsOfFiles();
    void jsonProgress();
    void watchFolder();

private:
    struct Result
    {
        int code;
        QStringList lines;
        QString errors;
    };
    // Runs clipvox with no display and no platform, settings in a folder of the test's.
    // With a script, bash runs it with clipvox as $0 and the arguments as "$@".
    Result run(const QStringList &args, QProcess *started = nullptr, const QString &script = {});
    // The options the usage text names, and the help text itself.
    QSet<QString> helpedOptions(QString *text = nullptr);

    // Three sources of a tone and noise, 4 s each, about 18 LU apart: made once.
    QStringList loudnessSources();

    QTemporaryDir m_dir, m_config;
    QString m_avi, m_film;
    QStringList m_loud;
};

void TestCommandLine::initTestCase()
{
    m_avi = makeVideo(m_dir.filePath("clip.avi"), "avi", 3.0);
    QVERIFY(!m_avi.isEmpty());
    m_film = makeFilm(m_dir.filePath("film.mkv"));
    QVERIFY(!m_film.isEmpty());
    // The window's setup.ini, in the user's config folder: OGG unless told otherwise.
    QVERIFY(QDir().mkpath(m_config.filePath("clipvox")));
    QFile ini(m_config.filePath("clipvox/setup.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[general]\noutputformat=3\n");
}

TestCommandLine::Result TestCommandLine::run(const QStringList &args, QProcess *started, const QString &script)
{
    QProcess local;
    QProcess &p = started ? *started : local;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    env.insert("XDG_CONFIG_HOME", m_config.path());
    env.insert("XDG_STATE_HOME", m_config.filePath("state"));
    p.setProcessEnvironment(env);
    const QString clipvox = QCoreApplication::applicationDirPath() + "/clipvox";
    if (!script.isEmpty())
        p.start("/bin/bash", QStringList{"-c", script, clipvox} << args);
    else
        p.start(clipvox, args);
    if (started)
        return {};
    if (!p.waitForFinished(300000))
        return {-1, {}, "timed out"};
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, out.split('\n', Qt::SkipEmptyParts),
            QString::fromUtf8(p.readAllStandardError())};
}

void TestCommandLine::batchWithoutDisplay()
{
    // Three videos, one without sound, one whose name a shell and a URL would stumble on.
    const QString silent = makeVideo(m_dir.filePath("silent.avi"), "silent-avi", 2.0);
    const QString odd = m_dir.filePath("-odd #1 ?'\"é.avi");
    QVERIFY(QFile::copy(m_avi, odd));
    const QString out = m_dir.filePath("batch");
    const Result r = run({"--convert", "--output", out, "--", m_avi, silent, odd});
    QCOMPARE(r.code, 1);
    QCOMPARE(r.lines.size(), 3);
    QCOMPARE(r.lines[0], QString("ok %1 -> %2/clip.ogg (00:00:03)").arg(m_avi, out));
    QVERIFY2(r.lines[1].startsWith("failed " + silent + ": ") && r.lines[1].size() > silent.size() + 10,
             qPrintable(r.lines[1]));
    QCOMPARE(r.lines[2], QString("ok %1 -> %2/-odd #1 ?'\"é.ogg (00:00:03)").arg(odd, out));
    QVERIFY(r.errors.isEmpty()); // standard error is no terminal: no progress
    for (const QString name : {"clip.ogg", "-odd #1 ?'\"é.ogg"}) {
        QCOMPARE(probeAudio(out + "/" + name).value("codec_name").toString(), QString("vorbis"));
        QVERIFY(qAbs(probeDuration(out + "/" + name) - 3.0) < 0.06);
    }
    QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden).size(), 2);

    const Result all = run({"--convert", "--jobs", "2", "--format", "mp3", "--output", out, m_avi, odd});
    QCOMPARE(all.code, 0);
    QCOMPARE(probeAudio(out + "/clip.mp3").value("codec_name").toString(), QString("mp3"));
}

void TestCommandLine::clipAndNames()
{
    const QString out = m_dir.filePath("names");
    const QStringList clip{"--convert", "--format", "wav", "--start", "00:00:01", "--end", "00:00:02",
                           "--output", out, m_avi};
    QCOMPARE(run(clip).code, 0);
    QVERIFY(qAbs(probeDuration(out + "/clip.wav") - 1.0) < 0.06);

    // Without --overwrite the existing file is kept and the line says so; with it, replaced.
    QFile mine(out + "/clip.wav");
    const qint64 before = mine.size();
    Result r = run(QStringList(clip).replaceInStrings("00:00:02", "00:00:03"));
    QCOMPARE(r.code, 0);
    QVERIFY2(r.lines.value(0).endsWith(out + "/clip (2).wav (00:00:02; clip.wav exists and was kept)"),
             qPrintable(r.lines.value(0)));
    QCOMPARE(QFileInfo(out + "/clip.wav").size(), before);
    r = run(QStringList(clip).replaceInStrings("00:00:02", "00:00:03") << "--overwrite");
    QCOMPARE(r.code, 0);
    QVERIFY(qAbs(probeDuration(out + "/clip.wav") - 2.0) < 0.06);
    QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden).size(), 2);

    // A start after the end, an end past the source, a file that is not there: failed lines.
    r = run({"--convert", "--start", "00:00:02", "--end", "00:00:01", "--output", out, m_avi, out + "/none.avi"});
    QCOMPARE(r.code, 1);
    QCOMPARE(r.lines.size(), 2);
    QVERIFY(r.lines[0].startsWith("failed " + m_avi + ": "));
    QCOMPARE(r.lines[1], "failed " + out + "/none.avi: No such file");

    // Made even, the line ends with the loudness reached, which the ffmpeg tool reads too.
    r = run({"--convert", "--format", "flac", "--loudness", "-16", "--peaks", "lower", "--output", out, m_avi});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.lines.value(0), QString("ok %1 -> %2/clip.flac (00:00:03, -16.0 LUFS)").arg(m_avi, out));
    QVERIFY(qAbs(fixtures::ffmpegLoudness(out + "/clip.flac").integratedLufs - -16.0) <= 0.1);
}

// Names as the file system gives them, control characters quoted as `ls` does (in a reason
// too), a source that is its own output kept even with --overwrite, an existing output
// skipped, a name of 255 bytes that needs " (2)", and a name of a temporary's form.
void TestCommandLine::namesKept_data()
{
    QTest::addColumn<QString>("file");     // printf %b escapes, as in option and existing
    QTest::addColumn<QString>("option");   // D stands for the folder, as in line
    QTest::addColumn<QString>("existing"); // a file made before the run
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("files"); // the folder afterwards
    QTest::newRow("own source, overwrite")
        << "talk.ogg" << "--overwrite" << "" << "ok D/talk.ogg -> D/talk (2).ogg (00:00:03; talk.ogg is a source of this run and was kept)"
        << QStringList{"talk (2).ogg", "talk.ogg"};
    QTest::newRow("newline") << "a\\nb.avi" << "--jobs=1" << "" << "ok $'D/a\\nb.avi' -> D/a_b.ogg (00:00:03)"
                             << QStringList{"a\nb.avi", "a_b.ogg"};
    QTest::newRow("not UTF-8") << "c\\0377.avi" << "--jobs=1" << ""
                               << "ok $'D/c\\377.avi' -> D/c%FF.ogg (00:00:03; its name is not UTF-8: the output's name has %XX for each byte that is not)"
                               << QStringList{QString::fromUtf8("c\xef\xbf\xbd.avi"), "c%FF.ogg"};
    QTest::newRow("name pattern") << "clip.avi" << "--name={n}. {title}" << "" << "ok D/clip.avi -> D/1. clip.ogg (00:00:03)"
                                  << QStringList{"1. clip.ogg", "clip.avi"};
    QTest::newRow("skip existing") << "clip.avi" << "--skip-existing" << "clip.ogg"
                                   << "skipped D/clip.avi: D/clip.ogg exists and was kept" << QStringList{"clip.avi", "clip.ogg"};
    QTest::newRow("control characters in a reason")
        << "clip.avi" << "--output=D/f\\nx\\033/sub" << "f\\nx\\033"
        << "failed D/clip.avi: Cannot create a file in $'D/f\\nx\\033/sub/': Not a directory" << QStringList{"clip.avi", "f\nx\033"};
    const QString x251(251, 'x'), x247(247, 'x');
    QTest::newRow("255 bytes and (2)") << x251 + ".avi" << "--jobs=1" << x251 + ".ogg"
                                       << QString("ok D/%1.avi -> D/%2 (2).ogg (00:00:03; %1.ogg exists and was kept)").arg(x251, x247)
                                       << QStringList{x251 + ".avi", x251 + ".ogg", x247 + " (2).ogg"};
    QTest::newRow("a temporary's form") << ".precious.clipvox-abcdef.avi" << "--jobs=1" << ""
                                        << "ok D/.precious.clipvox-abcdef.avi -> D/_precious.clipvox-abcdef.ogg (00:00:03)"
                                        << QStringList{".precious.clipvox-abcdef.avi", "_precious.clipvox-abcdef.ogg"};
}

void TestCommandLine::namesKept()
{
    QFETCH(QString, file);
    QFETCH(QString, option);
    QFETCH(QString, existing);
    QFETCH(QString, line);
    QFETCH(QStringList, files);
    QTemporaryDir dir;
    const auto bytes = [](const QString &escaped) {
        QProcess printf;
        printf.start("/bin/sh", {"-c", "printf '%b' \"$0\"", escaped});
        printf.waitForFinished();
        return printf.readAllStandardOutput();
    };
    const QByteArray path = QFile::encodeName(dir.path()) + '/' + bytes(file);
    QVERIFY(::link(QFile::encodeName(m_avi).constData(), path.constData()) == 0);
    if (!existing.isEmpty())
        QVERIFY(QFile(QFile::decodeName(QFile::encodeName(dir.path()) + '/' + bytes(existing))).open(QIODevice::WriteOnly));
    // The names go as the bytes printf makes of their escapes.
    const Result r = run({"--convert", "--format", "ogg", QString(option).replace("D/", dir.path() + "/"), dir.path() + "/" + file},
                         nullptr, "a=(); for x; do a+=(\"$(printf '%b' \"$x\")\"); done; exec \"$0\" \"${a[@]}\"");
    QCOMPARE(r.lines, QStringList{QString(line).replace("D/", dir.path() + "/")});
    QStringList names; // as the file system gives them, not UTF-8 shown with U+FFFD
    DIR *listing = ::opendir(QFile::encodeName(dir.path()).constData());
    QVERIFY(listing);
    while (const dirent *e = ::readdir(listing))
        if (qstrcmp(e->d_name, ".") != 0 && qstrcmp(e->d_name, "..") != 0)
            names << QString::fromUtf8(e->d_name);
    ::closedir(listing);
    names.sort();
    files.sort();
    QCOMPARE(names, files);
    struct stat st = {};
    QVERIFY(::stat(path.constData(), &st) == 0);
    QCOMPARE(qint64(st.st_size), QFileInfo(m_avi).size()); // the source is as it was
}

void TestCommandLine::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no files") << QStringList{"--convert"};
    QTest::newRow("unknown option") << QStringList{"--convert", "--fast", "a.avi"};
    QTest::newRow("unknown format") << QStringList{"--convert", "--format", "aiff", "a.avi"};
    QTest::newRow("bad start") << QStringList{"--convert", "--start", "1:2", "a.avi"};
    QTest::newRow("bad end") << QStringList{"--convert", "--end", "later", "a.avi"};
    QTest::newRow("bad jobs") << QStringList{"--convert", "--jobs", "0", "a.avi"};
    QTest::newRow("bad track") << QStringList{"--convert", "--track", "0", "a.avi"};
    QTest::newRow("bad loudness") << QStringList{"--convert", "--loudness", "-3", "a.avi"};
    QTest::newRow("bad peaks") << QStringList{"--convert", "--peaks", "clip", "a.avi"};
    QTest::newRow("unknown name field") << QStringList{"--convert", "--name", "{name} {bogus}", "a.avi"};
    QTest::newRow("option without --convert") << QStringList{"--help", "--format", "mp3"};
    QTest::newRow("--set unknown key") << QStringList{"--convert", "--set", "mp3.speed=1", "a.avi"};
    QTest::newRow("--set out of its list") << QStringList{"--convert", "--set", "mp3.bitrate=40", "a.avi"};
    QTest::newRow("--set without a value") << QStringList{"--convert", "--set", "mp3.bitrate", "a.avi"};
    QTest::newRow("--null without a list") << QStringList{"--convert", "-0", "a.avi"};
    QTest::newRow("unknown preset") << QStringList{"--convert", "--preset", "nope", "a.avi"};
    QTest::newRow("bad progress form") << QStringList{"--convert", "--progress", "xml", "a.avi"};
    QTest::newRow("--watch and files") << QStringList{"--convert", "--watch", "/tmp", "a.avi"};
    QTest::newRow("--watch no folder") << QStringList{"--convert", "--watch", "/nonexistent/folder"};
    QTest::newRow("list not there") << QStringList{"--convert", "--files-from", "/nonexistent/list"};
    QTest::newRow("unknown tag field") << QStringList{"--convert", "--tag", "mood=calm", "a.avi"};
    QTest::newRow("tag year not a number") << QStringList{"--convert", "--tag", "year=soon", "a.avi"};
    QTest::newRow("tag without a value") << QStringList{"--convert", "--tag", "artist", "a.avi"};
    QTest::newRow("--number and a track") << QStringList{"--convert", "--number", "--tag", "track=1", "a.avi"};
    QTest::newRow("unknown name field") << QStringList{"--convert", "--tags-from-name", "{n} - {mood}", "a.avi"};
    QTest::newRow("name pattern without a field") << QStringList{"--convert", "--tags-from-name", "title", "a.avi"};
    QTest::newRow("bad start from the end") << QStringList{"--convert", "--start", "-1:2", "a.avi"};
}

void TestCommandLine::usageErrors()
{
    QFETCH(QStringList, args);
    const Result r = run(args);
    if (args.first() == "--help") { // help wins, on standard output
        QCOMPARE(r.code, 0);
        QVERIFY(r.lines.value(0).startsWith("Usage:"));
        return;
    }
    QCOMPARE(r.code, 2);
    QVERIFY(r.lines.isEmpty());
    const QStringList said = r.errors.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(said.size(), 2); // the reason, and where the help is
    QVERIFY2(said[0].startsWith("clipvox: ") && said[1] == "Try 'clipvox --convert --help'.", qPrintable(r.errors));
    // A wrong setting is named, with what it takes.
    if (const qsizetype set = args.indexOf("--set"); set >= 0)
        QVERIFY2(said[0].contains(args[set + 1].section('=', 0, 0))
                     && said[0].contains("one of 8, 16, 24") == args[set + 1].endsWith("=40"),
                 qPrintable(said[0]));
    // A wrong tag names its field.
    if (const qsizetype tag = args.indexOf("--tag"); tag >= 0)
        QVERIFY2(said[0].contains(args[tag + 1].section('=', 0, 0)), qPrintable(said[0]));
}

// SIGINT, SIGHUP and a standard output that closes each end the run with no hidden file left.
void TestCommandLine::interruptLeavesNothing_data()
{
    QTest::addColumn<int>("signal"); // 0: standard output closes
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGHUP") << int(SIGHUP);
    QTest::newRow("output closed") << 0;
}

void TestCommandLine::interruptLeavesNothing()
{
    QFETCH(int, signal);
    const QString longAvi = m_dir.filePath("long.avi");
    if (!QFile::exists(longAvi))
        QVERIFY(runFfmpeg({"-f", "lavfi", "-i", "color=size=64x48:rate=5:duration=600", "-f", "lavfi", "-i",
                           "sine=frequency=300:sample_rate=44100:duration=600", "-c:v", "mpeg4", "-c:a",
                           "pcm_s16le", longAvi}));
    QTemporaryDir out;
    QFile old(out.filePath("long.mp3")); // a file from before must survive
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("mine");
    old.close();
    QProcess p;
    if (signal) {
        run({"--convert", "--overwrite", "--jobs", "2", "--format", "mp3", "--output", out.path(), longAvi, longAvi}, &p);
        // Interrupted once both jobs have made their hidden outputs.
        QTRY_VERIFY_WITH_TIMEOUT(QDir(out.path()).entryList({".*clipvox*"}, QDir::Files | QDir::Hidden).size() >= 2, 60000);
        ::kill(pid_t(p.processId()), signal);
    } else {
        // The short file's line finds no reader while the long one is converted.
        run({"--convert", "--overwrite", "--jobs", "2", "--format", "mp3", "--output", out.path(), m_avi, longAvi}, &p,
            "\"$0\" \"$@\" | true; exit ${PIPESTATUS[0]}");
        QVERIFY(p.waitForStarted());
    }
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 130);
    if (signal)
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()),
                 QString("failed %1: Cancelled\nfailed %1: Cancelled\n").arg(longAvi));
    const QStringList left = QDir(out.path()).entryList(QDir::Files | QDir::Hidden);
    QVERIFY2(left == QStringList{"long.mp3"} || left == (QStringList{"clip.mp3", "long.mp3"}), qPrintable(left.join(", ")));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("mine"));
}

// SIGTERM and SIGHUP while the sources are read to name their outputs cancel as Ctrl+C does:
// every file "Cancelled", exit code 130, nothing written.
void TestCommandLine::signalWhileNaming_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

void TestCommandLine::signalWhileNaming()
{
    QFETCH(int, signal);
    QTemporaryDir dir;
    const QString sources = QFileInfo(dir.path()).canonicalFilePath() + "/v";
    QStringList args{"--convert", "--name", "{title}", "--output", dir.filePath("out")};
    for (int i = 0; i < 2000; ++i) {
        args << sources + QString::number(i) + ".avi";
        QVERIFY(::link(QFile::encodeName(m_avi).constData(), QFile::encodeName(args.last()).constData()) == 0);
    }
    QProcess p;
    run(args, &p);
    QVERIFY(p.waitForStarted());
    // Signalled while it reads a source for its tags.
    const QDir fds(QString("/proc/%1/fd").arg(p.processId()));
    QVERIFY(QTest::qWaitFor([&] {
        const QFileInfoList open = fds.entryInfoList(QDir::Files | QDir::System);
        return std::any_of(open.begin(), open.end(), [&](const QFileInfo &fd) { return fd.symLinkTarget().startsWith(sources); });
    }, 30000));
    ::kill(pid_t(p.processId()), signal);
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 130);
    const QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2000);
    QCOMPARE(lines.filter(QRegularExpression("^failed .*: Cancelled$")).size(), 2000);
    QVERIFY(QDir(dir.filePath("out")).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

// Under a file-size limit the write fails with "File too large" and leaves nothing.
void TestCommandLine::fileSizeLimit()
{
    QTemporaryDir out;
    const Result r = run({"--convert", "--format", "wav", "--output", out.path(), m_avi}, nullptr, "ulimit -f 64; exec \"$0\" \"$@\"");
    QCOMPARE(r.code, 1);
    QCOMPARE(r.lines.size(), 1);
    QVERIFY2(r.lines[0].startsWith("failed " + m_avi + ": ") && r.lines[0].contains("File too large"), qPrintable(r.lines[0]));
    QVERIFY(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

// --track picks the sound track of every file by its number; a file without it fails.
void TestCommandLine::soundTrack_data()
{
    QTest::addColumn<QStringList>("track");
    QTest::addColumn<double>("frequency"); // 0: the file fails
    QTest::newRow("default") << QStringList{} << 440.0;
    QTest::newRow("first") << QStringList{"--track", "1"} << 440.0;
    QTest::newRow("commentary") << QStringList{"--track", "2"} << 1000.0;
    QTest::newRow("beyond the last") << QStringList{"--track", "3"} << 0.0;
}

void TestCommandLine::soundTrack()
{
    QFETCH(QStringList, track);
    QFETCH(double, frequency);
    const QString out = m_dir.filePath(QString("track-%1").arg(QTest::currentDataTag()));
    const Result r = run(QStringList{"--convert", "--format", "flac", "--output", out} + track + QStringList{m_film});
    if (frequency == 0) {
        QCOMPARE(r.code, 1);
        QCOMPARE(r.lines, QStringList{"failed " + m_film + ": No sound track 3: the source has 2"});
        QVERIFY(QDir(out).isEmpty());
        return;
    }
    QCOMPARE(r.code, 0);
    QVERIFY(qAbs(toneFrequency(out + "/film.flac") - frequency) < 5);
}

// --split-chapters: one output per chapter, cut exact to the sample, titled and numbered; a
// chapter without a title is "Chapter N". With --track the chapters take that track.
void TestCommandLine::splitChapters()
{
    const QString out = m_dir.filePath("chapters");
    const Result r = run({"--convert", "--split-chapters", "--track", "2", "--format", "flac", "--output", out, m_film});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.lines.size(), 3);
    const struct { const char *title; double seconds; } want[] = {{"Intro", 1.5}, {"Chapter 2", 1.7}, {"Finale", 1.8}};
    double total = 0;
    for (int i = 0; i < 3; ++i) {
        const QString name = QString("%1/film - 0%2 %3.flac").arg(out).arg(i + 1).arg(want[i].title);
        QVERIFY2(r.lines[i].startsWith(QString("ok %1, chapter %2 -> %3").arg(m_film).arg(i + 1).arg(name)),
                 qPrintable(r.lines[i]));
        QCOMPARE(probeDuration(name), want[i].seconds); // a whole number of samples at 44.1 kHz
        QCOMPARE(probeTag(name, "title"), QString(want[i].title));
        QCOMPARE(probeTag(name, "track").section('/', 0, 0), QString::number(i + 1));
        QVERIFY(qAbs(toneFrequency(name) - 1000) < 5);
        total += probeDuration(name);
    }
    QCOMPARE(total, 5.0);
}

void TestCommandLine::albumOptions_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("names");  // sources, copies of the 3-s clip
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("want");   // the last output's tags as ffprobe reads them; "key=" none
    QTest::addColumn<double>("seconds");     // its length; 0: not looked at
    QTest::addColumn<QString>("said");       // in the last line
    QTest::addColumn<bool>("fails");         // each file fails: the run ends 1
    QTest::newRow("tags and numbers, mp3")
        << QStringList{"--tag", "artist=Band", "--tag", "album=Live", "--tag", "year=2024", "--tag", "genre=Lecture",
                       "--tag", "title=Song", "--tag", "comment=Hi", "--number"}
        << QStringList{"a.avi", "b.avi"} << "mp3"
        << QStringList{"artist=Band", "album=Live", "date=2024", "genre=Lecture", "title=Song", "comment=Hi", "track=2/2"} << 0.0 << "ok " << false;
    QTest::newRow("numbers, flac") << QStringList{"--number"} << QStringList{"a.avi", "b.avi", "c.avi"} << "flac"
                                   << QStringList{"track=3", "TRACKTOTAL=3"} << 0.0 << "ok " << false;
    QTest::newRow("numbers, m4a") << QStringList{"--number"} << QStringList{"a.avi", "b.avi"} << "m4a"
                                  << QStringList{"track=2/2"} << 0.0 << "ok " << false;
    QTest::newRow("from the name") << QStringList{"--tags-from-name", "{track} - {title}", "--tag", "artist=X"}
                                   << QStringList{"03 - Overture.avi"} << "ogg"
                                   << QStringList{"track=3", "title=Overture", "artist=X"} << 0.0 << "ok " << false;
    QTest::newRow("name not matched") << QStringList{"--tags-from-name", "{track} - {title}", "--tag", "artist=X"}
                                      << QStringList{"clip.avi"} << "ogg" << QStringList{"artist=X", "title=", "track="} << 0.0
                                      << "skipped by the --tags-from-name pattern" << false;
    QTest::newRow("cut at both ends") << QStringList{"--start", "00:00:01", "--end", "-00:00:01"} << QStringList{"a.avi"}
                                      << "flac" << QStringList{} << 1.0 << "ok " << false;
    QTest::newRow("start from the end") << QStringList{"--start", "-00:00:02"} << QStringList{"a.avi"} << "flac"
                                        << QStringList{} << 2.0 << "ok " << false;
    QTest::newRow("end before the start") << QStringList{"--start", "00:00:02", "--end", "-00:00:02"} << QStringList{"a.avi"}
                                          << "flac" << QStringList{} << 0.0 << "before its start" << true;
    QTest::newRow("start before the source") << QStringList{"--start", "-00:00:05"} << QStringList{"a.avi"} << "flac"
                                             << QStringList{} << 0.0 << "before the source's start" << true;
    QTest::newRow("cover") << QStringList{"--cover", "COVER"} << QStringList{"a.avi"} << "flac" << QStringList{"cover=png"} << 0.0
                           << "ok " << false;
    QTest::newRow("cover no picture") << QStringList{"--cover", "NOTE"} << QStringList{"a.avi", "b.avi"} << "flac"
                                      << QStringList{} << 0.0 << "is not a picture" << true;
}

// --tag, --number, --tags-from-name, --start/--end from the end and --cover: the last output's
// tags as ffprobe reads them, its length, and the line a file that does not fit gets. A run
// with a failed file ends 1, every file on its line.
void TestCommandLine::albumOptions()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, names);
    QFETCH(QString, format);
    QFETCH(QStringList, want);
    QFETCH(double, seconds);
    QFETCH(QString, said);
    QFETCH(bool, fails);
    QTemporaryDir dir;
    QStringList sources;
    for (const QString &name : names) {
        sources << dir.filePath(name);
        QVERIFY(QFile::copy(m_avi, sources.last()));
    }
    const QString cover = dir.filePath("red.png"), note = dir.filePath("note.png");
    QVERIFY(runFfmpeg({"-f", "lavfi", "-i", "color=red:s=64x64", "-frames:v", "1", cover}));
    QFile text(note);
    QVERIFY(text.open(QIODevice::WriteOnly) && text.write("no picture\n") > 0);
    text.close();
    args.replaceInStrings(QRegularExpression("^COVER$"), cover).replaceInStrings(QRegularExpression("^NOTE$"), note);
    const QString out = dir.filePath("out");
    const Result r = run(QStringList{"--convert", "--format", format, "--output", out} << args << sources);
    QVERIFY2(r.code == (fails ? 1 : 0) && r.lines.size() == sources.size(), qPrintable(r.lines.join('\n') + r.errors));
    QVERIFY2(r.lines.last().contains(said) && r.lines.last().startsWith(fails ? "failed " : "ok "), qPrintable(r.lines.last()));
    if (fails) {
        QVERIFY(r.lines.first().startsWith("failed ")); // each file, never the run
        return;
    }
    const QString last = out + "/" + QFileInfo(sources.last()).completeBaseName() + "." + format;
    for (const QString &tag : want) {
        if (tag == "cover=png") {
            QByteArray streams;
            QVERIFY(fixtures::run("ffprobe", {"-v", "error", "-select_streams", "v", "-show_entries", "stream=codec_name",
                                              "-of", "csv=p=0", last}, &streams));
            QCOMPARE(streams.trimmed(), QByteArray("png"));
            continue;
        }
        QCOMPARE(probeTag(last, tag.section('=', 0, 0)), tag.section('=', 1));
    }
    if (seconds > 0)
        QVERIFY2(qAbs(probeDuration(last) - seconds) < 0.06, qPrintable(QString::number(probeDuration(last))));
}

// A file-size limit at every 4 KiB step of each format's output (SIGXFSZ ignored, so writes
// past it fail with "File too large"): a step ends "failed" with the reason and the folder as
// it was, the file it was to replace kept, or "ok" with the whole file, tags and cover
// included. Long outputs are strided, all steps near their end kept.
void TestCommandLine::writeFailures_data()
{
    QTest::addColumn<QString>("format");
    for (const char *format : {"mp3", "ogg", "wma", "flac", "opus", "m4a", "wav"})
        QTest::newRow(format) << QString(format);
}

void TestCommandLine::writeFailures()
{
    QFETCH(QString, format);
    const QString source = m_dir.filePath("tagged.mp4"), cover = m_dir.filePath("cover.png");
    if (!QFile::exists(source))
        QVERIFY(runFfmpeg({"-f", "lavfi", "-i", "testsrc=size=96x96", "-frames:v", "1", cover})
                && runFfmpeg({"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=1", "-i", cover,
                              "-map", "0:a", "-map", "1:v", "-ac", "2", "-c:a", "aac", "-c:v", "png", "-disposition:v",
                              "attached_pic", "-metadata", "title=Tone", "-metadata", "artist=Clipvox", source}));
    QTemporaryDir out;
    const QString name = out.filePath("tagged." + format);
    const QStringList args{"--convert", "--overwrite", "--format", format, "--output", out.path(), source};
    Result r = run(args);
    QCOMPARE(r.code, 0);
    const qint64 whole = QFileInfo(name).size();
    const double seconds = probeDuration(name);
    QVERIFY(seconds > 0.9);

    const int top = int(whole / 1024) + 8; // writers pass their final size on the way (FLAC's padding)
    const int every = std::max(1, top / 32);
    QStringList outcomes;
    for (int k = 4; k <= top; k += 4) {
        if ((k / 4) % every != 0 && k * 1024 < whole - 12288)
            continue;
        QFile mine(name);
        QVERIFY(mine.open(QIODevice::WriteOnly) && mine.write("mine") == 4);
        mine.close();
        r = run(args, nullptr, QString("trap '' XFSZ; ulimit -f %1; exec \"$0\" \"$@\"").arg(k));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"tagged." + format});
        const QString line = r.lines.value(0);
        if (r.code == 1) {
            QVERIFY2(line.startsWith("failed " + source + ": ") && line.contains("(File too large)"), qPrintable(line));
            QVERIFY(mine.open(QIODevice::ReadOnly));
            QCOMPARE(mine.readAll(), QByteArray("mine"));
            outcomes << "failed";
            continue;
        }
        QVERIFY2(r.code == 0 && line.startsWith("ok "), qPrintable(QString("%1 KiB: %2").arg(k).arg(line)));
        QCOMPARE(QFileInfo(name).size(), whole);
        QProcess decode;
        decode.start("ffmpeg", {"-v", "error", "-i", name, "-f", "null", "-"});
        QVERIFY(decode.waitForFinished(60000) && decode.exitCode() == 0);
        QCOMPARE(decode.readAllStandardError(), QByteArray());
        QCOMPARE(probeDuration(name), seconds);
        outcomes << "ok";
    }
    QCOMPARE(outcomes.first(), "failed");
    QCOMPARE(outcomes.last(), "ok");
}

// A float source with two wild samples (5.6e36, -1e6) among a tone: every lossy encoder
// gets them clipped to full scale, the job is "ok" and says so, and what decodes stays near
// full scale (LAME aborted on such a file; others came out over +50 dBFS).
void TestCommandLine::damagedSamples_data()
{
    QTest::addColumn<QString>("format");
    for (const char *format : {"mp3", "ogg", "wma", "opus", "m4a"})
        QTest::newRow(format) << QString(format);
}

void TestCommandLine::damagedSamples()
{
    QFETCH(QString, format);
    const QString source = m_dir.filePath("damaged.wav");
    if (!QFile::exists(source)) {
        QVERIFY(runFfmpeg({"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=1", "-c:a", "pcm_f32le", source}));
        QFile wav(source);
        QVERIFY(wav.open(QIODevice::ReadWrite));
        const qint64 data = wav.readAll().indexOf("data") + 8;
        for (const auto &[at, value] : {std::pair{1000, 5.6e36f}, std::pair{30000, -1e6f}})
            QVERIFY(wav.seek(data + 4 * at) && wav.write(reinterpret_cast<const char *>(&value), 4) == 4);
    }
    QTemporaryDir out;
    const Result r = run({"--convert", "--format", format, "--output", out.path(), source});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.lines.value(0).startsWith("ok ") && r.lines.value(0).contains("2 damaged samples far beyond full scale were clipped"),
             qPrintable(r.lines.join('\n') + r.errors));
    QProcess measure;
    measure.start("ffmpeg", {"-nostats", "-i", out.filePath("damaged." + format), "-af", "volumedetect", "-f", "null", "-"});
    QVERIFY(measure.waitForFinished(60000) && measure.exitCode() == 0);
    const QString log = QString::fromUtf8(measure.readAllStandardError());
    const double peakDb = log.mid(log.indexOf("max_volume:") + 11).section("dB", 0, 0).trimmed().toDouble();
    QVERIFY2(log.contains("max_volume:") && peakDb < 3.0, qPrintable(QString::number(peakDb)));
}

QSet<QString> TestCommandLine::helpedOptions(QString *text)
{
    const Result help = run({"--help"});
    if (text)
        *text = help.lines.join('\n') + help.errors;
    if (help.code != 0)
        return {};
    QSet<QString> helped;
    static const QRegularExpression option(QStringLiteral("^\\s+(--[a-z-]+)"));
    for (const QString &line : help.lines)
        if (const QRegularExpressionMatch m = option.match(line); m.hasMatch())
            helped.insert(m.captured(1));
    if (help.lines.join('\n').contains(QLatin1String("clipvox --convert [options]")))
        helped.insert(QStringLiteral("--convert")); // named by the usage line
    return helped;
}

QStringList TestCommandLine::loudnessSources()
{
    if (m_loud.isEmpty())
        for (const char *level : {"0.03", "0.15", "0.6"}) {
            const QString wav = m_dir.filePath(QStringLiteral("loud%1.wav").arg(level));
            if (!runFfmpeg({"-f", "lavfi", "-i", "sine=f=440:d=4:sample_rate=44100", "-f", "lavfi", "-i",
                            "anoisesrc=d=4:a=0.1:r=44100:seed=5", "-filter_complex",
                            QStringLiteral("[0][1]amix=inputs=2:normalize=0,volume=%1,aformat=channel_layouts=stereo").arg(level),
                            "-c:a", "pcm_s16le", wav}))
                return {};
            m_loud << wav;
        }
    return m_loud;
}

namespace {
// The ReplayGain tags of a file as an ecosystem tool reads them, "NAME" -> "value": metaflac,
// opusinfo (R128_ gains), else mutagen (ID3 TXXX, iTunes free-form atoms, ASF, Vorbis).
QMap<QString, QString> replayGainRead(const QString &file)
{
    QByteArray out;
    if (file.endsWith(".flac"))
        fixtures::run("metaflac", {"--export-tags-to=-", file}, &out);
    else if (file.endsWith(".opus"))
        fixtures::run("opusinfo", {file}, &out);
    else // Debian's python3-mutagen, whatever python3 the PATH finds first
        fixtures::run("/usr/bin/python3", {"-c", "import sys, mutagen\n"
                                         "for k, v in (mutagen.File(sys.argv[1]).tags or {}).items():\n"
                                         "    v = getattr(v, 'text', v)\n"
                                         "    v = v[0] if isinstance(v, list) else v\n"
                                         "    v = bytes(v).decode() if isinstance(v, bytes) else str(v)\n"
                                         "    print(k.split(':')[-1] + '=' + v)\n",
                                  file},
                      &out);
    QMap<QString, QString> tags;
    for (const QString &line : QString::fromUtf8(out).split('\n')) {
        const QString t = line.trimmed();
        if (t.contains('=') && (t.startsWith("REPLAYGAIN_", Qt::CaseInsensitive) || t.startsWith("R128_")))
            tags.insert(t.section('=', 0, 0).toUpper(), t.section('=', 1));
    }
    return tags;
}

// The ffmpeg tool's integrated loudness of files played one after the other.
double loudnessInARow(const QStringList &files)
{
    QStringList args{"-nostats"};
    QString inputs;
    for (int i = 0; i < files.size(); ++i)
        args << "-i" << files[i], inputs += QStringLiteral("[%1]").arg(i);
    QProcess p;
    // The meter's running value to the thousandth; its last is the whole's.
    p.start("ffmpeg", args << "-filter_complex"
                           << QStringLiteral("%1concat=n=%2:v=0:a=1,ebur128=metadata=1,ametadata=print:key=lavfi.r128.I:file=-")
                                  .arg(inputs)
                                  .arg(files.size())
                           << "-f" << "null" << "-");
    p.waitForFinished(60000);
    const QString log = QString::fromUtf8(p.readAllStandardOutput());
    return log.mid(log.lastIndexOf("lavfi.r128.I=") + 13).section('\n', 0, 0).trimmed().toDouble();
}
} // namespace

void TestCommandLine::replayGainTags_data()
{
    QTest::addColumn<QString>("format");
    for (const char *format : {"mp3", "ogg", "flac", "opus", "m4a", "wma", "wav"})
        QTest::newRow(format) << QString(format);
}

// --replaygain album on three files of different loudness: each file's track gain is -18 LUFS
// minus the ffmpeg tool's reading of the file as it decodes, its peak that reading's true peak; the album
// gain is the same in all three and the one of the three played in a row. Opus carries R128
// gains (-23 LUFS) instead. FLAC's samples are those of a conversion without ReplayGain; WAV
// carries none.
void TestCommandLine::replayGainTags()
{
    QFETCH(QString, format);
    const QStringList sources = loudnessSources();
    QVERIFY(!sources.isEmpty());
    const QString out = m_dir.filePath("rg-" + format);
    const Result r = run(QStringList{"--convert", "--format", format, "--loudness", "off", "--replaygain", "album",
                                     "--output", out} << sources);
    QVERIFY2(r.code == 0 && r.errors.isEmpty(), qPrintable(r.lines.join('\n') + r.errors));
    // The tags describe each file as it decodes, alone and played in a row.
    QStringList outputs;
    for (const QString &source : sources)
        outputs << out + "/" + QFileInfo(source).completeBaseName() + "." + format;
    const double album = -18 - loudnessInARow(format == "wav" ? sources : outputs);
    // A gain as the tags say it, in dB relative to -18 LUFS.
    const auto gain = [&](const QMap<QString, QString> &tags, const QString &scope) {
        if (format == "opus")
            return tags.contains("R128_" + scope + "_GAIN") ? tags.value("R128_" + scope + "_GAIN").toInt() / 256.0 + 5 : NAN;
        const QString text = tags.value("REPLAYGAIN_" + scope + "_GAIN");
        return text.endsWith(" dB") ? text.chopped(3).toDouble() : NAN;
    };
    double highest = 0;
    QList<QMap<QString, QString>> read;
    for (const QString &source : sources) {
        const QString file = out + "/" + QFileInfo(source).completeBaseName() + "." + format;
        read << replayGainRead(file);
        const QMap<QString, QString> &tags = read.last();
        if (format == "wav") {
            QVERIFY2(tags.isEmpty(), qPrintable(QStringList(tags.keys()).join(' ')));
            continue;
        }
        const LoudnessMeasurement m = fixtures::ffmpegLoudness(file);
        qInfo("%s: %.2f dB, ffmpeg %.2f dB, album %.2f dB (ffmpeg %.2f)", qPrintable(file), gain(tags, "TRACK"),
              -18 - m.integratedLufs, gain(tags, "ALBUM"), album);
        QVERIFY2(std::abs(gain(tags, "TRACK") - (-18 - m.integratedLufs)) <= 0.1, qPrintable(tags.value("REPLAYGAIN_TRACK_GAIN")));
        // The album gates the files' blocks together, as scanners do; played in a row, a few
        // blocks also straddle two files.
        QVERIFY2(std::abs(gain(tags, "ALBUM") - album) <= 0.15, qPrintable(tags.value("REPLAYGAIN_ALBUM_GAIN")));
        QCOMPARE(gain(tags, "ALBUM"), gain(read.first(), "ALBUM"));
        if (format == "opus") {
            QVERIFY(!tags.contains("REPLAYGAIN_TRACK_GAIN"));
            continue;
        }
        const double peak = 20 * std::log10(tags.value("REPLAYGAIN_TRACK_PEAK").toDouble());
        QVERIFY2(std::abs(peak - m.truePeakDbtp) <= 0.3, qPrintable(tags.value("REPLAYGAIN_TRACK_PEAK")));
        highest = std::max(highest, tags.value("REPLAYGAIN_TRACK_PEAK").toDouble());
    }
    if (format != "opus" && format != "wav")
        for (const auto &tags : read)
            QCOMPARE(tags.value("REPLAYGAIN_ALBUM_PEAK").toDouble(), highest);
    if (format == "flac") {
        // The sound itself is untouched: the stream's MD5 is that of a conversion without tags.
        const QString plain = m_dir.filePath("rg-plain");
        QCOMPARE(run({"--convert", "--format", "flac", "--loudness", "off", "--replaygain", "off", "--output", plain,
                      sources.last()}).code, 0);
        QByteArray a, b;
        QVERIFY(fixtures::run("metaflac", {"--show-md5sum", plain + "/loud0.6.flac"}, &a));
        QVERIFY(fixtures::run("metaflac", {"--show-md5sum", out + "/loud0.6.flac"}, &b));
        QCOMPARE(a, b);
    }
}

// --loudness with --replaygain album: the three files get one gain, so that they stay as far
// apart as their sources, and the three played in a row reach the target.
void TestCommandLine::albumGainKeepsTheDifferences()
{
    const QStringList sources = loudnessSources();
    QVERIFY(!sources.isEmpty());
    const QString out = m_dir.filePath("album-even");
    const Result r = run(QStringList{"--convert", "--format", "flac", "--loudness", "-20", "--replaygain", "album",
                                     "--output", out} << sources);
    QVERIFY2(r.code == 0, qPrintable(r.lines.join('\n') + r.errors));
    QStringList files;
    QList<double> gains;
    for (const QString &source : sources) {
        files << out + "/" + QFileInfo(source).completeBaseName() + ".flac";
        gains << fixtures::ffmpegLoudness(files.last()).integratedLufs - fixtures::ffmpegLoudness(source).integratedLufs;
        qInfo("%s: %+.2f dB", qPrintable(files.last()), gains.last());
        QVERIFY2(std::abs(gains.last() - gains.first()) <= 0.3, qPrintable(QString::number(gains.last())));
    }
    const double together = loudnessInARow(files);
    QVERIFY2(std::abs(together - -20) <= 0.5, qPrintable(QString::number(together)));
}

// The manual page names every option that --help names, and no other, so they cannot drift.
void TestCommandLine::manualNamesEveryOption()
{
    QString help;
    const QSet<QString> helped = helpedOptions(&help);
    QSet<QString> manual;
    QFile page(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../resources/clipvox.1"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    // Each option the page describes heads a .TP paragraph: ".B \-\-name", ".BI \-\-name ...".
    static const QRegularExpression term(QStringLiteral("^\\.TP\n\\.B[IR]? (?:\\\\-h \", \" )?((?:\\\\-){2}[a-z\\\\-]+)"),
                                         QRegularExpression::MultilineOption);
    const QString text = QString::fromUtf8(page.readAll());
    for (auto it = term.globalMatch(text); it.hasNext();) {
        const QString name = it.next().captured(1).remove(QLatin1Char('\\'));
        if (name != QLatin1String("--"))
            manual.insert(name);
    }
    QVERIFY2(helped.size() > 10, qPrintable(help));
    QCOMPARE(manual, helped);
}

// The bash, zsh and fish completions offer exactly the options and formats the usage names.
void TestCommandLine::completionNamesEveryOption()
{
    QString help;
    const QSet<QString> helped = helpedOptions(&help);
    QVERIFY2(helped.size() > 10, qPrintable(help));
    const QString formats = QRegularExpression(QStringLiteral("output format: ([a-z0-9|]+)")).match(help).captured(1);
    QVERIFY(!formats.isEmpty());
    const QString dir = QStringLiteral(QT_TESTCASE_SOURCEDIR "/../resources/completion/");
    // fish names a long option "complete -c clipvox -l name"; bash and zsh write "--name".
    for (const QString &file : {"clipvox.bash", "_clipvox", "clipvox.fish"}) {
        QFile f(dir + file);
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
        const QString text = QString::fromUtf8(f.readAll());
        const QRegularExpression option(file.endsWith(".fish") ? QStringLiteral("-c clipvox -l ([a-z][a-z-]*)")
                                                               : QStringLiteral("(?<![\\w-])--([a-z][a-z-]*)"));
        QSet<QString> named;
        for (auto it = option.globalMatch(text); it.hasNext();)
            named.insert(QStringLiteral("--") + it.next().captured(1));
        QCOMPARE(named, helped);
        QVERIFY2(text.contains(QString(formats).replace('|', ' ')), qPrintable(file));
    }
    // Real bash completes the formats after --format.
    QProcess bash;
    bash.start("bash", {"-c", "source \"$0\"; COMP_WORDS=(clipvox --format ''); COMP_CWORD=2; _clipvox; echo \"${COMPREPLY[*]}\"",
                        dir + "clipvox.bash"});
    QVERIFY(bash.waitForFinished());
    QCOMPARE(QString::fromUtf8(bash.readAllStandardOutput()).trimmed(), QString(formats).replace('|', ' '));
}

// An option's value never passes for a file: "--track 1" before a name that is not UTF-8.
void TestCommandLine::valueBeforeRawName()
{
    const QString out = m_dir.filePath("raw-name");
    const Result r = run({m_film, out}, nullptr,
                         QStringLiteral("mkdir -p \"$2\" && cp \"$1\" \"$2\"/$'film\\xff.mkv' && "
                                        "\"$0\" --convert --track 1 --format flac --output \"$2\" \"$2\"/$'film\\xff.mkv'"));
    QCOMPARE(r.code, 0);
    QCOMPARE(r.lines.size(), 1);
    QVERIFY2(r.lines[0].startsWith("ok "), qPrintable(r.lines[0]));
}

// --set reaches the encoder, --files-from takes names from standard input (NUL-separated,
// a newline inside one), and --list-formats names each format once.
void TestCommandLine::settingsAndListsOfFiles()
{
    const QString out = m_dir.filePath("set");
    const QString odd = m_dir.filePath("list\nname.avi");
    QVERIFY(QFile::copy(m_avi, odd));
    // A preset of the user's sets mono MP3; --set changes its bit rate.
    QVERIFY(QDir().mkpath(m_config.filePath("clipvox/presets")));
    QFile mono(m_config.filePath("clipvox/presets/Mono.ini"));
    QVERIFY(mono.open(QIODevice::WriteOnly));
    mono.write("[preset]\ndescription=Mono MP3\n[general]\noutputformat=0\n[mp3]\nchannels=1\nbitrate=320\n");
    mono.close();
    const Result r = run({m_avi, odd, out}, nullptr,
                         "printf '%s\\0' \"$1\" \"$2\" | \"$0\" --convert --preset mono --set MP3.bitrate=64 "
                         "--output \"$3\" --files-from - -0");
    QCOMPARE(r.code, 0);
    QCOMPARE(r.lines.size(), 2);
    for (const QString name : {"clip.mp3", "list_name.mp3"}) {
        const QJsonObject audio = probeAudio(out + "/" + name);
        QCOMPARE(audio.value("channels").toInt(), 1);
        QCOMPARE(audio.value("bit_rate").toString(), QString("64000"));
    }
    const Result formats = run({"--list-formats"});
    QCOMPARE(formats.code, 0);
    QCOMPARE(formats.lines.size(), 7);
    QCOMPARE(formats.lines.first(), QString("mp3\tMP3"));
    // --list-presets: the shipped ones and the user's; a damaged file is named, never rewritten.
    QFile broken(m_config.filePath("clipvox/presets/broken.ini"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("[mp3]\nbitrate=loud\n");
    broken.close();
    const Result presets = run({"--list-presets"});
    QVERIFY(QFile::remove(broken.fileName()) && mono.remove());
    QCOMPARE(presets.code, 0);
    QVERIFY2(presets.lines.contains("Mono\tMono MP3") && presets.lines.filter(QRegularExpression("^podcast\t.+")).size() == 1,
             qPrintable(presets.lines.join('\n')));
    QVERIFY2(presets.errors.startsWith("clipvox: Preset file " + broken.fileName() + " skipped: "), qPrintable(presets.errors));
}

// --progress json: every line is one JSON object by a real parser; each job ends once, a
// converted one after its start with its output, length, loudness and true peak.
void TestCommandLine::jsonProgress()
{
    const QString out = m_dir.filePath("json");
    const QString missing = m_dir.filePath("missing.avi");
    const Result r = run({"--convert", "--progress", "json", "--loudness", "-16", "--output", out, m_avi, missing});
    QCOMPARE(r.code, 1);
    QMap<int, QStringList> events; // job -> its events in order
    QMap<int, QJsonObject> ends;
    for (const QString &line : r.lines) {
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(line.toUtf8(), &error);
        QVERIFY2(error.error == QJsonParseError::NoError && doc.isObject(), qPrintable(line));
        const QJsonObject o = doc.object();
        const int job = o.value("job").toInt();
        events[job] << o.value("event").toString();
        if (o.value("event") == "end")
            ends[job] = o;
        if (o.value("event") == "progress")
            QVERIFY(o.value("percent").toInt(-1) >= 0 && o.value("percent").toInt() <= 100);
    }
    QCOMPARE(events.keys(), (QList<int>{1, 2}));
    QCOMPARE(events[1].first(), QString("start"));
    QCOMPARE(events[1].last(), QString("end"));
    QCOMPARE(events[1].count("end"), 1);
    QCOMPARE(events[2], QStringList{"end"});
    QCOMPARE(ends[1].value("status").toString(), QString("ok"));
    QCOMPARE(ends[1].value("output").toString(), out + "/clip.ogg");
    QVERIFY(qAbs(ends[1].value("length").toDouble() - 3.0) < 0.06);
    QVERIFY(qAbs(ends[1].value("lufs").toDouble() - -16.0) <= 0.5);
    QVERIFY(ends[1].value("true_peak").isDouble() && ends[1].value("true_peak").toDouble() <= -1.0);
    QCOMPARE(ends[2].value("status").toString(), QString("failed"));
    QCOMPARE(ends[2].value("code").toString(), QString("no-such-file"));
    QVERIFY(!ends[2].value("reason").toString().isEmpty());
}

// --watch converts a video that grows in steps once, whole; it leaves partial downloads and
// hidden files alone, ends at SIGTERM with exit 0, and after a restart converts only what is new.
void TestCommandLine::watchFolder()
{
    const QString in = m_dir.filePath("watched"), out = m_dir.filePath("watched-out");
    QVERIFY(QDir().mkpath(in));
    QFile source(m_avi);
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QByteArray video = source.readAll();
    const QStringList args{"--convert", "--watch", in, "--output", out, "--format", "wav", "--progress", "json"};
    // The sources each end event named, as the watcher's standard output says them.
    const auto ended = [](QProcess &p, QStringList &seen) {
        while (p.canReadLine()) {
            const QJsonObject o = QJsonDocument::fromJson(p.readLine()).object();
            if (o.value("event") == "start")
                seen << QFileInfo(o.value("source").toString()).fileName();
        }
        return seen;
    };
    QProcess watcher;
    run(args, &watcher);
    QVERIFY(watcher.waitForStarted());
    for (const char *ignored : {"b.avi.part", ".c.avi", "d.avi.crdownload"}) {
        QFile f(in + "/" + ignored);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(video) == video.size());
    }
    QFile growing(in + "/a.avi");
    QVERIFY(growing.open(QIODevice::WriteOnly));
    const qsizetype step = video.size() / 4;
    for (qsizetype at = 0; at < video.size(); at += step) {
        QVERIFY(growing.write(video.mid(at, step)) > 0 && growing.flush());
        QThread::msleep(300);
    }
    growing.close();
    QStringList started;
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out + "/a.wav") && ended(watcher, started).size() == 1, 60000);
    QTRY_VERIFY_WITH_TIMEOUT(!QDir(out).entryList(QDir::Files | QDir::Hidden).filter(".clipvox-").size(), 30000);
    QVERIFY(qAbs(probeDuration(out + "/a.wav") - 3.0) < 0.06); // taken once whole, not while it grew
    ::kill(pid_t(watcher.processId()), SIGTERM);
    QVERIFY(watcher.waitForFinished(30000));
    QCOMPARE(watcher.exitStatus(), QProcess::NormalExit);
    QCOMPARE(watcher.exitCode(), 0);
    ended(watcher, started);
    QCOMPARE(started, QStringList{"a.avi"});

    // Started again, it converts the new file and not the old one.
    QProcess again;
    run(args, &again);
    QVERIFY(again.waitForStarted());
    QVERIFY(QFile::copy(m_avi, in + "/e.avi"));
    QStringList startedAgain;
    QTRY_VERIFY_WITH_TIMEOUT(ended(again, startedAgain).contains("e.avi"), 60000);
    ::kill(pid_t(again.processId()), SIGINT);
    QVERIFY(again.waitForFinished(30000));
    QCOMPARE(again.exitCode(), 0);
    QCOMPARE(ended(again, startedAgain), QStringList{"e.avi"});
    QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden), (QStringList{"a.wav", "e.wav"}));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
