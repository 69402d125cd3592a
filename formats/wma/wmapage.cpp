// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/wma/wmapage.h"

#include "ui_wmapage.h"

WmaPage::WmaPage(QWidget *parent) : FormatPage(parent), ui(std::make_unique<Ui::WmaPage>())
{
    ui->setupUi(this);
}

WmaPage::~WmaPage() = default;

void WmaPage::addProfile(const QString &description) { ui->ComboWMAProfile->addItem(description); }

// The list's position is the profile's number.
void WmaPage::showSettings(const OutputSettings &s) { selectPosition(ui->ComboWMAProfile, s.WmaProfile); }

void WmaPage::collectSettings(OutputSettings &s) const { s.WmaProfile = ui->ComboWMAProfile->currentIndex(); }
