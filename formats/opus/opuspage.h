// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// OPUS's settings page: bit rate, VBR and channels; the rate is always 48000.
#include "formats/pages.h"

#include <memory>

namespace Ui {
class OpusPage;
}

class OpusPage : public FormatPage
{
    Q_OBJECT
public:
    explicit OpusPage(QWidget *parent = nullptr);
    ~OpusPage() override;

    void showSettings(const OutputSettings &settings) override;
    void collectSettings(OutputSettings &settings) const override;

private:
    std::unique_ptr<Ui::OpusPage> ui;
};
