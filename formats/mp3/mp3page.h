// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// MP3's settings page: rate, channel mode and bit rate, and the VBR choices.
#include "formats/pages.h"

#include <memory>

namespace Ui {
class Mp3Page;
}

class Mp3Page : public FormatPage
{
    Q_OBJECT
public:
    explicit Mp3Page(QWidget *parent = nullptr);
    ~Mp3Page() override;

    void showSettings(const OutputSettings &settings) override;
    void collectSettings(OutputSettings &settings) const override;

private:
    // The VBR group is open only with VBR on.
    void showVbrChoices();
    std::unique_ptr<Ui::Mp3Page> ui;
};
