#pragma once
// The clip editor: previews one queued video, marks the stretch of it to convert and takes
// its tags. It works directly on the edited job's slot of the job table.
#include <QDialog>
#include <QPointer>
#include <QTimer>

class TPreviewPlayer;
class TWaveform;
struct TJob;
namespace Ui {
class TEditForm;
}

class TEditForm : public QDialog
{
    Q_OBJECT
public:
    explicit TEditForm(QWidget *owner);
    ~TEditForm() override;

    Ui::TEditForm *ui;
    TPreviewPlayer *MP2 = nullptr; // the preview player, made at the first open
    QTimer Timer1;                 // once a second while playing
    TWaveform *Waveform = nullptr; // computes the sound strip's peaks

    // The clip in seconds, handed to the time entry dialog and written back by it.
    int StartSeconds = 0;
    int EndSeconds = 0;
    // The clip on the track bar, in percent of the source's length.
    int SelStart = 0;
    int SelEnd = 0;
    void SetSelection(int start, int end);
    // Takes the clip's times chosen in the time entry dialog into the fields and selection.
    void SetClipTimes(int startSeconds, int endSeconds);

    void FormCreate();
    void FormShow();
    void FormClose();
    void LoadClipRange();
    void SpeedBtnPlayClick();
    void SpeedBtnPauseClick();
    void SpeedBtnStopClick();
    void Timer1Timer();
    void TrackBarWndProc(QEvent *event);
    void Panel2Click();
    void SetStartClick();
    void SetEndClick();
    void BtnResetClick();
    void BtnEditClick();
    void BtnApplyClick();
    void BtnCancelClick();
    void CheckTagClick();
    // Keys and the sound strip.
    void PlayPauseKey();
    void SeekBy(qint64 ms);
    void SeekToMark(bool end);
    void SoundStripClick(qint64 ms);

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TJob &Job() const;
    void MakePlayer();
    void SourceOpened();
    void ShowReady();
    void PlayerFailed(const QString &reason);
    void SeekTo(qint64 ms);
    void StartSoundStrip();
    void ShowClipOnStrip();
    void ShowPositionOnStrip();
    bool DevicePlaying();

    QWidget *m_video = nullptr; // the picture area the player draws into
    QTimer m_lineTimer;         // moves the strip's play line
    bool m_shown = false;
    // The exact place a paused preview was left at, and the thumb's value then: Play goes on
    // from there unless the thumb has been moved since.
    qint64 m_resumeMs = 0;
    int m_resumeValue = -1;
};

// The open window, empty while none is open.
extern QPointer<TEditForm> EditForm;
