// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// WMA's settings page: the encoder's profile.
#include "formats/pages.h"

#include <memory>

namespace Ui {
class WmaPage;
}

class WmaPage : public FormatPage
{
    Q_OBJECT
public:
    explicit WmaPage(QWidget *parent = nullptr);
    ~WmaPage() override;

    void showSettings(const OutputSettings &settings) override;
    void collectSettings(OutputSettings &settings) const override;
    // The encoder's profile descriptions, added in its order after those already listed.
    void addProfile(const QString &description);

private:
    std::unique_ptr<Ui::WmaPage> ui;
};
