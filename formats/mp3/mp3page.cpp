// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/mp3/mp3page.h"

#include "ui_mp3page.h"

Mp3Page::Mp3Page(QWidget *parent) : FormatPage(parent), ui(std::make_unique<Ui::Mp3Page>())
{
    ui->setupUi(this);
    // toggled fires on every change of state, also when showSettings sets the box.
    connect(ui->CheckMP3VBR, &QCheckBox::toggled, this, &Mp3Page::showVbrChoices);
}

Mp3Page::~Mp3Page() = default;

void Mp3Page::showSettings(const OutputSettings &s)
{
    selectPosition(ui->comboMP3Channels, channelsToIndex(s.Mp3Channels));
    selectPosition(ui->comboMP3Frequency, frequencyToIndex(s.Mp3Frequency));
    selectPosition(ui->comboMP3Bitrate, bitrateToIndex(s.Mp3Bitrate));
    ui->CheckMP3VBR->setChecked(s.Mp3Vbr == 1);
    selectPosition(ui->comboMP3MaxBitrate, bitrateToIndex(s.Mp3MaxBitrate));
    selectPosition(ui->comboMP3VBRQuality, s.Mp3VbrQuality);
}

void Mp3Page::collectSettings(OutputSettings &s) const
{
    s.Mp3Channels = indexToChannels(ui->comboMP3Channels->currentIndex());
    s.Mp3Frequency = ui->comboMP3Frequency->currentText().toInt();
    s.Mp3Bitrate = indexToBitrate(ui->comboMP3Bitrate->currentIndex());
    s.Mp3Vbr = ui->CheckMP3VBR->isChecked() ? 1 : 0;
    s.Mp3VbrQuality = ui->comboMP3VBRQuality->currentIndex();
    s.Mp3MaxBitrate = indexToBitrate(ui->comboMP3MaxBitrate->currentIndex());
}

void Mp3Page::showVbrChoices()
{
    enableAll({ui->lbMp3MaxBitrate, ui->comboMP3MaxBitrate, ui->lbMp3VbrQuality, ui->comboMP3VBRQuality},
              ui->CheckMP3VBR->isChecked());
}
