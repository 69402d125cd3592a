#include "support/fixtures.h"

#include "settings/settingsfile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QtTest>

TempProgramFolder::TempProgramFolder() { SetProgramFolder(m_dir.path()); }

TempProgramFolder::~TempProgramFolder() { SetProgramFolder(QString()); }

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

bool RunFfmpeg(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("ffmpeg"), QStringList{"-y", "-v", "error", "-nostdin"} + args);
    if (!p.waitForFinished(120000) || p.exitCode() != 0) {
        qWarning() << "ffmpeg failed:" << args << p.readAllStandardError();
        return false;
    }
    return true;
}

QString MakeVideo(const QString &path, const QString &kind, double seconds, int rate, int channels)
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
    return RunFfmpeg(args) ? path : QString();
}

QJsonObject Probe(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("ffprobe"),
            {"-v", "error", "-of", "json", "-show_format", "-show_streams", path});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

QJsonObject ProbeAudio(const QString &path)
{
    for (const auto &s : Probe(path).value("streams").toArray())
        if (s.toObject().value("codec_type").toString() == QLatin1String("audio"))
            return s.toObject();
    return {};
}

double ProbeDuration(const QString &path)
{
    return Probe(path).value("format").toObject().value("duration").toString().toDouble();
}

QString ProbeTag(const QString &path, const QString &tag)
{
    const QJsonObject probe = Probe(path);
    QList<QJsonObject> holders{probe.value("format").toObject().value("tags").toObject()};
    for (const auto &s : probe.value("streams").toArray())
        holders << s.toObject().value("tags").toObject();
    for (const QJsonObject &tags : holders)
        for (auto it = tags.begin(); it != tags.end(); ++it)
            if (it.key().compare(tag, Qt::CaseInsensitive) == 0)
                return it.value().toString();
    return {};
}
