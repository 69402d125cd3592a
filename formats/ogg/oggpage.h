// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// OGG's settings page: rate, channels and nominal bit rate, then either a VBR range or a
// quality level, which exclude each other.
#include "formats/pages.h"

#include <memory>

namespace Ui {
class OggPage;
}

class OggPage : public FormatPage
{
    Q_OBJECT
public:
    explicit OggPage(QWidget *parent = nullptr);
    ~OggPage() override;

    void showSettings(const OutputSettings &settings) override;
    void collectSettings(OutputSettings &settings) const override;

private:
    // The VBR box and the quality box each enable their own group and, while checked,
    // disable the other box.
    void vbrToggled();
    void qualityToggled();
    std::unique_ptr<Ui::OggPage> ui;
};
