#include "cli/convert.h"

#include "core/core.h"
#include "engine/chapters.h"
#include "engine/runengine.h"
#include "media/medialength.h"
#include "media/videoedit.h"
#include "settings/settingsfile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace {
constexpr int kAllConverted = 0, kSomeFailed = 1, kUsage = 2, kCancelled = 130;

int g_signalPipe[2] = {-1, -1};

void OnSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &byte, 1);
}

void Print(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

// The output formats by the extension they write, in the order of their setting numbers.
QStringList FormatNames()
{
    QStringList names{FormatExtension(0)};
    for (int i = 1; FormatExtension(i) != names.first(); ++i)
        names << FormatExtension(i);
    return names;
}

QString UsageText()
{
    return QStringLiteral(
               "Usage: clipvox --convert [options] [--] FILE...\n"
               "       clipvox [FILE...]            (opens the window with the files queued)\n"
               "\n"
               "Converts the sound track of each video FILE to an audio file, without a window.\n"
               "\n"
               "Options:\n"
               "  --format FORMAT   output format: %1 (default: the one in setup.ini)\n"
               "  --output DIR      folder for the outputs (default: each source's own folder)\n"
               "  --start hh:mm:ss  start of the clip of every file (default 00:00:00)\n"
               "  --end hh:mm:ss    end of the clip of every file, or max (default max)\n"
               "  --track N         the sound track to convert, counted from 1 (default: the\n"
               "                    source's default track); a file without it fails\n"
               "  --split-chapters  one output per chapter, \"video - 01 Title.mp3\", with the\n"
               "                    chapter's title and number as tags\n"
               "  --jobs N          files converted at the same time (default: setup.ini)\n"
               "  --overwrite       replace existing files of the output's name; without it an\n"
               "                    existing file is kept and the output takes the next free\n"
               "                    name, \"clip (2).mp3\"\n"
               "  --help            show this text\n"
               "  --version         show the version\n"
               "\n"
               "Encoder parameters and loudness come from setup.ini, as in the window.\n"
               "One line per file on standard output, in queue order:\n"
               "  ok SOURCE -> OUTPUT (LENGTH)   or   failed SOURCE: REASON\n"
               "Exit code: 0 all converted, 1 some failed, 2 usage error, 130 cancelled.\n")
        .arg(FormatNames().join(QLatin1Char('|')));
}

int UsageError(const QString &why)
{
    Print(stderr, QStringLiteral("clipvox: %1\n\n").arg(why) + UsageText());
    return kUsage;
}

// One source of the batch: where it goes, or why it cannot be converted at all.
struct Item
{
    QString given;  // the source as named on the command line, for the lines
    QString source; // its absolute path
    QString output;
    QString note;   // said on the ok line: the name an existing file kept
    QString failed; // set before the run for sources that cannot be read
    TJob chapter;   // a chapter's clip, title and number (ChapterNumber 0: the whole file)
    int engineIndex = -1;
    std::optional<QString> line; // the finished line, printed in queue order
};

class Batch : public QObject
{
public:
    Batch(std::vector<Item> items, const TOutputSettings &settings, int jobs)
        : m_items(std::move(items)), m_settings(settings), m_jobs(jobs), m_tty(::isatty(STDERR_FILENO) == 1)
    {
    }

    int run()
    {
        QList<TRunJob> jobs;
        for (Item &item : m_items) {
            if (!item.failed.isEmpty()) {
                item.line = QStringLiteral("failed %1: %2\n").arg(item.given, item.failed);
                continue;
            }
            TRunJob job;
            job.SourceFile = item.source;
            job.OutputFile = item.output;
            job.StartTime = m_start;
            job.EndTime = m_end;
            job.TagComment = QStringLiteral("Clipvox");
            job.SoundTrack = m_track;
            if (item.chapter.ChapterNumber > 0) {
                job.ChapterNumber = item.chapter.ChapterNumber;
                job.ChapterTitle = item.chapter.ChapterTitle;
                job.ExactStart = item.chapter.ExactStart;
                job.ExactEnd = item.chapter.ExactEnd;
                job.StartTime = item.chapter.StartTime;
                job.EndTime = item.chapter.EndTime;
                job.TagTitle = item.chapter.TagTitle;
                job.TagTrack = item.chapter.TagTrack;
                job.TagsEnabled = true;
            }
            item.engineIndex = int(jobs.size());
            m_byEngine.push_back(&item - m_items.data());
            jobs << job;
        }
        flush();
        if (jobs.isEmpty())
            return kSomeFailed;

        connect(&m_engine, &TRunEngine::jobStarted, this, [this](int index, const QString &, const QString &output) {
            Item &item = m_items[m_byEngine[index]];
            item.output = output;
            m_running << index;
        });
        connect(&m_engine, &TRunEngine::fileProgress, this,
                [this](int index, int percent) { m_percent[index] = percent; });
        connect(&m_engine, &TRunEngine::jobFinished, this, &Batch::finished);
        connect(&m_engine, &TRunEngine::runEnded, this, [this](bool cancelled) {
            m_cancelled = cancelled;
            QCoreApplication::exit(0);
        });

        // SIGINT and SIGTERM reach the event loop through a pipe and cancel as Cancel does.
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
            Print(stderr, QStringLiteral("\r\033[K"));
        for (Item &item : m_items)
            if (!item.line)
                item.line = QStringLiteral("failed %1: Cancelled\n").arg(item.given);
        flush();
        if (m_cancelled)
            return kCancelled;
        for (const Item &item : m_items)
            if (item.line->startsWith(QLatin1String("failed")))
                return kSomeFailed;
        return kAllConverted;
    }

    QString m_start = QStringLiteral("00:00:00"), m_end = QStringLiteral("Max");
    int m_track = 0; // 0: each source's default

private:
    void finished(int index, TRunEngine::Outcome outcome, const QString &reason)
    {
        m_running.removeAll(index);
        Item &item = m_items[m_byEngine[index]];
        if (outcome == TRunEngine::Succeeded) {
            const std::optional<double> ms = MediaLengthMs(item.output);
            QString detail = ms ? SecondsToTime(qint64(*ms / 1000 + 0.5)) : QStringLiteral("length unknown");
            if (!item.note.isEmpty())
                detail += QStringLiteral("; ") + item.note;
            if (!reason.isEmpty())
                detail += QStringLiteral("; ") + reason;
            item.line = QStringLiteral("ok %1 -> %2 (%3)\n").arg(item.given, item.output, detail);
        } else {
            item.line = QStringLiteral("failed %1: %2\n")
                            .arg(item.given, outcome == TRunEngine::Stopped ? QStringLiteral("Cancelled") : reason);
        }
        flush();
    }

    // Lines go out in queue order: a file that ends early waits for those before it.
    void flush()
    {
        bool cleared = false;
        while (m_printed < m_items.size() && m_items[m_printed].line) {
            if (m_tty && !cleared) {
                Print(stderr, QStringLiteral("\r\033[K"));
                cleared = true;
            }
            Print(stdout, *m_items[m_printed++].line);
        }
    }

    void showProgress()
    {
        if (m_running.isEmpty())
            return;
        const int first = m_running.first();
        const qint64 left = m_engine.secondsLeft();
        Print(stderr, QStringLiteral("\r\033[Kfile %1 of %2, %3%, time left %4")
                          .arg(m_byEngine[first] + 1)
                          .arg(m_items.size())
                          .arg(m_percent.value(first, 0))
                          .arg(left < 0 ? QStringLiteral("--:--:--") : SecondsToTime(left)));
    }

    std::vector<Item> m_items;
    std::vector<size_t> m_byEngine; // engine index -> item
    TOutputSettings m_settings;
    int m_jobs;
    bool m_tty;
    bool m_cancelled = false;
    size_t m_printed = 0;
    TRunEngine m_engine;
    QList<int> m_running; // engine indexes, in the order they started
    QHash<int, int> m_percent;
};
} // namespace

bool IsCommandLineMode(int argc, char **argv)
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

int RunCommandLine(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("clipvox"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CLIPVOX_VERSION));

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption convert(QStringLiteral("convert"));
    const QCommandLineOption format(QStringLiteral("format"), QString(), QStringLiteral("format"));
    const QCommandLineOption output(QStringLiteral("output"), QString(), QStringLiteral("dir"));
    const QCommandLineOption start(QStringLiteral("start"), QString(), QStringLiteral("time"));
    const QCommandLineOption end(QStringLiteral("end"), QString(), QStringLiteral("time"));
    const QCommandLineOption jobs(QStringLiteral("jobs"), QString(), QStringLiteral("n"));
    const QCommandLineOption overwrite(QStringLiteral("overwrite"));
    const QCommandLineOption track(QStringLiteral("track"), QString(), QStringLiteral("n"));
    const QCommandLineOption splitChapters(QStringLiteral("split-chapters"));
    const QCommandLineOption help(QStringList{QStringLiteral("help"), QStringLiteral("h")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({convert, format, output, start, end, jobs, overwrite, track, splitChapters, help, version});
    if (!parser.parse(QCoreApplication::arguments()))
        return UsageError(parser.errorText());
    if (parser.isSet(help)) {
        Print(stdout, UsageText());
        return kAllConverted;
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("clipvox %1\n").arg(QCoreApplication::applicationVersion()));
        return kAllConverted;
    }
    if (!parser.isSet(convert))
        return UsageError(QStringLiteral("options other than --help and --version need --convert"));
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty())
        return UsageError(QStringLiteral("no files to convert"));

    TOutputSettings settings;
    LoadSettings(settings);
    if (parser.isSet(format)) {
        const int index = int(FormatNames().indexOf(parser.value(format).toLower()));
        if (index < 0)
            return UsageError(QStringLiteral("unknown format \"%1\"").arg(parser.value(format)));
        settings.OutputFormat = index;
    }
    settings.OutputExt = FormatExtension(settings.OutputFormat);

    const QString startTime = parser.value(start).isEmpty() ? QStringLiteral("00:00:00") : parser.value(start);
    QString endTime = parser.value(end).isEmpty() ? QStringLiteral("Max") : parser.value(end);
    if (!ParseTime(startTime, TimeRule::Strict))
        return UsageError(QStringLiteral("--start needs a time hh:mm:ss, not \"%1\"").arg(startTime));
    if (endTime.compare(QLatin1String("max"), Qt::CaseInsensitive) == 0)
        endTime = QStringLiteral("Max");
    else if (!ParseTime(endTime, TimeRule::Strict))
        return UsageError(QStringLiteral("--end needs a time hh:mm:ss or max, not \"%1\"").arg(endTime));

    int parallel = settings.Jobs;
    if (parser.isSet(jobs)) {
        bool ok = false;
        parallel = parser.value(jobs).toInt(&ok);
        if (!ok || parallel < 1)
            return UsageError(QStringLiteral("--jobs needs a number of at least 1, not \"%1\"").arg(parser.value(jobs)));
    }
    parallel = std::clamp(parallel, 1, TRunEngine::MaxParallel());

    int soundTrack = 0;
    if (parser.isSet(track)) {
        bool ok = false;
        soundTrack = parser.value(track).toInt(&ok);
        if (!ok || soundTrack < 1)
            return UsageError(QStringLiteral("--track needs a number of at least 1, not \"%1\"").arg(parser.value(track)));
    }

    QString folder;
    if (parser.isSet(output)) {
        folder = QDir(parser.value(output)).absolutePath();
        QDir().mkpath(folder); // a folder that cannot be made fails each file with the reason
        if (!folder.endsWith(QLatin1Char('/')))
            folder += QLatin1Char('/');
    }

    std::vector<Item> items;
    QSet<QString> taken;
    for (const QString &file : files) {
        Item item;
        const QFileInfo info(file);
        item.given = file;
        item.source = info.absoluteFilePath();
        if (!info.exists())
            item.failed = QStringLiteral("No such file");
        else if (info.isDir())
            item.failed = QStringLiteral("Is a folder, not a video file");
        else if (!info.isReadable())
            item.failed = QStringLiteral("The file cannot be read");
        const QString dir = folder.isEmpty() ? info.absolutePath() + QLatin1Char('/') : folder;
        item.output = dir + info.completeBaseName() + QLatin1Char('.') + settings.OutputExt;
        // With --split-chapters a file becomes one item per chapter; one without chapters
        // is converted whole.
        std::vector<Item> parts;
        if (parser.isSet(splitChapters) && item.failed.isEmpty()) {
            QString error;
            const std::optional<SourceInfo> source = ReadSourceInfo(item.source, nullptr, &error);
            if (!source)
                item.failed = error;
            TJob whole;
            whole.SourceFile = item.source;
            whole.OutputFile = item.output;
            for (const TJob &chapter : ChapterJobs(whole, source ? source->chapters : QList<SourceChapter>())) {
                Item part = item;
                part.given = QStringLiteral("%1, chapter %2").arg(file).arg(chapter.ChapterNumber);
                part.output = chapter.OutputFile;
                part.chapter = chapter;
                parts.push_back(part);
            }
            if (source && parts.empty())
                item.note = QStringLiteral("it has no chapters, converted whole");
        }
        if (parts.empty())
            parts.push_back(item);
        for (Item &part : parts) {
            const QString wanted = part.output;
            const auto takenName = [&taken](const QString &p) { return PathExists(p) || taken.contains(p); };
            part.output = parser.isSet(overwrite) || !part.failed.isEmpty() ? wanted : FreeName(wanted, takenName);
            if (part.output != wanted && PathExists(wanted))
                part.note = QStringLiteral("%1 exists and was kept").arg(QFileInfo(wanted).fileName());
            if (part.failed.isEmpty())
                taken.insert(part.output);
            items.push_back(std::move(part));
        }
    }

    if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) == 0) {
        struct sigaction action = {};
        action.sa_handler = OnSignal;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, nullptr);
        sigaction(SIGTERM, &action, nullptr);
    }
    TVideoEdit::Initialize();
    Batch batch(std::move(items), settings, parallel);
    batch.m_start = startTime;
    batch.m_end = endTime;
    batch.m_track = soundTrack;
    return batch.run();
}
