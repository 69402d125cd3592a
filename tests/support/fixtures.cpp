// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fixtures.h"

#include "settings/settingsfile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QtTest>

TempProgramFolder::TempProgramFolder() { setProgramFolder(m_dir.path()); }

TempProgramFolder::~TempProgramFolder() { setProgramFolder(QString()); }

QByteArray TempProgramFolder::read(const QString &name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TempProgramFolder::write(const QString &name, const QByteArray &data) const
{
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly))
        f.write(data);
}

bool runFfmpeg(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("ffmpeg"), QStringList{"-y", "-v", "error", "-nostdin"} + args);
    if (!p.waitForFinished(120000) || p.exitCode() != 0) {
        qWarning() << "ffmpeg failed:" << args << p.readAllStandardError();
        return false;
    }
    return true;
}

QString makeVideo(const QString &path, const QString &kind, double seconds, int rate, int channels)
{
    const QString dur = QString::number(seconds);
    QStringList args{"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=" + dur};
    if (kind != QLatin1String("silent-avi"))
        args << "-f" << "lavfi" << "-i"
             << QStringLiteral("sine=frequency=440:sample_rate=%1:duration=%2").arg(rate).arg(dur)
             << "-ac" << QString::number(channels);
    if (kind == QLatin1String("avi"))
        args << "-c:v" << "mpeg4" << "-c:a" << "libmp3lame" << "-b:a" << "128k" << "-f" << "avi";
    else if (kind == QLatin1String("mpg"))
        args << "-c:v" << "mpeg1video" << "-c:a" << "mp2" << "-b:a" << "192k" << "-f" << "mpeg";
    else if (kind == QLatin1String("wmv") || kind == QLatin1String("asf"))
        args << "-c:v" << "wmv2" << "-c:a" << "wmav2" << "-b:a" << "128k" << "-f" << "asf";
    else if (kind == QLatin1String("mp4"))
        args << "-c:v" << "mpeg4" << "-c:a" << "aac" << "-f" << "mp4";
    else if (kind == QLatin1String("mkv"))
        args << "-c:v" << "mpeg4" << "-c:a" << "libopus" << "-f" << "matroska";
    else if (kind == QLatin1String("webm"))
        args << "-c:v" << "libvpx" << "-deadline" << "realtime" << "-c:a" << "libvorbis" << "-f" << "webm";
    else if (kind == QLatin1String("silent-avi"))
        args << "-c:v" << "mpeg4" << "-f" << "avi";
    args << path;
    return runFfmpeg(args) ? path : QString();
}

QString makeFilm(const QString &path)
{
    const QString meta = path + QStringLiteral(".chapters.txt");
    QFile f(meta);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write(";FFMETADATA1\n"
            "[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=1500\ntitle=Intro\n"
            "[CHAPTER]\nTIMEBASE=1/1000\nSTART=1500\nEND=3200\n"
            "[CHAPTER]\nTIMEBASE=1/1000\nSTART=3200\nEND=5000\ntitle=Finale\n");
    f.close();
    const QStringList args{"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=5",
                           "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=5",
                           "-f", "lavfi", "-i", "sine=frequency=1000:sample_rate=44100:duration=5,volume=4",
                           "-i", meta, "-map", "0:v", "-map", "1:a", "-map", "2:a", "-map_chapters", "3",
                           "-ac", "2", "-c:v", "mpeg4", "-c:a", "flac",
                           "-metadata:s:a", "language=eng", "-metadata:s:a:1", "title=Commentary",
                           "-disposition:a:0", "default", "-disposition:a:1", "0", "-f", "matroska", path};
    const bool ok = runFfmpeg(args);
    QFile::remove(meta);
    return ok ? path : QString();
}

double toneFrequency(const QString &path, int track)
{
    QProcess p;
    p.start(QStringLiteral("ffmpeg"), {"-v", "error", "-nostdin", "-i", path, "-map", QStringLiteral("0:a:%1").arg(track),
                                        "-ac", "1", "-ar", "48000", "-f", "s16le", "-"});
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        return -1;
    const QByteArray pcm = p.readAllStandardOutput();
    const auto *x = reinterpret_cast<const int16_t *>(pcm.constData());
    const qsizetype n = pcm.size() / 2;
    if (n < 4800)
        return -1;
    qsizetype crossings = 0;
    for (qsizetype i = 1; i < n; ++i)
        crossings += (x[i - 1] < 0) != (x[i] < 0);
    return crossings / 2.0 / (n / 48000.0);
}

QJsonObject probe(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("ffprobe"),
            {"-v", "error", "-of", "json", "-show_format", "-show_streams", path});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

QJsonObject probeAudio(const QString &path)
{
    for (const auto &s : probe(path).value("streams").toArray())
        if (s.toObject().value("codec_type").toString() == QLatin1String("audio"))
            return s.toObject();
    return {};
}

double probeDuration(const QString &path)
{
    return probe(path).value("format").toObject().value("duration").toString().toDouble();
}

QString probeTag(const QString &path, const QString &tag)
{
    const QJsonObject probed = probe(path);
    QList<QJsonObject> holders{probed.value("format").toObject().value("tags").toObject()};
    for (const auto &s : probed.value("streams").toArray())
        holders << s.toObject().value("tags").toObject();
    for (const QJsonObject &tags : holders)
        for (auto it = tags.begin(); it != tags.end(); ++it)
            if (it.key().compare(tag, Qt::CaseInsensitive) == 0)
                return it.value().toString();
    return {};
}
