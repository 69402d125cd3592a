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
#include <algorithm>
#include <cmath>

namespace {
constexpr int kGenreCount = 147;
} // namespace

ClipEditor::ClipEditor(QWidget *owner, const Job &job, OutputTags *info)
    : QDialog(owner), ui(new Ui::ClipEditor), m_job(job), m_info(info), m_soundTrack(job.SoundTrack),
      m_soundTrackName(job.SoundTrackName)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setMinimumSize(size()); // opens at its first size, and grows from there

    // The player's picture fills the black panel.
    m_video = PreviewWidget::create(ui->previewPanel);
    ui->previewPanel->installEventFilter(this);
    m_video->installEventFilter(this);

    PlayTimer.setObjectName(QStringLiteral("PlayTimer"));
    PlayTimer.setInterval(1000);
    const auto on = [this](auto *sender, auto signal, void (ClipEditor::*handler)()) {
        connect(sender, signal, this, [this, handler] { guarded([&] { (this->*handler)(); }); });
    };
    on(&PlayTimer, &QTimer::timeout, &ClipEditor::playTimerTick);
    on(ui->SpeedBtnPlay, &QToolButton::clicked, &ClipEditor::speedBtnPlayClick);
    on(ui->SpeedBtnPause, &QToolButton::clicked, &ClipEditor::speedBtnPauseClick);
    on(ui->SpeedBtnStop, &QToolButton::clicked, &ClipEditor::speedBtnStopClick);
    on(ui->setStartButton, &QToolButton::clicked, &ClipEditor::setStartClick);
    on(ui->setEndButton, &QToolButton::clicked, &ClipEditor::setEndClick);
    on(ui->BtnEdit, &QToolButton::clicked, &ClipEditor::btnEditClick);
    on(ui->resetTimeButton, &QToolButton::clicked, &ClipEditor::btnResetClick);
    on(ui->BtnApply, &QPushButton::clicked, &ClipEditor::btnApplyClick);
    on(ui->BtnCancel, &QPushButton::clicked, &ClipEditor::btnCancelClick);
    on(ui->CheckTag, &QCheckBox::toggled, &ClipEditor::checkTagClick);

    // The preview's keys belong to the picture, the track bar and the strip; on a button or
    // a box Space and Return press it, and Return elsewhere presses OK.
    for (QWidget *w : {static_cast<QWidget *>(ui->previewPanel), static_cast<QWidget *>(ui->positionBar),
                       static_cast<QWidget *>(ui->soundStrip)})
        w->installEventFilter(this);
    m_video->setFocusProxy(ui->previewPanel);
    connect(ui->positionBar, &QAbstractSlider::actionTriggered, this,
            [this](int action) { guarded([&] { trackBarAction(action); }); });

    // The sound strip: peaks from the worker, the clip from the time fields, the line from
    // the player.
    waveform = new Waveform(this);
    connect(waveform, &Waveform::started, this, [this](qint64 ms) {
        ui->soundStrip->setLength(ms);
        showClipOnStrip();
    });
    connect(waveform, &Waveform::peaks, ui->soundStrip, &SoundStrip::addPeaks);
    connect(waveform, &Waveform::finished, this, [this](bool hasSound) { ui->soundStrip->setNoSound(!hasSound); });
    connect(ui->soundStrip, &SoundStrip::clicked, this, [this](qint64 ms) { guarded([&] { soundStripClick(ms); }); });
    connect(ui->EdStart, &QLineEdit::textChanged, this, [this] { showClipOnStrip(); });
    connect(ui->EdEnd, &QLineEdit::textChanged, this, [this] { showClipOnStrip(); });
    ui->playerToolbar->setAccessibleName(tr("Playback"));
    connect(ui->cbSoundTrack, &QComboBox::activated, this, [this](int i) { guarded([&] { soundTrackChosen(i); }); });
    // The year and the track take digits only, as they are typed.
    ui->infoYear->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), ui->infoYear));
    ui->infoTrack->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), ui->infoTrack));
    m_lineTimer.setInterval(100);
    connect(&m_lineTimer, &QTimer::timeout, this, [this] { showPositionOnStrip(); });

    formCreate();
}

ClipEditor::~ClipEditor()
{
    // The player goes first: it draws into a window that the widgets below own.
    delete Player;
    delete waveform;
    delete ui;
}

void ClipEditor::formCreate()
{
    // The first entry is no genre; the others carry their genre numbers.
    ui->infoGenre->addItem(tr("(none)"), -1);
    for (int i = 0; i < kGenreCount; ++i)
        ui->infoGenre->addItem(OutputTags::genreText(i), i);
    if (m_info)
        m_info->InfoFlag = -1;
    loadTags();
}

void ClipEditor::loadTags()
{
    ui->infoTitle->setText(m_job.TagTitle);
    ui->infoArtist->setText(m_job.TagArtist);
    ui->infoAlbum->setText(m_job.TagAlbum);
    ui->infoComment->setText(m_job.TagComment);
    ui->infoCopyright->setText(m_job.TagCopyright);
    ui->infoYear->setText(QString::number(m_job.TagYear));
    ui->infoTrack->setText(QString::number(m_job.TagTrack));
    ui->infoGenre->setCurrentIndex(std::max(0, ui->infoGenre->findData(m_job.TagGenre)));
    ui->CheckTag->setChecked(m_job.TagsEnabled);
    checkTagClick();
}

void ClipEditor::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        guarded([this] { formShow(); });
    }
}

void ClipEditor::formShow()
{
    ui->positionBar->installEventFilter(this);
    loadClipRange();
    ui->SpeedBtnPlay->setEnabled(true);
    setWindowTitle(m_job.SourceFile);
    readSoundTracks();
    startSoundStrip();
    m_lineTimer.start();
    ui->previewPanel->setFocus();
    speedBtnPlayClick();
}

// The strip's sound stands under the track bar's values, from its minimum to its maximum;
// it follows the track bar when the window changes size.
void ClipEditor::spanSoundStrip()
{
    const int offset = ui->positionBar->x() - ui->soundStrip->x();
    ui->soundStrip->setSpan(offset + ui->positionBar->xOfValue(ui->positionBar->minimum()),
                            offset + ui->positionBar->xOfValue(ui->positionBar->maximum()));
}

// The peaks are read once, as many as the screen has device pixels across, so the strip
// stays sharp however wide the window is made, without reading the sound again.
void ClipEditor::startSoundStrip()
{
    spanSoundStrip();
    const QScreen *where = screen();
    const int screenPixels = where ? int(where->geometry().width() * where->devicePixelRatio()) : 0;
    const int columns =
        std::max(int(ui->soundStrip->spanWidth() * ui->soundStrip->devicePixelRatioF()) + 1, screenPixels);
    ui->soundStrip->clear(columns);
    ui->soundStrip->setLength(m_job.Duration * 1000LL);
    waveform->start(m_job.SourceFile, columns, m_soundStream);
}

void ClipEditor::readSoundTracks()
{
    QPointer<ClipEditor> self(this);
    m_trackStop = std::make_shared<std::atomic_bool>(false);
    QThreadPool::globalInstance()->start([self, path = m_job.SourceFile, stop = m_trackStop] {
        const std::optional<SourceInfo> info = readSourceInfo(path, stop.get());
        const QList<SourceTrack> tracks = info ? info->tracks : QList<SourceTrack>();
        // Handed to the window's thread, unless the program is ending meanwhile.
        if (QCoreApplication *app = QCoreApplication::instance())
            QMetaObject::invokeMethod(app, [self, tracks] {
                if (self)
                    guarded([&] { self->showSoundTracks(tracks); });
            }, Qt::QueuedConnection);
    });
}

void ClipEditor::showSoundTracks(const QList<SourceTrack> &tracks)
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
    // The list is as wide as its longest entry, and the window widens for it: a track's
    // name is read whole, never cut in the middle of a word.
    ui->cbSoundTrack->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    if (layout())
        layout()->activate();
    const int missing = ui->cbSoundTrack->sizeHint().width() - ui->cbSoundTrack->width();
    if (missing > 0 && isVisible()) {
        setMinimumWidth(minimumWidth() + missing);
        resize(width() + missing, height());
    }
    // A track chosen before: the strip shows it, not the default.
    if (chosen >= 0 && tracks[chosen].streamIndex != m_soundStream) {
        m_soundStream = tracks[chosen].streamIndex;
        ui->soundStrip->clear();
        startSoundStrip();
    }
}

void ClipEditor::soundTrackChosen(int index)
{
    if (index < 0 || index >= m_tracks.size())
        return;
    const SourceTrack &t = m_tracks[index];
    m_soundTrack = t.number;
    m_soundTrackName = t.name;
    m_soundStream = t.streamIndex;
    if (Player)
        Player->setSoundTrack(m_soundTrack);
    ui->soundStrip->clear();
    startSoundStrip();
}

void ClipEditor::showClipOnStrip()
{
    const qint64 length = ui->soundStrip->length();
    const auto ms = [length](const QString &text, qint64 otherwise) {
        try {
            return isMaxText(text) ? length : timeToSeconds(text) * 1000LL;
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

void ClipEditor::showPositionOnStrip()
{
    const bool ready = ui->SpeedBtnPlay->isEnabled() && !ui->SpeedBtnStop->isEnabled() && !m_atEnd;
    const qint64 position = Player && Player->isLoaded() && !ready ? Player->position() : 0;
    ui->soundStrip->setPosition(position);
    ui->positionBar->setPlayTime(position, ui->soundStrip->length());
}

void ClipEditor::done(int result)
{
    QDialog::done(result);
    formClose();
}

void ClipEditor::formClose()
{
    PlayTimer.stop();
    m_lineTimer.stop();
    waveform->stop();
    if (m_trackStop)
        *m_trackStop = true;
    // The player goes with the window: nothing it still has to tell reaches the job.
    delete Player;
    Player = nullptr;
}

void ClipEditor::setSelection(int start, int end)
{
    SelStart = start;
    SelEnd = end;
    ui->positionBar->setSelection(start, end);
}

void ClipEditor::loadClipRange()
{
    const Job &edited = job();
    ui->EdStart->setText(clipStartText(edited));
    ui->EdEnd->setText(clipEndText(edited));
    m_endIsSourceEnd = std::isinf(edited.clipEnd) && edited.endShowsLength;
    const int start = edited.Duration != 0 ? qint64(edited.clipStart) * 100 / edited.Duration : 0;
    const int end = std::isinf(edited.clipEnd) || edited.Duration == 0 ? 100 : qint64(edited.clipEnd) * 100 / edited.Duration;
    setSelection(start, end);
}

void ClipEditor::makePlayer()
{
    // Opening and seeking never wait: their ends arrive as signals.
    // The picture goes into the panel, and the sound goes to the default output wherever
    // there is a screen; off screen (tests) the player only decodes and keeps time.
    PreviewPlayer::Options options;
    options.waitMs = 0;
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("offscreen") && platform != QLatin1String("minimal"))
        options.ao.clear();
    PreviewWidget::configure(m_video, options);
    Result<std::unique_ptr<PreviewPlayer>> player = PreviewPlayer::create(options);
    if (!player)
        throw ClipvoxError(player.reason());
    Player = player->release();
    PreviewWidget::attach(m_video, Player);
    Player->setSoundTrack(m_soundTrack);
    connect(Player, &PreviewPlayer::loaded, this, [this] { guarded([this] { sourceOpened(); }); });
    connect(Player, &PreviewPlayer::ended, this, [this] { guarded([this] { sourceEnded(); }); });
    connect(Player, &PreviewPlayer::loadFailed, this, &ClipEditor::playerFailed);
    connect(Player, &PreviewPlayer::playbackFailed, this, &ClipEditor::playerFailed);
}

// The source cannot be played (now): the editor stands as for a source that cannot be
// opened, and the player's reason goes to the general error report.
void ClipEditor::playerFailed(const QString &reason)
{
    showReady();
    setPlayTime(0, 0);
    ui->positionBar->setValue(0);
    reportError(reason);
}

void ClipEditor::speedBtnPlayClick()
{
    const bool paused = Player && Player->isLoaded() && ui->SpeedBtnStop->isEnabled();
    if (m_atEnd && Player && Player->isLoaded()) {
        seekTo(markMs(false));
        playToClipEnd();
    } else if (paused) {
        const int value = ui->positionBar->value();
        Player->seek(value == m_resumeValue ? m_resumeMs : Player->length() * value / 100);
        playToClipEnd();
    } else {
        if (!Player)
            makePlayer();
        if (const Result<void> opened = Player->open(m_job.SourceFile); !opened)
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
void ClipEditor::sourceOpened()
{
    Job &job = m_job;
    job.Duration = int(Player->length() / 1000);
    if (std::isinf(job.clipEnd) && !job.endShowsLength && job.Duration != 0)
        job.endShowsLength = m_endIsSourceEnd = true; // the measured length stands for the source's end
    setPlayTime(ElapsedSeconds, job.Duration);
    // The end field shows the measured end in place of "Max"; an end mark set since the
    // editor opened is kept when the source is opened again.
    // A source under a second long ends at 00:00:00 in whole seconds, which the run reads
    // as its end.
    if (isMaxText(ui->EdEnd->text())) {
        const QString end = clipEndText(job);
        ui->EdEnd->setText(isMaxText(end) && Player->length() > 0 ? secondsToTime(job.Duration) : end);
    }
    if (ui->soundStrip->length() == 0)
        ui->soundStrip->setLength(Player->length());
    Player->seek(std::clamp<qint64>(markMs(false), 0, Player->length()));
    if (!ui->SpeedBtnPlay->isEnabled())
        playToClipEnd();
    else if (ui->SpeedBtnStop->isEnabled())
        Player->pause();
}

void ClipEditor::showReady()
{
    ui->SpeedBtnPlay->setEnabled(true);
    ui->SpeedBtnPause->setEnabled(false);
    ui->SpeedBtnStop->setEnabled(false);
    PlayTimer.stop();
}

// Played to the end: the controls stand as after Stop, the display stays at the end.
void ClipEditor::sourceEnded()
{
    if (ui->SpeedBtnPlay->isEnabled())
        return; // paused or stopped there by the user
    playTimerTick();
    showReady();
    m_atEnd = true;
}

void ClipEditor::speedBtnPauseClick()
{
    if (!Player)
        return;
    Player->pause();
    ui->SpeedBtnPlay->setEnabled(true);
    PlayTimer.stop();
    m_resumeMs = Player->position();
    m_resumeValue = ui->positionBar->value();
    setPlayTime(int(m_resumeMs / 1000), TotalSeconds);
    ui->SpeedBtnPause->setEnabled(false);
}

void ClipEditor::speedBtnStopClick()
{
    if (Player)
        Player->stop();
    showReady();
    m_atEnd = false;
    setPlayTime(0, TotalSeconds);
    ui->positionBar->setValue(0);
}

void ClipEditor::playTimerTick()
{
    if (!Player)
        return;
    setPlayTime(int(Player->position() / 1000), TotalSeconds);
    // A source shorter than a second has no length to scale by: the thumb stays put. Nor
    // is the thumb moved under the user's hand while it is being dragged.
    if (TotalSeconds > 0 && !ui->positionBar->isSliderDown())
        ui->positionBar->setValue(qint64(ElapsedSeconds) * 100 / TotalSeconds);
}

bool ClipEditor::eventFilter(QObject *watched, QEvent *event)
{
    const bool previewPart = watched == ui->previewPanel || watched == ui->positionBar || watched == ui->soundStrip;
    if ((watched == ui->positionBar || watched == ui->soundStrip)
        && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        spanSoundStrip();
    if (previewPart && event->type() == QEvent::KeyPress) {
        bool used = false;
        guarded([&] { used = previewKey(static_cast<QKeyEvent *>(event)); });
        if (used)
            return true;
    }
    if (watched == ui->positionBar) {
        guarded([&] { trackBarWndProc(event); });
    } else if ((watched == ui->previewPanel || watched == m_video) && event->type() == QEvent::MouseButtonRelease
               && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        ui->previewPanel->setFocus(Qt::MouseFocusReason);
        guarded([this] { previewClick(); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool ClipEditor::previewKey(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool shift = mods == Qt::ShiftModifier;
    if (mods != Qt::NoModifier && !(shift && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)))
        return false;
    switch (event->key()) {
    case Qt::Key_Space:
        playPauseKey();
        return true;
    case Qt::Key_I:
        setStartClick();
        return true;
    case Qt::Key_O:
        setEndClick();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        seekBy((event->key() == Qt::Key_Left ? -1 : 1) * (shift ? 10000 : 1000));
        return true;
    case Qt::Key_Home:
    case Qt::Key_End:
        seekToMark(event->key() == Qt::Key_End);
        return true;
    default:
        return false;
    }
}

// Return on a tool button or the tag box presses it (they leave Return to the window);
// everywhere else the window's default button, OK, takes it.
void ClipEditor::keyPressEvent(QKeyEvent *event)
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
void ClipEditor::trackBarWndProc(QEvent *event)
{
    if (event->type() != QEvent::MouseButtonRelease || static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
        return;
    if (!devicePlaying())
        return;
    const qint64 total = TotalSeconds;
    const int position = ui->positionBar->value();
    Player->seek(total * position * 10);
    setPlayTime(int(total * position / 100), TotalSeconds);
    playToClipEnd();
}

// Keys on the track bar (arrows aside, which step by seconds) and clicks on its groove move
// the preview with the thumb; a drag is handled on release.
void ClipEditor::trackBarAction(int action)
{
    if (action == QAbstractSlider::SliderMove || action == QAbstractSlider::SliderNoAction || !Player
        || !Player->isLoaded())
        return;
    seekTo(Player->length() * ui->positionBar->sliderPosition() / 100);
}

// Playing, or on its way to a place it was sent to while playing.
bool ClipEditor::devicePlaying()
{
    if (!Player)
        return false;
    const PlayerMode mode = Player->mode();
    return mode == PlayerMode::Playing || (mode == PlayerMode::Seeking && !ui->SpeedBtnPlay->isEnabled());
}

void ClipEditor::playPauseKey()
{
    if (ui->SpeedBtnPlay->isEnabled())
        speedBtnPlayClick();
    else if (ui->SpeedBtnPause->isEnabled())
        speedBtnPauseClick();
}

// Stopped, the preview stands at its start (or at the end it played to).
void ClipEditor::seekBy(qint64 ms)
{
    if (!Player || !Player->isLoaded())
        return;
    const bool stopped = !ui->SpeedBtnStop->isEnabled();
    seekTo((stopped && !m_atEnd ? 0 : Player->position()) + ms);
}

qint64 ClipEditor::markMs(bool end)
{
    const QString text = end ? ui->EdEnd->text() : ui->EdStart->text();
    if (isMaxText(text))
        return Player ? Player->length() : 0;
    try {
        return timeToSeconds(text) * 1000LL;
    } catch (const ClipvoxError &) {
        return end && Player ? Player->length() : 0;
    }
}

void ClipEditor::seekToMark(bool end)
{
    if (Player && Player->isLoaded())
        seekTo(markMs(end));
}

// A click on the strip plays from there, also when the preview was paused or stopped.
void ClipEditor::soundStripClick(qint64 ms)
{
    const bool playing = !ui->SpeedBtnPlay->isEnabled();
    seekTo(ms);
    if (!playing && Player && Player->isLoaded())
        speedBtnPlayClick();
}

// Played from before the clip's end, the preview stops there; from beyond it, at the
// source's end.
void ClipEditor::playToClipEnd()
{
    // An end field that shows the measured length, in whole seconds, stands for the source's end.
    const bool sourceEnd = m_endIsSourceEnd && ui->EdEnd->text() == secondsToTime(m_job.Duration);
    const qint64 end = sourceEnd ? 0 : markMs(true);
    Player->setEnd(end > 0 && end < Player->length() && Player->position() < end ? end : 0);
    Player->play();
}

// Moves the preview to a moment, as a release of the thumb does while playing: playing goes
// on from there; a paused or stopped preview waits there, paused.
void ClipEditor::seekTo(qint64 ms)
{
    const bool playing = !ui->SpeedBtnPlay->isEnabled();
    if (!Player || !Player->isLoaded())
        return;
    m_atEnd = false;
    ms = std::clamp<qint64>(ms, 0, Player->length());
    Player->seek(ms);
    setPlayTime(int(ms / 1000), TotalSeconds);
    if (TotalSeconds > 0)
        ui->positionBar->setValue(int(std::min<qint64>(100, ms / 1000 * 100 / TotalSeconds)));
    ui->soundStrip->setPosition(ms);
    ui->positionBar->setPlayTime(ms, ui->soundStrip->length());
    if (playing) {
        playToClipEnd();
    } else {
        Player->pause();
        m_resumeMs = ms;
        m_resumeValue = ui->positionBar->value();
        ui->SpeedBtnStop->setEnabled(true); // a stopped preview is paused here now
    }
}

void ClipEditor::previewClick()
{
    if (!Player)
        return;
    switch (Player->mode()) {
    case PlayerMode::Stopped:
    case PlayerMode::Playing:
    case PlayerMode::Paused:
    case PlayerMode::Open:
        if (ui->SpeedBtnPlay->isEnabled())
            speedBtnPlayClick();
        else
            speedBtnPauseClick();
        break;
    default:
        break;
    }
}

// While playing, the elapsed time and the thumb are brought up to the moment first: a mark
// set by ear must not lag by up to the second between two timer ticks.
void ClipEditor::setStartClick()
{
    if (devicePlaying())
        playTimerTick();
    setSelection(ui->positionBar->value(), SelEnd);
    ui->EdStart->setText(secondsToTime(ElapsedSeconds));
}

void ClipEditor::setEndClick()
{
    if (devicePlaying())
        playTimerTick();
    setSelection(SelStart, ui->positionBar->value());
    m_endIsSourceEnd = false;
    ui->EdEnd->setText(secondsToTime(ElapsedSeconds));
}

void ClipEditor::btnResetClick()
{
    Job &job = m_job;
    // The whole source, no longer a chapter's clip; its end shows the measured length.
    job.clipStart = 0;
    job.clipEnd = Job::ToEnd;
    job.exactClip = false;
    job.endShowsLength = m_endIsSourceEnd = true;
    ui->EdStart->setText(clipStartText(job));
    ui->EdEnd->setText(clipEndText(job));
    setSelection(0, 100);
}

void ClipEditor::btnEditClick()
{
    StartSeconds = timeToSeconds(ui->EdStart->text());
    EndSeconds = timeToSeconds(ui->EdEnd->text());
    if (!EditTimeForm) {
        EditTimeForm = new TimeEntryDialog(this, StartSeconds, EndSeconds, m_job.Duration);
        connect(EditTimeForm, &TimeEntryDialog::timesChosen, this, &ClipEditor::setClipTimes);
    }
    EditTimeForm->exec();
}

void ClipEditor::setClipTimes(int startSeconds, int endSeconds)
{
    if (std::optional<int>(endSeconds) != parseTime(ui->EdEnd->text()))
        m_endIsSourceEnd = false; // an end the user chose
    StartSeconds = startSeconds;
    EndSeconds = endSeconds;
    ui->EdStart->setText(secondsToTime(StartSeconds));
    ui->EdEnd->setText(secondsToTime(EndSeconds));
    const int duration = m_job.Duration;
    if (duration == 0)
        setSelection(0, 100);
    else
        setSelection(qint64(StartSeconds) * 100 / duration, qint64(EndSeconds) * 100 / duration);
}

void ClipEditor::btnApplyClick()
{
    int start = 0, end = 0;
    try {
        start = timeToSeconds(ui->EdStart->text());
        end = timeToSeconds(ui->EdEnd->text());
    } catch (const ClipvoxError &) {
        showInformation(this, tr("Please input correct time format!"));
        return;
    }
    // No whole second to scale by: a measured source under a second is all one clip, an
    // unmeasured one has no times yet.
    if (m_job.Duration != 0)
        setSelection(qint64(start) * 100 / m_job.Duration, qint64(end) * 100 / m_job.Duration);
    else if (Player && Player->length() > 0)
        setSelection(0, 100);
    else {
        showInformation(this, tr("Please input correct time format!"));
        return;
    }
    // The seconds are compared, not the percentages: a start a little after the end
    // would share its percent and slip through.
    if (start > end) {
        showInformation(this, tr("Start Time should be smaller than End Time!"));
        return;
    }
    // Every field is checked before any is stored: a refused year or track leaves the job
    // as it was.
    Job job = m_job;
    // A chapter's exact clip stands while its times are left as they were. Otherwise the
    // clip is the fields' whole seconds, and an end left at the measured length stays the
    // source's end.
    const bool endKept = ui->EdEnd->text() == clipEndText(m_job);
    if (!(m_job.exactClip && endKept && ui->EdStart->text() == clipStartText(m_job))) {
        const bool sourceEnd = m_endIsSourceEnd && endKept;
        job.exactClip = false;
        job.clipStart = start;
        job.clipEnd = sourceEnd ? Job::ToEnd : end;
        job.endShowsLength = sourceEnd;
    }
    job.SoundTrack = m_soundTrack;
    job.SoundTrackName = m_soundTrackName;
    // Unticked, the row keeps its tags for a later tick but its file carries only the
    // source's.
    job.TagsEnabled = ui->CheckTag->isChecked();
    if (job.TagsEnabled) {
        bool ok = false;
        job.TagYear = ui->infoYear->text().toInt(&ok, 10);
        if (!ok) {
            showInformation(this, tr("Invalid Year Value"));
            ui->infoYear->setFocus();
            return;
        }
        job.TagTrack = ui->infoTrack->text().toInt(&ok, 10);
        if (!ok) {
            showInformation(this, tr("Invalid Track Value"));
            ui->infoTrack->setFocus();
            return;
        }
        job.TagTitle = ui->infoTitle->text();
        job.TagArtist = ui->infoArtist->text();
        job.TagAlbum = ui->infoAlbum->text();
        job.TagComment = ui->infoComment->text();
        job.TagCopyright = ui->infoCopyright->text();
        job.TagGenre = ui->infoGenre->currentData().toInt();
    }
    m_job = job;
    accept();
}

void ClipEditor::btnCancelClick() { reject(); }

void ClipEditor::setPlayTime(int elapsed, int total)
{
    ElapsedSeconds = elapsed;
    TotalSeconds = total;
    ui->lbPlayTime->setText(QStringLiteral("%1 / %2").arg(secondsToTime(elapsed), secondsToTime(total)));
}

void ClipEditor::checkTagClick()
{
    const bool on = ui->CheckTag->isChecked();
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->lbTitle, ui->lbArtist, ui->lbAlbum, ui->lbComment, ui->lbCopyRight, ui->lbYear, ui->lbTrack,
             ui->lbGenre, ui->infoTitle, ui->infoArtist, ui->infoAlbum, ui->infoComment, ui->infoCopyright,
             ui->infoYear, ui->infoTrack, ui->infoGenre})
        w->setEnabled(on);
}
