// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The output formats, one record each. The order is the number stored in setup.ini and the
// order of every format list; media/ and engine/ find a format's writer by its OutputFormat.
#include <QString>
#include <span>

enum class OutputFormat { Mp3, Wma, Wav, Ogg, Flac, Opus, M4a };

struct TOutputFormatRecord
{
    OutputFormat format;
    const char *name;         // as the format lists show it
    const char *extension;    // without the dot, lower case
    bool tags;                // takes the job's title, artist, album...
    bool pictures;            // takes a cover picture
    const char *settingsPage; // object name of its tab in the settings dialog
};

// Every format, in the order of their stored numbers.
inline constexpr TOutputFormatRecord kOutputFormats[] = {
    {OutputFormat::Mp3, "MP3", "mp3", true, true, "TabSheet2"},
    {OutputFormat::Wma, "WMA", "wma", true, true, "TabSheet4"},
    {OutputFormat::Wav, "WAV", "wav", false, false, "TabSheet3"},
    {OutputFormat::Ogg, "OGG", "ogg", true, true, "TabSheet5"},
    {OutputFormat::Flac, "FLAC", "flac", true, true, "TabSheet6"},
    {OutputFormat::Opus, "OPUS", "opus", true, true, "TabSheet7"},
    {OutputFormat::M4a, "M4A", "m4a", true, true, "TabSheet8"},
};

std::span<const TOutputFormatRecord> OutputFormats();
// The record of a stored number; MP3's for a number that is no format.
const TOutputFormatRecord &FormatRecord(int number);
const TOutputFormatRecord &FormatRecord(OutputFormat format);
// The record whose extension is ext (any letter case), or nullptr.
const TOutputFormatRecord *FormatByExtension(const QString &ext);
