// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/wav/wavpage.h"

#include "ui_wavpage.h"

WavPage::WavPage(QWidget *parent) : FormatPage(parent), ui(std::make_unique<Ui::WavPage>())
{
    ui->setupUi(this);
}

WavPage::~WavPage() = default;

void WavPage::showSettings(const OutputSettings &s)
{
    selectPosition(ui->cbWavFrequency, frequencyToIndex(s.WavFrequency));
    selectPosition(ui->cbWavChannels, channelsToIndex(s.WavChannels));
    selectPosition(ui->cbWavBPS, bitsToIndex(s.WavBps));
}

void WavPage::collectSettings(OutputSettings &s) const
{
    s.WavFrequency = indexToFrequency(ui->cbWavFrequency->currentIndex());
    s.WavChannels = indexToChannels(ui->cbWavChannels->currentIndex());
    s.WavBps = indexToBits(ui->cbWavBPS->currentIndex());
}
