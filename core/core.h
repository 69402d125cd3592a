// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the windows, the engine and the command line share: the error type, clip times as
// hh:mm:ss text, and the "name (n).ext" rule for outputs that would share a name.
//
// Below the windows (core/, media/, engine/, the settings file) there is one way to fail
// and one way to stop:
// - A call that can fail returns Result<T> (core/result.h): its value, or a Failure with the
//   reason for a person and whether it was a stop. It never throws and never shows anything.
// - A long call that can be stopped takes a std::stop_token and returns a Failure with
//   stopped set when it was; the engine turns both into job outcomes (RunEngine::jobFinished
//   with Failed or Stopped and the reason), and a run never throws at its caller.
// - Cancel never waits: it asks the workers to stop and returns; the run reports its jobs
//   stopped once they have ended.
// Exceptions remain in two places only: the settings file's writer throws ClipvoxError when
// setup.ini cannot be written (and changes nothing then), and timeToSeconds throws it for a
// typed time that is no time. The windows show what reaches them: a failure as an
// information box, a ClipvoxError escaping a handler through the general error report; the
// command line prints it and ends with its exit code.
#include <QString>
#include <functional>
#include <optional>
#include <stdexcept>

// An error whose text is meant for the user.
class ClipvoxError : public std::runtime_error
{
public:
    explicit ClipvoxError(const QString &text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

// How strictly a clip time is read.
enum class TimeRule {
    // Characters 1-2, 4-5 and 7-8 as decimal numbers h, m, s; the separators are not
    // looked at and the fields have no range (00:75:00 is 4500). An empty text is 0.
    Lenient,
    // Exactly "hh:mm:ss" with two digits each and minutes and seconds below 60.
    Strict,
};

// Whole seconds of a clip time, nothing when the text is no time by the rule.
std::optional<int> parseTime(const QString &text, TimeRule rule = TimeRule::Lenient);
// As parseTime (lenient), raising ClipvoxError "'xx' is not a valid integer value" for the
// first field that is no number ("Max" among them).
int timeToSeconds(const QString &text);
// hh:mm:ss, two digits at least for each part; hours are not limited (360000 is 100:00:00).
QString secondsToTime(qint64 seconds);

// The most bytes of one file name (NAME_MAX).
constexpr int kNameMax = 255;

// "name (n).ext" beside "name.ext": the extension is the text from the last dot of the file
// name part; a name without one gets " (n)" appended. The name is cut, between characters
// and before the extension, so that the file name part keeps within kNameMax bytes.
QString numberedName(const QString &path, int n);
// The first of path, "name (n).ext", "name (n + 1).ext"... that taken() refuses, n from
// *next (2 when it is below 2); *next becomes the number after the one given. Keeping *next
// per wanted name makes naming many outputs of one name linear.
QString freeName(const QString &path, const std::function<bool(const QString &)> &taken, int *next);
// The longest start of text whose UTF-8 form fits in bytes, cut between characters.
QString cutToBytes(const QString &text, int bytes);
// What a file system allows in a file name beyond Linux's rule (no '/', no NUL).
enum class NameRules {
    Posix,
    // vfat, exFAT, NTFS, SMB/CIFS: none of ? * < > | " : \ and no trailing dot or space.
    Windows,
};
// The rules of the file system that holds folder (or its nearest existing parent).
NameRules nameRulesFor(const QString &folder);
// A file name (no folder) that the rules allow: ? * < > | " : \ become '_' and trailing dots
// and spaces go under the Windows rules, and the name is cut to kNameMax bytes before its
// extension. An empty result is "_".
QString fitFileName(const QString &name, NameRules rules);
// A file name for a line of text: as it is, or quoted as `ls` does, $'a\nb', when it holds
// control characters.
QString shellQuoted(const QString &name);

// What an output's name is made from by a name pattern.
struct NameFields
{
    QString name; // the source's base name, without its extension
    QString title, artist, album;
    int year = 0, track = 0;
    int number = 0;          // the job's position in the queue, from 1
    int count = 0;           // the jobs in the queue: {n} has as many digits as it
    QString chapterTitle;    // a job that is one chapter of its source
    int chapterNumber = 0;   // 0: not a chapter
};
// The output's file name, without folder, from a pattern of {name} {title} {artist} {album}
// {year} {track} (two digits) {n} (padded to the queue's width) {chapter}; a placeholder with nothing to give gives {name},
// and so does a pattern that gives nothing. '/' and control characters become '_', and the
// name keeps within 255 bytes with "." + ext, cut between characters.
QString patternFileName(const QString &pattern, const NameFields &fields, const QString &ext);
// The placeholders of a pattern that patternFileName does not know ("{bogus}"), in order.
QStringList unknownNameFields(const QString &pattern);

// Where outputs go: the output folder, beside each source, or the output folder with the
// sources' folders below root kept.
enum class SaveTo { OutputFolder = 0, BesideSource = 1, KeepTree = 2 };
// The folder, with its trailing '/', that the output of source goes to. A source outside
// root goes to the output folder itself.
QString outputFolderFor(const QString &source, SaveTo where, const QString &outputFolder, const QString &root);
// The deepest folder that holds every one of the files, with its trailing '/'.
QString commonFolder(const QStringList &files);

// The file name extensions (lower case, without the dot) of the videos Clipvox takes from a
// folder.
const QStringList &videoExtensions();
