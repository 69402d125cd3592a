// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/opus/opuspage.h"

#include "ui_opuspage.h"

namespace {
constexpr int kOpusBitrates[] = {32, 48, 56, 64, 96, 112, 128, 160, 192, 224, 256};
}

OpusPage::OpusPage(QWidget *parent) : FormatPage(parent), ui(std::make_unique<Ui::OpusPage>())
{
    ui->setupUi(this);
}

OpusPage::~OpusPage() = default;

void OpusPage::showSettings(const OutputSettings &s)
{
    selectPosition(ui->cbOpusBitrate, positionIn(kOpusBitrates, s.OpusBitrate, 6));
    ui->CheckOpusVBR->setChecked(s.OpusVbr);
    selectPosition(ui->cbOpusChannels, channelsToIndex(s.OpusChannels));
}

void OpusPage::collectSettings(OutputSettings &s) const
{
    s.OpusBitrate = valueAt(kOpusBitrates, ui->cbOpusBitrate->currentIndex(), 128);
    s.OpusVbr = ui->CheckOpusVBR->isChecked();
    s.OpusChannels = indexToChannels(ui->cbOpusChannels->currentIndex());
}
