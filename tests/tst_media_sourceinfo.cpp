// SPDX-License-Identifier: GPL-3.0-or-later
// What a source says about itself (tags, cover, sound tracks, chapters), read from sources
// made with the ffmpeg tool.
#include "media_fixtures.h"

#include "media/sourceinfo.h"

#include <QTemporaryDir>

using namespace fixtures;

class TestMediaSourceInfo : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QByteArray bytes(const QString &name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // A 4-second source into `name`: inputs 0 (video) and 1 (a tone), then the arguments.
    bool make(const QString &name, const QStringList &args)
    {
        return run("ffmpeg", QStringList{"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=4",
                                         "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=4"}
                                 + args + QStringList{path(name)});
    }
    const QStringList m_tags{"-metadata", "title=Song — 歌", "-metadata", "artist=Zoë", "-metadata", "album=Live",
                             "-metadata", "date=2021-05-01", "-metadata", "genre=Synthwave", "-metadata", "track=3/12",
                             "-metadata", "comment=A comment", "-metadata", "copyright=© 2021 X"};

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        for (const QString color : {"red", "blue"})
            QVERIFY(run("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", "color=" + color + ":size=32x32",
                                   "-frames:v", "1", path(color == "red" ? "cover.png" : "cover.jpg")}));
    }

    void sources_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("tagged");
        QTest::addColumn<QString>("cover"); // the picture expected; empty = none
        const QStringList video{"-map", "0:v", "-map", "1:a", "-c:v", "mpeg4"};
        QTest::newRow("mp4 attached picture") << "a.mp4"
            << QStringList{"-i", path("cover.jpg")} + video
                   + QStringList{"-map", "2:v", "-c:v:1", "copy", "-disposition:v:1", "attached_pic", "-c:a", "aac"} + m_tags
            << true << "cover.jpg";
        QTest::newRow("mkv image attachment") << "b.mkv"
            << video + QStringList{"-c:a", "libopus", "-attach", path("cover.png"), "-metadata:s:t", "mimetype=image/png"} + m_tags
            << true << "cover.png";
        // Of two pictures, the one named "cover" wins.
        QTest::newRow("mkv two pictures") << "c.mkv"
            << video + QStringList{"-c:a", "libopus", "-attach", path("cover.jpg"), "-attach", path("cover.png"),
                                   "-metadata:s:t:0", "mimetype=image/jpeg", "-metadata:s:t:0", "filename=back.jpg",
                                   "-metadata:s:t:1", "mimetype=image/png", "-metadata:s:t:1", "filename=cover.png"}
            << false << "cover.png";
        // A type the demuxer does not take for a picture stays an attachment.
        QTest::newRow("mkv attachment image/jpg") << "f.mkv"
            << video + QStringList{"-c:a", "libopus", "-attach", path("cover.jpg"), "-metadata:s:t", "mimetype=image/jpg"}
            << false << "cover.jpg";
        QTest::newRow("avi mp3 tags") << "d.avi" << video + QStringList{"-c:a", "libmp3lame"} + m_tags << true << "";
        // Vorbis comments are the sound stream's tags, not the container's.
        QTest::newRow("ogg stream tags") << "g.ogg" << QStringList{"-map", "1:a", "-c:a", "libvorbis"} + m_tags << true << "";
        // An MPEG program stream tells its streams only when probed.
        QTest::newRow("mpg no tags") << "e.mpg"
            << QStringList{"-map", "0:v", "-map", "1:a", "-c:v", "mpeg1video", "-c:a", "mp2", "-map_metadata", "-1"} << false << "";
    }
    void sources()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, args);
        QFETCH(bool, tagged);
        QFETCH(QString, cover);
        QVERIFY(make(name, args));
        QString error;
        const std::optional<SourceInfo> info = readSourceInfo(path(name), nullptr, &error);
        QVERIFY2(info, qPrintable(error));
        const SourceTags &t = info->tags;
        if (tagged) {
            const QStringList got{t.title, t.artist, t.album, t.genre, t.comment, t.copyright};
            QCOMPARE(got, (QStringList{"Song — 歌", "Zoë", "Live", "Synthwave", "A comment", "© 2021 X"}));
            QCOMPARE(t.year, 2021);
            QCOMPARE(t.track, 3);
        } else {
            QVERIFY(t.isEmpty());
        }
        QCOMPARE(info->cover.data, cover.isEmpty() ? QByteArray() : bytes(cover));
        QCOMPARE(info->cover.mimeType.isEmpty(), cover.isEmpty());
        if (!cover.isEmpty())
            QCOMPARE(info->cover.mimeType, cover.endsWith("png") ? "image/png" : "image/jpeg");
        QCOMPARE(info->tracks.size(), 1);
        QCOMPARE(info->defaultTrack(), 1);
        QVERIFY(info->chapters.isEmpty());
    }

    // A missing, empty or text file, and a stop asked for before the read.
    void failures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // written first unless null
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing.mp4" << QByteArray() << "not found";
        QTest::newRow("empty") << "empty.mp4" << QByteArray("") << "empty";
        QTest::newRow("text") << "text.mkv" << QByteArray("just some words\n").repeated(50) << "Not a media file";
        QTest::newRow("stopped") << "stop.mkv" << QByteArray() << "Stopped";
    }
    void failures()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QFile f(path(name));
        QVERIFY(content.isNull() || (f.open(QIODevice::WriteOnly) && f.write(content) == content.size()));
        f.close();
        const std::atomic_bool stop = reason == "Stopped";
        QVERIFY(!stop || make(name, {"-map", "1:a", "-c:a", "libopus"}));
        QString error;
        QVERIFY(!readSourceInfo(path(name), &stop, &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
    }

    // Two sound tracks with language and title tags, the second the default.
    void tracks()
    {
        QVERIFY(make("two.mkv", {"-f", "lavfi", "-i", "sine=frequency=880:duration=4", "-map", "0:v", "-map", "1:a", "-map", "2:a",
                                 "-c:v", "mpeg4", "-c:a:0", "aac", "-ac:a:0", "2", "-c:a:1", "ac3", "-ac:a:1", "6",
                                 "-metadata:s:a:0", "language=eng", "-metadata:s:a:1", "language=ger",
                                 "-metadata:s:a:1", "title=Commentary", "-disposition:a:0", "0", "-disposition:a:1", "default"}));
        const std::optional<SourceInfo> info = readSourceInfo(path("two.mkv"));
        QVERIFY(info);
        QCOMPARE(info->tracks.size(), 2);
        QCOMPARE(info->tracks[0].name, "1: English, AAC stereo");
        QCOMPARE(info->tracks[1].name, "2: German, AC-3 5.1, Commentary");
        QCOMPARE(info->tracks[0].streamIndex, 1);
        QCOMPARE(info->tracks[1].streamIndex, 2);
        QCOMPARE(info->defaultTrack(), 2);
        QCOMPARE(languageName("fre"), "French");
        QCOMPARE(languageName("und"), "");
    }

    void chapters_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("meta"); // the FFMETADATA chapters: "start end title;..." in ms
        QTest::newRow("mkv, one without title") << "ch.mkv" << "0 1234 Intro;1234 2500 ;2500 4000 Finale";
        QTest::newRow("mp4") << "ch.mp4" << "0 1000 Eins;1000 2750 Zwei — 2;2750 4000 Drei";
    }
    void chapters()
    {
        QFETCH(QString, name);
        QFETCH(QString, meta);
        QByteArray text = ";FFMETADATA1\n";
        QList<SourceChapter> want;
        for (const QString &c : meta.split(';')) {
            const QStringList f = c.split(' ');
            text += "[CHAPTER]\nTIMEBASE=1/1000\nSTART=" + f[0].toUtf8() + "\nEND=" + f[1].toUtf8() + "\n";
            if (!f[2].isEmpty())
                text += "title=" + f.mid(2).join(' ').toUtf8() + "\n";
            want.append({f[0].toInt() / 1000.0, f[1].toInt() / 1000.0, f.mid(2).join(' ')});
        }
        QFile m(path("meta.txt"));
        QVERIFY(m.open(QIODevice::WriteOnly) && m.write(text) == text.size());
        m.close();
        QVERIFY(make(name, {"-i", path("meta.txt"), "-map", "0:v", "-map", "1:a", "-map_metadata", "2", "-map_chapters", "2",
                            "-c:v", "mpeg4", "-c:a", "aac"}));
        const std::optional<SourceInfo> info = readSourceInfo(path(name));
        QVERIFY(info);
        QCOMPARE(info->chapters.size(), want.size());
        for (qsizetype i = 0; i < want.size(); ++i) {
            QCOMPARE(info->chapters[i].title, want[i].title);
            QCOMPARE(info->chapters[i].start, want[i].start); // exact: the same double
            QCOMPARE(info->chapters[i].end, want[i].end);
        }
    }
};

QTEST_GUILESS_MAIN(TestMediaSourceInfo)
#include "tst_media_sourceinfo.moc"
