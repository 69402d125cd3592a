#include "media/audiofile2.h"
#include <QCoreApplication>

#include <QFile>
#include <QFileInfo>
#include <taglib/asffile.h>
#include <taglib/asfpicture.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/flacpicture.h>
#include <taglib/mp4coverart.h>
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

// The genre: its name from the list, else the free text.
QString genre(const TAudioInformation2 &info)
{
    const QString listed = TAudioInformation2::GenreText(info.InfoGenre);
    return listed.isEmpty() ? info.infoGenreName : listed;
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
    tag->setGenre(str(genre(info)));
}

// The cover's type: the one given, else told by the picture's first bytes.
QString coverMime(const TAudioInformation2 &info)
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
TagLib::FLAC::Picture *flacPicture(const TAudioInformation2 &info)
{
    auto *p = new TagLib::FLAC::Picture;
    p->setType(TagLib::FLAC::Picture::FrontCover);
    p->setMimeType(str(coverMime(info)));
    p->setData(bytes(info.infoCover));
    return p;
}

// Xiph comment (OGG, FLAC, Opus): the common fields plus COPYRIGHT, and the cover as
// METADATA_BLOCK_PICTURE when withCover.
void setXiph(TagLib::Ogg::XiphComment *tag, const TAudioInformation2 &info, bool withCover = true)
{
    setCommon(tag, info);
    tag->removeFields("COPYRIGHT");
    if (!info.infoCopyright.isEmpty())
        tag->addField("COPYRIGHT", str(info.infoCopyright));
    if (withCover && !info.infoCover.isEmpty()) {
        tag->removeAllPictures();
        tag->addPicture(flacPicture(info));
    }
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
        m_error = QCoreApplication::translate("Media", "File not found: %1").arg(path);
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
            if (!infoCover.isEmpty()) {
                tag->removeFrames("APIC");
                auto *pic = new TagLib::ID3v2::AttachedPictureFrame;
                pic->setTextEncoding(TagLib::String::UTF8);
                pic->setType(TagLib::ID3v2::AttachedPictureFrame::FrontCover);
                pic->setMimeType(str(coverMime(*this)));
                pic->setPicture(bytes(infoCover));
                tag->addFrame(pic);
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
            setXiph(f.xiphComment(true), *this, false);
            if (!infoCover.isEmpty()) { // FLAC's own PICTURE block, not the comment's
                f.removePictures();
                f.addPicture(flacPicture(*this));
            }
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
            if (!infoCover.isEmpty()) {
                const QString mime = coverMime(*this);
                const auto format = mime == QLatin1String("image/png") ? TagLib::MP4::CoverArt::PNG
                                                                       : TagLib::MP4::CoverArt::JPEG;
                tag->setItem("covr", TagLib::MP4::CoverArtList().append(TagLib::MP4::CoverArt(format, bytes(infoCover))));
            }
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
            if (genre(*this).isEmpty())
                tag->removeItem("WM/Genre");
            if (!infoCover.isEmpty()) {
                TagLib::ASF::Picture pic;
                pic.setType(TagLib::ASF::Picture::FrontCover);
                pic.setMimeType(str(coverMime(*this)));
                pic.setPicture(bytes(infoCover));
                tag->setAttribute("WM/Picture", TagLib::ASF::Attribute(pic));
            }
            ok = f.save();
        }
    } else {
        m_error = QCoreApplication::translate("Media", "Tags can be written to MP3, OGG, WMA, FLAC, Opus and M4A files only: %1").arg(path);
        return false;
    }
    if (!ok)
        m_error = QCoreApplication::translate("Media", "Cannot write the tags of %1").arg(path);
    return ok;
}
