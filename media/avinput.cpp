#include "media/avinput.h"
#include <QCoreApplication>

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <mutex>
#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/log.h>
}

void quietAvLogging()
{
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_level(AV_LOG_FATAL); });
}

QByteArray avFileUrl(const QString &path)
{
    return "file:" + QFile::encodeName(path);
}

const char *audioDecoderList()
{
    static const std::string list = [] {
        std::string names;
        void *it = nullptr;
        while (const AVCodec *c = av_codec_iterate(&it)) {
            if (c->type != AVMEDIA_TYPE_AUDIO || !av_codec_is_decoder(c))
                continue;
            if (!names.empty())
                names += ',';
            names += c->name;
        }
        return names;
    }();
    return list.c_str();
}

// Every decoder but those of still pictures: a cover (an attached picture) is then not decoded
// while a file is probed, which for a large one costs many times its bytes.
static const char *decoderListWithoutPictures()
{
    static const std::string list = [] {
        static const AVCodecID pictures[] = {AV_CODEC_ID_MJPEG, AV_CODEC_ID_PNG, AV_CODEC_ID_BMP, AV_CODEC_ID_GIF,
                                             AV_CODEC_ID_WEBP, AV_CODEC_ID_TIFF, AV_CODEC_ID_JPEG2000, AV_CODEC_ID_JPEGLS};
        std::string names;
        void *it = nullptr;
        while (const AVCodec *c = av_codec_iterate(&it)) {
            if (!av_codec_is_decoder(c) || std::find(std::begin(pictures), std::end(pictures), c->id) != std::end(pictures))
                continue;
            if (!names.empty())
                names += ',';
            names += c->name;
        }
        return names;
    }();
    return list.c_str();
}

static void discardNonAudio(AVFormatContext *fmt)
{
    for (unsigned i = 0; i < fmt->nb_streams; ++i) {
        if (fmt->streams[i]->codecpar->codec_type != AVMEDIA_TYPE_AUDIO)
            fmt->streams[i]->discard = AVDISCARD_ALL;
    }
}

AVFormatPtr openMediaHeader(const QString &path, bool audioOnly, const AVIOInterruptCB *interrupt,
                            QString *error)
{
    quietAvLogging();
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return AVFormatPtr();
    };
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return fail(QCoreApplication::translate("Media", "Source file not found: %1").arg(path));
    if (!info.isFile() || !info.isReadable())
        return fail(QCoreApplication::translate("Media", "Cannot read the source file: %1").arg(path));
    if (info.size() == 0)
        return fail(QCoreApplication::translate("Media", "Not a media file (the file is empty): %1").arg(path));

    AVFormatContext *raw = avformat_alloc_context();
    if (!raw)
        return fail(QCoreApplication::translate("Media", "Out of memory opening %1").arg(path));
    if (interrupt)
        raw->interrupt_callback = *interrupt;
    AVDictionary *opts = nullptr;
    av_dict_set(&opts, "codec_whitelist", audioOnly ? audioDecoderList() : decoderListWithoutPictures(), 0);
    int r = avformat_open_input(&raw, avFileUrl(path).constData(), nullptr, &opts);
    av_dict_free(&opts);
    if (r < 0) { // raw is freed by avformat_open_input
        if (r == AVERROR(EACCES) || r == AVERROR(EPERM))
            return fail(QCoreApplication::translate("Media", "Cannot read the source file: %1").arg(path));
        if (r == AVERROR_EXIT)
            return fail(QCoreApplication::translate("Media", "Stopped"));
        return fail(QCoreApplication::translate("Media", "Not a media file: %1").arg(path));
    }
    if (audioOnly)
        discardNonAudio(raw);
    return AVFormatPtr(raw);
}

AVFormatPtr openMediaInput(const QString &path, bool audioOnly, const AVIOInterruptCB *interrupt,
                           QString *error)
{
    AVFormatPtr fmt = openMediaHeader(path, audioOnly, interrupt, error);
    if (!fmt)
        return fmt;
    AVFormatContext *raw = fmt.get();
    const int r = avformat_find_stream_info(raw, nullptr);
    if (r < 0 || raw->nb_streams == 0) {
        if (error)
            *error = r == AVERROR_EXIT ? QCoreApplication::translate("Media", "Stopped") : QCoreApplication::translate("Media", "Not a media file: %1").arg(path);
        return AVFormatPtr();
    }
    if (audioOnly)
        discardNonAudio(raw); // streams found while probing
    return fmt;
}

int sourceSampleBits(const AVCodecParameters *par)
{
    int bits = par->bits_per_raw_sample;
    if (bits <= 0)
        bits = av_get_bits_per_sample(par->codec_id); // PCM; 0 for coded sound
    return bits > 16 ? 24 : 16;
}

int findSoundStream(AVFormatContext *fmt, int stream, const AVCodec **decoder)
{
    if (stream < 0)
        return av_find_best_stream(fmt, AVMEDIA_TYPE_AUDIO, -1, -1, decoder, 0);
    if (stream >= int(fmt->nb_streams) || fmt->streams[stream]->codecpar->codec_type != AVMEDIA_TYPE_AUDIO)
        return AVERROR_STREAM_NOT_FOUND;
    if (decoder) {
        *decoder = avcodec_find_decoder(fmt->streams[stream]->codecpar->codec_id);
        if (!*decoder)
            return AVERROR_DECODER_NOT_FOUND;
    }
    return stream;
}
