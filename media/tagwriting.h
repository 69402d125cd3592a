// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pieces the formats' tag writers share: TagLib texts, the common fields, the cover and
// the ReplayGain fields of each kind of tag.
#include "media/tags.h"

#include <taglib/asftag.h>
#include <taglib/flacpicture.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4tag.h>
#include <taglib/tag.h>
#include <taglib/xiphcomment.h>

TagLib::String str(const QString &s);
TagLib::ByteVector bytes(const QByteArray &b);
// The genre: its name from the list, else the free text.
QString genre(const OutputTags &info);
// The fields every format shares, through TagLib's common interface.
void setCommon(TagLib::Tag *tag, const OutputTags &info);
// The cover's type: the one given, else told by the picture's first bytes.
QString coverMime(const OutputTags &info);
// A FLAC picture block (FLAC's PICTURE, and Xiph's METADATA_BLOCK_PICTURE) of the cover.
TagLib::FLAC::Picture *flacPicture(const OutputTags &info);
// Xiph comment (OGG, FLAC, Opus): the common fields plus COPYRIGHT, and the cover as
// METADATA_BLOCK_PICTURE when withCover.
void setXiph(TagLib::Ogg::XiphComment *tag, const OutputTags &info, bool withCover = true);
// The ReplayGain values as each kind of tag holds them (Opus: RFC 7845's R128 gains).
void setXiphGain(TagLib::Ogg::XiphComment *tag, const ReplayGainValues &rg, bool opus);
void setId3Gain(TagLib::ID3v2::Tag *tag, const ReplayGainValues &rg);
void setMp4Gain(TagLib::MP4::Tag *tag, const ReplayGainValues &rg);
void setAsfGain(TagLib::ASF::Tag *tag, const ReplayGainValues &rg);
