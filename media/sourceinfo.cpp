// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sourceinfo.h"
#include <QCoreApplication>

#include "media/avinput.h"
#include "media/cover.h"

#include <QFile>
#include <QFileInfo>
#include <QDateTime>
#include <QLocale>
#include <QMutex>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <deque>
#include <taglib/asffile.h>
#include <taglib/asfpicture.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/channel_layout.h>
}

namespace {

int stopRequested(void *flag)
{
    return static_cast<const std::atomic_bool *>(flag)->load() ? 1 : 0;
}

QString value(const AVDictionary *d, const char *key)
{
    const AVDictionaryEntry *e = av_dict_get(d, key, nullptr, 0); // keys in any case
    return e ? QString::fromUtf8(e->value).trimmed() : QString();
}

// The first non-empty of the keys, from the format's tags and then the sound's.
QString tag(const AVDictionary *format, const AVDictionary *audio, std::initializer_list<const char *> keys)
{
    for (const AVDictionary *d : {format, audio})
        for (const char *k : keys)
            if (QString v = value(d, k); !v.isEmpty())
                return v;
    return {};
}

int leadingNumber(const QString &s)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^\\s*(\\d{1,9})")).match(s);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// The codec as users know it: "AC-3", "AAC", "MP3"...
QString codecName(AVCodecID id)
{
    switch (id) {
    case AV_CODEC_ID_AC3: return QStringLiteral("AC-3");
    case AV_CODEC_ID_EAC3: return QStringLiteral("E-AC-3");
    case AV_CODEC_ID_AAC:
    case AV_CODEC_ID_AAC_LATM: return QStringLiteral("AAC");
    case AV_CODEC_ID_MP3: return QStringLiteral("MP3");
    case AV_CODEC_ID_MP2: return QStringLiteral("MP2");
    case AV_CODEC_ID_OPUS: return QStringLiteral("Opus");
    case AV_CODEC_ID_VORBIS: return QStringLiteral("Vorbis");
    case AV_CODEC_ID_FLAC: return QStringLiteral("FLAC");
    case AV_CODEC_ID_ALAC: return QStringLiteral("ALAC");
    case AV_CODEC_ID_DTS: return QStringLiteral("DTS");
    case AV_CODEC_ID_TRUEHD: return QStringLiteral("TrueHD");
    case AV_CODEC_ID_WMAV1:
    case AV_CODEC_ID_WMAV2: return QStringLiteral("WMA");
    case AV_CODEC_ID_WMAPRO: return QStringLiteral("WMA Pro");
    case AV_CODEC_ID_WMALOSSLESS: return QStringLiteral("WMA Lossless");
    default: break;
    }
    const AVCodecDescriptor *d = avcodec_descriptor_get(id);
    if (!d)
        return {};
    if (QByteArray(d->name).startsWith("pcm_"))
        return QStringLiteral("PCM");
    return QString::fromLatin1(d->name).toUpper();
}

QString channelsName(const AVChannelLayout &layout)
{
    switch (layout.nb_channels) {
    case 0: return {};
    case 1: return QCoreApplication::translate("Media", "mono");
    case 2: return QCoreApplication::translate("Media", "stereo");
    case 6: return QStringLiteral("5.1");
    case 8: return QStringLiteral("7.1");
    default: break;
    }
    char buf[64];
    if (layout.order == AV_CHANNEL_ORDER_NATIVE && av_channel_layout_describe(&layout, buf, sizeof buf) > 0)
        return QString::fromLatin1(buf); // "quad", "2.1", "4.0"...
    return QCoreApplication::translate("Media", "%1 channels").arg(layout.nb_channels);
}

QString imageMime(AVCodecID id)
{
    if (id == AV_CODEC_ID_MJPEG)
        return QStringLiteral("image/jpeg");
    if (id == AV_CODEC_ID_PNG)
        return QStringLiteral("image/png");
    return {};
}

// The cover: an attached picture or an image attachment, one named "cover" first. Its bytes
// are the format context's own, not copied.
SourceCover findCover(const AVFormatContext *fmt)
{
    SourceCover first;
    for (unsigned i = 0; i < fmt->nb_streams; ++i) {
        const AVStream *st = fmt->streams[i];
        SourceCover c;
        if (st->disposition & AV_DISPOSITION_ATTACHED_PIC) {
            c.mimeType = imageMime(st->codecpar->codec_id);
            c.data = QByteArray::fromRawData(reinterpret_cast<const char *>(st->attached_pic.data), st->attached_pic.size);
        } else if (st->codecpar->codec_type == AVMEDIA_TYPE_ATTACHMENT) {
            const QString mime = value(st->metadata, "mimetype").toLower();
            c.mimeType = mime == QLatin1String("image/jpg") ? QStringLiteral("image/jpeg") : mime;
            if (c.mimeType == QLatin1String("image/jpeg") || c.mimeType == QLatin1String("image/png"))
                c.data = QByteArray::fromRawData(reinterpret_cast<const char *>(st->codecpar->extradata),
                                                 st->codecpar->extradata_size);
        }
        if (c.mimeType.isEmpty() || c.data.isEmpty())
            continue;
        for (const char *k : {"title", "comment", "filename"})
            if (value(st->metadata, k).contains(QLatin1String("cover"), Qt::CaseInsensitive))
                return c;
        if (first.data.isEmpty())
            first = c;
    }
    return first;
}

// FFmpeg misreads an ASF picture over 64 KB, which sits in the Metadata Library object:
// TagLib reads it.
SourceCover asfCover(const QString &path)
{
    TagLib::ASF::File f(QFile::encodeName(path).constData(), false);
    if (!f.isValid() || !f.tag())
        return {};
    for (const TagLib::ASF::Attribute &a : f.tag()->attribute("WM/Picture")) {
        const TagLib::ASF::Picture pic = a.toPicture();
        const QString mime = QString::fromStdString(pic.mimeType().to8Bit(true)).toLower();
        if (pic.isValid() && (mime == QLatin1String("image/jpeg") || mime == QLatin1String("image/png")))
            return {QByteArray(pic.picture().data(), pic.picture().size()), mime};
    }
    return {};
}

// The cover as outputs take it: within the limits, scaled down once per source (a source's
// chapters are jobs of their own), the scaled pictures of the last few sources kept by the
// file's name, size and time.
SourceCover fittedCover(const QString &path, const SourceCover &cover)
{
    if (coverFits(cover.data))
        return {QByteArray(cover.data.constData(), cover.data.size()), cover.mimeType}; // a copy of its own
    struct Fitted
    {
        QString path;
        qint64 size;
        QDateTime modified;
        SourceCover cover;
    };
    static QMutex mutex;
    static std::deque<Fitted> cache;
    const QFileInfo file(path);
    const auto same = [&](const Fitted &f) {
        return f.path == file.absoluteFilePath() && f.size == file.size() && f.modified == file.lastModified();
    };
    {
        QMutexLocker lock(&mutex);
        if (const auto it = std::find_if(cache.begin(), cache.end(), same); it != cache.end())
            return it->cover;
    }
    SourceCover fitted{{}, cover.mimeType};
    fitted.data = fitCover(cover.data, &fitted.mimeType);
    if (fitted.data.isEmpty())
        fitted.mimeType.clear();
    QMutexLocker lock(&mutex);
    cache.push_back({file.absoluteFilePath(), file.size(), file.lastModified(), fitted});
    if (cache.size() > 4)
        cache.pop_front();
    return fitted;
}

bool needsProbing(const AVFormatContext *fmt)
{
    if (fmt->ctx_flags & AVFMTCTX_NOHEADER)
        return true; // streams appear only as packets are read (MPEG programs...)
    for (unsigned i = 0; i < fmt->nb_streams; ++i) {
        const AVCodecParameters *par = fmt->streams[i]->codecpar;
        if (par->codec_type == AVMEDIA_TYPE_AUDIO && (par->codec_id == AV_CODEC_ID_NONE || par->ch_layout.nb_channels == 0))
            return true;
    }
    return false;
}

} // namespace

bool SourceTags::isEmpty() const
{
    return title.isEmpty() && artist.isEmpty() && album.isEmpty() && genre.isEmpty() && comment.isEmpty()
        && copyright.isEmpty() && date.isEmpty() && track == 0;
}

int SourceInfo::defaultTrack() const
{
    for (const SourceTrack &t : tracks)
        if (t.isDefault)
            return t.number;
    return tracks.isEmpty() ? 0 : 1;
}

QString languageName(const QString &code)
{
    const QString c = code.trimmed().toLower();
    if (c.isEmpty() || c == QLatin1String("und") || c == QLatin1String("zxx") || c == QLatin1String("mis")
        || c == QLatin1String("mul"))
        return {};
    const QLocale::Language l = QLocale::codeToLanguage(c, QLocale::AnyLanguageCode);
    if (l == QLocale::AnyLanguage || l == QLocale::C)
        return code.trimmed();
    return QLocale::languageToString(l);
}

namespace {
// The tags, tracks and chapters of an opened source; the cover is the caller's.
void describe(const AVFormatContext *raw, SourceInfo &info)
{
    const AVDictionary *audioTags = nullptr;
    for (unsigned i = 0; i < raw->nb_streams; ++i) {
        const AVStream *st = raw->streams[i];
        if (st->codecpar->codec_type != AVMEDIA_TYPE_AUDIO)
            continue;
        if (!audioTags)
            audioTags = st->metadata;
        SourceTrack t;
        t.number = int(info.tracks.size()) + 1;
        t.streamIndex = st->index;
        t.isDefault = st->disposition & AV_DISPOSITION_DEFAULT;
        t.language = languageName(value(st->metadata, "language"));
        // "2: English, AC-3 5.1, Commentary", leaving out what the file does not tell.
        const QString codec = codecName(st->codecpar->codec_id), channels = channelsName(st->codecpar->ch_layout);
        const QString kind = codec.isEmpty() || channels.isEmpty() ? codec + channels : codec + QLatin1Char(' ') + channels;
        QStringList parts{t.language, kind, value(st->metadata, "title")};
        parts.removeAll(QString());
        t.name = parts.isEmpty() ? QString::number(t.number)
                                 : QStringLiteral("%1: %2").arg(t.number).arg(parts.join(QStringLiteral(", ")));
        info.tracks << t;
    }
    // Only the first default counts; some files mark every track.
    bool seenDefault = false;
    for (SourceTrack &t : info.tracks) {
        t.isDefault = t.isDefault && !seenDefault;
        seenDefault = seenDefault || t.isDefault;
    }

    SourceTags &tags = info.tags;
    const AVDictionary *f = raw->metadata;
    tags.title = tag(f, audioTags, {"title"});
    tags.artist = tag(f, audioTags, {"artist", "album_artist", "author"});
    tags.album = tag(f, audioTags, {"album", "product"}); // AVI keeps the album as its product
    tags.genre = tag(f, audioTags, {"genre"});
    tags.comment = tag(f, audioTags, {"comment", "description"});
    tags.copyright = tag(f, audioTags, {"copyright"});
    tags.date = tag(f, audioTags, {"date", "year"});
    if (const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("(\\d{4})")).match(tags.date); m.hasMatch())
        tags.year = m.captured(1).toInt();
    tags.track = leadingNumber(tag(f, audioTags, {"track"}));

    // Chapters in the clips' time: the container's start time subtracted.
    const double origin = raw->start_time == AV_NOPTS_VALUE ? 0.0 : raw->start_time / double(AV_TIME_BASE);
    const double length = raw->duration > 0 ? raw->duration / double(AV_TIME_BASE) : INFINITY;
    const auto seconds = [&](int64_t t, AVRational tb) { return double(t) * tb.num / tb.den - origin; };
    for (unsigned i = 0; i < raw->nb_chapters; ++i) {
        const AVChapter *c = raw->chapters[i];
        if (c->start == AV_NOPTS_VALUE || c->time_base.den <= 0)
            continue;
        SourceChapter ch;
        ch.start = std::max(0.0, seconds(c->start, c->time_base));
        ch.end = c->end == AV_NOPTS_VALUE || c->end <= c->start ? NAN : seconds(c->end, c->time_base);
        ch.title = value(c->metadata, "title");
        info.chapters << ch;
    }
    std::stable_sort(info.chapters.begin(), info.chapters.end(),
                     [](const SourceChapter &a, const SourceChapter &b) { return a.start < b.start; });
    // A chapter without an end lasts to the next one, the last to the end of the file.
    for (qsizetype i = 0; i < info.chapters.size(); ++i)
        if (std::isnan(info.chapters[i].end))
            info.chapters[i].end = i + 1 < info.chapters.size() ? info.chapters[i + 1].start : length;
}

// The cover as outputs take it; an ASF file's large picture is read by TagLib.
SourceCover coverOf(const QString &path, const AVFormatContext *raw)
{
    SourceCover cover = fittedCover(path, findCover(raw));
    if (cover.data.isEmpty() && QByteArray(raw->iformat->name) == "asf")
        cover = fittedCover(path, asfCover(path));
    return cover;
}
} // namespace

std::optional<SourceInfo> readSourceInfo(const QString &path, const std::atomic_bool *stop, QString *error)
{
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return std::optional<SourceInfo>();
    };
    AVIOInterruptCB cb{stopRequested, const_cast<std::atomic_bool *>(stop)};
    const AVFormatPtr fmt = openMediaHeader(path, true, stop ? &cb : nullptr, error);
    if (!fmt)
        return std::nullopt;
    AVFormatContext *raw = fmt.get();

    SourceInfo info;
    info.cover = coverOf(path, raw); // attached pictures and attachments come with the header
    // Most containers describe their sound in the header; the rest is probed, sound only.
    if (needsProbing(raw)) {
        if (avformat_find_stream_info(raw, nullptr) == AVERROR_EXIT || (stop && stop->load()))
            return fail(QCoreApplication::translate("Media", "Stopped"));
    }
    if (stop && stop->load())
        return fail(QCoreApplication::translate("Media", "Stopped"));
    describe(raw, info);
    return info;
}

SourceProbe probeSource(const QString &path, std::stop_token stop, bool cover)
{
    SourceProbe probe;
    probe.path = path;
    const AVIOInterruptCB cb = stopInterrupt(&stop);
    const AVFormatPtr fmt = openMediaInput(path, true, &cb, &probe.error);
    if (!fmt) {
        probe.lengthError = probe.error;
        return probe;
    }
    AVFormatContext *raw = fmt.get();
    if (cover)
        probe.info.cover = coverOf(path, raw);
    describe(raw, probe.info);
    for (unsigned i = 0; i < raw->nb_streams; ++i)
        if (raw->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_AUDIO)
            probe.sounds[int(i)] = soundOfStream(raw, int(i));
    probe.bestStream = findSoundStream(raw, -1);

    int64_t us = raw->duration;
    if (us == AV_NOPTS_VALUE || us <= 0) {
        // Some containers only know the streams' lengths.
        us = 0;
        for (unsigned i = 0; i < raw->nb_streams; ++i) {
            const AVStream *st = raw->streams[i];
            if (st->duration != AV_NOPTS_VALUE)
                us = std::max(us, av_rescale_q(st->duration, st->time_base, AV_TIME_BASE_Q));
        }
    }
    if (us > 0)
        probe.lengthMs = us / 1000.0;
    else
        probe.lengthError = QCoreApplication::translate("Media", "The length of %1 is unknown").arg(path);
    return probe;
}

bool SourceProbe::sound(int stream, SourceSound *sound, QString *why) const
{
    if (!error.isEmpty()) {
        *why = error;
        return false;
    }
    const int si = stream < 0 ? bestStream : sounds.count(stream) ? stream : -1;
    if (si < 0) {
        *why = stream >= 0 ? QCoreApplication::translate("Media", "Stream %1 of %2 is no sound track").arg(stream).arg(path)
                           : QCoreApplication::translate("Media", "No audio stream in %1").arg(path);
        return false;
    }
    *sound = sounds.at(si);
    if (sound->rate <= 0 || sound->channels <= 0) {
        *why = QCoreApplication::translate("Media", "Cannot decode the sound of %1").arg(path);
        return false;
    }
    return true;
}
