// SPDX-License-Identifier: GPL-3.0-or-later
// The clip editor: preview, clip range and tags of one job.
#include "clip/edit.h"

#include "clip/cliptimes.h"
#include "clip/edittime.h"
#include "clip/previewwidget.h"
#include "desktop/application.h"
#include "desktop/desktop.h"
#include "media/tags.h"
#include "media/previewplayer.h"
#include "media/sourceinfo.h"
#include "media/waveform.h"
#include "ui_edit.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QThreadPool>
#include <QVBoxLayout>
#include <cmath>

namespace {
constexpr int kGenreCount = 147;
constexpr int kDefaultGenre = 12;
} // namespace

TEditForm::TEditForm(QWidget *owner, const TJob &job, TAudioInformation2 *info)
    : QDialog(owner), ui(new Ui::TEditForm), m_job(job), m_info(info), m_soundTrack(job.SoundTrack),
      m_soundTrackName(job.SoundTrackName)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setMinimumSize(size()); // opens at its first size, and grows from there

    // The player's picture fills the black panel.
    m_video = TPreviewWidget::Create(ui->previewPanel);
    ui->previewPanel->installEventFilter(this);
    m_video->installEventFilter(this);

    PlayTimer.setObjectName(QStringLiteral("PlayTimer"));
    PlayTimer.setInterval(1000);
    const auto on = [this](auto *sender, auto signal, void (TEditForm::*handler)()) {
        connect(sender, signal, this, [this, handler] { Guarded([&] { (this->*handler)(); }); });
    };
    on(&PlayTimer, &QTimer::timeout, &TEditForm::PlayTimerTick);
    on(ui->SpeedBtnPlay, &QToolButton::clicked, &TEditForm::SpeedBtnPlayClick);
    on(ui->SpeedBtnPause, &QToolButton::clicked, &TEditForm::SpeedBtnPauseClick);
    on(ui->SpeedBtnStop, &QToolButton::clicked, &TEditForm::SpeedBtnStopClick);
    on(ui->setStartButton, &QToolButton::clicked, &TEditForm::SetStartClick);
    on(ui->setEndButton, &QToolButton::clicked, &TEditForm::SetEndClick);
    on(ui->BtnEdit, &QToolButton::clicked, &TEditForm::BtnEditClick);
    on(ui->resetTimeButton, &QToolButton::clicked, &TEditForm::BtnResetClick);
    on(ui->BtnApply, &QPushButton::clicked, &TEditForm::BtnApplyClick);
    on(ui->BtnCancel, &QPushButton::clicked, &TEditForm::BtnCancelClick);
    on(ui->CheckTag, &QCheckBox::toggled, &TEditForm::CheckTagClick);

    // The preview's keys belong to the picture, the track bar and the strip; on a button or
    // a box Space and Return press it, and Return elsewhere presses OK.
    for (QWidget *w : {static_cast<QWidget *>(ui->previewPanel), static_cast<QWidget *>(ui->positionBar),
                       static_cast<QWidget *>(ui->soundStrip)})
        w->installEventFilter(this);
    m_video->setFocusProxy(ui->previewPanel);
    connect(ui->positionBar, &QAbstractSlider::actionTriggered, this,
            [this](int action) { Guarded([&] { TrackBarAction(action); }); });

    // The sound strip: peaks from the worker, the clip from the time fields, the line from
    // the player.
    waveform = new TWaveform(this);
    connect(waveform, &TWaveform::Started, this, [this](qint64 ms) {
        ui->soundStrip->setLength(ms);
        ShowClipOnStrip();
    });
    connect(waveform, &TWaveform::Peaks, ui->soundStrip, &TSoundStrip::addPeaks);
    connect(waveform, &TWaveform::Finished, this, [this](bool hasSound) { ui->soundStrip->setNoSound(!hasSound); });
    connect(ui->soundStrip, &TSoundStrip::clicked, this, [this](qint64 ms) { Guarded([&] { SoundStripClick(ms); }); });
    connect(ui->EdStart, &QLineEdit::textChanged, this, [this] { ShowClipOnStrip(); });
    connect(ui->EdEnd, &QLineEdit::textChanged, this, [this] { ShowClipOnStrip(); });
    connect(ui->cbSoundTrack, &QComboBox::activated, this, [this](int i) { Guarded([&] { SoundTrackChosen(i); }); });
    // The year and the track take digits only, as they are typed.
    for (QLineEdit *number : {ui->infoYear, ui->infoTrack})
        number->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), number));
    m_lineTimer.setInterval(100);
    connect(&m_lineTimer, &QTimer::timeout, this, [this] { ShowPositionOnStrip(); });

    FormCreate();
}

TEditForm::~TEditForm()
{
    // The player goes first: it draws into a window that the widgets below own.
    delete Player;
    delete waveform;
    delete ui;
}

void TEditForm::FormCreate()
{
    for (int i = 0; i < kGenreCount; ++i)
        ui->infoGenre->addItem(TAudioInformation2::GenreText(i));
    ui->infoGenre->setCurrentIndex(kDefaultGenre);
    if (m_info)
        m_info->InfoFlag = -1;
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
    ui->positionBar->installEventFilter(this);
    LoadClipRange();
    ui->SpeedBtnPlay->setEnabled(true);
    setWindowTitle(m_job.SourceFile);
    ReadSoundTracks();
    StartSoundStrip();
    m_lineTimer.start();
    ui->previewPanel->setFocus();
    SpeedBtnPlayClick();
}

// The strip's sound stands under the track bar's values, from its minimum to its maximum;
// it follows the track bar when the window changes size.
void TEditForm::SpanSoundStrip()
{
    const int offset = ui->positionBar->x() - ui->soundStrip->x();
    ui->soundStrip->setSpan(offset + ui->positionBar->xOfValue(ui->positionBar->minimum()),
                            offset + ui->positionBar->xOfValue(ui->positionBar->maximum()));
}

// The peaks are read once, as many as the screen has device pixels across, so the strip
// stays sharp however wide the window is made, without reading the sound again.
void TEditForm::StartSoundStrip()
{
    SpanSoundStrip();
    const QScreen *where = screen();
    const int screenPixels = where ? int(where->geometry().width() * where->devicePixelRatio()) : 0;
    const int columns =
        std::max(int(ui->soundStrip->spanWidth() * ui->soundStrip->devicePixelRatioF()) + 1, screenPixels);
    ui->soundStrip->clear(columns);
    ui->soundStrip->setLength(m_job.Duration * 1000LL);
    waveform->Start(m_job.SourceFile, columns, m_soundStream);
}

void TEditForm::ReadSoundTracks()
{
    QPointer<TEditForm> self(this);
    m_trackStop = std::make_shared<std::atomic_bool>(false);
    QThreadPool::globalInstance()->start([self, path = m_job.SourceFile, stop = m_trackStop] {
        const std::optional<SourceInfo> info = ReadSourceInfo(path, stop.get());
        const QList<SourceTrack> tracks = info ? info->tracks : QList<SourceTrack>();
        // Handed to the window's thread, unless the program is ending meanwhile.
        if (QCoreApplication *app = QCoreApplication::instance())
            QMetaObject::invokeMethod(app, [self, tracks] {
                if (self)
                    Guarded([&] { self->ShowSoundTracks(tracks); });
            }, Qt::QueuedConnection);
    });
}

void TEditForm::ShowSoundTracks(const QList<SourceTrack> &tracks)
{
    m_tracks = tracks;
    if (tracks.size() < 2)
        return; // one track or none: nothing to choose
    const QSignalBlocker quiet(ui->cbSoundTrack);
    ui->cbSoundTrack->clear();
    int chosen = -1, fallback = 0;
    for (const SourceTrack &t : tracks) {
        ui->cbSoundTrack->addItem(t.name, t.number);
        if (t.number == m_soundTrack)
            chosen = ui->cbSoundTrack->count() - 1;
        if (t.isDefault && fallback == 0)
            fallback = ui->cbSoundTrack->count() - 1;
    }
    ui->cbSoundTrack->setCurrentIndex(chosen >= 0 ? chosen : fallback);
    ui->lbSoundTrack->setVisible(true);
    ui->cbSoundTrack->setVisible(true);
    // A track chosen before: the strip shows it, not the default.
    if (chosen >= 0 && tracks[chosen].streamIndex != m_soundStream) {
        m_soundStream = tracks[chosen].streamIndex;
        ui->soundStrip->clear();
        StartSoundStrip();
    }
}

void TEditForm::SoundTrackChosen(int index)
{
    if (index < 0 || index >= m_tracks.size())
        return;
    const SourceTrack &t = m_tracks[index];
    m_soundTrack = t.number;
    m_soundTrackName = t.name;
    m_soundStream = t.streamIndex;
    if (Player)
        Player->SetSoundTrack(m_soundTrack);
    ui->soundStrip->clear();
    StartSoundStrip();
}

void TEditForm::ShowClipOnStrip()
{
    const qint64 length = ui->soundStrip->length();
    const auto ms = [length](const QString &text, qint64 otherwise) {
        try {
            return isMaxText(text) ? length : TimeToSeconds(text) * 1000LL;
        } catch (const ClipvoxError &) {
            return otherwise;
        }
    };
    // An end in the source's last second is its end: hh:mm:ss cannot say more.
    qint64 end = ms(ui->EdEnd->text(), length);
    if (end == length / 1000 * 1000)
        end = length;
    ui->soundStrip->setClip(ms(ui->EdStart->text(), 0), end);
}

void TEditForm::ShowPositionOnStrip()
{
    const bool ready = ui->SpeedBtnPlay->isEnabled() && !ui->SpeedBtnStop->isEnabled() && !m_atEnd;
    const qint64 position = Player && Player->IsLoaded() && !ready ? Player->Position() : 0;
    ui->soundStrip->setPosition(position);
    ui->positionBar->setPlayTime(position, ui->soundStrip->length());
}

void TEditForm::done(int result)
{
    QDialog::done(result);
    FormClose();
}

void TEditForm::FormClose()
{
    PlayTimer.stop();
    m_lineTimer.stop();
    waveform->Stop();
    if (m_trackStop)
        *m_trackStop = true;
    // The player goes with the window: nothing it still has to tell reaches the job.
    delete Player;
    Player = nullptr;
}

void TEditForm::SetSelection(int start, int end)
{
    SelStart = start;
    SelEnd = end;
    ui->positionBar->setSelection(start, end);
}

void TEditForm::LoadClipRange()
{
    const TJob &job = Job();
    ui->EdStart->setText(clipStartText(job));
    ui->EdEnd->setText(clipEndText(job));
    m_endIsSourceEnd = std::isinf(job.clipEnd) && job.endShowsLength;
    const int start = job.Duration != 0 ? qint64(job.clipStart) * 100 / job.Duration : 0;
    const int end = std::isinf(job.clipEnd) || job.Duration == 0 ? 100 : qint64(job.clipEnd) * 100 / job.Duration;
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
    Result<std::unique_ptr<TPreviewPlayer>> player = TPreviewPlayer::create(options);
    if (!player)
        throw ClipvoxError(player.reason());
    Player = player->release();
    TPreviewWidget::Attach(m_video, Player);
    Player->SetSoundTrack(m_soundTrack);
    connect(Player, &TPreviewPlayer::Loaded, this, [this] { Guarded([this] { SourceOpened(); }); });
    connect(Player, &TPreviewPlayer::Ended, this, [this] { Guarded([this] { SourceEnded(); }); });
    connect(Player, &TPreviewPlayer::LoadFailed, this, &TEditForm::PlayerFailed);
    connect(Player, &TPreviewPlayer::PlaybackFailed, this, &TEditForm::PlayerFailed);
}

// The source cannot be played (now): the editor stands as for a source that cannot be
// opened, and the player's reason goes to the general error report.
void TEditForm::PlayerFailed(const QString &reason)
{
    ShowReady();
    SetPlayTime(0, 0);
    ui->positionBar->setValue(0);
    ReportError(reason);
}

void TEditForm::SpeedBtnPlayClick()
{
    const bool paused = Player && Player->IsLoaded() && ui->SpeedBtnStop->isEnabled();
    if (m_atEnd && Player && Player->IsLoaded()) {
        SeekTo(MarkMs(false));
        Player->Play();
    } else if (paused) {
        const int value = ui->positionBar->value();
        Player->Seek(value == m_resumeValue ? m_resumeMs : Player->Length() * value / 100);
        Player->Play();
    } else {
        if (!Player)
            MakePlayer();
        if (const Result<void> opened = Player->Open(m_job.SourceFile); !opened)
            throw ClipvoxError(opened.reason());
    }
    m_resumeValue = -1;
    m_atEnd = false;
    ui->SpeedBtnPlay->setEnabled(false);
    ui->SpeedBtnPause->setEnabled(true);
    ui->SpeedBtnStop->setEnabled(true);
    PlayTimer.start();
}

// The source is open: its length is measured into the job, then it plays from the start,
// unless Pause or Stop came while it was opening.
void TEditForm::SourceOpened()
{
    TJob &job = m_job;
    job.Duration = int(Player->Length() / 1000);
    if (std::isinf(job.clipEnd) && !job.endShowsLength && job.Duration != 0)
        job.endShowsLength = m_endIsSourceEnd = true; // the measured length stands for the source's end
    SetPlayTime(ElapsedSeconds, job.Duration);
    // The end field shows the measured end in place of "Max"; an end mark set since the
    // editor opened is kept when the source is opened again.
    // A source under a second long ends at 00:00:00 in whole seconds, which the run reads
    // as its end.
    if (isMaxText(ui->EdEnd->text())) {
        const QString end = clipEndText(job);
        ui->EdEnd->setText(isMaxText(end) && Player->Length() > 0 ? SecondsToTime(job.Duration) : end);
    }
    if (ui->soundStrip->length() == 0)
        ui->soundStrip->setLength(Player->Length());
    Player->Seek(0);
    if (!ui->SpeedBtnPlay->isEnabled())
        Player->Play();
    else if (ui->SpeedBtnStop->isEnabled())
        Player->Pause();
}

void TEditForm::ShowReady()
{
    ui->SpeedBtnPlay->setEnabled(true);
    ui->SpeedBtnPause->setEnabled(false);
    ui->SpeedBtnStop->setEnabled(false);
    PlayTimer.stop();
}

// Played to the end: the controls stand as after Stop, the display stays at the end.
void TEditForm::SourceEnded()
{
    if (ui->SpeedBtnPlay->isEnabled())
        return; // paused or stopped there by the user
    PlayTimerTick();
    ShowReady();
    m_atEnd = true;
}

void TEditForm::SpeedBtnPauseClick()
{
    if (!Player)
        return;
    Player->Pause();
    ui->SpeedBtnPlay->setEnabled(true);
    PlayTimer.stop();
    m_resumeMs = Player->Position();
    m_resumeValue = ui->positionBar->value();
    SetPlayTime(int(m_resumeMs / 1000), TotalSeconds);
    ui->SpeedBtnPause->setEnabled(false);
}

void TEditForm::SpeedBtnStopClick()
{
    if (Player)
        Player->Stop();
    ShowReady();
    m_atEnd = false;
    SetPlayTime(0, TotalSeconds);
    ui->positionBar->setValue(0);
}

void TEditForm::PlayTimerTick()
{
    if (!Player)
        return;
    SetPlayTime(int(Player->Position() / 1000), TotalSeconds);
    // A source shorter than a second has no length to scale by: the thumb stays put. Nor
    // is the thumb moved under the user's hand while it is being dragged.
    if (TotalSeconds > 0 && !ui->positionBar->isSliderDown())
        ui->positionBar->setValue(qint64(ElapsedSeconds) * 100 / TotalSeconds);
}

bool TEditForm::eventFilter(QObject *watched, QEvent *event)
{
    const bool previewPart = watched == ui->previewPanel || watched == ui->positionBar || watched == ui->soundStrip;
    if ((watched == ui->positionBar || watched == ui->soundStrip)
        && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        SpanSoundStrip();
    if (previewPart && event->type() == QEvent::KeyPress) {
        bool used = false;
        Guarded([&] { used = PreviewKey(static_cast<QKeyEvent *>(event)); });
        if (used)
            return true;
    }
    if (watched == ui->positionBar) {
        Guarded([&] { TrackBarWndProc(event); });
    } else if ((watched == ui->previewPanel || watched == m_video) && event->type() == QEvent::MouseButtonRelease
               && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        ui->previewPanel->setFocus(Qt::MouseFocusReason);
        Guarded([this] { PreviewClick(); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool TEditForm::PreviewKey(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool shift = mods == Qt::ShiftModifier;
    if (mods != Qt::NoModifier && !(shift && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)))
        return false;
    switch (event->key()) {
    case Qt::Key_Space:
        PlayPauseKey();
        return true;
    case Qt::Key_I:
        SetStartClick();
        return true;
    case Qt::Key_O:
        SetEndClick();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        SeekBy((event->key() == Qt::Key_Left ? -1 : 1) * (shift ? 10000 : 1000));
        return true;
    case Qt::Key_Home:
    case Qt::Key_End:
        SeekToMark(event->key() == Qt::Key_End);
        return true;
    default:
        return false;
    }
}

// Return on a tool button or the tag box presses it (they leave Return to the window);
// everywhere else the window's default button, OK, takes it.
void TEditForm::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    auto *button = qobject_cast<QAbstractButton *>(focusWidget());
    if (enter && button && !qobject_cast<QPushButton *>(button) && button->isEnabled()) {
        button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

// Seeks to where the thumb is released while the preview plays; the track bar then
// handles the release as usual.
void TEditForm::TrackBarWndProc(QEvent *event)
{
    if (event->type() != QEvent::MouseButtonRelease || static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
        return;
    if (!DevicePlaying())
        return;
    const qint64 total = TotalSeconds;
    const int position = ui->positionBar->value();
    Player->Seek(total * position * 10);
    SetPlayTime(int(total * position / 100), TotalSeconds);
    Player->Play();
}

// Keys on the track bar (arrows aside, which step by seconds) and clicks on its groove move
// the preview with the thumb; a drag is handled on release.
void TEditForm::TrackBarAction(int action)
{
    if (action == QAbstractSlider::SliderMove || action == QAbstractSlider::SliderNoAction || !Player
        || !Player->IsLoaded())
        return;
    SeekTo(Player->Length() * ui->positionBar->sliderPosition() / 100);
}

// Playing, or on its way to a place it was sent to while playing.
bool TEditForm::DevicePlaying()
{
    if (!Player)
        return false;
    const TPlayerMode mode = Player->Mode();
    return mode == TPlayerMode::Playing || (mode == TPlayerMode::Seeking && !ui->SpeedBtnPlay->isEnabled());
}

void TEditForm::PlayPauseKey()
{
    if (ui->SpeedBtnPlay->isEnabled())
        SpeedBtnPlayClick();
    else if (ui->SpeedBtnPause->isEnabled())
        SpeedBtnPauseClick();
}

// Stopped, the preview stands at its start (or at the end it played to).
void TEditForm::SeekBy(qint64 ms)
{
    if (!Player || !Player->IsLoaded())
        return;
    const bool stopped = !ui->SpeedBtnStop->isEnabled();
    SeekTo((stopped && !m_atEnd ? 0 : Player->Position()) + ms);
}

qint64 TEditForm::MarkMs(bool end)
{
    const QString text = end ? ui->EdEnd->text() : ui->EdStart->text();
    if (isMaxText(text))
        return Player ? Player->Length() : 0;
    try {
        return TimeToSeconds(text) * 1000LL;
    } catch (const ClipvoxError &) {
        return end && Player ? Player->Length() : 0;
    }
}

void TEditForm::SeekToMark(bool end)
{
    if (Player && Player->IsLoaded())
        SeekTo(MarkMs(end));
}

// A click on the strip plays from there, also when the preview was stopped.
void TEditForm::SoundStripClick(qint64 ms)
{
    const bool stopped = !ui->SpeedBtnStop->isEnabled();
    SeekTo(ms);
    if (stopped && Player && Player->IsLoaded())
        SpeedBtnPlayClick();
}

// Moves the preview to a moment, as a release of the thumb does while playing: playing goes
// on from there; a paused or stopped preview waits there, paused.
void TEditForm::SeekTo(qint64 ms)
{
    const bool playing = !ui->SpeedBtnPlay->isEnabled();
    if (!Player || !Player->IsLoaded())
        return;
    m_atEnd = false;
    ms = std::clamp<qint64>(ms, 0, Player->Length());
    Player->Seek(ms);
    SetPlayTime(int(ms / 1000), TotalSeconds);
    if (TotalSeconds > 0)
        ui->positionBar->setValue(int(std::min<qint64>(100, ms / 1000 * 100 / TotalSeconds)));
    ui->soundStrip->setPosition(ms);
    ui->positionBar->setPlayTime(ms, ui->soundStrip->length());
    if (playing) {
        Player->Play();
    } else {
        Player->Pause();
        m_resumeMs = ms;
        m_resumeValue = ui->positionBar->value();
        ui->SpeedBtnStop->setEnabled(true); // a stopped preview is paused here now
    }
}

void TEditForm::PreviewClick()
{
    if (!Player)
        return;
    switch (Player->Mode()) {
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
        PlayTimerTick();
    SetSelection(ui->positionBar->value(), SelEnd);
    ui->EdStart->setText(SecondsToTime(ElapsedSeconds));
}

void TEditForm::SetEndClick()
{
    if (DevicePlaying())
        PlayTimerTick();
    SetSelection(SelStart, ui->positionBar->value());
    m_endIsSourceEnd = false;
    ui->EdEnd->setText(SecondsToTime(ElapsedSeconds));
}

void TEditForm::BtnResetClick()
{
    TJob &job = m_job;
    // The whole source, no longer a chapter's clip; its end shows the measured length.
    job.clipStart = 0;
    job.clipEnd = TJob::ToEnd;
    job.exactClip = false;
    job.endShowsLength = m_endIsSourceEnd = true;
    ui->EdStart->setText(clipStartText(job));
    ui->EdEnd->setText(clipEndText(job));
    SetSelection(0, 100);
}

void TEditForm::BtnEditClick()
{
    StartSeconds = TimeToSeconds(ui->EdStart->text());
    EndSeconds = TimeToSeconds(ui->EdEnd->text());
    if (!EditTimeForm) {
        EditTimeForm = new TEditTimeForm(this, StartSeconds, EndSeconds, m_job.Duration);
        connect(EditTimeForm, &TEditTimeForm::TimesChosen, this, &TEditForm::SetClipTimes);
    }
    EditTimeForm->exec();
}

void TEditForm::SetClipTimes(int startSeconds, int endSeconds)
{
    if (std::optional<int>(endSeconds) != ParseTime(ui->EdEnd->text()))
        m_endIsSourceEnd = false; // an end the user chose
    StartSeconds = startSeconds;
    EndSeconds = endSeconds;
    ui->EdStart->setText(SecondsToTime(StartSeconds));
    ui->EdEnd->setText(SecondsToTime(EndSeconds));
    const int duration = m_job.Duration;
    if (duration == 0)
        SetSelection(0, 100);
    else
        SetSelection(qint64(StartSeconds) * 100 / duration, qint64(EndSeconds) * 100 / duration);
}

void TEditForm::BtnApplyClick()
{
    int start = 0, end = 0;
    try {
        start = TimeToSeconds(ui->EdStart->text());
        end = TimeToSeconds(ui->EdEnd->text());
    } catch (const ClipvoxError &) {
        ShowInformation(this, tr("Please input correct time format!"));
        return;
    }
    // No whole second to scale by: a measured source under a second is all one clip, an
    // unmeasured one has no times yet.
    if (m_job.Duration != 0)
        SetSelection(qint64(start) * 100 / m_job.Duration, qint64(end) * 100 / m_job.Duration);
    else if (Player && Player->Length() > 0)
        SetSelection(0, 100);
    else {
        ShowInformation(this, tr("Please input correct time format!"));
        return;
    }
    // The seconds are compared, not the percentages: a start a little after the end
    // would share its percent and slip through.
    if (start > end) {
        ShowInformation(this, tr("Start Time should be smaller than End Time!"));
        return;
    }
    // Every field is checked before any is stored: a refused year or track leaves the job
    // as it was.
    TJob job = m_job;
    // A chapter's exact clip stands while its times are left as they were. Otherwise the
    // clip is the fields' whole seconds, and an end left at the measured length stays the
    // source's end.
    const bool endKept = ui->EdEnd->text() == clipEndText(m_job);
    if (!(m_job.exactClip && endKept && ui->EdStart->text() == clipStartText(m_job))) {
        const bool sourceEnd = m_endIsSourceEnd && endKept;
        job.exactClip = false;
        job.clipStart = start;
        job.clipEnd = sourceEnd ? TJob::ToEnd : end;
        job.endShowsLength = sourceEnd;
    }
    job.SoundTrack = m_soundTrack;
    job.SoundTrackName = m_soundTrackName;
    if (ui->CheckTag->isChecked()) {
        bool ok = false;
        job.TagYear = ui->infoYear->text().toInt(&ok, 10);
        if (!ok) {
            ShowInformation(this, tr("Invalid Year Value"));
            ui->infoYear->setFocus();
            return;
        }
        job.TagTrack = ui->infoTrack->text().toInt(&ok, 10);
        if (!ok) {
            ShowInformation(this, tr("Invalid Track Value"));
            ui->infoTrack->setFocus();
            return;
        }
        job.TagTitle = ui->infoTitle->text();
        job.TagArtist = ui->infoArtist->text();
        job.TagAlbum = ui->infoAlbum->text();
        job.TagComment = ui->infoComment->text();
        job.TagCopyright = ui->infoCopyright->text();
        job.TagGenre = ui->infoGenre->currentIndex();
    }
    m_job = job;
    accept();
}

void TEditForm::BtnCancelClick() { reject(); }

void TEditForm::SetPlayTime(int elapsed, int total)
{
    ElapsedSeconds = elapsed;
    TotalSeconds = total;
    ui->lbPlayTime->setText(QStringLiteral("%1 / %2").arg(SecondsToTime(elapsed), SecondsToTime(total)));
}

void TEditForm::CheckTagClick()
{
    TagsEnabled = ui->CheckTag->isChecked();
    emit TagsEnabledChanged(TagsEnabled);
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->lbTitle, ui->lbArtist, ui->lbAlbum, ui->lbComment, ui->lbCopyRight, ui->lbYear, ui->lbTrack,
             ui->lbGenre, ui->infoTitle, ui->infoArtist, ui->infoAlbum, ui->infoComment, ui->infoCopyright,
             ui->infoYear, ui->infoTrack, ui->infoGenre})
        w->setEnabled(TagsEnabled);
}
