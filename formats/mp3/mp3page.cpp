// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/mp3/mp3page.h"

#include "formats/mp3/mp3format.h"
#include "ui_mp3page.h"

namespace {
// A bit rate's place in the lists; one they do not offer shows as 128 kbps.
int bitratePosition(int kbps) { return positionIn(kMp3Bitrates, kbps, positionIn(kMp3Bitrates, 128, 0)); }
} // namespace

Mp3Page::Mp3Page(QWidget *parent) : FormatPage(parent), ui(std::make_unique<Ui::Mp3Page>())
{
    ui->setupUi(this);
    for (int kbps : kMp3Bitrates) {
        ui->comboMP3Bitrate->addItem(QString::number(kbps));
        ui->comboMP3MaxBitrate->addItem(QString::number(kbps));
    }
    // As built, before any settings are shown: 128 kbps.
    ui->comboMP3Bitrate->setCurrentIndex(bitratePosition(128));
    ui->comboMP3MaxBitrate->setCurrentIndex(bitratePosition(128));
    // toggled fires on every change of state, also when showSettings sets the box.
    connect(ui->CheckMP3VBR, &QCheckBox::toggled, this, &Mp3Page::showVbrChoices);
}

Mp3Page::~Mp3Page() = default;

void Mp3Page::showSettings(const OutputSettings &s)
{
    selectPosition(ui->comboMP3Channels, channelsToIndex(s.Mp3Channels));
    selectPosition(ui->comboMP3Frequency, frequencyToIndex(s.Mp3Frequency));
    selectPosition(ui->comboMP3Bitrate, bitratePosition(s.Mp3Bitrate));
    ui->CheckMP3VBR->setChecked(s.Mp3Vbr == 1);
    selectPosition(ui->comboMP3MaxBitrate, bitratePosition(s.Mp3MaxBitrate));
    selectPosition(ui->comboMP3VBRQuality, s.Mp3VbrQuality);
}

void Mp3Page::collectSettings(OutputSettings &s) const
{
    s.Mp3Channels = indexToChannels(ui->comboMP3Channels->currentIndex());
    s.Mp3Frequency = ui->comboMP3Frequency->currentText().toInt();
    s.Mp3Bitrate = valueAt(kMp3Bitrates, ui->comboMP3Bitrate->currentIndex(), 128);
    s.Mp3Vbr = ui->CheckMP3VBR->isChecked() ? 1 : 0;
    s.Mp3VbrQuality = ui->comboMP3VBRQuality->currentIndex();
    s.Mp3MaxBitrate = valueAt(kMp3Bitrates, ui->comboMP3MaxBitrate->currentIndex(), 128);
}

void Mp3Page::showVbrChoices()
{
    enableAll({ui->lbMp3MaxBitrate, ui->comboMP3MaxBitrate, ui->lbMp3VbrQuality, ui->comboMP3VBRQuality},
              ui->CheckMP3VBR->isChecked());
}
