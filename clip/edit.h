// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clip editor: previews one queued video, marks the stretch of it to convert and takes
// its tags. It edits a copy of one job, and hands the copy back through Job().
#include "engine/runengine.h"
#include "media/sourceinfo.h"

#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <atomic>
#include <memory>

class QKeyEvent;
class OutputTags;
class TimeEntryDialog;
class PreviewPlayer;
class Waveform;
namespace Ui {
class ClipEditor;
}

class ClipEditor : public QDialog
{
    Q_OBJECT
public:
    // info: the audio information component whose flag the editor sets, if any.
    ClipEditor(QWidget *owner, const Job &job, OutputTags *info = nullptr);
    ~ClipEditor() override;

    // The job as edited: on OK with the dialog's times and tags; otherwise with what Reset
    // and the preview measured.
    const Job &job() const { return m_job; }
    Job &job() { return m_job; }

    Ui::ClipEditor *ui;
    QPointer<TimeEntryDialog> EditTimeForm; // the time entry dialog while it is open
    PreviewPlayer *Player = nullptr; // the preview player, made at the first open
    QTimer PlayTimer;                 // once a second while playing
    Waveform *waveform = nullptr; // computes the sound strip's peaks

    // The play time in whole seconds, shown as one label: "00:00:06 / 00:00:30".
    int ElapsedSeconds = 0;
    int TotalSeconds = 0;
    void setPlayTime(int elapsed, int total);
    // The clip in seconds, handed to the time entry dialog and written back by it.
    int StartSeconds = 0;
    int EndSeconds = 0;
    // The clip on the track bar, in percent of the source's length.
    int SelStart = 0;
    int SelEnd = 0;
    void setSelection(int start, int end);
    // Takes the clip's times chosen in the time entry dialog into the fields and selection.
    void setClipTimes(int startSeconds, int endSeconds);

    void formCreate();
    void formShow();
    void formClose();
    void loadClipRange();
    void speedBtnPlayClick();
    void speedBtnPauseClick();
    void speedBtnStopClick();
    void playTimerTick();
    void trackBarWndProc(QEvent *event);
    void previewClick();
    void setStartClick();
    void setEndClick();
    void btnResetClick();
    void btnEditClick();
    void btnApplyClick();
    void btnCancelClick();
    void checkTagClick();
    // The job's own tags and tag switch into the tag fields.
    void loadTags();
    // Keys and the sound strip. The preview's keys act while the focus is on the picture,
    // the track bar or the strip; elsewhere keys go to the control in focus.
    bool previewKey(QKeyEvent *event);
    void playPauseKey();
    void seekBy(qint64 ms);
    void seekToMark(bool end);
    void soundStripClick(qint64 ms);
    // The sound tracks, read off the window's thread when it is shown; with more than one the
    // list "Sound track:" offers them, and a choice goes to the preview and the strip at once
    // and to the job on OK.
    void readSoundTracks();
    void showSoundTracks(const QList<SourceTrack> &tracks);
    void soundTrackChosen(int index);

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void makePlayer();
    void sourceOpened();
    void showReady();
    void sourceEnded();
    void trackBarAction(int action);
    void playerFailed(const QString &reason);
    void seekTo(qint64 ms);
    // Plays from the player's position, up to the clip's end when it lies ahead.
    void playToClipEnd();
    qint64 markMs(bool end); // where a mark stands; a mark that is no time is the edge
    void startSoundStrip();
    void spanSoundStrip();
    void showClipOnStrip();
    void showPositionOnStrip();
    bool devicePlaying();

    Job m_job;
    bool m_endIsSourceEnd = false; // the end field holds the source's end, not one the user chose
    OutputTags *m_info;
    int m_soundTrack = 0;  // the chosen track's number; 0: the source's default
    QString m_soundTrackName;
    int m_soundStream = -1; // its stream index; -1: the default
    QList<SourceTrack> m_tracks;
    std::shared_ptr<std::atomic_bool> m_trackStop; // ends the read of the tracks
    QWidget *m_video = nullptr; // the picture area the player draws into
    QTimer m_lineTimer;         // moves the strip's play line
    bool m_shown = false;
    // The exact place a paused preview was left at, and the thumb's value then: Play goes on
    // from there unless the thumb has been moved since.
    qint64 m_resumeMs = 0;
    int m_resumeValue = -1;
    // The preview played to the end of the source: stopped there, the next Play starts at
    // the start mark.
    bool m_atEnd = false;
};
