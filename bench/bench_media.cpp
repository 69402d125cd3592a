// Runs the program's two steps on one source, as the conversion run does: the video control
// extracts the sound to the format's temporary WAV (44.1 kHz stereo 16-bit; FLAC at its own
// 44.1 kHz 16-bit, Opus at 48 kHz, M4A at 24 bits), then the encoding step's copy loop turns it into MP3 128k
// CBR, OGG quality 500, WMA profile 38, FLAC level 5, Opus 128k VBR or M4A 192k. With a
// target, the loudness is measured during the extraction and evened in the copy (WAV: a gain
// pass over the file). Prints the peak memory.
//   bench_media <source> <output.mp3|.ogg|.wma|.wav|.flac|.opus|.m4a> [target LUFS]
#include "media/audiofile2.h"
#include "media/loudness.h"
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
    if (argc != 3 && argc != 4)
        return fail("usage: bench_media <source> <output.mp3|.ogg|.wma|.wav|.flac|.opus|.m4a> [target LUFS]");
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    const int target = argc == 4 ? std::atoi(argv[3]) : 0;
    const QString ext = QFileInfo(out).suffix().toLower();
    const QString wav = ext == "wav" ? out : out.left(out.size() - ext.size()) + "wav";

    TVideoEdit::Initialize();
    TVideoEdit ve;
    QObject::connect(&ve, &TVideoEdit::OnComplete, &app, &QCoreApplication::quit);
    ve.AddClip(source, 0, TVideoEdit::ToEnd);
    ve.MeasureLoudness(target != 0);
    ve.ExtractAudio(wav, 2, ext == "opus" ? 48000 : 44100, ext == "m4a" ? 24 : 2);
    app.exec();
    if (!ve.Succeeded())
        return fail(ve.ErrorText());
    const double gain = target != 0 ? LoudnessGainDb(ve.Loudness(), target) : 0.0;

    if (ext == "wav") {
        QString error;
        if (!ApplyWavGain(wav, gain, &error))
            return fail(error);
    } else {
        TAudioFile2 reader, writer;
        writer.SetMp3Format(44100, 128, 3);
        writer.SetOggFormat(44100, 2, 0, 0, 0, 500);
        writer.SetWmaProfile(38);
        writer.SetFlacFormat(44100, 2, 16, 5);
        writer.SetOpusFormat(128, true, 2);
        writer.SetM4aFormat(44100, 192, 2);
        writer.SetGainDb(gain);
        reader.OpenFile(wav, 0, 1);
        writer.SetInputLength(reader.TotalFrames());
        writer.SetEnableFlag(true);
        writer.CreateFile(out, 0);
        writer.SetInputFormat(reader.FormatB(), reader.FormatA());
        if (reader.LastError() || writer.LastError())
            return fail(reader.LastErrorText() + writer.LastErrorText());
        const int n = reader.FormatA() * reader.FormatB();
        for (SampleArray32 a = reader.ReadSamples32(n); !a.empty(); a = reader.ReadSamples32(n))
            writer.WriteSamples32(a);
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
