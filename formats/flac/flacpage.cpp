// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/flac/flacpage.h"

#include "formats/flac/flacformat.h"
#include "ui_flacpage.h"

FlacPage::FlacPage(QWidget *parent) : FormatPage(parent), ui(std::make_unique<Ui::FlacPage>())
{
    ui->setupUi(this);
}

FlacPage::~FlacPage() = default;

void FlacPage::showSettings(const OutputSettings &s)
{
    selectPosition(ui->cbFlacFrequency, positionIn(kFlacFrequencies, s.FlacFrequency, 0));
    selectPosition(ui->cbFlacChannels, channelsToIndex(s.FlacChannels));
    selectPosition(ui->cbFlacBPS, positionIn(kFlacBits, s.FlacBps, 0));
    selectPosition(ui->cbFlacCompression, s.FlacCompression);
}

void FlacPage::collectSettings(OutputSettings &s) const
{
    s.FlacFrequency = valueAt(kFlacFrequencies, ui->cbFlacFrequency->currentIndex(), 0);
    s.FlacChannels = indexToChannels(ui->cbFlacChannels->currentIndex());
    s.FlacBps = valueAt(kFlacBits, ui->cbFlacBPS->currentIndex(), 0);
    s.FlacCompression = ui->cbFlacCompression->currentIndex();
}
