#include "media/audiofile2.h"

#include <QFile>
#include <QFileInfo>
#include <taglib/asffile.h>
#include <taglib/flacfile.h>
#include <taglib/mp4file.h>
#include <taglib/opusfile.h>
#include <taglib/id3v1genres.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/textidentificationframe.h>
#include <taglib/vorbisfile.h>
#include <taglib/xiphcomment.h>

namespace {

TagLib::String str(const QString &s)
{
    return TagLib::String(s.toUtf8().constData(), TagLib::String::UTF8);
}

// The fields every format shares, through TagLib's common interface.
void setCommon(TagLib::Tag *tag, const TAudioInformation2 &info)
{
    tag->setTitle(str(info.infoTitle));
    tag->setArtist(str(info.infoArtist));
    tag->setAlbum(str(info.infoAlbum));
    tag->setComment(str(info.infoComments));
    tag->setYear(info.InfoYear > 0 ? unsigned(info.InfoYear) : 0);
    tag->setTrack(info.InfoTrack > 0 ? unsigned(info.InfoTrack) : 0);
    tag->setGenre(str(TAudioInformation2::GenreText(info.InfoGenre)));
}

// Xiph comment (OGG, FLAC, Opus): the common fields plus COPYRIGHT.
void setXiph(TagLib::Ogg::XiphComment *tag, const TAudioInformation2 &info)
{
    setCommon(tag, info);
    tag->removeFields("COPYRIGHT");
    if (!info.infoCopyright.isEmpty())
        tag->addField("COPYRIGHT", str(info.infoCopyright));
}

} // namespace

QString TAudioInformation2::GenreText(int number)
{
    if (number < 0 || number > 146)
        return {};
    return QString::fromStdWString(TagLib::ID3v1::genre(number).toWString());
}

bool TAudioInformation2::WriteTags(const QString &path)
{
    m_error.clear();
    if (!QFileInfo(path).isFile()) {
        m_error = QStringLiteral("File not found: %1").arg(path);
        return false;
    }
    const QByteArray name = QFile::encodeName(path);
    const QString ext = QFileInfo(path).suffix().toLower();
    bool ok = false;
    if (ext == QLatin1String("mp3")) {
        TagLib::MPEG::File f(name.constData(), false);
        if (f.isValid()) {
            TagLib::ID3v2::Tag *tag = f.ID3v2Tag(true);
            setCommon(tag, *this);
            tag->removeFrames("TCOP");
            if (!infoCopyright.isEmpty()) {
                auto *frame = new TagLib::ID3v2::TextIdentificationFrame("TCOP", TagLib::String::UTF8);
                frame->setText(str(infoCopyright));
                tag->addFrame(frame);
            }
            ok = f.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripNone, TagLib::ID3v2::v4);
        }
    } else if (ext == QLatin1String("ogg")) {
        TagLib::Ogg::Vorbis::File f(name.constData(), false);
        if (f.isValid()) {
            setXiph(f.tag(), *this);
            ok = f.save();
        }
    } else if (ext == QLatin1String("opus")) {
        TagLib::Ogg::Opus::File f(name.constData(), false);
        if (f.isValid()) {
            setXiph(f.tag(), *this);
            ok = f.save();
        }
    } else if (ext == QLatin1String("flac")) {
        TagLib::FLAC::File f(name.constData(), false);
        if (f.isValid()) {
            setXiph(f.xiphComment(true), *this);
            ok = f.save();
        }
    } else if (ext == QLatin1String("m4a")) {
        TagLib::MP4::File f(name.constData(), false);
        if (f.isValid()) {
            TagLib::MP4::Tag *tag = f.tag();
            setCommon(tag, *this);
            tag->removeItem("cprt");
            if (!infoCopyright.isEmpty())
                tag->setItem("cprt", TagLib::StringList(str(infoCopyright)));
            ok = f.save();
        }
    } else if (ext == QLatin1String("wma")) {
        TagLib::ASF::File f(name.constData(), false);
        if (f.isValid()) {
            TagLib::ASF::Tag *tag = f.tag();
            setCommon(tag, *this);
            tag->setCopyright(str(infoCopyright));
            // ASF keeps a year, track or genre of 0 or "" as an attribute: drop those.
            if (InfoYear <= 0)
                tag->removeItem("WM/Year");
            if (InfoTrack <= 0)
                tag->removeItem("WM/TrackNumber");
            if (GenreText(InfoGenre).isEmpty())
                tag->removeItem("WM/Genre");
            ok = f.save();
        }
    } else {
        m_error = QStringLiteral("Tags can be written to MP3, OGG, WMA, FLAC, Opus and M4A files only: %1").arg(path);
        return false;
    }
    if (!ok)
        m_error = QStringLiteral("Cannot write the tags of %1").arg(path);
    return ok;
}
