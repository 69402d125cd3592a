// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings dialog: output folder and format, the parameters of the seven encoders and
// the loudness target. It edits a copy of the settings object's output settings; OK asks
// the object to save them, and only what was saved takes effect.
#include "settings/appsettings.h"

#include <QDialog>
#include <QPointer>

namespace Ui {
class TSettingForm;
}

// List codecs: list positions (from 0) to stored values and back. Values outside a table
// give its fallback entry, as the comments say.
int FrequencyToIndex(int hz);    // 6 (44100) otherwise
int IndexToFrequency(int index); // 44100 otherwise
int BitrateToIndex(int kbps);    // 9 (128) otherwise
int IndexToBitrate(int index);   // 128 otherwise
int ChannelsToIndex(int channels); // channel count or MP3 mode number n -> n - 1
int IndexToChannels(int index);    // p -> p + 1
int BitsToIndex(int bits);       // 8 -> 0, otherwise 1 (16)
int IndexToBits(int index);      // 0 -> 8, otherwise 16
int QualityToIndex(int quality); // 100..1000 -> 0..9, otherwise 4 (500)

class TSettingForm : public QDialog
{
    Q_OBJECT
public:
    TSettingForm(QWidget *owner, TSettings &settings);
    ~TSettingForm() override;

    Ui::TSettingForm *ui;

    void FormCreate();
    // Makes the tab at index (General 0, MP3, WMA, WAV, OGG) the open one; -1 and other
    // indexes outside the tabs leave it as it is.
    void ShowFormatPage(int format); // the tab of a stored format number
    void ShowSettings();
    void CollectSettings();
    QString WmaProfileDescription(int profile);
    // The settings as the controls show them (the copy OK saves).
    const TOutputSettings &Edited() const { return m_edit; }

    void BtnSelectClick();
    void CheckMP3VBRClick();
    void CheckOggVBRChange();
    void CheckOggQualityChange();
    void BtnOKClick();
    void BtnCancelClick();
    void FormClose();

    void done(int result) override;
    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void ShowOnlyFocusedAsDefault();

    TSettings &m_settings;
    TOutputSettings m_edit;
};
