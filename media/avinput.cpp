// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/avinput.h"
#include <QCoreApplication>

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/log.h>
#include <libavutil/mem.h>
}

void quietAvLogging()
{
    static std::once_flag once;
    std::call_once(once, [] {
        av_log_set_level(AV_LOG_FATAL);
        // The demuxers trust the sizes a file states: a 7 KB WAV whose LIST chunk claims 2.6 GB
        // had 1.3 GB allocated and zeroed at every opening. No part of a source that we read
        // (a cover included) comes near this size.
        av_max_alloc(256 << 20);
    });
}

QByteArray avFileUrl(const QString &path)
{
    return "file:" + QFile::encodeName(path);
}

// Comma-separated names of the decoders that `take` accepts.
template <typename Take>
static std::string decoderNames(Take take)
{
    std::string names;
    void *it = nullptr;
    while (const AVCodec *c = av_codec_iterate(&it)) {
        if (!av_codec_is_decoder(c) || !take(c))
            continue;
        if (!names.empty())
            names += ',';
        names += c->name;
    }
    return names;
}

const char *audioDecoderList()
{
    static const std::string list = decoderNames([](const AVCodec *c) { return c->type == AVMEDIA_TYPE_AUDIO; });
    return list.c_str();
}

// Every decoder but those of still pictures: a cover (an attached picture) is then not decoded
// while a file is probed, which for a large one costs many times its bytes.
static const char *decoderListWithoutPictures()
{
    static const std::string list = decoderNames([](const AVCodec *c) {
        static const AVCodecID pictures[] = {AV_CODEC_ID_MJPEG, AV_CODEC_ID_PNG, AV_CODEC_ID_BMP, AV_CODEC_ID_GIF,
                                             AV_CODEC_ID_WEBP, AV_CODEC_ID_TIFF, AV_CODEC_ID_JPEG2000, AV_CODEC_ID_JPEGLS};
        return std::find(std::begin(pictures), std::end(pictures), c->id) == std::end(pictures);
    });
    return list.c_str();
}

namespace {

// The in-memory sources alive, by path.
struct MemorySources
{
    std::mutex mutex;
    QHash<QString, QByteArray> bytes;
    quint64 next = 0;
};

MemorySources &memorySources()
{
    static MemorySources sources;
    return sources;
}

std::optional<QByteArray> memorySource(const QString &path)
{
    MemorySources &m = memorySources();
    std::lock_guard lock(m.mutex);
    const auto it = m.bytes.constFind(path);
    if (it == m.bytes.constEnd())
        return std::nullopt;
    return *it;
}

// One reading of an in-memory source: its bytes (shared, not copied) and the place read.
struct MemoryReader
{
    QByteArray bytes;
    int64_t pos = 0;
};

int readMemory(void *opaque, uint8_t *buf, int size)
{
    auto *r = static_cast<MemoryReader *>(opaque);
    const int64_t n = std::min<int64_t>(size, r->bytes.size() - r->pos);
    if (n <= 0)
        return AVERROR_EOF;
    std::memcpy(buf, r->bytes.constData() + r->pos, size_t(n));
    r->pos += n;
    return int(n);
}

int64_t seekMemory(void *opaque, int64_t offset, int whence)
{
    auto *r = static_cast<MemoryReader *>(opaque);
    const int64_t size = r->bytes.size();
    int64_t base = 0;
    switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE: return size;
    case SEEK_SET: base = 0; break;
    case SEEK_CUR: base = r->pos; break;
    case SEEK_END: base = size; break;
    default: return AVERROR(EINVAL);
    }
    if (offset < -base || offset > size - base) // checked before adding: no overflow
        return AVERROR(EINVAL);
    r->pos = base + offset;
    return r->pos;
}

void freeMemoryIo(AVIOContext *io)
{
    delete static_cast<MemoryReader *>(io->opaque);
    av_freep(&io->buffer);
    avio_context_free(&io);
}

AVIOContext *openMemoryIo(const QByteArray &bytes)
{
    constexpr int kBufferBytes = 32768;
    auto *buffer = static_cast<unsigned char *>(av_malloc(kBufferBytes));
    if (!buffer)
        return nullptr;
    auto *reader = new MemoryReader{bytes};
    AVIOContext *io = avio_alloc_context(buffer, kBufferBytes, 0, reader, readMemory, nullptr, seekMemory);
    if (!io) {
        av_free(buffer);
        delete reader;
    }
    return io;
}

// An in-memory source names no other file: a playlist or reference inside it opens nothing.
int refuseNestedOpen(AVFormatContext *, AVIOContext **, const char *, int, AVDictionary **)
{
    return AVERROR(EPERM);
}

} // namespace

void AVFormatCloser::operator()(AVFormatContext *p) const
{
    avformat_close_input(&p);
    if (memoryIo) // a custom reader outlives the input that used it
        freeMemoryIo(memoryIo);
}

InMemorySource::InMemorySource(const QByteArray &bytes)
{
    MemorySources &m = memorySources();
    std::lock_guard lock(m.mutex);
    m_path = QStringLiteral("memory:%1").arg(++m.next).prepend(QChar(0));
    m.bytes.insert(m_path, bytes);
}

InMemorySource::~InMemorySource()
{
    MemorySources &m = memorySources();
    std::lock_guard lock(m.mutex);
    m.bytes.remove(m_path);
}

AVIOInterruptCB stopInterrupt(const std::stop_token *stop)
{
    return {[](void *p) { return static_cast<const std::stop_token *>(p)->stop_requested() ? 1 : 0; },
            const_cast<std::stop_token *>(stop)};
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
    const std::optional<QByteArray> memory = memorySource(path);
    if (memory) {
        if (memory->isEmpty())
            return fail(QCoreApplication::translate("Media", "Not a media file (the file is empty): %1").arg(path));
    } else {
        const QFileInfo info(path);
        if (path.isEmpty() || !info.exists())
            return fail(QCoreApplication::translate("Media", "Source file not found: %1").arg(path));
        if (!info.isFile() || !info.isReadable())
            return fail(QCoreApplication::translate("Media", "Cannot read the source file: %1").arg(path));
        if (info.size() == 0)
            return fail(QCoreApplication::translate("Media", "Not a media file (the file is empty): %1").arg(path));
    }

    AVFormatContext *raw = avformat_alloc_context();
    AVIOContext *memoryIo = memory && raw ? openMemoryIo(*memory) : nullptr;
    if (!raw || (memory && !memoryIo)) {
        avformat_free_context(raw);
        return fail(QCoreApplication::translate("Media", "Out of memory opening %1").arg(path));
    }
    if (interrupt)
        raw->interrupt_callback = *interrupt;
    if (memoryIo) {
        raw->pb = memoryIo;
        raw->io_open = refuseNestedOpen;
    }
    AVDictionary *opts = nullptr;
    av_dict_set(&opts, "codec_whitelist", audioOnly ? audioDecoderList() : decoderListWithoutPictures(), 0);
    // Only local files: a playlist or reference file posing as a video may name no URL.
    av_dict_set(&opts, "protocol_whitelist", "file", 0);
    int r = avformat_open_input(&raw, memoryIo ? "" : avFileUrl(path).constData(), nullptr, &opts);
    av_dict_free(&opts);
    if (r < 0) { // raw is freed by avformat_open_input, a custom reader is not
        if (memoryIo)
            freeMemoryIo(memoryIo);
        if (r == AVERROR(EACCES) || r == AVERROR(EPERM))
            return fail(QCoreApplication::translate("Media", "Cannot read the source file: %1").arg(path));
        if (r == AVERROR_EXIT)
            return fail(QCoreApplication::translate("Media", "Stopped"));
        return fail(QCoreApplication::translate("Media", "Not a media file: %1").arg(path));
    }
    if (audioOnly)
        discardNonAudio(raw);
    return AVFormatPtr(raw, AVFormatCloser{memoryIo});
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

namespace {
uint32_t le32(const QByteArray &b, qsizetype at)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | uint8_t(b[at + i]);
    return v;
}

uint64_t le64(const QByteArray &b, qsizetype at) { return le32(b, at) | uint64_t(le32(b, at + 4)) << 32; }

// AVI: the RIFF size, and the n-th stream header's start and length in its own units.
std::optional<double> aviCutShort(const QByteArray &head, qint64 size, int stream)
{
    if (head.size() < 12 || !head.startsWith("RIFF") || qint64(le32(head, 4)) + 8 <= size)
        return std::nullopt;
    qsizetype at = 0;
    for (int n = 0; (at = head.indexOf("strh", at + 1)) >= 0; ++n) {
        if (n != stream)
            continue;
        if (at + 8 + 36 > head.size() || head.mid(at + 8, 4) != "auds")
            break;
        const double scale = le32(head, at + 28), rate = le32(head, at + 32);
        return rate > 0 ? (double(le32(head, at + 36)) + le32(head, at + 40)) * scale / rate : 0.0;
    }
    return 0.0;
}

// ASF: the file properties object's file size, play duration and preroll (none in a broadcast).
std::optional<double> asfCutShort(const QByteArray &head, qint64 size)
{
    static const char kFileProperties[] = "\xA1\xDC\xAB\x8C\x47\xA9\xCF\x11\x8E\xE4\x00\xC0\x0C\x20\x53\x65";
    const qsizetype at = head.indexOf(QByteArray(kFileProperties, 16));
    if (at < 0 || at + 24 + 68 > head.size() || (le32(head, at + 24 + 64) & 1))
        return std::nullopt;
    const qsizetype body = at + 24;
    const uint64_t stated = le64(head, body + 16);
    if (stated == 0 || qint64(stated) <= size)
        return std::nullopt;
    const double seconds = double(le64(head, body + 40)) / 1e7 - double(le64(head, body + 56)) / 1e3;
    return std::max(seconds, 0.0);
}
} // namespace

std::optional<double> cutShortStatedSeconds(const QString &path, const AVFormatContext *fmt, int stream)
{
    const bool avi = std::strcmp(fmt->iformat->name, "avi") == 0, asf = std::strstr(fmt->iformat->name, "asf") != nullptr;
    if (!avi && !asf)
        return std::nullopt;
    constexpr qint64 kHeadBytes = 256 * 1024;
    QByteArray head;
    qint64 size = 0;
    if (const std::optional<QByteArray> memory = memorySource(path)) {
        head = memory->left(kHeadBytes);
        size = memory->size();
    } else {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        size = file.size();
        head = file.read(kHeadBytes);
    }
    return avi ? aviCutShort(head, size, stream) : asfCutShort(head, size);
}
