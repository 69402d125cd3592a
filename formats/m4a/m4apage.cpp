// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/m4a/m4apage.h"

#include "formats/m4a/m4aformat.h"
#include "ui_m4apage.h"

namespace {
constexpr int kM4aBitrates[] = {64, 96, 112, 128, 160, 192, 224, 256, 320};
}

M4aPage::M4aPage(QWidget *parent) : FormatPage(parent), ui(std::make_unique<Ui::M4aPage>())
{
    ui->setupUi(this);
}

M4aPage::~M4aPage() = default;

void M4aPage::showSettings(const OutputSettings &s)
{
    selectPosition(ui->cbM4aFrequency, positionIn(kM4aFrequencies, s.M4aFrequency, 0));
    selectPosition(ui->cbM4aBitrate, positionIn(kM4aBitrates, s.M4aBitrate, 5));
    selectPosition(ui->cbM4aChannels, channelsToIndex(s.M4aChannels));
}

void M4aPage::collectSettings(OutputSettings &s) const
{
    s.M4aFrequency = valueAt(kM4aFrequencies, ui->cbM4aFrequency->currentIndex(), 44100);
    s.M4aBitrate = valueAt(kM4aBitrates, ui->cbM4aBitrate->currentIndex(), 192);
    s.M4aChannels = indexToChannels(ui->cbM4aChannels->currentIndex());
}
