// The clip editor: preview, clip range and tags of one job.
#include "clip/edit.h"

#include "clip/edittime.h"
#include "main/application.h"
#include "main/desktop.h"
#include "main/main.h"
#include "media/audiofile2.h"
#include "media/previewplayer.h"
#include "ui_edit.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QTreeWidget>
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

    // The player draws into a native window of its own inside the black panel.
    m_video = new QWidget(ui->Panel2);
    m_video->setObjectName(QStringLiteral("PreviewVideo"));
    m_video->setAttribute(Qt::WA_DontCreateNativeAncestors);
    m_video->setAttribute(Qt::WA_NativeWindow);
    auto *fill = new QVBoxLayout(ui->Panel2);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(m_video);
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

    FormCreate();
}

TEditForm::~TEditForm()
{
    // The player goes first: it draws into a window that the widgets below own.
    delete MP2;
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
    const auto *list = MainForm ? MainForm->findChild<QTreeWidget *>(QStringLiteral("ListView1")) : nullptr;
    if (const QTreeWidgetItem *row = list ? list->topLevelItem(CurrentJob) : nullptr)
        setWindowTitle(row->text(ColSource));
    SpeedBtnPlayClick();
}

void TEditForm::done(int result)
{
    QDialog::done(result);
    FormClose();
}

void TEditForm::FormClose()
{
    Timer1.stop();
    if (MP2)
        MP2->Stop();
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
    // On X11 the picture goes into the panel, and the sound goes to the default output
    // wherever there is a screen; off screen (tests) the player only decodes and keeps time.
    TPreviewPlayer::Options options;
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("offscreen") && platform != QLatin1String("minimal"))
        options.ao.clear();
    if (platform == QLatin1String("xcb")) {
        options.vo = QStringLiteral("gpu");
        options.wid = qint64(m_video->winId());
    }
    MP2 = new TPreviewPlayer(options);
    connect(MP2, &TPreviewPlayer::Loaded, this, [this] {
        Guarded([this] { SourceOpened(!ui->SpeedBtnPlay->isEnabled()); });
    });
    connect(MP2, &TPreviewPlayer::LoadFailed, this, [this](const QString &reason) {
        ShowReady();
        ReportError(reason);
    });
}

void TEditForm::SpeedBtnPlayClick()
{
    if (CurrentJob < 0 || CurrentJob >= JobCount)
        return;
    if (MP2 && MP2->Mode() == TPlayerMode::Paused) {
        MP2->Seek(MP2->Length() * ui->TrackBar1->value() / 100);
        MP2->Play();
    } else {
        if (!MP2)
            MakePlayer();
        if (!MP2->Open(Job().SourceFile))
            throw ClipvoxError(MP2->ErrorText());
        // A file still loading finishes through the Loaded signal.
        if (MP2->IsLoaded())
            SourceOpened(true);
    }
    ui->SpeedBtnPlay->setEnabled(false);
    ui->SpeedBtnPause->setEnabled(true);
    ui->SpeedBtnStop->setEnabled(true);
    ui->EdEnd->setText(Job().EndTime);
    Timer1.start();
}

// The source is open: its length is measured into the job, then it plays from the start.
void TEditForm::SourceOpened(bool play)
{
    TJob &job = Job();
    job.Duration = int(MP2->Length() / 1000);
    if (IsMax(job.EndTime) && job.Duration != 0)
        job.EndTime = SecondsToTime(job.Duration);
    ui->lbTotalTime->setText(SecondsToTime(job.Duration));
    ui->EdEnd->setText(job.EndTime);
    MP2->Seek(0);
    if (play)
        MP2->Play();
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
    ui->lbElapsedTime->setText(SecondsToTime(MP2->Position() / 1000));
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
    if (!MP2 || MP2->Mode() != TPlayerMode::Playing)
        return;
    const qint64 total = TimeToSeconds(ui->lbTotalTime->text());
    const int position = ui->TrackBar1->value();
    MP2->Seek(total * position * 10);
    ui->lbElapsedTime->setText(SecondsToTime(total * position / 100));
    MP2->Play();
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

void TEditForm::SetStartClick()
{
    SetSelection(ui->TrackBar1->value(), SelEnd);
    ui->EdStart->setText(ui->lbElapsedTime->text());
}

void TEditForm::SetEndClick()
{
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
    if (!EditTimeForm)
        EditTimeForm = new TEditTimeForm(this);
    EditTimeForm->exec();
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
