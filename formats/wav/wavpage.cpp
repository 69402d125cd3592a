// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/wav/wavpage.h"

#include "ui_wavpage.h"

WavPage::WavPage(QWidget *parent) : FormatPage(parent), ui(std::make_unique<Ui::WavPage>())
{
    ui->setupUi(this);
}

WavPage::~WavPage() = default;

void WavPage::showSettings(const TOutputSettings &s)
{
    selectPosition(ui->cbWavFrequency, FrequencyToIndex(s.WavFrequency));
    selectPosition(ui->cbWavChannels, ChannelsToIndex(s.WavChannels));
    selectPosition(ui->cbWavBPS, BitsToIndex(s.WavBps));
}

void WavPage::collectSettings(TOutputSettings &s) const
{
    s.WavFrequency = IndexToFrequency(ui->cbWavFrequency->currentIndex());
    s.WavChannels = IndexToChannels(ui->cbWavChannels->currentIndex());
    s.WavBps = IndexToBits(ui->cbWavBPS->currentIndex());
}
