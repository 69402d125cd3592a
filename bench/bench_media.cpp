// Runs the program's two steps on one source, as the conversion run does: the video control
// extracts the sound to a 44.1 kHz stereo 16-bit WAV, then the encoding step's copy loop
// turns it into MP3 128k CBR, OGG quality 500 or WMA profile 38. Prints the peak memory.
//   bench_media <source> <output.mp3|.ogg|.wma|.wav>
#include "media/audiofile2.h"
#include "media/videoedit.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <sys/resource.h>

static int fail(const QString &why)
{
    std::fprintf(stderr, "%s\n", qPrintable(why));
    return 1;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return fail("usage: bench_media <source> <output.mp3|.ogg|.wma|.wav>");
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    const QString ext = QFileInfo(out).suffix().toLower();
    const QString wav = ext == "wav" ? out : out.left(out.size() - ext.size()) + "wav";

    TVideoEdit::Initialize();
    TVideoEdit ve;
    QObject::connect(&ve, &TVideoEdit::OnComplete, &app, &QCoreApplication::quit);
    ve.AddClip(source, 0, TVideoEdit::ToEnd);
    ve.ExtractAudio(wav, 2, 44100, 2);
    app.exec();
    if (!ve.Succeeded())
        return fail(ve.ErrorText());

    if (ext != "wav") {
        TAudioFile2 reader, writer;
        writer.SetMp3Format(44100, 128, 3);
        writer.SetOggFormat(44100, 2, 0, 0, 0, 500);
        writer.SetWmaProfile(38);
        reader.OpenFile(wav, 0, 1);
        writer.SetEnableFlag(true);
        writer.CreateFile(out, 0);
        writer.SetInputFormat(reader.FormatB(), reader.FormatA());
        if (reader.LastError() || writer.LastError())
            return fail(reader.LastErrorText() + writer.LastErrorText());
        const int n = reader.FormatA() * reader.FormatB();
        for (SampleArray a = reader.ReadSamples(n); !a.empty(); a = reader.ReadSamples(n))
            writer.WriteSamples(a);
        writer.CloseFile();
        reader.CloseFile();
        QFile::remove(wav);
        if (writer.LastError())
            return fail(writer.LastErrorText());
    }
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    std::printf("peak_kb %ld\n", ru.ru_maxrss);
    return 0;
}
