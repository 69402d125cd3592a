// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ogg/oggpage.h"

#include "ui_oggpage.h"

OggPage::OggPage(QWidget *parent) : FormatPage(parent), ui(std::make_unique<Ui::OggPage>())
{
    ui->setupUi(this);
    // toggled fires on every change of state, also when showSettings sets a box.
    connect(ui->CheckOggVBR, &QCheckBox::toggled, this, &OggPage::vbrToggled);
    connect(ui->CheckOggQuality, &QCheckBox::toggled, this, &OggPage::qualityToggled);
}

OggPage::~OggPage() = default;

void OggPage::showSettings(const TOutputSettings &s)
{
    selectPosition(ui->ComboOggFrequency, FrequencyToIndex(s.OggFrequency));
    selectPosition(ui->ComboOggChannels, ChannelsToIndex(s.OggChannels));
    selectPosition(ui->ComboNomBitrate, BitrateToIndex(s.OggBitrate));
    ui->CheckOggVBR->setChecked(s.OggVbr);
    ui->CheckOggQuality->setChecked(s.OggUseQuality);
    selectPosition(ui->ComboMinBitrate, BitrateToIndex(s.OggMinBitrate));
    selectPosition(ui->ComboMaxBitrate, BitrateToIndex(s.OggMaxBitrate));
    selectPosition(ui->ComboOggQuality, QualityToIndex(s.OggQuality));
}

void OggPage::collectSettings(TOutputSettings &s) const
{
    s.OggFrequency = ui->ComboOggFrequency->currentText().toInt();
    s.OggChannels = IndexToChannels(ui->ComboOggChannels->currentIndex());
    s.OggBitrate = IndexToBitrate(ui->ComboNomBitrate->currentIndex());
    s.OggVbr = ui->CheckOggVBR->isChecked();
    s.OggMinBitrate = IndexToBitrate(ui->ComboMinBitrate->currentIndex());
    s.OggMaxBitrate = IndexToBitrate(ui->ComboMaxBitrate->currentIndex());
    s.OggUseQuality = ui->CheckOggQuality->isChecked();
    s.OggQuality = ui->ComboOggQuality->currentText().toInt();
}

void OggPage::vbrToggled()
{
    const bool v = ui->CheckOggVBR->isChecked(), q = ui->CheckOggQuality->isChecked();
    enableAll({ui->GBVBR, ui->lbMinBitrate, ui->lbMaxBitrate, ui->ComboMinBitrate, ui->ComboMaxBitrate}, v);
    enableAll({ui->CheckOggQuality, ui->GBQuality}, !v);
    enableAll({ui->lbQuality, ui->ComboOggQuality}, !v && q);
}

void OggPage::qualityToggled()
{
    const bool v = ui->CheckOggVBR->isChecked(), q = ui->CheckOggQuality->isChecked();
    enableAll({ui->GBVBR, ui->lbMinBitrate, ui->lbMaxBitrate, ui->ComboMinBitrate, ui->ComboMaxBitrate}, v && !q);
    enableAll({ui->CheckOggVBR}, !q);
    enableAll({ui->GBQuality, ui->lbQuality, ui->ComboOggQuality}, q);
}
