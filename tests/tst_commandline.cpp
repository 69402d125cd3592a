// clipvox --convert through the real executable: lines, files, exit codes, Ctrl+C.
#include "support/fixtures.h"
#include "media_fixtures.h"

#include <QDir>
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
    void soundTrack_data();
    void soundTrack();
    void splitChapters();

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

    QTemporaryDir m_dir, m_config;
    QString m_avi, m_film;
};

void TestCommandLine::initTestCase()
{
    m_avi = MakeVideo(m_dir.filePath("clip.avi"), "avi", 3.0);
    QVERIFY(!m_avi.isEmpty());
    m_film = MakeFilm(m_dir.filePath("film.mkv"));
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
    const QString silent = MakeVideo(m_dir.filePath("silent.avi"), "silent-avi", 2.0);
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
        QCOMPARE(ProbeAudio(out + "/" + name).value("codec_name").toString(), QString("vorbis"));
        QVERIFY(qAbs(ProbeDuration(out + "/" + name) - 3.0) < 0.06);
    }
    QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden).size(), 2);

    const Result all = run({"--convert", "--jobs", "2", "--format", "mp3", "--output", out, m_avi, odd});
    QCOMPARE(all.code, 0);
    QCOMPARE(ProbeAudio(out + "/clip.mp3").value("codec_name").toString(), QString("mp3"));
}

void TestCommandLine::clipAndNames()
{
    const QString out = m_dir.filePath("names");
    const QStringList clip{"--convert", "--format", "wav", "--start", "00:00:01", "--end", "00:00:02",
                           "--output", out, m_avi};
    QCOMPARE(run(clip).code, 0);
    QVERIFY(qAbs(ProbeDuration(out + "/clip.wav") - 1.0) < 0.06);

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
    QVERIFY(qAbs(ProbeDuration(out + "/clip.wav") - 2.0) < 0.06);
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

// Names as the file system gives them, control characters quoted as `ls` does, a source that
// is its own output kept even with --overwrite, and an existing output skipped.
void TestCommandLine::namesKept_data()
{
    QTest::addColumn<QString>("file");    // printf %b escapes
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("line");    // D stands for the folder
    QTest::addColumn<QStringList>("files"); // the folder afterwards
    QTest::newRow("own source, overwrite")
        << "talk.ogg" << "--overwrite" << "ok D/talk.ogg -> D/talk (2).ogg (00:00:03; talk.ogg is a source of this run and was kept)"
        << QStringList{"talk (2).ogg", "talk.ogg"};
    QTest::newRow("newline") << "a\\nb.avi" << "--jobs=1" << "ok $'D/a\\nb.avi' -> D/a_b.ogg (00:00:03)"
                             << QStringList{"a\nb.avi", "a_b.ogg"};
    QTest::newRow("not UTF-8") << "c\\0377.avi" << "--jobs=1"
                               << QString::fromUtf8("ok $'D/c\\377.avi' -> D/c\xef\xbf\xbd.ogg (00:00:03)")
                               << QStringList{QString::fromUtf8("c\xef\xbf\xbd.avi"), QString::fromUtf8("c\xef\xbf\xbd.ogg")};
    QTest::newRow("name pattern") << "clip.avi" << "--name={n}. {title}" << "ok D/clip.avi -> D/1. clip.ogg (00:00:03)"
                                  << QStringList{"1. clip.ogg", "clip.avi"};
    QTest::newRow("skip existing") << "clip.avi" << "--skip-existing" << "skipped D/clip.avi: D/clip.ogg exists and was kept"
                                   << QStringList{"clip.avi", "clip.ogg"};
}

void TestCommandLine::namesKept()
{
    QFETCH(QString, file);
    QFETCH(QString, option);
    QFETCH(QString, line);
    QFETCH(QStringList, files);
    QTemporaryDir dir;
    QByteArray name;
    QProcess printf;
    printf.start("/bin/sh", {"-c", "printf '%b' \"$0\"", file});
    QVERIFY(printf.waitForFinished());
    name = printf.readAllStandardOutput();
    const QByteArray path = QFile::encodeName(dir.path()) + '/' + name;
    QVERIFY(::link(QFile::encodeName(m_avi).constData(), path.constData()) == 0);
    if (option == "--skip-existing")
        QVERIFY(QFile(dir.filePath("clip.ogg")).open(QIODevice::WriteOnly));
    // The file name goes as the bytes printf makes of its escapes.
    const Result r = run({"--convert", "--format", "ogg", option, dir.path() + "/" + file}, nullptr,
                         "exec \"$0\" \"${@:1:$#-1}\" \"$(printf '%b' \"${@: -1}\")\"");
    QCOMPARE(r.lines, QStringList{QString(line).replace("D/", dir.path() + "/")});
    QStringList names; // as the file system gives them, not UTF-8 shown with U+FFFD
    DIR *listing = ::opendir(QFile::encodeName(dir.path()).constData());
    QVERIFY(listing);
    while (const dirent *e = ::readdir(listing))
        if (qstrcmp(e->d_name, ".") != 0 && qstrcmp(e->d_name, "..") != 0)
            names << QString::fromUtf8(e->d_name);
    ::closedir(listing);
    names.sort();
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
    QTest::newRow("option without --convert") << QStringList{"--help", "--format", "mp3"};
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
    QVERIFY2(r.errors.contains("Usage: clipvox --convert"), qPrintable(r.errors));
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
        QVERIFY(RunFfmpeg({"-f", "lavfi", "-i", "color=size=64x48:rate=5:duration=600", "-f", "lavfi", "-i",
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
    QVERIFY(qAbs(ToneFrequency(out + "/film.flac") - frequency) < 5);
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
        QCOMPARE(ProbeDuration(name), want[i].seconds); // a whole number of samples at 44.1 kHz
        QCOMPARE(ProbeTag(name, "title"), QString(want[i].title));
        QCOMPARE(ProbeTag(name, "track").section('/', 0, 0), QString::number(i + 1));
        QVERIFY(qAbs(ToneFrequency(name) - 1000) < 5);
        total += ProbeDuration(name);
    }
    QCOMPARE(total, 5.0);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
