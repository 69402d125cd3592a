// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog: fills its controls from a copy of the output settings, lists the WMA
// profiles of the WMA module, and on OK has the settings object save them.
#include "settings/setting.h"

#include "desktop/application.h"
#include "desktop/desktop.h"
#include "formats/registry.h"
#include "formats/wma/wmaformat.h"
#include "ui_setting.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QThread>
#include <algorithm>
#include <initializer_list>
#include <iterator>

namespace {
// Position of value in table, or fallback when it is not there.
template <size_t N>
int PositionIn(const int (&table)[N], int value, int fallback)
{
    const auto it = std::find(std::begin(table), std::end(table), value);
    return it == std::end(table) ? fallback : int(it - std::begin(table));
}

template <size_t N>
int ValueAt(const int (&table)[N], int index, int fallback)
{
    return index >= 0 && index < int(N) ? table[index] : fallback;
}

constexpr int kOpusBitrates[] = {32, 48, 56, 64, 96, 112, 128, 160, 192, 224, 256};
constexpr int kM4aBitrates[] = {64, 96, 112, 128, 160, 192, 224, 256, 320};

// A position the list does not have leaves it without a selection.
void Select(QComboBox *list, int position)
{
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
}

void SetEnabled(std::initializer_list<QWidget *> widgets, bool on)
{
    for (QWidget *w : widgets)
        w->setEnabled(on);
}
} // namespace

int FrequencyToIndex(int hz) { return PositionIn(kFrequencies, hz, 6); }
int IndexToFrequency(int index) { return ValueAt(kFrequencies, index, 44100); }
int BitrateToIndex(int kbps) { return PositionIn(kBitrates, kbps, 9); }
int IndexToBitrate(int index) { return ValueAt(kBitrates, index, 128); }
int ChannelsToIndex(int channels) { return channels - 1; }
int IndexToChannels(int index) { return index + 1; }
int BitsToIndex(int bits) { return bits == 8 ? 0 : 1; }
int IndexToBits(int index) { return index == 0 ? 8 : 16; }
int QualityToIndex(int quality) { return PositionIn(kOggQualities, quality, 4); }

TSettingForm::TSettingForm(QWidget *owner, TSettings &settings)
    : QDialog(owner), ui(new Ui::TSettingForm), m_settings(settings), m_edit(settings.OutputSettings())
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint
                   | Qt::WindowCloseButtonHint);
    // Opens at its first size, wider where the desktop's font needs it for every tab to show,
    // and grows from there.
    resize(size().expandedTo(minimumSizeHint()));
    setMinimumSize(size());

    connect(ui->BtnSelect, &QPushButton::clicked, this, [this] { Guarded([this] { BtnSelectClick(); }); });
    connect(ui->BtnOK, &QPushButton::clicked, this, [this] { Guarded([this] { BtnOKClick(); }); });
    connect(ui->BtnCancel, &QPushButton::clicked, this, [this] { BtnCancelClick(); });
    // toggled fires on every change of state, also when ShowSettings sets a box.
    connect(ui->CheckMP3VBR, &QCheckBox::toggled, this, [this] { CheckMP3VBRClick(); });
    connect(ui->CheckOggVBR, &QCheckBox::toggled, this, [this] { CheckOggVBRChange(); });
    connect(ui->CheckOggQuality, &QCheckBox::toggled, this, [this] { CheckOggQualityChange(); });
    connect(qApp, &QApplication::focusChanged, this, [this] { ShowOnlyFocusedAsDefault(); });

    FormCreate();
}

TSettingForm::~TSettingForm()
{
    disconnect(qApp, nullptr, this, nullptr); // the focus moves while the controls go
    delete ui;
}

void TSettingForm::FormCreate()
{
    ui->SpinJobs->setRange(1, std::max(1, QThread::idealThreadCount()));
    ui->CBOutputFormat->clear(); // the formats as the table lists them, none chosen yet
    for (const OutputFormatModule *f : outputFormats())
        ui->CBOutputFormat->addItem(QString::fromLatin1(f->name));
    ui->CBOutputFormat->setCurrentIndex(-1);
    // The profile list holds the WMA module's profiles in its own order, so that list
    // position, stored value and the profile the encoder selects are one number.
    ui->ComboWMAProfile->addItems(wmaProfileDescriptions());
    ShowSettings();
}

QString TSettingForm::WmaProfileDescription(int profile)
{
    return wmaProfileDescriptions().value(profile);
}

void TSettingForm::ShowSettings()
{
    const TOutputSettings &s = m_edit;
    ui->EdOutputDir->setText(s.OutputPath);
    Select(ui->CBOutputFormat, s.OutputFormat);
    ui->SpinJobs->setValue(s.Jobs);
    Select(ui->cbSaveTo, s.SaveTo);
    ui->EdNamePattern->setText(s.NamePattern);
    Select(ui->cbExisting, s.ExistingFile);
    ui->CheckCopyTags->setChecked(s.CopyTags);

    Select(ui->comboMP3Channels, ChannelsToIndex(s.Mp3Channels));
    Select(ui->comboMP3Frequency, FrequencyToIndex(s.Mp3Frequency));
    Select(ui->comboMP3Bitrate, BitrateToIndex(s.Mp3Bitrate));
    ui->CheckMP3VBR->setChecked(s.Mp3Vbr == 1);
    Select(ui->comboMP3MaxBitrate, BitrateToIndex(s.Mp3MaxBitrate));
    Select(ui->comboMP3VBRQuality, s.Mp3VbrQuality);

    Select(ui->cbWavFrequency, FrequencyToIndex(s.WavFrequency));
    Select(ui->cbWavChannels, ChannelsToIndex(s.WavChannels));
    Select(ui->cbWavBPS, BitsToIndex(s.WavBps));

    Select(ui->ComboWMAProfile, s.WmaProfile);

    Select(ui->ComboOggFrequency, FrequencyToIndex(s.OggFrequency));
    Select(ui->ComboOggChannels, ChannelsToIndex(s.OggChannels));
    Select(ui->ComboNomBitrate, BitrateToIndex(s.OggBitrate));
    ui->CheckOggVBR->setChecked(s.OggVbr);
    ui->CheckOggQuality->setChecked(s.OggUseQuality);
    Select(ui->ComboMinBitrate, BitrateToIndex(s.OggMinBitrate));
    Select(ui->ComboMaxBitrate, BitrateToIndex(s.OggMaxBitrate));
    Select(ui->ComboOggQuality, QualityToIndex(s.OggQuality));

    Select(ui->cbFlacFrequency, PositionIn(kFlacFrequencies, s.FlacFrequency, 0));
    Select(ui->cbFlacChannels, ChannelsToIndex(s.FlacChannels));
    Select(ui->cbFlacBPS, PositionIn(kFlacBits, s.FlacBps, 0));
    Select(ui->cbFlacCompression, s.FlacCompression);

    Select(ui->cbOpusBitrate, PositionIn(kOpusBitrates, s.OpusBitrate, 6));
    ui->CheckOpusVBR->setChecked(s.OpusVbr);
    Select(ui->cbOpusChannels, ChannelsToIndex(s.OpusChannels));

    Select(ui->cbM4aFrequency, PositionIn(kM4aFrequencies, s.M4aFrequency, 0));
    Select(ui->cbM4aBitrate, PositionIn(kM4aBitrates, s.M4aBitrate, 5));
    Select(ui->cbM4aChannels, ChannelsToIndex(s.M4aChannels));

    // The list's last entry, after the targets: ReplayGain tags instead of changing the sound.
    const bool tags = s.LoudnessTarget == 0 && s.ReplayGain != TOutputSettings::NoReplayGain;
    Select(ui->cbLoudness, tags ? int(std::size(kLoudnessTargets)) : PositionIn(kLoudnessTargets, s.LoudnessTarget, 0));
    Select(ui->cbPeaks, s.LoudnessPeaks == TOutputSettings::LowerClip ? 0 : 1);
}

void TSettingForm::CollectSettings()
{
    TOutputSettings &s = m_edit;
    s.OutputPath = ui->EdOutputDir->text();
    s.OutputFormat = ui->CBOutputFormat->currentIndex();
    s.OutputExt = outputExtension(s.OutputFormat);
    s.Jobs = ui->SpinJobs->value();
    s.SaveTo = ui->cbSaveTo->currentIndex();
    s.NamePattern = ui->EdNamePattern->text().trimmed().isEmpty() ? QStringLiteral("{name}") : ui->EdNamePattern->text();
    s.ExistingFile = ui->cbExisting->currentIndex();
    s.CopyTags = ui->CheckCopyTags->isChecked();

    s.Mp3Channels = IndexToChannels(ui->comboMP3Channels->currentIndex());
    s.Mp3Frequency = ui->comboMP3Frequency->currentText().toInt();
    s.Mp3Bitrate = IndexToBitrate(ui->comboMP3Bitrate->currentIndex());
    s.Mp3Vbr = ui->CheckMP3VBR->isChecked() ? 1 : 0;
    s.Mp3VbrQuality = ui->comboMP3VBRQuality->currentIndex();
    s.Mp3MaxBitrate = IndexToBitrate(ui->comboMP3MaxBitrate->currentIndex());

    s.WavFrequency = IndexToFrequency(ui->cbWavFrequency->currentIndex());
    s.WavChannels = IndexToChannels(ui->cbWavChannels->currentIndex());
    s.WavBps = IndexToBits(ui->cbWavBPS->currentIndex());

    s.WmaProfile = ui->ComboWMAProfile->currentIndex();

    s.OggFrequency = ui->ComboOggFrequency->currentText().toInt();
    s.OggChannels = IndexToChannels(ui->ComboOggChannels->currentIndex());
    s.OggBitrate = IndexToBitrate(ui->ComboNomBitrate->currentIndex());
    s.OggVbr = ui->CheckOggVBR->isChecked();
    s.OggMinBitrate = IndexToBitrate(ui->ComboMinBitrate->currentIndex());
    s.OggMaxBitrate = IndexToBitrate(ui->ComboMaxBitrate->currentIndex());
    s.OggUseQuality = ui->CheckOggQuality->isChecked();
    s.OggQuality = ui->ComboOggQuality->currentText().toInt();

    s.FlacFrequency = ValueAt(kFlacFrequencies, ui->cbFlacFrequency->currentIndex(), 0);
    s.FlacChannels = IndexToChannels(ui->cbFlacChannels->currentIndex());
    s.FlacBps = ValueAt(kFlacBits, ui->cbFlacBPS->currentIndex(), 0);
    s.FlacCompression = ui->cbFlacCompression->currentIndex();

    s.OpusBitrate = ValueAt(kOpusBitrates, ui->cbOpusBitrate->currentIndex(), 128);
    s.OpusVbr = ui->CheckOpusVBR->isChecked();
    s.OpusChannels = IndexToChannels(ui->cbOpusChannels->currentIndex());

    s.M4aFrequency = ValueAt(kM4aFrequencies, ui->cbM4aFrequency->currentIndex(), 44100);
    s.M4aBitrate = ValueAt(kM4aBitrates, ui->cbM4aBitrate->currentIndex(), 192);
    s.M4aChannels = IndexToChannels(ui->cbM4aChannels->currentIndex());

    // ReplayGain tags keep the scope the settings had (album, both tags, when new); a target
    // keeps the album's one gain that setup.ini gave it; Off is neither.
    const int loudness = ui->cbLoudness->currentIndex();
    const bool hadTags = s.LoudnessTarget == 0 && s.ReplayGain != TOutputSettings::NoReplayGain;
    if (loudness == int(std::size(kLoudnessTargets)))
        s.ReplayGain = hadTags ? s.ReplayGain : TOutputSettings::AlbumGain;
    else if (loudness == 0 || s.LoudnessTarget == 0)
        s.ReplayGain = TOutputSettings::NoReplayGain;
    s.LoudnessTarget = ValueAt(kLoudnessTargets, loudness, 0);
    s.LoudnessPeaks = ui->cbPeaks->currentIndex() == 0 ? TOutputSettings::LowerClip : TOutputSettings::LimitPeaks;
}

void TSettingForm::BtnSelectClick()
{
    const QString path = BrowseOutputFolder(this, ui->EdOutputDir->text());
    if (!path.isEmpty())
        ui->EdOutputDir->setText(path);
}

void TSettingForm::CheckMP3VBRClick()
{
    SetEnabled({ui->Label12, ui->comboMP3MaxBitrate, ui->Label13, ui->comboMP3VBRQuality},
               ui->CheckMP3VBR->isChecked());
}

void TSettingForm::CheckOggVBRChange()
{
    const bool v = ui->CheckOggVBR->isChecked(), q = ui->CheckOggQuality->isChecked();
    SetEnabled({ui->GBVBR, ui->lbMinBitrate, ui->lbMaxBitrate, ui->ComboMinBitrate, ui->ComboMaxBitrate}, v);
    SetEnabled({ui->CheckOggQuality, ui->GBQuality}, !v);
    SetEnabled({ui->lbQuality, ui->ComboOggQuality}, !v && q);
}

void TSettingForm::CheckOggQualityChange()
{
    const bool v = ui->CheckOggVBR->isChecked(), q = ui->CheckOggQuality->isChecked();
    SetEnabled({ui->GBVBR, ui->lbMinBitrate, ui->lbMaxBitrate, ui->ComboMinBitrate, ui->ComboMaxBitrate}, v && !q);
    SetEnabled({ui->CheckOggVBR}, !q);
    SetEnabled({ui->GBQuality, ui->lbQuality, ui->ComboOggQuality}, q);
}

void TSettingForm::BtnOKClick()
{
    CollectSettings();
    // Saved first, applied only once saved: a refused write raises, and the dialog stays
    // open with the program's settings, the file and the main window as they were.
    m_settings.Save(m_edit);
    accept();
}

void TSettingForm::BtnCancelClick() { reject(); }

void TSettingForm::ShowFormatPage(int format)
{
    if (format < 0 || format >= outputFormatCount())
        return; // no format chosen: the first page stays
    if (auto *page = ui->PageControl1->findChild<QWidget *>(QLatin1String(outputFormat(format).settingsPage)))
        ui->PageControl1->setCurrentWidget(page);
}

// The dialog frees itself when it closes; whoever opened it holds it through a QPointer.
void TSettingForm::FormClose() {}

// Return and Enter press the button that has the focus (the buttons take them themselves);
// with the focus on any other control they press nothing, so that a list or a box never
// saves the dialog by surprise. QDialog would press the first button instead.
void TSettingForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

// QDialog makes a button the default when it is shown and whenever an auto-default button
// loses the focus, which draws it as the one Return presses; only the button in focus is.
void TSettingForm::ShowOnlyFocusedAsDefault()
{
    for (QPushButton *button : findChildren<QPushButton *>())
        if (!button->hasFocus())
            button->setDefault(false);
}

void TSettingForm::setVisible(bool visible)
{
    QDialog::setVisible(visible);
    if (visible)
        ShowOnlyFocusedAsDefault();
}

void TSettingForm::done(int result)
{
    FormClose();
    QDialog::done(result);
}
