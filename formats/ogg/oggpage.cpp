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

void OggPage::showSettings(const OutputSettings &s)
{
    selectPosition(ui->ComboOggFrequency, frequencyToIndex(s.OggFrequency));
    selectPosition(ui->ComboOggChannels, channelsToIndex(s.OggChannels));
    selectPosition(ui->ComboNomBitrate, bitrateToIndex(s.OggBitrate));
    ui->CheckOggVBR->setChecked(s.OggVbr);
    ui->CheckOggQuality->setChecked(s.OggUseQuality);
    selectPosition(ui->ComboMinBitrate, bitrateToIndex(s.OggMinBitrate));
    selectPosition(ui->ComboMaxBitrate, bitrateToIndex(s.OggMaxBitrate));
    selectPosition(ui->ComboOggQuality, qualityToIndex(s.OggQuality));
}

void OggPage::collectSettings(OutputSettings &s) const
{
    s.OggFrequency = ui->ComboOggFrequency->currentText().toInt();
    s.OggChannels = indexToChannels(ui->ComboOggChannels->currentIndex());
    s.OggBitrate = indexToBitrate(ui->ComboNomBitrate->currentIndex());
    s.OggVbr = ui->CheckOggVBR->isChecked();
    s.OggMinBitrate = indexToBitrate(ui->ComboMinBitrate->currentIndex());
    s.OggMaxBitrate = indexToBitrate(ui->ComboMaxBitrate->currentIndex());
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
