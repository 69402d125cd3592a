// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/wav/wavpage.h"

#include "formats/wav/wavformat.h"
#include "ui_wavpage.h"

WavPage::WavPage(QWidget *parent) : FormatPage(parent), ui(std::make_unique<Ui::WavPage>())
{
    ui->setupUi(this);
}

WavPage::~WavPage() = default;

void WavPage::showSettings(const OutputSettings &s)
{
    selectPosition(ui->cbWavFrequency, positionIn(kWavFrequencies, s.WavFrequency, 6));
    selectPosition(ui->cbWavChannels, channelsToIndex(s.WavChannels));
    selectPosition(ui->cbWavBPS, positionIn(kWavBits, s.WavBps, 1));
}

void WavPage::collectSettings(OutputSettings &s) const
{
    s.WavFrequency = valueAt(kWavFrequencies, ui->cbWavFrequency->currentIndex(), 44100);
    s.WavChannels = indexToChannels(ui->cbWavChannels->currentIndex());
    s.WavBps = valueAt(kWavBits, ui->cbWavBPS->currentIndex(), 16);
}
