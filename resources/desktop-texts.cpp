// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the desktop entry and the AppStream file, read by lupdate only (never
// compiled): the build writes their translations into the installed files, and fails when
// a text there has no translation here. Keep them equal to the texts of
// resources/org.clipvox.Clipvox.desktop.in and resources/org.clipvox.Clipvox.metainfo.xml.in.
#include <QtGlobal>

static const char *const kDesktopEntryTexts[] = {
    //: The menu entry's and the software centre's Name
    QT_TRANSLATE_NOOP("DesktopEntry", "Clipvox"),
    //: The menu entry's and the software centre's GenericName
    QT_TRANSLATE_NOOP("DesktopEntry", "Audio Extractor"),
    //: The menu entry's and the software centre's Comment
    QT_TRANSLATE_NOOP("DesktopEntry", "Convert the sound track of videos into MP3, WMA, WAV, OGG, FLAC, Opus or M4A files"),
    //: The menu entry's and the software centre's Keywords: search words, each ending in ;
    QT_TRANSLATE_NOOP("DesktopEntry", "audio;video;convert;extract;mp3;ogg;wma;wav;flac;opus;m4a;sound track;"),
    //: The menu entry's and the software centre's summary
    QT_TRANSLATE_NOOP("DesktopEntry", "Pull the sound track out of videos into audio files"),
    //: The menu entry's and the software centre's description
    QT_TRANSLATE_NOOP("DesktopEntry", "Clipvox converts the sound track of video files into audio files. Queue your videos, preview each one, trim it to a start and end time, give it tags, pick one output folder and one format, and convert the whole queue while a progress dialog shows how far it has come."),
    //: The menu entry's and the software centre's description
    QT_TRANSLATE_NOOP("DesktopEntry", "Reads AVI, MPEG, WMV, ASF, MP4, MKV, WebM, MOV, FLV, MPEG transport streams, VOB, 3GP, OGV and DV"),
    //: The menu entry's and the software centre's description
    QT_TRANSLATE_NOOP("DesktopEntry", "Writes MP3, WMA, WAV, OGG, lossless FLAC, Opus or AAC in M4A, each with its encoder parameters"),
    //: The menu entry's and the software centre's description
    QT_TRANSLATE_NOOP("DesktopEntry", "A clip editor with a preview and a sound strip that shows the start of speech and the pauses"),
    //: The menu entry's and the software centre's description
    QT_TRANSLATE_NOOP("DesktopEntry", "Optionally makes the loudness of the whole queue even (EBU R128)"),
    //: The menu entry's and the software centre's description
    QT_TRANSLATE_NOOP("DesktopEntry", "Converts several files at the same time, and never leaves a half-written file behind"),
    //: The menu entry's and the software centre's description
    QT_TRANSLATE_NOOP("DesktopEntry", "Converts without a window too: clipvox --convert, for scripts and servers"),
};
