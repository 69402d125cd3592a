// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// M4A's settings page: rate, bit rate and channels of the AAC encoder.
#include "formats/pages.h"

#include <memory>

namespace Ui {
class M4aPage;
}

class M4aPage : public FormatPage
{
    Q_OBJECT
public:
    explicit M4aPage(QWidget *parent = nullptr);
    ~M4aPage() override;

    void showSettings(const OutputSettings &settings) override;
    void collectSettings(OutputSettings &settings) const override;

private:
    std::unique_ptr<Ui::M4aPage> ui;
};
