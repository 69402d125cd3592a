// The conversion run: one job after the other, the video step then the encoding step.
#include "main/main.h"

#include "main/application.h"
#include "main/desktop.h"
#include "main/notify.h"
#include "media/medialength.h"
#include "media/videoedit.h"
#include "progress/execute.h"
#include "ui_main.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QSet>
#include <QTemporaryFile>
#include <QTreeWidget>

int RunJob = 0;
bool EncodeActive = false;
bool CancelRequested = false;
QString RunError;
bool RunActive = false;
QString RunOutputFile;
QString RunTempWav;

namespace {
int g_runFormat = 0;        // output format of the run, fixed when it starts
QSet<QString> g_runOutputs; // files this run has written or is writing
bool g_awaiting = false;    // the current job's video step has not reported yet
QElapsedTimer g_runClock;   // since the run started

// Rows whose status reads text.
int RowsWith(const QTreeWidget *list, const QString &text)
{
    int n = 0;
    for (int r = 0; r < list->topLevelItemCount(); ++r)
        n += list->topLevelItem(r)->text(ColStatus) == text;
    return n;
}

bool Exists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// The path itself, unless this run already wrote to it; then "name (2).ext", "name (3).ext"...
// whichever neither this run nor anyone else has taken.
QString FreeOutputName(const QString &path)
{
    if (!g_runOutputs.contains(path))
        return path;
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > slash ? path.left(dot) : path;
    const QString ext = dot > slash ? path.mid(dot) : QString();
    for (int n = 2;; ++n) {
        const QString candidate = stem + QStringLiteral(" (%1)").arg(n) + ext;
        if (!g_runOutputs.contains(candidate) && !Exists(candidate))
            return candidate;
    }
}

// Creates the job's temporary WAV beside the output: the output's name with ".wav", or a
// free name when a file of that name exists, so no file of the user's is overwritten.
QString ReserveTempWav(const QString &output)
{
    const QString preferred = ChangeFileExt(output, QStringLiteral(".wav"));
    QFile file(preferred);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return preferred;
    if (!Exists(preferred))
        throw ClipvoxError(QStringLiteral("Cannot create the temporary file %1: %2").arg(preferred, file.errorString()));
    QTemporaryFile temp(ChangeFileExt(output, QStringLiteral(".XXXXXX.wav")));
    temp.setAutoRemove(false);
    if (!temp.open())
        throw ClipvoxError(QStringLiteral("Cannot create a temporary file beside %1: %2").arg(output, temp.errorString()));
    return temp.fileName();
}

// End of the clip in seconds. "Max" (any letter case) or an unreadable time means the end
// of the source, which must then be measurable; so does an end equal to the source's
// length in whole seconds, the most an hh:mm:ss time can say of it.
double ClipEnd(const TJob &job)
{
    std::optional<int> end;
    if (job.EndTime.toUpper() != QLatin1String("MAX")) {
        try {
            end = TimeToSeconds(job.EndTime);
        } catch (const ClipvoxError &) {
        }
    }
    QString error;
    const std::optional<double> lengthMs = MediaLengthMs(job.SourceFile, &error);
    if (!end) {
        if (!lengthMs)
            throw ClipvoxError(QStringLiteral("Cannot measure the length of the source: %1")
                                   .arg(error.isEmpty() ? QStringLiteral("unknown reason") : error));
        return TVideoEdit::ToEnd;
    }
    if (lengthMs && *end == qint64(*lengthMs / 1000))
        return TVideoEdit::ToEnd;
    return *end;
}
} // namespace

void TMainForm::TBXItemConvertClick()
{
    // A run that goes on after its dialog was closed must end before the next one starts.
    if (ui->ListView1->topLevelItemCount() == 0 || JobCount <= 0 || RunActive)
        return;
    if (!ExecForm)
        ExecForm = new TExecForm(this);
    ExecForm->exec();
}

void TMainForm::RunStart()
{
    CancelRequested = false;
    RunJob = 0;
    RunActive = true;
    g_runFormat = OutputSettings.OutputFormat;
    g_runOutputs.clear();
    g_runClock.start();
    StartJob(0);
}

void TMainForm::StartJob(int i)
{
    const int s = i + 1;
    RunError.clear();
    RunOutputFile.clear();
    RunTempWav.clear();
    g_awaiting = true;
    VE1->ClearClips();
    try {
        if (s > JobCount || s >= int(JobTable.size()))
            throw ClipvoxError(QStringLiteral("The job is no longer in the queue"));
        TJob &job = JobTable[s];
        double start = 0;
        try {
            start = TimeToSeconds(job.StartTime);
        } catch (const ClipvoxError &) {
            throw ClipvoxError(QStringLiteral("The start time \"%1\" is not a time (hh:mm:ss)").arg(job.StartTime));
        }
        const double end = ClipEnd(job);
        if (!VE1->AddClip(job.SourceFile, start, end))
            throw ClipvoxError(QStringLiteral("The clip's end (%1) is not after its start (%2)")
                                   .arg(job.EndTime, job.StartTime));

        const QString output = FreeOutputName(job.OutputFile);
        if (output != job.OutputFile) {
            job.OutputFile = output;
            if (QTreeWidgetItem *row = ui->ListView1->topLevelItem(i))
                row->setText(ColOutput, output);
        }
        RunOutputFile = output;
        const QString wav = g_runFormat == 2 ? output : ReserveTempWav(output);
        if (g_runFormat != 2)
            RunTempWav = wav;
        g_runOutputs.insert(output);

        if (g_runFormat == 2)
            VE1->ExtractAudio(wav, OutputSettings.WavChannels, OutputSettings.WavFrequency, OutputSettings.WavBps);
        else
            VE1->ExtractAudio(wav, 2, 44100, 2);
    } catch (const ClipvoxError &e) {
        // The job fails before its video step: it ends through the same completion, later,
        // so that a run of failing jobs neither recurses nor finishes inside this call.
        RunError = e.text();
        QMetaObject::invokeMethod(this, [this] { Guarded([this] { VE1Complete(); }); }, Qt::QueuedConnection);
    }

    if (ExecForm && s <= JobCount) {
        const QString line = QStringLiteral("Convert ") + JobTable[s].SourceFile + QStringLiteral(" to ") +
                             JobTable[s].OutputFile + QStringLiteral("...");
        ExecForm->lbFile->setText(line);
        ExecForm->lbFile->setToolTip(line); // long paths run past the dialog's edge
        ExecForm->lbTotal->setText(
            QStringLiteral("Convert file %1 of total %2 file(s)").arg(RunJob + 1).arg(JobCount));
    }
    SetJobStatus(RunJob, QStringLiteral("Converting..."));
}

void TMainForm::VE1Complete()
{
    // A completion after Cancel, outside a run, twice for one job, or of an extraction
    // that is still running belongs to no job.
    if (CancelRequested || !RunActive || !g_awaiting || (RunError.isEmpty() && VE1->IsProcessing()))
        return;
    g_awaiting = false;
    if (RunError.isEmpty() && !VE1->Succeeded()) {
        RunError = VE1->ErrorText();
        if (RunError.isEmpty())
            RunError = QStringLiteral("The sound could not be extracted from the video");
    }
    CompleteJob();
}

void TMainForm::CompleteJob()
{
    EncodeActive = true;
    if (RunError.isEmpty()) {
        switch (g_runFormat) {
        case 0:
            EncodeMp3();
            break;
        case 1:
            EncodeWma();
            break;
        case 3:
            EncodeOgg();
            break;
        case 2:
            SetJobStatus(RunJob, QStringLiteral("100%"));
            break;
        default:
            RunError = QStringLiteral("The output format is not one Clipvox knows");
        }
    }
    EncodeActive = false;
    if (!RunError.isEmpty()) {
        // A failed job never reads "100%"; its reason shows on the status cell.
        SetJobStatus(RunJob, QStringLiteral("Failed"), RunError);
        if (!RunTempWav.isEmpty())
            QFile::remove(RunTempWav);
    }
    if (ExecForm)
        TExecForm::SetGauge(ExecForm->Gauge2, qint64(RunJob + 1) * 100);

    if (RunJob < JobCount - 1 && !CancelRequested) {
        RunJob += 1;
        StartJob(RunJob);
        return;
    }
    RunActive = false;
    if (ExecForm)
        ExecForm->Timer1.stop();
    NotifyRunEnded(RowsWith(ui->ListView1, QStringLiteral("100%")), RowsWith(ui->ListView1, QStringLiteral("Failed")),
                   g_runClock.elapsed(), QApplication::activeWindow() != nullptr);
    if (!CancelRequested)
        ShowInformation(ExecForm ? static_cast<QWidget *>(ExecForm.data()) : this, QStringLiteral("Task complete!"));
    if (ExecForm)
        ExecForm->close();
}

void TMainForm::VE1Processing(double, double) {}
