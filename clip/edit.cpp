// The clip editor: preview, clip range and tags of one job.
#include "clip/edit.h"

#include "clip/edittime.h"
#include "clip/previewwidget.h"
#include "main/application.h"
#include "main/desktop.h"
#include "main/main.h"
#include "media/audiofile2.h"
#include "media/previewplayer.h"
#include "media/waveform.h"
#include "ui_edit.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QVBoxLayout>

QPointer<TEditForm> EditForm;

namespace {
constexpr int kGenreCount = 147;
constexpr int kDefaultGenre = 12;

bool IsMax(const QString &endTime) { return endTime.compare(QLatin1String("Max"), Qt::CaseInsensitive) == 0; }
} // namespace

TEditForm::TEditForm(QWidget *owner) : QDialog(owner), ui(new Ui::TEditForm)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(size());

    // The player's picture fills the black panel.
    m_video = TPreviewWidget::Create(ui->Panel2);
    ui->Panel2->installEventFilter(this);
    m_video->installEventFilter(this);

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(1000);
    const auto on = [this](auto *sender, auto signal, void (TEditForm::*handler)()) {
        connect(sender, signal, this, [this, handler] { Guarded([&] { (this->*handler)(); }); });
    };
    on(&Timer1, &QTimer::timeout, &TEditForm::Timer1Timer);
    on(ui->SpeedBtnPlay, &QToolButton::clicked, &TEditForm::SpeedBtnPlayClick);
    on(ui->SpeedBtnPause, &QToolButton::clicked, &TEditForm::SpeedBtnPauseClick);
    on(ui->SpeedBtnStop, &QToolButton::clicked, &TEditForm::SpeedBtnStopClick);
    on(ui->SpeedButton1, &QToolButton::clicked, &TEditForm::SetStartClick);
    on(ui->SpeedButton2, &QToolButton::clicked, &TEditForm::SetEndClick);
    on(ui->BtnEdit, &QToolButton::clicked, &TEditForm::BtnEditClick);
    on(ui->SpeedButton3, &QToolButton::clicked, &TEditForm::BtnResetClick);
    on(ui->BtnApply, &QPushButton::clicked, &TEditForm::BtnApplyClick);
    on(ui->BtnCancel, &QPushButton::clicked, &TEditForm::BtnCancelClick);
    on(ui->CheckTag, &QCheckBox::toggled, &TEditForm::CheckTagClick);

    // The keys of the preview. The tag fields keep what is typed into them: the line edits
    // claim printable keys and their own cursor keys, the genre list is told to.
    const auto key = [this](const QKeySequence &sequence, auto handler) {
        auto *shortcut = new QShortcut(sequence, this);
        connect(shortcut, &QShortcut::activated, this, [this, handler] { Guarded([&] { handler(); }); });
    };
    key(Qt::Key_Space, [this] { PlayPauseKey(); });
    key(Qt::Key_I, [this] { SetStartClick(); });
    key(Qt::Key_O, [this] { SetEndClick(); });
    key(Qt::Key_Left, [this] { SeekBy(-1000); });
    key(Qt::Key_Right, [this] { SeekBy(1000); });
    key(Qt::SHIFT | Qt::Key_Left, [this] { SeekBy(-10000); });
    key(Qt::SHIFT | Qt::Key_Right, [this] { SeekBy(10000); });
    key(Qt::Key_Home, [this] { SeekToMark(false); });
    key(Qt::Key_End, [this] { SeekToMark(true); });
    ui->infoGenre->installEventFilter(this);

    // The sound strip: peaks from the worker, the clip from the time fields, the line from
    // the player.
    Waveform = new TWaveform(this);
    connect(Waveform, &TWaveform::Started, this, [this](qint64 ms) {
        ui->SoundStrip->setLength(ms);
        ShowClipOnStrip();
    });
    connect(Waveform, &TWaveform::Peaks, ui->SoundStrip, &TSoundStrip::addPeaks);
    connect(Waveform, &TWaveform::Finished, this, [this](bool hasSound) { ui->SoundStrip->setNoSound(!hasSound); });
    connect(ui->SoundStrip, &TSoundStrip::clicked, this, [this](qint64 ms) { Guarded([&] { SoundStripClick(ms); }); });
    connect(ui->EdStart, &QLineEdit::textChanged, this, [this] { ShowClipOnStrip(); });
    connect(ui->EdEnd, &QLineEdit::textChanged, this, [this] { ShowClipOnStrip(); });
    m_lineTimer.setInterval(100);
    connect(&m_lineTimer, &QTimer::timeout, this, [this] { ShowPositionOnStrip(); });

    FormCreate();
}

TEditForm::~TEditForm()
{
    // The player goes first: it draws into a window that the widgets below own.
    delete MP2;
    delete Waveform;
    delete ui;
}

void TEditForm::FormCreate()
{
    for (int i = 0; i < kGenreCount; ++i)
        ui->infoGenre->addItem(TAudioInformation2::GenreText(i));
    ui->infoGenre->setCurrentIndex(kDefaultGenre);
    if (MainForm)
        MainForm->AudioInformation1.InfoFlag = -1;
}

void TEditForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        Guarded([this] { FormShow(); });
    }
}

void TEditForm::FormShow()
{
    ui->TrackBar1->installEventFilter(this);
    LoadClipRange();
    ui->SpeedBtnPlay->setEnabled(true);
    setWindowTitle(Job().SourceFile);
    StartSoundStrip();
    m_lineTimer.start();
    SpeedBtnPlayClick();
}

// The strip's columns stand under the track bar's values, one per pixel between its ends.
void TEditForm::StartSoundStrip()
{
    const int offset = ui->TrackBar1->x() - ui->SoundStrip->x();
    ui->SoundStrip->setSpan(offset + ui->TrackBar1->xOfValue(ui->TrackBar1->minimum()),
                            offset + ui->TrackBar1->xOfValue(ui->TrackBar1->maximum()));
    ui->SoundStrip->setLength(Job().Duration * 1000LL);
    Waveform->Start(Job().SourceFile, ui->SoundStrip->columnCount());
}

void TEditForm::ShowClipOnStrip()
{
    const qint64 length = ui->SoundStrip->length();
    const auto ms = [length](const QString &text, qint64 otherwise) {
        try {
            return IsMax(text) ? length : TimeToSeconds(text) * 1000LL;
        } catch (const ClipvoxError &) {
            return otherwise;
        }
    };
    ui->SoundStrip->setClip(ms(ui->EdStart->text(), 0), ms(ui->EdEnd->text(), length));
}

void TEditForm::ShowPositionOnStrip()
{
    const bool ready = ui->SpeedBtnPlay->isEnabled() && !ui->SpeedBtnStop->isEnabled();
    ui->SoundStrip->setPosition(MP2 && MP2->IsLoaded() && !ready ? MP2->Position() : 0);
}

void TEditForm::done(int result)
{
    QDialog::done(result);
    FormClose();
}

void TEditForm::FormClose()
{
    Timer1.stop();
    m_lineTimer.stop();
    Waveform->Stop();
    // The player goes with the window: nothing it still has to tell reaches the job.
    delete MP2;
    MP2 = nullptr;
    if (MainForm)
        MainForm->RefreshJobList();
}

TJob &TEditForm::Job() const
{
    if (CurrentJob < 0 || CurrentJob >= JobCount)
        throw ClipvoxError(QStringLiteral("No queued file is being edited."));
    return JobTable[CurrentJob + 1];
}

void TEditForm::SetSelection(int start, int end)
{
    SelStart = start;
    SelEnd = end;
    ui->TrackBar1->setSelection(start, end);
}

void TEditForm::LoadClipRange()
{
    const TJob &job = Job();
    ui->EdStart->setText(job.StartTime);
    ui->EdEnd->setText(job.EndTime);
    const int start = job.Duration != 0 ? qint64(TimeToSeconds(job.StartTime)) * 100 / job.Duration : 0;
    const int end = IsMax(job.EndTime) || job.Duration == 0
                        ? 100
                        : qint64(TimeToSeconds(job.EndTime)) * 100 / job.Duration;
    SetSelection(start, end);
}

void TEditForm::MakePlayer()
{
    // Opening and seeking never wait: their ends arrive as signals.
    // The picture goes into the panel, and the sound goes to the default output wherever
    // there is a screen; off screen (tests) the player only decodes and keeps time.
    TPreviewPlayer::Options options;
    options.waitMs = 0;
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("offscreen") && platform != QLatin1String("minimal"))
        options.ao.clear();
    TPreviewWidget::Configure(m_video, options);
    MP2 = new TPreviewPlayer(options);
    TPreviewWidget::Attach(m_video, MP2);
    connect(MP2, &TPreviewPlayer::Loaded, this, [this] { Guarded([this] { SourceOpened(); }); });
    connect(MP2, &TPreviewPlayer::LoadFailed, this, &TEditForm::PlayerFailed);
    connect(MP2, &TPreviewPlayer::PlaybackFailed, this, &TEditForm::PlayerFailed);
}

// The source cannot be played (now): the editor stands as for a source that cannot be
// opened, and the player's reason goes to the general error report.
void TEditForm::PlayerFailed(const QString &reason)
{
    ShowReady();
    ui->lbTotalTime->setText(QStringLiteral("00:00:00"));
    ui->lbElapsedTime->setText(QStringLiteral("00:00:00"));
    ui->TrackBar1->setValue(0);
    ReportError(reason);
}

void TEditForm::SpeedBtnPlayClick()
{
    if (CurrentJob < 0 || CurrentJob >= JobCount)
        return;
    const bool paused = MP2 && MP2->IsLoaded() && ui->SpeedBtnStop->isEnabled();
    if (paused) {
        const int value = ui->TrackBar1->value();
        MP2->Seek(value == m_resumeValue ? m_resumeMs : MP2->Length() * value / 100);
        MP2->Play();
    } else {
        if (!MP2)
            MakePlayer();
        if (!MP2->Open(Job().SourceFile))
            throw ClipvoxError(MP2->ErrorText());
    }
    m_resumeValue = -1;
    ui->SpeedBtnPlay->setEnabled(false);
    ui->SpeedBtnPause->setEnabled(true);
    ui->SpeedBtnStop->setEnabled(true);
    Timer1.start();
}

// The source is open: its length is measured into the job, then it plays from the start,
// unless Pause or Stop came while it was opening.
void TEditForm::SourceOpened()
{
    TJob &job = Job();
    job.Duration = int(MP2->Length() / 1000);
    if (IsMax(job.EndTime) && job.Duration != 0)
        job.EndTime = SecondsToTime(job.Duration);
    ui->lbTotalTime->setText(SecondsToTime(job.Duration));
    // The end field shows the measured end in place of "Max"; an end mark set since the
    // editor opened is kept when the source is opened again.
    if (IsMax(ui->EdEnd->text()))
        ui->EdEnd->setText(job.EndTime);
    if (ui->SoundStrip->length() == 0)
        ui->SoundStrip->setLength(MP2->Length());
    MP2->Seek(0);
    if (!ui->SpeedBtnPlay->isEnabled())
        MP2->Play();
    else if (ui->SpeedBtnStop->isEnabled())
        MP2->Pause();
}

void TEditForm::ShowReady()
{
    ui->SpeedBtnPlay->setEnabled(true);
    ui->SpeedBtnPause->setEnabled(false);
    ui->SpeedBtnStop->setEnabled(false);
    Timer1.stop();
}

void TEditForm::SpeedBtnPauseClick()
{
    if (!MP2)
        return;
    MP2->Pause();
    ui->SpeedBtnPlay->setEnabled(true);
    Timer1.stop();
    m_resumeMs = MP2->Position();
    m_resumeValue = ui->TrackBar1->value();
    ui->lbElapsedTime->setText(SecondsToTime(m_resumeMs / 1000));
    ui->SpeedBtnPause->setEnabled(false);
}

void TEditForm::SpeedBtnStopClick()
{
    if (MP2)
        MP2->Stop();
    ShowReady();
    ui->lbElapsedTime->setText(QStringLiteral("00:00:00"));
    ui->TrackBar1->setValue(0);
}

void TEditForm::Timer1Timer()
{
    if (!MP2)
        return;
    ui->lbElapsedTime->setText(SecondsToTime(MP2->Position() / 1000));
    // A source shorter than a second has no length to scale by: the thumb stays put. Nor
    // is the thumb moved under the user's hand while it is being dragged.
    const int total = TimeToSeconds(ui->lbTotalTime->text());
    if (total > 0 && !ui->TrackBar1->isSliderDown())
        ui->TrackBar1->setValue(qint64(TimeToSeconds(ui->lbElapsedTime->text())) * 100 / total);
}

bool TEditForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->infoGenre && event->type() == QEvent::ShortcutOverride) {
        event->accept(); // keys typed into the genre list stay there
        return true;
    }
    if (watched == ui->TrackBar1) {
        Guarded([&] { TrackBarWndProc(event); });
    } else if ((watched == ui->Panel2 || watched == m_video) && event->type() == QEvent::MouseButtonRelease
               && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        Guarded([this] { Panel2Click(); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// Seeks to where the thumb is released while the preview plays; the track bar then
// handles the release as usual.
void TEditForm::TrackBarWndProc(QEvent *event)
{
    if (event->type() != QEvent::MouseButtonRelease || static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
        return;
    if (!DevicePlaying())
        return;
    const qint64 total = TimeToSeconds(ui->lbTotalTime->text());
    const int position = ui->TrackBar1->value();
    MP2->Seek(total * position * 10);
    ui->lbElapsedTime->setText(SecondsToTime(total * position / 100));
    MP2->Play();
}

// Playing, or on its way to a place it was sent to while playing.
bool TEditForm::DevicePlaying()
{
    if (!MP2)
        return false;
    const TPlayerMode mode = MP2->Mode();
    return mode == TPlayerMode::Playing || (mode == TPlayerMode::Seeking && !ui->SpeedBtnPlay->isEnabled());
}

void TEditForm::PlayPauseKey()
{
    if (ui->SpeedBtnPlay->isEnabled())
        SpeedBtnPlayClick();
    else if (ui->SpeedBtnPause->isEnabled())
        SpeedBtnPauseClick();
}

void TEditForm::SeekBy(qint64 ms)
{
    if (MP2 && MP2->IsLoaded())
        SeekTo(MP2->Position() + ms);
}

void TEditForm::SeekToMark(bool end)
{
    const QString text = end ? ui->EdEnd->text() : ui->EdStart->text();
    if (MP2 && MP2->IsLoaded())
        SeekTo(IsMax(text) ? MP2->Length() : TimeToSeconds(text) * 1000LL);
}

void TEditForm::SoundStripClick(qint64 ms) { SeekTo(ms); }

// Moves the preview to a moment, as a release of the thumb does while playing: playing goes
// on from there, a paused preview waits there; a stopped one is not moved.
void TEditForm::SeekTo(qint64 ms)
{
    const bool playing = !ui->SpeedBtnPlay->isEnabled();
    const bool paused = !playing && ui->SpeedBtnStop->isEnabled();
    if (!MP2 || !MP2->IsLoaded() || (!playing && !paused))
        return;
    ms = std::clamp<qint64>(ms, 0, MP2->Length());
    MP2->Seek(ms);
    ui->lbElapsedTime->setText(SecondsToTime(ms / 1000));
    const int total = TimeToSeconds(ui->lbTotalTime->text());
    if (total > 0)
        ui->TrackBar1->setValue(int(std::min<qint64>(100, ms / 1000 * 100 / total)));
    ui->SoundStrip->setPosition(ms);
    if (playing) {
        MP2->Play();
    } else {
        MP2->Pause();
        m_resumeMs = ms;
        m_resumeValue = ui->TrackBar1->value();
    }
}

void TEditForm::Panel2Click()
{
    if (!MP2)
        return;
    switch (MP2->Mode()) {
    case TPlayerMode::Stopped:
    case TPlayerMode::Playing:
    case TPlayerMode::Paused:
    case TPlayerMode::Open:
        if (ui->SpeedBtnPlay->isEnabled())
            SpeedBtnPlayClick();
        else
            SpeedBtnPauseClick();
        break;
    default:
        break;
    }
}

// While playing, the elapsed time and the thumb are brought up to the moment first: a mark
// set by ear must not lag by up to the second between two timer ticks.
void TEditForm::SetStartClick()
{
    if (DevicePlaying())
        Timer1Timer();
    SetSelection(ui->TrackBar1->value(), SelEnd);
    ui->EdStart->setText(ui->lbElapsedTime->text());
}

void TEditForm::SetEndClick()
{
    if (DevicePlaying())
        Timer1Timer();
    SetSelection(SelStart, ui->TrackBar1->value());
    ui->EdEnd->setText(ui->lbElapsedTime->text());
}

void TEditForm::BtnResetClick()
{
    TJob &job = Job();
    job.StartTime = QStringLiteral("00:00:00");
    job.EndTime = job.Duration != 0 ? SecondsToTime(job.Duration) : ui->lbTotalTime->text();
    ui->EdStart->setText(QStringLiteral("00:00:00"));
    ui->EdEnd->setText(job.EndTime);
    SetSelection(0, 100);
}

void TEditForm::BtnEditClick()
{
    StartSeconds = TimeToSeconds(ui->EdStart->text());
    EndSeconds = TimeToSeconds(ui->EdEnd->text());
    if (!EditTimeForm) {
        EditTimeForm = new TEditTimeForm(this, StartSeconds, EndSeconds, Job().Duration);
        connect(EditTimeForm, &TEditTimeForm::TimesChosen, this, &TEditForm::SetClipTimes);
    }
    EditTimeForm->exec();
}

void TEditForm::SetClipTimes(int startSeconds, int endSeconds)
{
    StartSeconds = startSeconds;
    EndSeconds = endSeconds;
    ui->EdStart->setText(SecondsToTime(StartSeconds));
    ui->EdEnd->setText(SecondsToTime(EndSeconds));
    const int duration = Job().Duration;
    if (duration == 0)
        SetSelection(0, 100);
    else
        SetSelection(qint64(StartSeconds) * 100 / duration, qint64(EndSeconds) * 100 / duration);
}

void TEditForm::BtnApplyClick()
{
    TJob &job = Job();
    int start = 0, end = 0;
    try {
        start = TimeToSeconds(ui->EdStart->text());
        end = TimeToSeconds(ui->EdEnd->text());
    } catch (const ClipvoxError &) {
        ShowInformation(this, QStringLiteral("Please input correct time format!"));
        return;
    }
    if (job.Duration == 0) {
        ShowInformation(this, QStringLiteral("Please input correct time format!"));
        return;
    }
    SetSelection(qint64(start) * 100 / job.Duration, qint64(end) * 100 / job.Duration);
    // The seconds are compared, not the percentages: a start a little after the end
    // would share its percent and slip through.
    if (start > end) {
        ShowInformation(this, QStringLiteral("Start Time should be smaller than End Time!"));
        return;
    }
    job.StartTime = ui->EdStart->text();
    job.EndTime = ui->EdEnd->text();
    if (ui->CheckTag->isChecked()) {
        job.TagTitle = ui->infoTitle->text();
        job.TagArtist = ui->infoArtist->text();
        job.TagAlbum = ui->infoAlbum->text();
        job.TagComment = ui->infoComment->text();
        job.TagCopyright = ui->infoCopyright->text();
        bool ok = false;
        const int year = ui->infoYear->text().toInt(&ok, 10);
        if (!ok) {
            ShowInformation(this, QStringLiteral("Invalid Year Value"));
            ui->infoYear->setFocus();
            return;
        }
        job.TagYear = year;
        const int track = ui->infoTrack->text().toInt(&ok, 10);
        if (!ok) {
            ShowInformation(this, QStringLiteral("Invalid Track Value"));
            ui->infoTrack->setFocus();
            return;
        }
        job.TagTrack = track;
        job.TagGenre = ui->infoGenre->currentIndex();
    }
    accept();
}

void TEditForm::BtnCancelClick() { reject(); }

void TEditForm::CheckTagClick()
{
    TagsEnabled = ui->CheckTag->isChecked();
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->lbTitle, ui->lbArtist, ui->lbAlbum, ui->lbComment, ui->lbCopyRight, ui->lbYear, ui->lbTrack,
             ui->lbGenre, ui->infoTitle, ui->infoArtist, ui->infoAlbum, ui->infoComment, ui->infoCopyright,
             ui->infoYear, ui->infoTrack, ui->infoGenre})
        w->setEnabled(TagsEnabled);
}
