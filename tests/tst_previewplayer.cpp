// SPDX-License-Identifier: GPL-3.0-or-later
// The preview player on libmpv, headless (vo=null, ao=null), on videos made by ffmpeg; its
// OpenGL drawing (vo=libmpv) where the display gives OpenGL.
#include "media/previewplayer.h"
#include "support/fixtures.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QSignalSpy>
#include <QtTest>

// Stands in for the preview widget: counts the repaints libmpv asks for.
class FrameTarget : public QObject
{
    Q_OBJECT
public:
    int updates = 0;
public slots:
    void update()
    {
        QCOMPARE(QThread::currentThread(), qApp->thread());
        ++updates;
    }
};

class TestPreviewPlayer : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString video(const QString &kind, double seconds = 3.2)
    {
        const QString path = m_dir.filePath(QStringLiteral("v%1.%2").arg(seconds).arg(kind));
        return QFile::exists(path) ? path : makeVideo(path, kind, seconds);
    }
    static PreviewPlayer::Options headless(int waitMs = 500)
    {
        PreviewPlayer::Options options;
        options.waitMs = waitMs;
        return options;
    }
    // libmpv that cannot be set up ends the suite: no test could run.
    static std::unique_ptr<PreviewPlayer> started(const PreviewPlayer::Options &options)
    {
        Result<std::unique_ptr<PreviewPlayer>> player = PreviewPlayer::create(options);
        if (!player)
            qFatal("%s", qPrintable(player.reason()));
        return std::move(*player);
    }

private slots:
    // Every kind of source the queue takes opens, with the length ffprobe reads.
    void opensEachKind_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"avi", "mpg", "wmv", "asf", "mp4", "mkv", "webm"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void opensEachKind()
    {
        QFETCH(QString, kind);
        const QString path = video(kind);
        QVERIFY(!path.isEmpty());
        const auto playerMade = started(headless(5000));
        PreviewPlayer &player = *playerMade;
        const Result<void> opened = player.open(path);
        QVERIFY2(opened, qPrintable(opened.reason()));
        QVERIFY(player.isLoaded());
        QVERIFY2(qAbs(player.length() - probeDuration(path) * 1000) < 100, qPrintable(QString::number(player.length())));
        QCOMPARE(player.mode(), PlayerMode::Stopped);
        QVERIFY(player.position() < 100); // the first frame may stand a little after 0
    }

    // Play, Pause, the seek that halts, and the end of the media read as stopped.
    void transport()
    {
        const QString path = video("avi", 2.4);
        const auto playerMade = started(headless(5000));
        PreviewPlayer &player = *playerMade;
        QSignalSpy failed(&player, &PreviewPlayer::playbackFailed);
        QVERIFY(player.open(path));
        player.play();
        QCOMPARE(player.mode(), PlayerMode::Playing);
        QTRY_VERIFY(player.position() > 200);
        player.pause();
        QCOMPARE(player.mode(), PlayerMode::Paused);
        QTest::qWait(100); // the pause is asked for, not waited for
        const qint64 at = player.position();
        QTest::qWait(300);
        QCOMPARE(player.position(), at);

        player.seek(1500);
        QCOMPARE(player.mode(), PlayerMode::Stopped);
        QVERIFY2(qAbs(player.position() - 1500) <= 40, qPrintable(QString::number(player.position())));
        player.play();
        QTRY_COMPARE_WITH_TIMEOUT(player.mode(), PlayerMode::Stopped, 10000);
        QVERIFY(player.position() > player.length() - 200);
        QTest::qWait(100);
        QCOMPARE(failed.count(), 0); // played to its end: no failure
    }

    // A file cut short while it plays: the player says where it stopped, instead of
    // standing still as if it had played to its end.
    void fileCutWhilePlaying()
    {
        const QString path = m_dir.filePath("cut.mpg");
        QVERIFY(QFile::copy(video("mpg", 10), path));
        const auto playerMade = started(headless(5000));
        PreviewPlayer &player = *playerMade;
        QSignalSpy failed(&player, &PreviewPlayer::playbackFailed);
        QVERIFY(player.open(path));
        player.play();
        QVERIFY(QFile::resize(path, QFileInfo(path).size() / 4));
        QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 15000);
        QVERIFY2(failed[0][0].toString().contains(path), qPrintable(failed[0][0].toString()));
        QCOMPARE(player.mode(), PlayerMode::NotReady);
        QCOMPARE(player.length(), 0);
    }

    // Drawn through libmpv's render API, the picture at a position is the frame the
    // ffmpeg tool decodes there, upright for a widget's framebuffer; the repaints reach
    // the window's thread, and the renderer is freed when the player goes.
    void drawsThroughRenderApi_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"avi", "mp4", "webm"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void drawsThroughRenderApi()
    {
        QFETCH(QString, kind);
        QOffscreenSurface surface;
        surface.create();
        QOpenGLContext gl;
        if (!gl.create() || !gl.makeCurrent(&surface))
            QSKIP("This display gives no OpenGL (the suite runs this under xvfb-run when it can).");
        const QString path = video(kind);
        const QString reference = m_dir.filePath(kind + ".rgb");
        QVERIFY(runFfmpeg({"-ss", "1.5", "-i", path, "-frames:v", "1", "-f", "rawvideo", "-pix_fmt", "rgb24", reference}));
        QFile file(reference);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray rgb = file.readAll();
        QCOMPARE(rgb.size(), 160 * 120 * 3);
        const QImage want(reinterpret_cast<const uchar *>(rgb.constData()), 160, 120, 160 * 3, QImage::Format_RGB888);

        QOpenGLFramebufferObject fbo(160, 120);
        FrameTarget target;
        PreviewPlayer::Options options = headless(5000);
        options.vo = QStringLiteral("libmpv");
        auto player = started(options);
        const auto proc = [](void *, const char *name) -> void * {
            return reinterpret_cast<void *>(QOpenGLContext::currentContext()->getProcAddress(name));
        };
        const Result<void> made = player->createRenderer(proc, nullptr, &target);
        QVERIFY2(made, qPrintable(made.reason()));
        int freed = 0;
        connect(player.get(), &PreviewPlayer::closing, this, [&, going = player.get()] {
            gl.makeCurrent(&surface);
            going->freeRenderer();
            ++freed;
        });
        QVERIFY(player->open(path));
        player->seek(1500);
        // Mean difference per channel; the stream's own frame is drawn within a few repaints.
        const auto difference = [&] {
            player->render(int(fbo.handle()), 160, 120);
            const QImage got = fbo.toImage().convertToFormat(QImage::Format_RGB888);
            qint64 sum = 0;
            for (int y = 0; y < 120; ++y)
                for (int x = 0; x < 160 * 3; ++x)
                    sum += qAbs(got.constScanLine(y)[x] - want.constScanLine(y)[x]);
            return sum / (160 * 120 * 3);
        };
        QTRY_VERIFY_WITH_TIMEOUT(target.updates > 0 && difference() < 8, 10000);
        player.reset();
        QCOMPARE(freed, 1);
    }

    // Reasons in plain words; a load that outlasts the wait is announced later, and an
    // announcement that a newer Open overtook is dropped.
    void failuresAndLateLoads()
    {
        const QString junk = m_dir.filePath("junk.avi");
        QFile file(junk);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(40000, 'x'));
        file.close();
        const QString missing = m_dir.filePath("missing.avi");
        const QString good = video("mpg");

        const auto playerMade = started(headless(5000));
        PreviewPlayer &player = *playerMade;
        Result<void> opened = player.open(junk);
        QVERIFY(!opened);
        QVERIFY2(opened.reason().contains("unrecognized file format"), qPrintable(opened.reason()));
        QCOMPARE(player.mode(), PlayerMode::NotReady);
        opened = player.open(missing);
        QVERIFY(!opened);
        QVERIFY2(opened.reason().contains("Cannot open file") && opened.reason().contains(missing),
                 qPrintable(opened.reason()));
        QVERIFY(player.open(good));
        QVERIFY(player.isLoaded());

        const auto lateMade = started(headless(0));
        PreviewPlayer &late = *lateMade;
        QSignalSpy loaded(&late, &PreviewPlayer::loaded);
        QSignalSpy failed(&late, &PreviewPlayer::loadFailed);
        QVERIFY(late.open(missing));
        QVERIFY(!late.isLoaded());
        QTRY_COMPARE(failed.count(), 1);
        QVERIFY(failed[0][0].toString().contains(missing));
        QCOMPARE(late.mode(), PlayerMode::NotReady);

        QVERIFY(late.open(missing));
        QVERIFY(late.open(good));
        QTRY_COMPARE(loaded.count(), 1);
        QCOMPARE(failed.count(), 1);
        QVERIFY(late.isLoaded());
        QVERIFY(qAbs(late.length() - probeDuration(good) * 1000) < 100);
    }
};

QTEST_MAIN(TestPreviewPlayer)
#include "tst_previewplayer.moc"
