// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tag writer: title, artist, album..., a cover picture and ReplayGain values into the
// output files that take them.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <limits>

namespace TagLib {
class IOStream;
}
class OutputTags;

// A format's tag writer (its module's): opens the file from stream, sets the fields (all, or
// the ReplayGain values only) and saves it; false when the file is not one of the format.
using TagFileWriter = bool (*)(TagLib::IOStream *stream, const OutputTags &info, bool all);

// ReplayGain 2.0 values (reference -18 LUFS): gains in dB, peaks as linear amplitudes (1 is
// full scale). NaN: not written.
struct ReplayGainValues
{
    static constexpr double None = std::numeric_limits<double>::quiet_NaN();
    double trackGainDb = None, trackPeak = None;
    double albumGainDb = None, albumPeak = None;
    bool any() const { return trackGainDb == trackGainDb || albumGainDb == albumGainDb; }
};

class OutputTags
{
public:
    QString infoTitle, infoArtist, infoAlbum, infoComments, infoCopyright;
    int InfoYear = 0;
    int16_t InfoTrack = 0;  // 0 = none
    int16_t InfoTrackTotal = 0; // the number of tracks, with InfoTrack, where the format keeps one (not WMA); 0 = none
    int16_t InfoGenre = 0;  // 0..146 (genreText numbering); other values = none
    int InfoFlag = 0; // no effect
    QString infoGenreName;  // a genre as free text, written when InfoGenre is none
    QByteArray infoCover;   // a front cover picture's file bytes (JPEG or PNG); empty = none
    QString infoCoverMime;  // its type, "image/jpeg" or "image/png"; empty = told by its bytes

    // Writes the tags into an MP3 (ID3v2.4), OGG, FLAC or Opus (Xiph comment), WMA (ASF
    // attributes) or M4A (MP4 atoms) file through its format's writer (none: the format takes
    // no tags); empty texts are left out.
    // A cover replaces the file's pictures: APIC (MP3), METADATA_BLOCK_PICTURE (OGG, Opus),
    // PICTURE (FLAC), covr (M4A), WM/Picture (WMA). False with the reason in lastErrorText.
    bool writeTags(const QString &path, TagFileWriter writer);
    // ReplayGain values, written by writeTags with the other fields, or alone (every other tag
    // kept) by writeReplayGain: REPLAYGAIN_TRACK_GAIN "-3.21 dB", _TRACK_PEAK "0.988831" and the
    // ALBUM_ pair as ID3v2 TXXX frames (MP3), Xiph comments (OGG, FLAC), iTunes free-form atoms
    // (M4A) and ASF attributes (WMA); Opus gets R128_TRACK_GAIN and R128_ALBUM_GAIN, Q7.8
    // integers relative to -23 LUFS (RFC 7845), and no peaks. WAV takes none.
    ReplayGainValues infoReplayGain;
    bool writeReplayGain(const QString &path, TagFileWriter writer);
    QString lastErrorText() const { return m_error; }
    static QString genreText(int number); // 0 Blues .. 146 Jpop; empty otherwise

private:
    bool write(const QString &path, bool all, TagFileWriter writer);
    QString m_error;
};
