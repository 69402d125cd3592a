// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/tags.h"
#include <QImageReader>
#include <QBuffer>
#include "media/tagwriting.h"
#include <QCoreApplication>

#include "media/cover.h"
#include "media/outputfile.h"

#include <QFile>
#include <QFileInfo>
#include <taglib/id3v1genres.h>
#include <taglib/textidentificationframe.h>
#include <taglib/tiostream.h>

#include <algorithm>
#include <cmath>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// The file under TagLib, on a descriptor with no buffer of its own: each write's failure is
// seen as it happens and kept with the system's reason (TagLib's own stream drops it), and
// nothing more is written after one.
class CheckedStream final : public TagLib::IOStream
{
public:
    explicit CheckedStream(const QString &path) : m_name(QFile::encodeName(path))
    {
        m_fd = ::open(m_name.constData(), O_RDWR | O_CLOEXEC);
        if (m_fd < 0)
            m_errno = errno;
    }
    ~CheckedStream() override { close(); }
    bool close()
    {
        if (m_fd >= 0 && ::close(m_fd) != 0)
            note();
        m_fd = -1;
        return !m_errno;
    }
    bool failed() const { return m_errno != 0; }
    QString reason() const { return QString::fromLocal8Bit(std::strerror(m_errno)); }

    TagLib::FileName name() const override { return m_name.constData(); }
    TagLib::ByteVector readBlock(unsigned long length) override
    {
        TagLib::ByteVector v(unsigned(length), '\0');
        const int64_t n = readAt(m_pos, v.data(), int64_t(length));
        v.resize(unsigned(n));
        m_pos += n;
        return v;
    }
    void writeBlock(const TagLib::ByteVector &data) override
    {
        if (writeAt(m_pos, data.data(), data.size()))
            m_pos += data.size();
    }
    void insert(const TagLib::ByteVector &data, unsigned long start, unsigned long replace) override
    {
        const int64_t from = int64_t(start + replace), to = int64_t(start + data.size()), end = length();
        if (from != to && move(from, to, std::max<int64_t>(0, end - from)) && to < from)
            truncate(long(end - (from - to)));
        if (writeAt(int64_t(start), data.data(), data.size()))
            m_pos = to;
    }
    void removeBlock(unsigned long start, unsigned long length) override
    {
        insert(TagLib::ByteVector(), start, length);
    }
    bool readOnly() const override { return false; }
    bool isOpen() const override { return m_fd >= 0; }
    void seek(long offset, Position p) override
    {
        m_pos = std::max<int64_t>(0, offset + (p == Beginning ? 0 : p == Current ? m_pos : length()));
    }
    long tell() const override { return long(m_pos); }
    long length() override
    {
        struct stat st {};
        return m_fd >= 0 && ::fstat(m_fd, &st) == 0 ? long(st.st_size) : 0;
    }
    void truncate(long length) override
    {
        if (!m_errno && ::ftruncate(m_fd, off_t(length)) != 0)
            note();
    }

private:
    void note()
    {
        if (!m_errno)
            m_errno = errno ? errno : EIO;
    }
    int64_t readAt(int64_t at, char *data, int64_t size)
    {
        int64_t done = 0;
        while (m_fd >= 0 && done < size) {
            const ssize_t n = ::pread(m_fd, data + done, size_t(size - done), off_t(at + done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += n;
        }
        return done;
    }
    bool writeAt(int64_t at, const char *data, size_t size)
    {
        for (size_t done = 0; done < size && !m_errno;) {
            const ssize_t n = ::pwrite(m_fd, data + done, size - done, off_t(at + int64_t(done)));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                note();
            else
                done += size_t(n);
        }
        return !m_errno;
    }
    // Moves count bytes from one place to another of the file, in pieces, starting at the
    // end that is not overwritten before it is read.
    bool move(int64_t from, int64_t to, int64_t count)
    {
        std::vector<char> piece(size_t(1) << 20);
        for (int64_t done = 0; done < count && !m_errno;) {
            const int64_t n = std::min<int64_t>(int64_t(piece.size()), count - done);
            const int64_t at = to > from ? count - done - n : done;
            if (readAt(from + at, piece.data(), n) != n) {
                errno = EIO;
                note();
            }
            writeAt(to + at, piece.data(), size_t(n));
            done += n;
        }
        return !m_errno;
    }

    QByteArray m_name;
    int m_fd = -1;
    int m_errno = 0;
    int64_t m_pos = 0;
};

} // namespace

TagLib::String str(const QString &s)
{
    return TagLib::String(s.toUtf8().constData(), TagLib::String::UTF8);
}

// The genre: its name from the list, else the free text.
QString genre(const OutputTags &info)
{
    const QString listed = OutputTags::genreText(info.InfoGenre);
    return listed.isEmpty() ? info.infoGenreName : listed;
}

// The fields every format shares, through TagLib's common interface.
void setCommon(TagLib::Tag *tag, const OutputTags &info)
{
    tag->setTitle(str(info.infoTitle));
    tag->setArtist(str(info.infoArtist));
    tag->setAlbum(str(info.infoAlbum));
    tag->setComment(str(info.infoComments));
    tag->setYear(info.InfoYear > 0 ? unsigned(info.InfoYear) : 0);
    tag->setTrack(info.InfoTrack > 0 ? unsigned(info.InfoTrack) : 0);
    tag->setGenre(str(genre(info)));
}

// The cover's type: the one given, else told by the picture's first bytes.
QString coverMime(const OutputTags &info)
{
    if (!info.infoCoverMime.isEmpty())
        return info.infoCoverMime.toLower();
    if (info.infoCover.startsWith("\x89PNG"))
        return QStringLiteral("image/png");
    return QStringLiteral("image/jpeg");
}

TagLib::ByteVector bytes(const QByteArray &b)
{
    return TagLib::ByteVector(b.constData(), unsigned(b.size()));
}

// A FLAC picture block (FLAC's PICTURE, and Xiph's METADATA_BLOCK_PICTURE) of the cover.
TagLib::FLAC::Picture *flacPicture(const OutputTags &info)
{
    auto *p = new TagLib::FLAC::Picture;
    p->setType(TagLib::FLAC::Picture::FrontCover);
    p->setMimeType(str(coverMime(info)));
    p->setData(bytes(info.infoCover));
    // The block states the picture's size and depth, which players use to choose a cover.
    QByteArray shared = info.infoCover;
    QBuffer buffer(&shared);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (const QSize size = reader.size(); size.isValid()) {
        p->setWidth(size.width());
        p->setHeight(size.height());
        const QImage::Format format = reader.imageFormat();
        p->setColorDepth(format == QImage::Format_Invalid ? 24 : QImage::toPixelFormat(format).bitsPerPixel());
    }
    return p;
}

// Xiph comment (OGG, FLAC, Opus): the common fields plus COPYRIGHT, and the cover as
// METADATA_BLOCK_PICTURE when withCover.
void setXiph(TagLib::Ogg::XiphComment *tag, const OutputTags &info, bool withCover)
{
    setCommon(tag, info);
    tag->removeFields("COPYRIGHT");
    tag->removeFields("TRACKTOTAL");
    if (info.InfoTrack > 0 && info.InfoTrackTotal > 0)
        tag->addField("TRACKTOTAL", TagLib::String::number(info.InfoTrackTotal));
    if (!info.infoCopyright.isEmpty())
        tag->addField("COPYRIGHT", str(info.infoCopyright));
    if (withCover && !info.infoCover.isEmpty()) {
        tag->removeAllPictures();
        tag->addPicture(flacPicture(info));
    }
}

namespace {
// The ReplayGain fields by their names and texts; a value not given removes its field.
struct GainField
{
    const char *name;
    QString text; // empty: none
};

std::vector<GainField> gainFields(const ReplayGainValues &rg)
{
    const auto gain = [](double db) { return db == db ? QString::asprintf("%.2f dB", db) : QString(); };
    const auto peak = [](double p) { return p == p ? QString::asprintf("%.6f", p) : QString(); };
    return {{"REPLAYGAIN_TRACK_GAIN", gain(rg.trackGainDb)},
            {"REPLAYGAIN_TRACK_PEAK", peak(rg.trackPeak)},
            {"REPLAYGAIN_ALBUM_GAIN", gain(rg.albumGainDb)},
            {"REPLAYGAIN_ALBUM_PEAK", peak(rg.albumPeak)}};
}

// Opus: a ReplayGain gain (-18 LUFS) as RFC 7845's R128 gain, Q7.8 relative to -23 LUFS.
QString r128(double db)
{
    if (db != db)
        return {};
    return QString::number(std::clamp<long>(std::lround((db - 5) * 256), -32768, 32767));
}
} // namespace

void setXiphGain(TagLib::Ogg::XiphComment *tag, const ReplayGainValues &rg, bool opus)
{
    if (opus) {
        const std::pair<const char *, QString> fields[] = {{"R128_TRACK_GAIN", r128(rg.trackGainDb)},
                                                           {"R128_ALBUM_GAIN", r128(rg.albumGainDb)}};
        for (const auto &[name, text] : fields) {
            tag->removeFields(name);
            if (!text.isEmpty())
                tag->addField(name, str(text));
        }
        return;
    }
    for (const GainField &f : gainFields(rg)) {
        tag->removeFields(f.name);
        if (!f.text.isEmpty())
            tag->addField(f.name, str(f.text));
    }
}

void setId3Gain(TagLib::ID3v2::Tag *tag, const ReplayGainValues &rg)
{
    for (const GainField &f : gainFields(rg)) {
        while (auto *old = TagLib::ID3v2::UserTextIdentificationFrame::find(tag, f.name))
            tag->removeFrame(old);
        if (f.text.isEmpty())
            continue;
        auto *frame = new TagLib::ID3v2::UserTextIdentificationFrame(TagLib::String::UTF8);
        frame->setDescription(f.name);
        frame->setText(str(f.text));
        tag->addFrame(frame);
    }
}

void setMp4Gain(TagLib::MP4::Tag *tag, const ReplayGainValues &rg)
{
    for (const GainField &f : gainFields(rg)) {
        const TagLib::String key = TagLib::String("----:com.apple.iTunes:") + f.name;
        tag->removeItem(key);
        if (!f.text.isEmpty())
            tag->setItem(key, TagLib::StringList(str(f.text)));
    }
}

void setAsfGain(TagLib::ASF::Tag *tag, const ReplayGainValues &rg)
{
    for (const GainField &f : gainFields(rg)) {
        tag->removeItem(f.name);
        if (!f.text.isEmpty())
            tag->setAttribute(f.name, TagLib::ASF::Attribute(str(f.text)));
    }
}

QString OutputTags::genreText(int number)
{
    if (number < 0 || number > 146)
        return {};
    return QString::fromStdWString(TagLib::ID3v1::genre(number).toWString());
}

bool OutputTags::writeTags(const QString &path, TagFileWriter writer)
{
    return write(path, true, writer);
}

bool OutputTags::writeReplayGain(const QString &path, TagFileWriter writer)
{
    return write(path, false, writer);
}

bool OutputTags::write(const QString &path, bool all, TagFileWriter writer)
{
    m_error.clear();
    if (!QFileInfo(path).isFile()) {
        m_error = QCoreApplication::translate("Media", "File not found: %1").arg(path);
        return false;
    }
    // A cover over the limits is scaled down, or left out when it cannot be.
    if (all && !infoCover.isEmpty() && !coverFits(infoCover)) {
        OutputTags fitted = *this;
        fitted.infoCover = fitCover(infoCover, &fitted.infoCoverMime);
        const bool ok = fitted.write(path, all, writer);
        m_error = fitted.m_error;
        return ok;
    }
    if (!writer) {
        m_error = QCoreApplication::translate("Media", "Tags can be written to MP3, OGG, WMA, FLAC, Opus and M4A files only: %1").arg(path);
        return false;
    }
    CheckedStream stream(path);
    const bool ok = writer(&stream, *this, all);
    const bool closed = stream.close();
    if (stream.failed())
        m_error = cannotWrite(path, stream.reason());
    else if (!ok)
        m_error = QCoreApplication::translate("Media", "Cannot write the tags of %1").arg(path);
    return ok && closed;
}
