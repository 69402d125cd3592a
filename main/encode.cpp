// The encoding step: the temporary WAV becomes the MP3, WMA, OGG, FLAC, Opus or M4A output.
#include "main/main.h"

#include "main/desktop.h"
#include "media/loudness.h"
#include "media/videoedit.h"
#include "progress/execute.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {
// Keeps the first reason: later faults are consequences of it.
void Fail(const QString &reason, const QString &fallback)
{
    if (RunError.isEmpty())
        RunError = reason.isEmpty() ? fallback : reason;
}

// True when the writer took its last set-up call; else the job fails with its reason.
bool Accepted(const TAudioFile2 &writer)
{
    if (writer.LastError() == 0)
        return true;
    Fail(writer.LastErrorText(), QStringLiteral("The encoder does not accept the output settings"));
    return false;
}

QWidget *MessageParent(QWidget *fallback)
{
    return ExecForm ? static_cast<QWidget *>(ExecForm.data()) : fallback;
}
} // namespace

// MP3 and OGG: set up the writer, copy, tag, and delete the temporary WAV.
void TMainForm::EncodeMp3()
{
    if (ConfigureMp3() && TranscodeWav(RunTempWav, RunOutputFile) && TagsEnabled)
        WriteJobTags(RunOutputFile);
    QFile::remove(RunTempWav);
}

void TMainForm::EncodeOgg()
{
    if (ConfigureOgg() && TranscodeWav(RunTempWav, RunOutputFile) && TagsEnabled)
        WriteJobTags(RunOutputFile);
    QFile::remove(RunTempWav);
}

void TMainForm::EncodeWma()
{
    FileW.SetWmaProfile(OutputSettings.WmaProfile);
    bool ready = Accepted(FileW);
    if (ready) {
        FileR.OpenFile(RunTempWav, 0, 1);
        if (FileR.LastError() != 0) {
            Fail(FileR.LastErrorText(), QStringLiteral("The temporary sound file cannot be read"));
            ready = false;
        } else {
            FileW.SetInputFormat(FileR.FormatB(), FileR.FormatA());
        }
        FileR.CloseFile();
    }
    if (ready && TranscodeWav(RunTempWav, RunOutputFile) && TagsEnabled)
        WriteJobTags(RunOutputFile);
    QFile::remove(RunTempWav);
}

void TMainForm::EncodeFlac() { EncodeConfigured(ConfigureFlac()); }
void TMainForm::EncodeOpus() { EncodeConfigured(ConfigureOpus()); }
void TMainForm::EncodeM4a() { EncodeConfigured(ConfigureM4a()); }

void TMainForm::EncodeConfigured(bool configured)
{
    if (configured && TranscodeWav(RunTempWav, RunOutputFile) && TagsEnabled)
        WriteJobTags(RunOutputFile);
    QFile::remove(RunTempWav);
}

bool TMainForm::ConfigureFlac()
{
    const TOutputSettings &o = OutputSettings;
    FileW.SetFlacFormat(o.FlacFrequency, o.FlacChannels, o.FlacBps, o.FlacCompression);
    return Accepted(FileW);
}

bool TMainForm::ConfigureOpus()
{
    const TOutputSettings &o = OutputSettings;
    FileW.SetOpusFormat(o.OpusBitrate, o.OpusVbr, o.OpusChannels);
    return Accepted(FileW);
}

bool TMainForm::ConfigureM4a()
{
    const TOutputSettings &o = OutputSettings;
    FileW.SetM4aFormat(o.M4aFrequency, o.M4aBitrate, o.M4aChannels);
    return Accepted(FileW);
}

double TMainForm::JobGainDb() const
{
    return OutputSettings.LoudnessTarget != 0 && VE1 ? LoudnessGainDb(VE1->Loudness(), OutputSettings.LoudnessTarget)
                                                     : 0.0;
}

TTempWavFormat TempWavFormat(int format, const TOutputSettings &o)
{
    switch (format) {
    case 2: return {o.WavChannels, o.WavFrequency, o.WavBps};
    case 4: return {o.FlacChannels, o.FlacFrequency, o.FlacBps};
    case 5: return {o.OpusChannels, 48000, 16};
    case 6: return {o.M4aChannels, o.M4aFrequency, 16};
    default: return {2, 44100, 2};
    }
}

bool TMainForm::ConfigureMp3()
{
    const TOutputSettings &o = OutputSettings;
    if (o.Mp3Vbr == 1) {
        MP3LameEncoder.LameSampleRate = o.Mp3Frequency;
        MP3LameEncoder.LameBitrate = o.Mp3Bitrate;
        MP3LameEncoder.LameMode = o.Mp3Channels - 1;
        MP3LameEncoder.LameOption = 0;
        MP3LameEncoder.LameMaxBitrate = o.Mp3MaxBitrate;
        MP3LameEncoder.LameVbrQuality = int16_t(o.Mp3VbrQuality);
        MP3LameEncoder.LameVbr = true;
        FileW.SetMp3Encoder(MP3LameEncoder);
    } else {
        FileW.SetMp3Format(o.Mp3Frequency, o.Mp3Bitrate, o.Mp3Channels);
    }
    return Accepted(FileW);
}

bool TMainForm::ConfigureOgg()
{
    const TOutputSettings &o = OutputSettings;
    // Quality mode takes precedence over variable bit rate and needs no check.
    if (o.OggUseQuality) {
        FileW.SetOggFormat(o.OggFrequency, o.OggChannels, 0, 0, 0, int16_t(o.OggQuality));
        return Accepted(FileW);
    }
    const int minimum = o.OggVbr ? o.OggMinBitrate : 0;
    const int maximum = o.OggVbr ? o.OggMaxBitrate : 0;
    if (!FileW.CheckOggFormat(o.OggFrequency, o.OggChannels, o.OggBitrate, minimum, maximum)) {
        Desktop::instance().message(MessageParent(this), QMessageBox::NoIcon, QStringLiteral("Clipvox"),
                                    QStringLiteral("Incorrect format"));
        // No file is written with whatever set-up the writer had before.
        Fail(QStringLiteral("Incorrect format: the OGG encoder does not accept %1 Hz, %2 channel(s), %3 kbps "
                            "(minimum %4, maximum %5)")
                 .arg(o.OggFrequency)
                 .arg(o.OggChannels)
                 .arg(o.OggBitrate)
                 .arg(minimum)
                 .arg(maximum),
             QString());
        return false;
    }
    FileW.SetOggFormat(o.OggFrequency, o.OggChannels, o.OggBitrate, minimum, maximum, -1);
    return Accepted(FileW);
}

// Copies the WAV into the configured writer one second per chunk, moving the gauges and
// letting the window work between chunks. Ends "100%" or "Stop"; false with RunError set
// when the WAV cannot be read or the output not written (an output the step created is
// then removed again; one that stood before is left).
bool TMainForm::TranscodeWav(const QString &wav, const QString &out)
{
    FileR.OpenFile(wav, 0, 1);
    if (FileR.LastError() != 0) {
        Fail(FileR.LastErrorText(), QStringLiteral("The temporary sound file cannot be read"));
        FileR.CloseFile();
        return false;
    }
    const bool existed = QFileInfo(out).exists() || QFileInfo(out).isSymLink();
    FileW.SetEnableFlag(true);
    FileW.SetInputFormat(FileR.FormatB(), FileR.FormatA());
    FileW.CreateFile(out, 0);
    bool ok = Accepted(FileW);
    if (ok) {
        const int n = FileR.FormatA() * FileR.FormatB();
        const int64_t total = FileR.TotalFrames();
        const int frameElements = FileR.FrameElements();
        int64_t frames = 0;
        do {
            {
                const SampleArray32 a = FileR.ReadSamples32(n); // 24-bit sound keeps its bits
                if (a.empty()) {
                    if (FileR.LastError() != 0) {
                        Fail(FileR.LastErrorText(), QStringLiteral("The temporary sound file cannot be read"));
                        ok = false;
                    }
                    break;
                }
                FileW.WriteSamples32(a);
                if (!Accepted(FileW)) {
                    ok = false;
                    break;
                }
                if (frameElements > 0)
                    frames = std::min<int64_t>(frames + int64_t(a.size()) / frameElements, total);
            }
            if (ExecForm) {
                const qint64 percent = total > 0 ? frames * 100 / total : 0;
                TExecForm::SetGauge(ExecForm->Gauge1, percent);
                TExecForm::SetGauge(ExecForm->Gauge2, percent + qint64(RunJob) * 100);
            }
            QCoreApplication::processEvents();
        } while (EncodeActive);
    }
    FileW.CloseFile();
    ok = ok && Accepted(FileW);
    FileR.CloseFile();
    if (!ok) {
        if (!existed)
            QFile::remove(out);
        return false;
    }
    SetJobStatus(RunJob, CancelRequested ? QStringLiteral("Stop") : QStringLiteral("100%"));
    return true;
}

bool TMainForm::WriteJobTags(const QString &out)
{
    const int s = RunJob + 1;
    if (s < 1 || s > JobCount || s >= int(JobTable.size()))
        return false;
    const TJob &job = JobTable[s];
    AudioInformation1.infoTitle = job.TagTitle;
    AudioInformation1.infoArtist = job.TagArtist;
    AudioInformation1.infoAlbum = job.TagAlbum;
    AudioInformation1.infoComments = job.TagComment;
    AudioInformation1.infoCopyright = job.TagCopyright;
    AudioInformation1.InfoYear = job.TagYear;
    AudioInformation1.InfoTrack = int16_t(job.TagTrack);
    AudioInformation1.InfoGenre = int16_t(job.TagGenre);
    if (AudioInformation1.WriteTags(out))
        return true;
    Fail(QStringLiteral("The tags could not be written: %1").arg(AudioInformation1.LastErrorText()), QString());
    return false;
}
