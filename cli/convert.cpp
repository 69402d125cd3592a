// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/convert.h"

#include "core/core.h"
#include "core/result.h"
#include "core/translation.h"
#include "engine/chapters.h"
#include "engine/outputname.h"
#include "engine/runengine.h"
#include "formats/registry.h"
#include "media/cover.h"
#include "media/medialength.h"
#include "media/sourceinfo.h"
#include "media/videoedit.h"
#include "settings/presets.h"
#include "settings/settingsfile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QDateTime>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QSocketNotifier>
#include <QTimer>
#include <QUrl>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int kAllConverted = 0, kSomeFailed = 1, kUsage = 2, kCancelled = 130;

int g_signalPipe[2] = {-1, -1};
std::atomic_bool g_interrupted{false}; // stops the reading of sources while names are made

void onSignal(int)
{
    g_interrupted.store(true);
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &byte, 1);
}

// False when the stream cannot be written (a closed pipe: SIGPIPE is ignored).
bool print(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    const bool written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) == size_t(bytes.size());
    return std::fflush(stream) == 0 && written;
}

// A file name as the file system gives it, for a line: as shellQuoted when it is UTF-8, else
// $'...' with each byte outside printable ASCII as \ooo, as `ls` shows it.
QString shownBytes(const QByteArray &name)
{
    const QString text = QString::fromUtf8(name);
    if (text.toUtf8() == name)
        return shellQuoted(text);
    QString quoted = QStringLiteral("$'");
    for (const char c : name) {
        const auto b = uchar(c);
        if (b == '\\' || b == '\'')
            quoted += QStringLiteral("\\") + QLatin1Char(c);
        else if (b >= 0x20 && b < 0x7f)
            quoted += QLatin1Char(c);
        else
            quoted += QStringLiteral("\\%1").arg(b, 3, 8, QLatin1Char('0'));
    }
    return quoted + QLatin1Char('\'');
}

// The file arguments as the bytes argv holds, in order: what follows "--", and every argument
// that is no option nor an option's value.
QList<QByteArray> rawFiles(int argc, char **argv, const QStringList &valued)
{
    QList<QByteArray> files;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (options && arg == "--") {
            options = false;
        } else if (options && arg.startsWith('-') && arg != "-") {
            const QString name = QString::fromUtf8(arg).remove(QRegularExpression(QStringLiteral("^--?")));
            if (!name.contains(QLatin1Char('=')) && valued.contains(name))
                ++i;
        } else {
            files << arg;
        }
    }
    return files;
}

// The output formats by the extension they write, in the order of their setting numbers.
QStringList formatNames()
{
    QStringList names;
    for (const OutputFormatModule *f : outputFormats())
        names << QString::fromLatin1(f->extension);
    return names;
}

// The tag options' part of the usage text.
QString tagOptionsText()
{
    return QCoreApplication::translate("CommandLine",
               "  --tag FIELD=VALUE a tag of every output, over the source's (repeatable); FIELD\n"
               "                    is title, artist, album, year, track, genre or comment\n"
               "  --number          track numbers 1..N in the order of the outputs, with N as\n"
               "                    the total where the format keeps one (not WMA)\n"
               "  --tags-from-name PATTERN\n"
               "                    tags out of each source's name without its extension:\n"
               "                    \"{track} - {title}\", \"{artist} - {title}\"; a name the\n"
               "                    pattern does not match keeps its tags, its line says so\n"
               "  --cover FILE      the picture FILE as every output's cover; a file that is\n"
               "                    no picture fails each file with the reason\n");
}

QString usageText()
{
    return QCoreApplication::translate("CommandLine",
               "Usage: clipvox --convert [options] [--] FILE...\n"
               "       clipvox [FILE...]            (opens the window with the files queued)\n"
               "\n"
               "Converts the sound track of each video FILE to an audio file, without a window.\n"
               "\n"
               "Options:\n"
               "  --format FORMAT   output format: %1 (default: the one in setup.ini)\n"
               "  --output DIR      folder for the outputs (default: each source's own folder)\n"
               "  --start hh:mm:ss  start of the clip of every file (default 00:00:00);\n"
               "                    -hh:mm:ss counts back from each source's end\n"
               "  --end hh:mm:ss    end of the clip of every file, or max (default max);\n"
               "                    -hh:mm:ss counts back from each source's end: --start\n"
               "                    00:00:12 --end -00:00:08 cuts 12 s at the start, 8 s at\n"
               "                    the end; a clip that does not fit a source fails that file\n"
               "  --track N         the sound track to convert, counted from 1 (default: the\n"
               "                    source's default track); a file without it fails\n"
               "  --split-chapters  one output per chapter, \"video - 01 Title.mp3\", with the\n"
               "                    chapter's title and number as tags\n"
               "  --jobs N          files converted at the same time (default: setup.ini)\n"
               "  --overwrite       replace existing files of the output's name; without it an\n"
               "                    existing file is kept and the output takes the next free\n"
               "                    name, \"clip (2).mp3\"; a source is never replaced\n"
               "  --skip-existing   leave a file whose output exists unconverted\n"
               "  --name PATTERN    output file name from {name} {title} {artist} {album} {year}\n"
               "                    {track} {n}; one with nothing to give is {name} (default {name})\n"
               "  --keep-tree ROOT  with --output: the sources' folders below ROOT are kept\n"
               "                    under the output folder\n"
               "  --no-tags         do not copy the source's tags and cover\n"
               "%2"
               "  --loudness LUFS   make each file's loudness even at LUFS (-70 to -5), or off\n"
               "                    (default: setup.ini)\n"
               "  --peaks MODE      where the gain for the loudness would put the true peak over\n"
               "                    -1 dBTP: limit (a limiter takes the peaks, the loudness is\n"
               "                    reached) or lower (the whole file stays quieter) (default:\n"
               "                    setup.ini, else limit)\n"
               "  --replaygain MODE without --loudness: leave the sound as it is and write\n"
               "                    ReplayGain tags (-18 LUFS): track (each file's gain and\n"
               "                    peak), album (also the gain and peak of the files of the run\n"
               "                    in the same folder, written once the last is done) or off;\n"
               "                    with --loudness, album gives those files one gain, so that\n"
               "                    they keep their loudness relative to each other (default:\n"
               "                    setup.ini, else off)\n"
               "  --preset NAME     the settings of a preset over those of setup.ini (before --set\n"
               "                    and the options above)\n"
               "  --list-presets    list the presets: the name, a tab, a description\n"
               "  --set SECTION.KEY=VALUE\n"
               "                    one setting of setup.ini for this run (repeatable), checked\n"
               "                    as setup.ini is: --set mp3.bitrate=192 --set mp3.channels=1\n"
               "  --files-from FILE convert the files named in FILE too, one a line (- reads\n"
               "                    standard input)\n"
               "  --null, -0        the names of --files-from end with a NUL byte, as find\n"
               "                    -print0 writes them\n"
               "  --list-formats    list the output formats: extension, a tab, the name\n"
               "  --progress FORM   plain (the lines below) or json: one JSON object a line on\n"
               "                    standard output, {\"event\":\"start\"|\"progress\"|\"end\",\n"
               "                    \"job\":N,...} (see the manual page)\n"
               "  --watch DIR       convert each video that appears in DIR (and the folders below\n"
               "                    it with --keep-tree) once it has stopped growing, each file\n"
               "                    once, also across restarts; runs until SIGINT or SIGTERM\n"
               "  --help            show this text\n"
               "  --version         show the version\n"
               "\n"
               "Encoder parameters and loudness come from setup.ini, as in the window.\n"
               "One line per file on standard output, in queue order:\n"
               "  ok SOURCE -> OUTPUT (LENGTH)   or   failed SOURCE: REASON\n"
               "  with a loudness target: ok SOURCE -> OUTPUT (LENGTH, -16.0 LUFS), the loudness\n"
               "  reached (-inf LUFS for a file below the -70 LUFS gate)\n"
               "  or   skipped SOURCE: KEPT FILE; names with control characters as $'a\\nb'\n"
               "Exit code: 0 all converted, 1 some failed, 2 usage error, 130 cancelled.\n")
        .arg(formatNames().join(QLatin1Char('|')), tagOptionsText());
}

int usageError(const QString &why)
{
    // One line with the reason and where the help is, as GNU tools say it.
    print(stderr, QStringLiteral("clipvox: %1\n").arg(why)
                      + QCoreApplication::translate("CommandLine", "Try 'clipvox --convert --help'.") + QLatin1Char('\n'));
    return kUsage;
}

// One source of the batch: where it goes, or why it cannot be converted at all.
struct Item
{
    QString given;  // the source as named on the command line
    QString shown;  // the same for the lines, quoted where it holds control characters
    // For a name that is not UTF-8: the folder the output goes to as the file system names it,
    // and the /proc path of the open folder that stands for it in output.
    QByteArray rawFolder;
    QString procFolder;
    QString source; // its absolute path
    QString output;
    QString failed; // set before the run for sources that cannot be read
    const char *code = nullptr; // its stable name for scripts (--progress json)
    QString note;   // said on the ok line
    Job chapter;   // a chapter's clip, title and number (ChapterNumber 0: the whole file)
    RunJob tags;   // the tags the command line gives its output (TagsEnabled: any)
    double clipStart = 0, clipEnd = Job::ToEnd; // its clip, in seconds from the source's start
    int engineIndex = -1;
    std::optional<QString> line; // the finished line, printed in queue order
    bool cancelled = false;      // stopped, or never reached

    // The output's path as text: for a name that is not UTF-8, its folder as given.
    QString plainOutput() const
    {
        if (procFolder.isEmpty() || !output.startsWith(procFolder))
            return output;
        return QFile::decodeName(rawFolder) + output.mid(procFolder.size());
    }

    QString shownOutput() const
    {
        if (procFolder.isEmpty() || !output.startsWith(procFolder))
            return shellQuoted(output);
        return shownBytes(rawFolder + QFile::encodeName(output.mid(procFolder.size())));
    }
};

// A file name's bytes as text: what is UTF-8 as it is, each other byte as %XX, so that two
// names that differ only there still differ.
QString escapedName(const QByteArray &bytes)
{
    QString text;
    for (qsizetype i = 0; i < bytes.size();) {
        const auto lead = uchar(bytes[i]);
        const int n = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                                    : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
        const QByteArray piece = bytes.mid(i, std::max(n, 1));
        const QString decoded = QString::fromUtf8(piece);
        if (n > 0 && piece.size() == n && decoded.toUtf8() == piece && !decoded.contains(QChar::ReplacementCharacter)) {
            text += decoded;
            i += n;
        } else {
            text += QStringLiteral("%%1").arg(lead, 2, 16, QLatin1Char('0')).toUpper();
            ++i;
        }
    }
    return text;
}

class Batch : public QObject
{
public:
    Batch(std::vector<Item> items, const OutputSettings &settings, int jobs, bool json)
        : m_items(std::move(items)), m_settings(settings), m_jobs(jobs), m_tty(::isatty(STDERR_FILENO) == 1), m_json(json)
    {
        m_clock.start();
    }

    // Runs the batch to its end and prints its lines; the exit code.
    int run()
    {
        const QList<RunJob> jobs = makeJobs();
        // A signal while the names were made ends the batch before any work.
        if (g_interrupted) {
            for (Item &item : m_items)
                if (!item.line)
                    cancelled(item);
            flush();
            return kCancelled;
        }
        flush();
        if (jobs.isEmpty())
            return kSomeFailed;
        connectEngine();

        // SIGINT, SIGTERM and SIGHUP reach the event loop through a pipe and cancel as Cancel does.
        QSocketNotifier notifier(g_signalPipe[0], QSocketNotifier::Read);
        connect(&notifier, &QSocketNotifier::activated, this, [this] {
            char buffer[16];
            [[maybe_unused]] const ssize_t n = ::read(g_signalPipe[0], buffer, sizeof buffer);
            m_engine.cancel();
        });
        QTimer ticker;
        if (m_tty) {
            connect(&ticker, &QTimer::timeout, this, &Batch::showProgress);
            ticker.start(250);
        }

        m_engine.start(jobs, m_settings, m_jobs);
        QCoreApplication::exec();
        ticker.stop();
        if (m_tty)
            print(stderr, QStringLiteral("\r\033[K"));
        return report();
    }

    int m_firstJob = 1; // the number of the first job, as scripts see it
    const std::vector<Item> &items() const { return m_items; }
    bool outputGone() const { return m_outputGone; }
    int m_track = 0; // 0: each source's default

private:
    // The command line's tags over the job's own (a chapter's title and number); a field not
    // given keeps what the job or its source has.
    static void giveTags(RunJob &job, const RunJob &tags)
    {
        const auto take = [](QString &field, const QString &mine) {
            if (!mine.isEmpty())
                field = mine;
        };
        if (job.ChapterNumber == 0)
            job.TagComment.clear(); // the source's comment, unless one is given
        take(job.TagTitle, tags.TagTitle);
        take(job.TagArtist, tags.TagArtist);
        take(job.TagAlbum, tags.TagAlbum);
        take(job.TagComment, tags.TagComment);
        take(job.TagGenreName, tags.TagGenreName);
        if (!tags.TagCover.isEmpty())
            job.TagCover = tags.TagCover;
        if (tags.TagYear)
            job.TagYear = tags.TagYear;
        if (tags.TagTrack) {
            job.TagTrack = tags.TagTrack;
            job.TagTrackTotal = tags.TagTrackTotal;
        }
        job.TagsEnabled = true;
    }

    // The engine's jobs, one per item that can be converted; the others get their line.
    QList<RunJob> makeJobs()
    {
        QList<RunJob> jobs;
        // The lines' first words (ok, failed, skipped) stay English in every language:
        // scripts read them. The reasons after them are in the user's language.
        for (Item &item : m_items) {
            if (!item.failed.isEmpty()) {
                ended(item, QStringLiteral("failed %1: %2\n").arg(item.shown, shellQuoted(item.failed)),
                      failedEnd(item.failed, item.code ? item.code : "failed"));
                continue;
            }
            RunJob job;
            job.SourceFile = item.source;
            job.OutputFile = item.output;
            job.clipStart = item.clipStart;
            job.clipEnd = item.clipEnd;
            job.TagComment = QStringLiteral("Clipvox");
            job.SoundTrack = m_track;
            if (item.chapter.ChapterNumber > 0) {
                job.ChapterNumber = item.chapter.ChapterNumber;
                job.ChapterTitle = item.chapter.ChapterTitle;
                job.clipStart = item.chapter.clipStart;
                job.clipEnd = item.chapter.clipEnd;
                job.exactClip = item.chapter.exactClip;
                job.TagTitle = item.chapter.TagTitle;
                job.TagTrack = item.chapter.TagTrack;
                job.TagsEnabled = item.chapter.TagsEnabled;
            }
            if (item.tags.TagsEnabled)
                giveTags(job, item.tags);
            item.engineIndex = int(jobs.size());
            m_byEngine.push_back(&item - m_items.data());
            jobs << job;
        }
        return jobs;
    }

    void connectEngine()
    {
        connect(&m_engine, &RunEngine::jobStarted, this, [this](int index, const QString &, const QString &output) {
            Item &item = m_items[m_byEngine[index]];
            item.output = output;
            m_running << index;
            if (m_json) {
                QJsonObject start{{QStringLiteral("event"), QStringLiteral("start")}, {QStringLiteral("job"), jobNumber(item)},
                                  {QStringLiteral("source"), item.given}, {QStringLiteral("output"), item.plainOutput()}};
                if (item.chapter.ChapterNumber > 0)
                    start.insert(QStringLiteral("chapter"), item.chapter.ChapterNumber);
                emitJson(start);
                m_lastProgress[index] = m_clock.elapsed();
            }
        });
        connect(&m_engine, &RunEngine::fileProgress, this, [this](int index, int percent) {
            m_percent[index] = percent;
            // At most one a job every half second: a long file's progress, not a flood.
            if (m_json && m_clock.elapsed() - m_lastProgress.value(index) >= 500) {
                m_lastProgress[index] = m_clock.elapsed();
                emitJson({{QStringLiteral("event"), QStringLiteral("progress")}, {QStringLiteral("job"), jobNumber(m_items[m_byEngine[index]])},
                          {QStringLiteral("percent"), percent}});
            }
        });
        connect(&m_engine, &RunEngine::jobFinished, this, &Batch::finished);
        // A message after a job's line is made (the album's ReplayGain that could not be
        // written) goes to standard error, and the batch ends as partly failed.
        connect(&m_engine, &RunEngine::jobMessage, this, [this](int index, const QString &text) {
            const Item &item = m_items[m_byEngine[index]];
            if (!item.line)
                return;
            m_lateFailure = true;
            print(stderr, QStringLiteral("clipvox: %1: %2\n").arg(item.shownOutput(), text));
        });
        connect(&m_engine, &RunEngine::runEnded, this, [this](bool cancelled) {
            m_cancelled = cancelled;
            QCoreApplication::exit(0);
        });
    }

    // The lines still owed after the run (the files it did not reach), and the exit code.
    int report()
    {
        for (Item &item : m_items)
            if (!item.line)
                cancelled(item);
        flush();
        if (m_cancelled || m_outputGone)
            return kCancelled;
        if (m_lateFailure)
            return kSomeFailed;
        for (const Item &item : m_items)
            if (item.line->startsWith(QLatin1String("failed")))
                return kSomeFailed;
        return kAllConverted;
    }

    void finished(int index, RunEngine::Outcome outcome, const QString &reason)
    {
        m_running.removeAll(index);
        Item &item = m_items[m_byEngine[index]];
        item.output = m_engine.outputs().value(index);
        const QString note = m_engine.notes().value(index);
        QJsonObject end{{QStringLiteral("event"), QStringLiteral("end")}, {QStringLiteral("job"), jobNumber(item)}};
        if (outcome == RunEngine::Succeeded) {
            const std::optional<double> ms = mediaLengthMs(item.output);
            if (m_json) {
                end.insert(QStringLiteral("status"), QStringLiteral("ok"));
                end.insert(QStringLiteral("output"), item.plainOutput());
                end.insert(QStringLiteral("length"), ms ? QJsonValue(std::round(*ms) / 1000) : QJsonValue());
                end.insert(QStringLiteral("lufs"), finiteOrNull(m_engine.loudness().at(size_t(index)), 10));
                end.insert(QStringLiteral("true_peak"), finiteOrNull(m_engine.truePeak(index), 100));
                QStringList notes{note, item.note, reason};
                notes.removeAll(QString());
                if (!notes.isEmpty())
                    end.insert(QStringLiteral("note"), notes.join(QStringLiteral("; ")));
            }
            QString detail = ms ? secondsToTime(qint64(*ms / 1000 + 0.5)) : QCoreApplication::translate("CommandLine", "length unknown");
            // The loudness reached, in a form scripts read: ", -16.0 LUFS".
            const double lufs = m_engine.loudness().at(size_t(index));
            if (!std::isnan(lufs))
                detail += std::isinf(lufs) ? QStringLiteral(", -inf LUFS") : QStringLiteral(", %1 LUFS").arg(lufs, 0, 'f', 1);
            if (!note.isEmpty())
                detail += QStringLiteral("; ") + shellQuoted(note);
            if (!item.note.isEmpty())
                detail += QStringLiteral("; ") + item.note;
            if (!reason.isEmpty())
                detail += QStringLiteral("; ") + shellQuoted(reason);
            ended(item, QStringLiteral("ok %1 -> %2 (%3)\n").arg(item.shown, item.shownOutput(), detail), end);
        } else if (outcome == RunEngine::Skipped) {
            end.insert(QStringLiteral("status"), QStringLiteral("skipped"));
            end.insert(QStringLiteral("output"), item.plainOutput());
            end.insert(QStringLiteral("reason"), note);
            ended(item, QStringLiteral("skipped %1: %2\n").arg(item.shown, shellQuoted(note)), end);
        } else if (outcome == RunEngine::Stopped) {
            cancelled(item);
        } else {
            ended(item, QStringLiteral("failed %1: %2\n").arg(item.shown, shellQuoted(reason)), failedEnd(reason, "conversion-failed"));
        }
        flush();
    }

    int jobNumber(const Item &item) const { return int(&item - m_items.data()) + m_firstJob; }

    static QJsonValue finiteOrNull(double value, double scale)
    {
        return std::isfinite(value) ? QJsonValue(std::round(value * scale) / scale) : QJsonValue();
    }

    static QJsonObject failedEnd(const QString &reason, const char *code)
    {
        return {{QStringLiteral("event"), QStringLiteral("end")}, {QStringLiteral("status"), QStringLiteral("failed")},
                {QStringLiteral("reason"), reason}, {QStringLiteral("code"), QLatin1String(code)}};
    }

    // A job's line is made; with --progress json its end goes out at once.
    void ended(Item &item, const QString &line, QJsonObject end)
    {
        item.line = line;
        if (!m_json)
            return;
        end.insert(QStringLiteral("job"), jobNumber(item));
        emitJson(end);
    }

    void cancelled(Item &item)
    {
        item.cancelled = true;
        const QString reason = QCoreApplication::translate("CommandLine", "Cancelled");
        ended(item, QStringLiteral("failed %1: %2\n").arg(item.shown, reason), failedEnd(reason, "cancelled"));
    }

    // One object a line, flushed; a reader that went away ends the run as for the lines.
    void emitJson(const QJsonObject &object)
    {
        if (m_outputGone)
            return;
        if (!print(stdout, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + QLatin1Char('\n'))) {
            m_outputGone = true;
            QMetaObject::invokeMethod(&m_engine, &RunEngine::cancel, Qt::QueuedConnection);
        }
    }

    // Lines go out in queue order: a file that ends early waits for those before it. With
    // --progress json standard output holds the objects alone.
    void flush()
    {
        if (m_json)
            return;
        bool cleared = false;
        while (m_printed < m_items.size() && m_items[m_printed].line) {
            if (m_tty && !cleared) {
                print(stderr, QStringLiteral("\r\033[K"));
                cleared = true;
            }
            // A reader that went away (`| head`) ends the run: nothing more can be told.
            if (!print(stdout, *m_items[m_printed++].line) && !m_outputGone) {
                m_outputGone = true;
                QMetaObject::invokeMethod(&m_engine, &RunEngine::cancel, Qt::QueuedConnection);
            }
        }
    }

    void showProgress()
    {
        if (m_running.isEmpty())
            return;
        const int first = m_running.first();
        const qint64 left = m_engine.secondsLeft();
        print(stderr, QStringLiteral("\r\033[K") + QCoreApplication::translate("CommandLine", "file %1 of %2, %3%, time left %4")
                          .arg(m_byEngine[first] + 1)
                          .arg(m_items.size())
                          .arg(m_percent.value(first, 0))
                          .arg(left < 0 ? QStringLiteral("--:--:--") : secondsToTime(left)));
    }

    std::vector<Item> m_items;
    std::vector<size_t> m_byEngine; // engine index -> item
    OutputSettings m_settings;
    int m_jobs;
    bool m_tty;
    bool m_json;
    QElapsedTimer m_clock;
    QHash<int, qint64> m_lastProgress; // engine index -> when its last progress went out
    bool m_cancelled = false;
    bool m_outputGone = false;
    bool m_lateFailure = false;
    size_t m_printed = 0;
    RunEngine m_engine;
    QList<int> m_running; // engine indexes, in the order they started
    QHash<int, int> m_percent;
};
} // namespace

bool isCommandLineMode(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--")
            break;
        // Every option belongs to this mode; the window takes file names alone.
        if (arg.startsWith('-') && arg != "-")
            return true;
    }
    return false;
}

namespace {
// The options of the command-line mode; those with a value name take a value.
struct Options
{
    QCommandLineOption convert{QStringLiteral("convert")};
    QCommandLineOption format{QStringLiteral("format"), QString(), QStringLiteral("format")};
    QCommandLineOption output{QStringLiteral("output"), QString(), QStringLiteral("dir")};
    QCommandLineOption start{QStringLiteral("start"), QString(), QStringLiteral("time")};
    QCommandLineOption end{QStringLiteral("end"), QString(), QStringLiteral("time")};
    QCommandLineOption jobs{QStringLiteral("jobs"), QString(), QStringLiteral("n")};
    QCommandLineOption overwrite{QStringLiteral("overwrite")};
    QCommandLineOption skipExisting{QStringLiteral("skip-existing")};
    QCommandLineOption noTags{QStringLiteral("no-tags")};
    QCommandLineOption name{QStringLiteral("name"), QString(), QStringLiteral("pattern")};
    QCommandLineOption keepTree{QStringLiteral("keep-tree"), QString(), QStringLiteral("root")};
    QCommandLineOption track{QStringLiteral("track"), QString(), QStringLiteral("n")};
    QCommandLineOption splitChapters{QStringLiteral("split-chapters")};
    QCommandLineOption loudness{QStringLiteral("loudness"), QString(), QStringLiteral("lufs")};
    QCommandLineOption peaks{QStringLiteral("peaks"), QString(), QStringLiteral("mode")};
    QCommandLineOption replayGain{QStringLiteral("replaygain"), QString(), QStringLiteral("mode")};
    QCommandLineOption set{QStringLiteral("set"), QString(), QStringLiteral("section.key=value")};
    QCommandLineOption filesFrom{QStringLiteral("files-from"), QString(), QStringLiteral("file")};
    QCommandLineOption nul{QStringList{QStringLiteral("0"), QStringLiteral("null")}};
    QCommandLineOption listFormats{QStringLiteral("list-formats")};
    QCommandLineOption preset{QStringLiteral("preset"), QString(), QStringLiteral("name")};
    QCommandLineOption listPresets{QStringLiteral("list-presets")};
    QCommandLineOption progress{QStringLiteral("progress"), QString(), QStringLiteral("form")};
    QCommandLineOption watch{QStringLiteral("watch"), QString(), QStringLiteral("dir")};
    QCommandLineOption tag{QStringLiteral("tag"), QString(), QStringLiteral("field=value")};
    QCommandLineOption number{QStringLiteral("number")};
    QCommandLineOption tagsFromName{QStringLiteral("tags-from-name"), QString(), QStringLiteral("pattern")};
    QCommandLineOption cover{QStringLiteral("cover"), QString(), QStringLiteral("file")};
    QCommandLineOption help{QStringList{QStringLiteral("help"), QStringLiteral("h")}};
    QCommandLineOption version{QStringLiteral("version")};

    QList<QCommandLineOption> all() const
    {
        return {convert, format, output, start, end, jobs, overwrite, skipExisting, noTags,
                name, keepTree, track, splitChapters, loudness, peaks, replayGain, set, filesFrom, nul,
                listFormats, preset, listPresets, progress, watch, tag, number, tagsFromName, cover, help, version};
    }
};

// What the command line asks for.
struct Request
{
    OutputSettings settings;
    int parallel = 1;
    double start = 0, end = Job::ToEnd; // the clip of every file, in seconds
    bool startFromEnd = false, endFromEnd = false; // the time counts back from the source's end
    int soundTrack = 0;                  // 0: each source's default
    OutputNaming naming;                 // the outputs' folder (empty: beside each source) and name
    bool namedByPattern = false;         // --name given: chapters are named by it too
    bool readTags = false;               // the pattern names a tag
    bool splitChapters = false;
    QStringList files;
    QList<QByteArray> raw; // the files as argv's bytes, when they match the files one to one
    QSet<QString> keysSet; // "section.key" of the settings --set gave, in lower case
    bool json = false;     // --progress json
    QString watch;         // --watch: the folder watched, absolute, ending in "/"; empty: none
    bool watchTree = false; // and the folders below it (--keep-tree)
    RunJob tags;            // --tag's fields (TagsEnabled: any)
    bool number = false;    // --number
    QRegularExpression nameFields; // --tags-from-name as an expression; invalid: none
    QStringList nameFieldOrder;    // the fields its groups capture, in order
    QString coverFailed;           // why --cover's file is no cover: each job fails with it
};

// The fields --tag and --tags-from-name know.
const QStringList &tagFieldNames()
{
    static const QStringList names{QStringLiteral("title"), QStringLiteral("artist"), QStringLiteral("album"), QStringLiteral("year"),
                                   QStringLiteral("track"), QStringLiteral("genre"), QStringLiteral("comment")};
    return names;
}

// One tag field into tags; the reason when the field is unknown or the value does not fit it.
Result<void> setTagField(RunJob &tags, const QString &field, const QString &value)
{
    const QString name = field.trimmed().toLower();
    if (!tagFieldNames().contains(name))
        return Failure{QCoreApplication::translate("CommandLine", "unknown tag field \"%1\"; the fields: %2")
                           .arg(field, tagFieldNames().join(QLatin1String(", ")))};
    if (value.isEmpty())
        return Failure{QCoreApplication::translate("CommandLine", "the tag field %1 needs a value").arg(name)};
    if (name == QLatin1String("year") || name == QLatin1String("track")) {
        bool ok = false;
        const int number = value.toInt(&ok);
        const int most = name == QLatin1String("year") ? 9999 : 32767;
        if (!ok || number < 1 || number > most)
            return Failure{QCoreApplication::translate("CommandLine", "the tag field %1 needs a number from 1 to %2, not \"%3\"")
                               .arg(name).arg(most).arg(value)};
        (name == QLatin1String("year") ? tags.TagYear : tags.TagTrack) = number;
    } else if (name == QLatin1String("genre")) {
        tags.TagGenreName = value; // free text: a listed genre's name is written as it is
    } else {
        QString RunJob::*const fields[] = {&RunJob::TagTitle, &RunJob::TagArtist, &RunJob::TagAlbum, &RunJob::TagComment};
        const qsizetype index = QStringList{QStringLiteral("title"), QStringLiteral("artist"), QStringLiteral("album"),
                                            QStringLiteral("comment")}.indexOf(name);
        tags.*fields[index] = value;
    }
    tags.TagsEnabled = true;
    return {};
}

// --tags-from-name's pattern as an anchored expression: {field} matches text (digits for
// {year} and {track}), the rest itself; the reason when it names an unknown field or none.
std::optional<QString> readNamePattern(const QString &pattern, Request &r)
{
    static const QRegularExpression field(QStringLiteral("\\{([^{}]*)\\}"));
    QString expression = QStringLiteral("^");
    qsizetype at = 0;
    for (auto it = field.globalMatch(pattern); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString name = m.captured(1).toLower();
        if (!tagFieldNames().contains(name))
            return QCoreApplication::translate("CommandLine", "--tags-from-name knows {title} {artist} {album} {year} {track} {genre} {comment}, not {%1}")
                .arg(m.captured(1));
        expression += QRegularExpression::escape(pattern.mid(at, m.capturedStart() - at));
        expression += name == QLatin1String("year") || name == QLatin1String("track") ? QStringLiteral("0*(\\d+)") : QStringLiteral("(.+?)");
        r.nameFieldOrder << name;
        at = m.capturedEnd();
    }
    if (r.nameFieldOrder.isEmpty())
        return QCoreApplication::translate("CommandLine", "--tags-from-name needs a pattern with a field such as {title}, not \"%1\"").arg(pattern);
    r.nameFields.setPattern(expression + QRegularExpression::escape(pattern.mid(at)) + QStringLiteral("$"));
    return std::nullopt;
}

// The tag options: --tag, --cover, --tags-from-name and --number; the reason when one is wrong.
std::optional<QString> readTagOptions(const QCommandLineParser &parser, const Options &o, Request &r)
{
    for (const QString &assignment : parser.values(o.tag)) {
        const qsizetype equals = assignment.indexOf(QLatin1Char('='));
        if (equals < 0)
            return QCoreApplication::translate("CommandLine", "--tag needs FIELD=VALUE, not \"%1\"").arg(assignment);
        if (const Result<void> set = setTagField(r.tags, assignment.left(equals), assignment.mid(equals + 1)); !set)
            return QStringLiteral("--tag: ") + set.reason();
    }
    if (parser.isSet(o.cover)) {
        // Read once; a file that is no cover fails each job with the reason, not the run.
        const Result<QByteArray> cover = readCoverFile(parser.value(o.cover));
        r.tags.TagCover = cover.valueOr({});
        r.coverFailed = cover.reason();
        r.tags.TagsEnabled = true;
    }
    if (parser.isSet(o.tagsFromName))
        if (std::optional<QString> wrong = readNamePattern(parser.value(o.tagsFromName), r))
            return wrong;
    r.number = parser.isSet(o.number);
    if (r.number && (r.tags.TagTrack || r.nameFieldOrder.contains(QStringLiteral("track"))))
        return QCoreApplication::translate("CommandLine", "--number gives the track numbers: no track field besides it");
    if (r.number && parser.isSet(o.watch))
        return QCoreApplication::translate("CommandLine", "--number numbers the files given, not those --watch finds");
    return std::nullopt;
}

// The names of a --files-from list ("-": standard input), one a line or NUL-separated, as the
// bytes the file system takes; the reason when it cannot be read.
Result<QList<QByteArray>> namesFrom(const QString &from, bool nul)
{
    QFile file;
    const bool opened = from == QLatin1String("-") ? file.open(stdin, QIODevice::ReadOnly)
                                                   : (file.setFileName(from), file.open(QIODevice::ReadOnly));
    if (!opened)
        return Failure{QCoreApplication::translate("CommandLine", "cannot read the list of files \"%1\": %2").arg(from, file.errorString())};
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Failure{QCoreApplication::translate("CommandLine", "cannot read the list of files \"%1\": %2").arg(from, file.errorString())};
    QList<QByteArray> names = data.split(nul ? '\0' : '\n');
    names.removeAll(QByteArray());
    return names;
}

// Each damaged preset file, on standard error.
void sayDamaged(const PresetList &presets)
{
    for (const QString &message : presets.skipped)
        print(stderr, QStringLiteral("clipvox: %1\n").arg(message));
}

// The --preset into the settings; the reason when there is none of that name.
std::optional<QString> readPreset(const QCommandLineParser &parser, const Options &o, Request &r)
{
    if (!parser.isSet(o.preset))
        return std::nullopt;
    const PresetList presets = loadPresets();
    sayDamaged(presets);
    const Preset *preset = presets.find(parser.value(o.preset));
    if (!preset) {
        QStringList names;
        for (const Preset &p : presets.presets)
            names << p.name;
        return QCoreApplication::translate("CommandLine", "unknown preset \"%1\"; the presets: %2")
            .arg(parser.value(o.preset), names.join(QLatin1String(", ")));
    }
    preset->applyTo(r.settings);
    for (const auto &key : preset->keys)
        r.keysSet.insert(key.first);
    return std::nullopt;
}

// The --set options into the settings, in order; the reason when one is wrong.
std::optional<QString> readSetOptions(const QCommandLineParser &parser, const Options &o, Request &r)
{
    for (const QString &assignment : parser.values(o.set)) {
        const qsizetype equals = assignment.indexOf(QLatin1Char('='));
        const qsizetype dot = assignment.indexOf(QLatin1Char('.'));
        if (equals < 0 || dot < 0 || dot > equals)
            return QCoreApplication::translate("CommandLine", "--set needs SECTION.KEY=VALUE, not \"%1\"").arg(assignment);
        const QString section = assignment.left(dot).trimmed(), key = assignment.mid(dot + 1, equals - dot - 1).trimmed();
        if (const Result<void> set = setOutputKey(r.settings, section, key, assignment.mid(equals + 1)); !set)
            return QStringLiteral("--set: ") + set.reason();
        r.keysSet.insert((section + QLatin1Char('.') + key).toLower());
    }
    return std::nullopt;
}

// The options that shape the outputs, into the settings from setup.ini; the reason when one
// is wrong.
std::optional<QString> readOutputOptions(const QCommandLineParser &parser, const Options &o, OutputSettings &settings,
                                         const QSet<QString> &keysSet)
{
    if (parser.isSet(o.format)) {
        const int index = int(formatNames().indexOf(parser.value(o.format).toLower()));
        if (index < 0)
            return QCoreApplication::translate("CommandLine", "unknown format \"%1\"").arg(parser.value(o.format));
        settings.OutputFormat = index;
    }
    settings.OutputExt = outputExtension(settings.OutputFormat);
    if (parser.isSet(o.overwrite) && parser.isSet(o.skipExisting))
        return QCoreApplication::translate("CommandLine", "--overwrite and --skip-existing exclude each other");
    // Without these options an existing file is kept beside the output, and the source's tags
    // copied, unless --set said otherwise.
    if (parser.isSet(o.overwrite))
        settings.ExistingFile = OutputSettings::ReplaceExisting;
    else if (parser.isSet(o.skipExisting))
        settings.ExistingFile = OutputSettings::SkipExisting;
    else if (!keysSet.contains(QStringLiteral("general.existing")))
        settings.ExistingFile = OutputSettings::KeepBoth;
    if (parser.isSet(o.noTags))
        settings.CopyTags = false;
    else if (!keysSet.contains(QStringLiteral("general.copytags")))
        settings.CopyTags = true;
    if (parser.isSet(o.loudness)) {
        const QString value = parser.value(o.loudness);
        bool ok = false;
        const int lufs = value.toInt(&ok);
        if (value.compare(QLatin1String("off"), Qt::CaseInsensitive) == 0)
            settings.LoudnessTarget = 0;
        else if (ok && lufs >= -70 && lufs <= -5)
            settings.LoudnessTarget = lufs;
        else
            return QCoreApplication::translate("CommandLine", "--loudness needs a whole number from -70 to -5 or off, not \"%1\"").arg(value);
    }
    if (parser.isSet(o.peaks)) {
        const QString mode = parser.value(o.peaks).toLower();
        if (mode != QLatin1String("limit") && mode != QLatin1String("lower"))
            return QCoreApplication::translate("CommandLine", "--peaks needs limit or lower, not \"%1\"").arg(parser.value(o.peaks));
        settings.LoudnessPeaks = mode == QLatin1String("limit") ? OutputSettings::LimitPeaks : OutputSettings::LowerClip;
    }
    if (parser.isSet(o.replayGain)) {
        const QString mode = parser.value(o.replayGain).toLower();
        const int scope = QStringList{QStringLiteral("off"), QStringLiteral("track"), QStringLiteral("album")}.indexOf(mode);
        if (scope < 0)
            return QCoreApplication::translate("CommandLine", "--replaygain needs track, album or off, not \"%1\"").arg(parser.value(o.replayGain));
        settings.ReplayGain = scope;
    }
    return std::nullopt;
}

// The options of the run itself: the clip, the jobs at a time, the names, the track and the
// tags; the reason when one is wrong.
std::optional<QString> readRunOptions(const QCommandLineParser &parser, const Options &o, Request &r)
{
    const QString startTime = parser.value(o.start).isEmpty() ? QStringLiteral("00:00:00") : parser.value(o.start);
    const QString endTime = parser.value(o.end).isEmpty() ? QStringLiteral("Max") : parser.value(o.end);
    // A leading "-" counts the time back from the source's end.
    r.startFromEnd = startTime.startsWith(QLatin1Char('-'));
    const std::optional<int> start = parseTime(startTime.mid(r.startFromEnd ? 1 : 0), TimeRule::Strict);
    if (!start)
        return QCoreApplication::translate("CommandLine", "--start needs a time hh:mm:ss or -hh:mm:ss, not \"%1\"").arg(startTime);
    r.start = *start;
    if (endTime.compare(QLatin1String("max"), Qt::CaseInsensitive) != 0) {
        r.endFromEnd = endTime.startsWith(QLatin1Char('-'));
        const std::optional<int> end = parseTime(endTime.mid(r.endFromEnd ? 1 : 0), TimeRule::Strict);
        if (!end)
            return QCoreApplication::translate("CommandLine", "--end needs a time hh:mm:ss, -hh:mm:ss or max, not \"%1\"").arg(endTime);
        r.end = *end;
        if (r.endFromEnd && *end == 0) { // the source's end itself
            r.endFromEnd = false;
            r.end = Job::ToEnd;
        }
    }
    r.parallel = r.settings.Jobs;
    if (parser.isSet(o.jobs)) {
        bool ok = false;
        r.parallel = parser.value(o.jobs).toInt(&ok);
        if (!ok || r.parallel < 1)
            return QCoreApplication::translate("CommandLine", "--jobs needs a number of at least 1, not \"%1\"").arg(parser.value(o.jobs));
    }
    r.parallel = std::clamp(r.parallel, 1, RunEngine::maxParallel());
    if (parser.isSet(o.keepTree) && !parser.isSet(o.output) && !r.keysSet.contains(QStringLiteral("general.outputpath")))
        return QCoreApplication::translate("CommandLine", "--keep-tree needs --output");
    r.namedByPattern = parser.isSet(o.name) || r.keysSet.contains(QStringLiteral("general.namepattern"));
    r.naming.pattern = parser.isSet(o.name)  ? parser.value(o.name)
                       : r.namedByPattern    ? r.settings.NamePattern
                                             : QStringLiteral("{name}");
    if (const QStringList unknown = unknownNameFields(r.naming.pattern); !unknown.isEmpty())
        return QCoreApplication::translate("CommandLine", "--name knows {name} {title} {artist} {album} {year} {track} {n} {chapter}, not %1")
            .arg(unknown.join(QLatin1Char(' ')));
    r.naming.ext = r.settings.OutputExt;
    // Tags are read for a pattern that names one.
    static const QRegularExpression tagged(QStringLiteral("\\{(title|artist|album|year|track)\\}"));
    r.readTags = r.naming.pattern.contains(tagged);
    r.splitChapters = parser.isSet(o.splitChapters);
    if (parser.isSet(o.progress)) {
        const QString form = parser.value(o.progress).toLower();
        if (form != QLatin1String("plain") && form != QLatin1String("json"))
            return QCoreApplication::translate("CommandLine", "--progress needs plain or json, not \"%1\"").arg(parser.value(o.progress));
        r.json = form == QLatin1String("json");
    }
    if (parser.isSet(o.track)) {
        bool ok = false;
        r.soundTrack = parser.value(o.track).toInt(&ok);
        if (!ok || r.soundTrack < 1)
            return QCoreApplication::translate("CommandLine", "--track needs a number of at least 1, not \"%1\"").arg(parser.value(o.track));
    }
    return readTagOptions(parser, o, r);
}

// --help, --version, --list-formats and --list-presets: what they print, and the exit code;
// nothing for the other modes.
std::optional<int> printOnlyMode(const QCommandLineParser &parser, const Options &o)
{
    if (parser.isSet(o.help)) {
        print(stdout, usageText());
        return kAllConverted;
    }
    if (parser.isSet(o.version)) {
        print(stdout, QStringLiteral("clipvox %1\n").arg(QCoreApplication::applicationVersion())
                          + QCoreApplication::translate("CommandLine", "License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
                                                                       "This is free software: you are free to change and redistribute it.\n"
                                                                       "There is NO WARRANTY, to the extent permitted by law.\n"));
        return kAllConverted;
    }
    if (parser.isSet(o.listFormats)) {
        for (const OutputFormatModule *f : outputFormats())
            print(stdout, QStringLiteral("%1\t%2\n").arg(QLatin1String(f->extension), QLatin1String(f->name)));
        return kAllConverted;
    }
    if (parser.isSet(o.listPresets)) {
        const PresetList presets = loadPresets();
        sayDamaged(presets);
        for (const Preset &preset : presets.presets)
            print(stdout, QStringLiteral("%1\t%2\n").arg(preset.name, preset.description));
        return kAllConverted;
    }
    return std::nullopt;
}

// Where the outputs go: --output (or an output folder a preset or --set gives), or beside
// each source.
void readOutputFolder(const QCommandLineParser &parser, const Options &o, Request &r)
{
    // An output folder given by --set general.outputpath (or a preset) stands for --output.
    const bool folderSet = r.keysSet.contains(QStringLiteral("general.outputpath")) && !r.settings.OutputPath.isEmpty();
    if (parser.isSet(o.output) || folderSet) {
        QString folder = QDir(parser.isSet(o.output) ? parser.value(o.output) : r.settings.OutputPath).absolutePath();
        QDir().mkpath(folder); // a folder that cannot be made fails each file with the reason
        if (!folder.endsWith(QLatin1Char('/')))
            folder += QLatin1Char('/');
        r.naming.folder = folder;
        r.naming.where = parser.isSet(o.keepTree) ? SaveTo::KeepTree : SaveTo::OutputFolder;
        r.naming.root = parser.value(o.keepTree);
    } else {
        r.naming.where = SaveTo::BesideSource;
    }
}

// Reads the command line into r; the exit code when the mode ends here (help, version or a
// usage error), nothing when there is a batch to convert.
std::optional<int> parseCommandLine(int argc, char **argv, Request &r)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const Options o;
    parser.addOptions(o.all());
    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser.errorText());
    if (const std::optional<int> printed = printOnlyMode(parser, o))
        return printed;
    if (!parser.isSet(o.convert))
        return usageError(QCoreApplication::translate("CommandLine", "options other than --help, --version, --list-formats and --list-presets need --convert"));
    if (parser.isSet(o.nul) && !parser.isSet(o.filesFrom))
        return usageError(QCoreApplication::translate("CommandLine", "--null needs --files-from"));
    r.files = parser.positionalArguments();
    QList<QByteArray> listed;
    for (const QString &from : parser.values(o.filesFrom)) {
        const Result<QList<QByteArray>> names = namesFrom(from, parser.isSet(o.nul));
        if (!names)
            return usageError(names.reason());
        listed += *names;
    }
    for (const QByteArray &name : std::as_const(listed))
        r.files << QFile::decodeName(name);
    if (parser.isSet(o.watch)) {
        if (!r.files.isEmpty())
            return usageError(QCoreApplication::translate("CommandLine", "--watch converts what appears in its folder: no files, no --files-from"));
        const QFileInfo folder(parser.value(o.watch));
        if (!folder.isDir())
            return usageError(QCoreApplication::translate("CommandLine", "--watch needs a folder, not \"%1\"").arg(parser.value(o.watch)));
        r.watch = folder.absoluteFilePath() + QLatin1Char('/');
        r.watchTree = parser.isSet(o.keepTree);
    } else if (r.files.isEmpty()) {
        return usageError(QCoreApplication::translate("CommandLine", "no files to convert"));
    }

    loadSettings(r.settings);
    std::optional<QString> wrong = readPreset(parser, o, r);
    if (!wrong)
        wrong = readSetOptions(parser, o, r);
    if (!wrong)
        wrong = readOutputOptions(parser, o, r.settings, r.keysSet);
    if (!wrong)
        wrong = readRunOptions(parser, o, r);
    if (wrong)
        return usageError(*wrong);

    readOutputFolder(parser, o, r);
    // Names are taken as the file system gives them: one that is not UTF-8 is opened by its
    // bytes and reached through /proc/self/fd, as is its folder.
    // The options that take a value are the parser's own, so the two readings cannot differ.
    QStringList valued;
    for (const QCommandLineOption &option : o.all())
        if (!option.valueName().isEmpty())
            valued << option.names();
    r.raw = rawFiles(argc, argv, valued) + listed;
    if (r.raw.size() != r.files.size())
        r.raw.clear();
    return std::nullopt;
}

// The item of the f-th file: how it is named in the lines, its path, and why it cannot be
// converted at all.
Item sourceItem(const Request &r, int f)
{
    const QString &file = r.files[f];
    Item item;
    item.given = file;
    item.shown = shellQuoted(file);
    QString path = file;
    if (!r.raw.isEmpty() && QFile::encodeName(file) != r.raw[f]) {
        const QByteArray bytes = r.raw[f];
        item.shown = shownBytes(bytes);
        const int fd = ::open(bytes.constData(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0)
            path = QStringLiteral("/proc/self/fd/%1").arg(fd);
        const int slash = int(bytes.lastIndexOf('/'));
        item.rawFolder = slash < 0 ? QByteArray("./") : bytes.left(slash + 1);
        // One descriptor a folder, however many of its files are named so.
        static QHash<QByteArray, int> folders;
        if (!folders.contains(item.rawFolder))
            folders.insert(item.rawFolder, ::open(item.rawFolder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        const int dirFd = folders.value(item.rawFolder);
        if (dirFd >= 0 && r.naming.folder.isEmpty())
            item.procFolder = QStringLiteral("/proc/self/fd/%1/").arg(dirFd);
    }
    const QFileInfo info(path);
    item.source = info.absoluteFilePath();
    if (g_interrupted) {
        item.failed = QCoreApplication::translate("CommandLine", "Cancelled");
        item.code = "cancelled";
    } else if (struct stat st = {}; !info.exists()) {
        // A link that loops, or a folder on the way that cannot be searched, says so.
        const bool unreachable = ::stat(QFile::encodeName(path).constData(), &st) != 0 && errno != ENOENT && errno != ENOTDIR;
        item.failed = unreachable ? QString::fromLocal8Bit(std::strerror(errno)) : QCoreApplication::translate("CommandLine", "No such file");
        item.code = unreachable ? "unreachable" : "no-such-file";
    } else if (info.isDir()) {
        item.failed = QCoreApplication::translate("CommandLine", "Is a folder, not a video file");
        item.code = "is-a-folder";
    } else if (!info.isReadable()) {
        item.failed = QCoreApplication::translate("CommandLine", "The file cannot be read");
        item.code = "not-readable";
    }
    return item;
}

// The fields of --tags-from-name out of the source's name (without its extension) into the
// item's tags; a name the pattern does not match keeps its tags, and its line says so.
void tagsFromName(const Request &r, const QString &name, Item &item)
{
    const QRegularExpressionMatch m = r.nameFields.match(name);
    RunJob tags = item.tags;
    bool matched = m.hasMatch();
    for (int i = 0; matched && i < r.nameFieldOrder.size(); ++i)
        matched = bool(setTagField(tags, r.nameFieldOrder[i], m.captured(i + 1).trimmed()));
    if (matched)
        item.tags = tags;
    else
        item.note += (item.note.isEmpty() ? QString() : QStringLiteral("; "))
            + QCoreApplication::translate("CommandLine", "skipped by the --tags-from-name pattern, its tags kept");
}

// The item's clip from --start and --end; a time counted back from the end is measured on
// the source, and a clip that does not fit in it fails with the reason.
void clipOf(const Request &r, Item &item)
{
    item.clipStart = r.start;
    item.clipEnd = r.end;
    if (!item.failed.isEmpty())
        return;
    if (!r.coverFailed.isEmpty()) {
        item.failed = r.coverFailed;
        item.code = "cover-unreadable";
        return;
    }
    if (!r.startFromEnd && !r.endFromEnd)
        return;
    QString error;
    const std::optional<double> ms = mediaLengthMs(item.source, &error, &g_interrupted);
    if (!ms) {
        item.failed = error;
        item.code = "source-unreadable";
        return;
    }
    const double length = *ms / 1000;
    if (r.startFromEnd)
        item.clipStart = length - r.start;
    if (r.endFromEnd)
        item.clipEnd = length - r.end;
    const QString shownLength = secondsToTime(qint64(length + 0.5));
    if (item.clipStart < 0 || item.clipEnd <= 0) {
        item.failed = QCoreApplication::translate("CommandLine", "the clip reaches before the source's start: it is %1 long").arg(shownLength);
        item.code = "clip-outside";
    } else if (item.clipEnd <= item.clipStart) {
        item.failed = QCoreApplication::translate("CommandLine", "the clip's end comes before its start in a source %1 long").arg(shownLength);
        item.code = "clip-outside";
    } else if (item.clipStart >= length || (!std::isinf(item.clipEnd) && item.clipEnd > length + 0.001)) {
        item.failed = QCoreApplication::translate("CommandLine", "the clip reaches past the source's end: it is %1 long").arg(shownLength);
        item.code = "clip-outside";
    }
}

// The tracks of the run numbered 1..N in the order given, with their number.
void numberItems(std::vector<Item> &items)
{
    for (size_t i = 0; i < items.size(); ++i) {
        items[i].tags.TagTrack = int(i + 1);
        items[i].tags.TagTrackTotal = int(items.size());
        items[i].tags.TagsEnabled = true;
    }
}

// The items of the f-th file, each with its output named: the file, or with --split-chapters
// one item per chapter (a file without chapters is converted whole).
std::vector<Item> planFile(const Request &r, int f, QSet<QString> &madeFolders)
{
    Item item = sourceItem(r, f);
    item.tags = r.tags;
    clipOf(r, item);
    const QString dir = !item.procFolder.isEmpty() ? item.procFolder : outputFolder(r.naming, item.source);
    if (!madeFolders.contains(dir)) {
        QDir().mkpath(dir);
        madeFolders.insert(dir);
    }
    // The source is read once, for the tags of the pattern and for its chapters.
    std::optional<SourceInfo> source;
    QString sourceError;
    if ((r.readTags || r.splitChapters) && item.failed.isEmpty())
        source = readSourceInfo(item.source, &g_interrupted, &sourceError);
    const SourceTags tags = r.readTags && source ? source->tags : SourceTags();
    const int count = int(r.files.size());
    // The engine gives the output a free name where the settings or a source need one.
    // A name that is not UTF-8 names its output with its bytes escaped, said on its line.
    const bool rawName = !item.rawFolder.isEmpty();
    const QString named = rawName ? QFile::decodeName(item.rawFolder) + escapedName(r.raw[f].mid(r.raw[f].lastIndexOf('/') + 1))
                                  : r.files[f];
    if (rawName && QFile::encodeName(QFileInfo(r.files[f]).fileName()) != r.raw[f].mid(r.raw[f].lastIndexOf('/') + 1))
        item.note = QCoreApplication::translate("CommandLine", "its name is not UTF-8: the output's name has %XX for each byte that is not");
    if (!r.nameFieldOrder.isEmpty())
        tagsFromName(r, QFileInfo(r.files[f]).completeBaseName(), item);
    item.output = outputName(r.naming, dir, outputNameFields(named, tags, f + 1, count));
    std::vector<Item> parts;
    if (r.splitChapters && item.failed.isEmpty() && !g_interrupted) {
        if (!source) {
            item.failed = sourceError;
            item.code = "source-unreadable";
        }
        Job whole;
        whole.SourceFile = item.source;
        whole.OutputFile = item.output;
        for (const Job &chapter : chapterJobs(whole, source ? source->chapters : QList<SourceChapter>())) {
            Item part = item;
            part.shown = QStringLiteral("%1, chapter %2").arg(item.shown).arg(chapter.ChapterNumber);
            // Without a pattern of its own a chapter is named "source - 01 Title".
            part.output = r.namedByPattern ? outputName(r.naming, dir,
                                                        outputNameFields(named, tags, f + 1, count,
                                                                         chapter.ChapterNumber, chapter.ChapterTitle))
                                           : chapter.OutputFile;
            part.chapter = chapter;
            parts.push_back(part);
        }
        if (source && parts.empty())
            item.note += (item.note.isEmpty() ? QString() : QStringLiteral("; "))
                + QCoreApplication::translate("CommandLine", "it has no chapters, converted whole");
    }
    if (parts.empty())
        parts.push_back(item);
    return parts;
}
} // namespace

namespace {
// What a watched folder converted, kept between starts: one line a file, "size mtime path" with
// the mtime in nanoseconds and the path percent-encoded, so that a file is converted once and
// a new file under an old name again.
class WatchRecord
{
public:
    explicit WatchRecord(const QString &folder)
    {
        QString state = qEnvironmentVariable("XDG_STATE_HOME");
        if (state.isEmpty() || QDir::isRelativePath(state))
            state = QDir::homePath() + QStringLiteral("/.local/state");
        m_path = state + QStringLiteral("/clipvox/watched");
        QFile file(m_path);
        if (!file.open(QIODevice::ReadOnly))
            return;
        const QByteArray prefix = QUrl::toPercentEncoding(QFile::encodeName(folder), "/");
        while (!file.atEnd()) {
            const QByteArray line = file.readLine().trimmed();
            if (line.split(' ').value(2).startsWith(prefix))
                m_done.insert(line);
        }
    }

    static QByteArray key(const QString &path, qint64 size, qint64 mtimeNs)
    {
        return QByteArray::number(size) + ' ' + QByteArray::number(mtimeNs) + ' ' + QUrl::toPercentEncoding(QFile::encodeName(path), "/");
    }
    bool contains(const QByteArray &key) const { return m_done.contains(key); }

    // Appends the file's line; the reason when it could not be kept.
    Result<void> add(const QByteArray &key)
    {
        m_done.insert(key);
        QDir().mkpath(QFileInfo(m_path).path());
        const int fd = ::open(QFile::encodeName(m_path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
        const QByteArray line = key + '\n';
        const bool written = fd >= 0 && ::write(fd, line.constData(), size_t(line.size())) == line.size();
        const int error = errno;
        if (fd >= 0 && ::close(fd) != 0 && written)
            return Failure{QString::fromLocal8Bit(std::strerror(errno))};
        if (!written)
            return Failure{QString::fromLocal8Bit(std::strerror(error))};
        return {};
    }
    QString path() const { return m_path; }

private:
    QString m_path;
    QSet<QByteArray> m_done;
};

// A file's size and modification time, as a scan saw it.
struct Seen
{
    qint64 size = -1, mtimeNs = 0;
    bool operator==(const Seen &) const = default;
};

// The videos of the watched folder that have stopped growing: seen with the same size and time
// at the scan before and untouched for a second. Hidden files (the temporaries of this and
// other programs), partial downloads and the outputs of this run are not looked at.
QStringList settledVideos(const Request &r, const QSet<QString> &own, const WatchRecord &record, QHash<QString, Seen> &seen,
                          QHash<QString, QByteArray> &keys)
{
    static const QStringList partial{QStringLiteral(".part"), QStringLiteral(".crdownload"), QStringLiteral(".tmp")};
    QHash<QString, Seen> now;
    QStringList settled;
    const qint64 clock = QDateTime::currentMSecsSinceEpoch();
    QDirIterator it(r.watch, QDir::Files, r.watchTree ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = it.fileName();
        if (name.startsWith(QLatin1Char('.')) || own.contains(path)
            || std::ranges::any_of(partial, [&name](const QString &end) { return name.endsWith(end, Qt::CaseInsensitive); })
            || !videoExtensions().contains(it.fileInfo().suffix().toLower())
            || (!r.naming.folder.isEmpty() && r.naming.folder != r.watch && path.startsWith(r.naming.folder)))
            continue;
        struct stat st = {};
        if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        const Seen state{qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
        const QByteArray key = WatchRecord::key(path, state.size, state.mtimeNs);
        if (record.contains(key))
            continue;
        now.insert(path, state);
        if (state.size > 0 && seen.value(path) == state && clock - state.mtimeNs / 1000000 >= 1000) {
            settled << path;
            keys.insert(path, key);
        }
    }
    seen = std::move(now);
    return settled;
}

// --watch: converts what settles in the folder, a batch at a time, until a signal ends it.
int watchFolder(Request &r)
{
    WatchRecord record(r.watch);
    QSet<QString> own; // the outputs written, not to be taken for sources
    QHash<QString, Seen> seen;
    int jobs = 0;
    bool unrecorded = false;
    if (::isatty(STDERR_FILENO) == 1)
        print(stderr, QCoreApplication::translate("CommandLine", "Watching %1 (Ctrl+C ends)").arg(shellQuoted(r.watch)) + QLatin1Char('\n'));
    while (!g_interrupted) {
        QHash<QString, QByteArray> keys;
        r.files = settledVideos(r, own, record, seen, keys);
        r.raw.clear();
        if (r.files.isEmpty()) {
            // Half a second, or until a signal.
            pollfd wake{g_signalPipe[0], POLLIN, 0};
            if (::poll(&wake, 1, 500) > 0) {
                char buffer[16];
                [[maybe_unused]] const ssize_t n = ::read(g_signalPipe[0], buffer, sizeof buffer);
            }
            continue;
        }
        std::vector<Item> items;
        QSet<QString> madeFolders;
        for (int f = 0; f < r.files.size(); ++f)
            for (Item &part : planFile(r, f, madeFolders))
                items.push_back(std::move(part));
        Batch batch(std::move(items), r.settings, r.parallel, r.json);
        batch.m_track = r.soundTrack;
        batch.m_firstJob = jobs + 1;
        batch.run();
        jobs += int(batch.items().size());
        QSet<QString> cancelled;
        for (const Item &item : batch.items()) {
            own.insert(item.plainOutput());
            if (item.cancelled)
                cancelled.insert(item.given);
        }
        // A file is done once all its parts ended; one that was stopped comes again next time.
        for (const QString &file : std::as_const(r.files)) {
            seen.remove(file);
            if (cancelled.contains(file))
                continue;
            if (const Result<void> kept = record.add(keys.value(file)); !kept && !unrecorded) {
                unrecorded = true;
                print(stderr, QStringLiteral("clipvox: %1\n").arg(QCoreApplication::translate("CommandLine", "cannot keep what was converted in %1: %2")
                                                                      .arg(shellQuoted(record.path()), kept.reason())));
            }
        }
        if (batch.outputGone())
            return kCancelled;
    }
    return kAllConverted; // asked to stop: a clean end
}
} // namespace

int runCommandLine(int argc, char **argv)
{
    // SIGINT, SIGTERM and SIGHUP cancel from the start: reading many sources to name their
    // outputs takes a while.
    if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) == 0) {
        struct sigaction action = {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, nullptr);
        sigaction(SIGTERM, &action, nullptr);
        sigaction(SIGHUP, &action, nullptr); // a closed terminal cancels as SIGTERM does
    }
    std::signal(SIGPIPE, SIG_IGN); // a closed standard output is seen where it is written
    // A source whose name is not UTF-8 is held open for its run: room for many of them.
    rlimit files{};
    if (::getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur < files.rlim_max) {
        files.rlim_cur = files.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &files);
    }
    QCoreApplication app(argc, argv);
    installTranslators();
    QCoreApplication::setApplicationName(QStringLiteral("clipvox"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CLIPVOX_VERSION));

    Request request;
    if (const std::optional<int> ended = parseCommandLine(argc, argv, request))
        return *ended;
    VideoEdit::initialize();
    if (!request.watch.isEmpty())
        return watchFolder(request);
    std::vector<Item> items;
    QSet<QString> madeFolders;
    for (int f = 0; f < request.files.size(); ++f)
        for (Item &part : planFile(request, f, madeFolders))
            items.push_back(std::move(part));
    if (request.number)
        numberItems(items);

    Batch batch(std::move(items), request.settings, request.parallel, request.json);
    batch.m_track = request.soundTrack;
    return batch.run();
}
