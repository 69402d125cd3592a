// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// WAV's settings page: rate, channels and sample size.
#include "formats/pages.h"

#include <memory>

namespace Ui {
class WavPage;
}

class WavPage : public FormatPage
{
    Q_OBJECT
public:
    explicit WavPage(QWidget *parent = nullptr);
    ~WavPage() override;

    void showSettings(const OutputSettings &settings) override;
    void collectSettings(OutputSettings &settings) const override;

private:
    std::unique_ptr<Ui::WavPage> ui;
};
