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
class SettingsDialog;
}

class SettingsDialog : public QDialog
{
    Q_OBJECT
public:
    SettingsDialog(QWidget *owner, AppSettings &settings);
    ~SettingsDialog() override;

    Ui::SettingsDialog *ui;

    void formCreate();
    // Makes the tab at index (General 0, MP3, WMA, WAV, OGG) the open one; -1 and other
    // indexes outside the tabs leave it as it is.
    void showFormatPage(int format); // the tab of a stored format number
    void showSettings();
    void collectSettings();
    QString wmaProfileDescription(int profile);
    // The settings as the controls show them (the copy OK saves).
    const OutputSettings &edited() const { return m_edit; }

    void btnSelectClick();
    void btnOkClick();
    void btnCancelClick();
    void formClose();

    void done(int result) override;
    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showOnlyFocusedAsDefault();
    void showPeaksInUse();

    AppSettings &m_settings;
    OutputSettings m_edit;
    std::vector<FormatPage *> m_pages; // one tab each, in the order of the stored format numbers
};
