#pragma once
// The clip editor: previews one queued video, marks the stretch of it to convert and takes
// its tags. It works directly on the edited job's slot of the job table.
#include <QDialog>
#include <QPointer>
#include <QTimer>

class TPreviewPlayer;
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

    // The clip in seconds, handed to the time entry dialog and written back by it.
    int StartSeconds = 0;
    int EndSeconds = 0;
    // The clip on the track bar, in percent of the source's length.
    int SelStart = 0;
    int SelEnd = 0;
    void SetSelection(int start, int end);

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

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TJob &Job() const;
    void MakePlayer();
    void SourceOpened(bool play);
    void ShowReady();

    QWidget *m_video = nullptr; // native window the player draws into
    bool m_shown = false;
};

// The open window, empty while none is open.
extern QPointer<TEditForm> EditForm;
