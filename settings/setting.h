// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings dialog: output folder and format, the parameters of the seven encoders and
// the loudness target. It edits a copy of the settings object's output settings; OK asks
// the object to save them, and only what was saved takes effect.
#include "formats/pages.h"
#include "settings/appsettings.h"

#include <QDialog>
#include <QPointer>
#include <vector>

namespace Ui {
class TSettingForm;
}

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
    std::vector<FormatPage *> m_pages; // one tab each, in the order of the stored format numbers
};
