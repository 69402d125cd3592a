// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// FLAC's settings page: rate and sample size (or the source's), channels, compression level.
#include "formats/pages.h"

#include <memory>

namespace Ui {
class FlacPage;
}

class FlacPage : public FormatPage
{
    Q_OBJECT
public:
    explicit FlacPage(QWidget *parent = nullptr);
    ~FlacPage() override;

    void showSettings(const OutputSettings &settings) override;
    void collectSettings(OutputSettings &settings) const override;

private:
    std::unique_ptr<Ui::FlacPage> ui;
};
