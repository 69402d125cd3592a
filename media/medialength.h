// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A source's playing length from libavformat's probe.
#include <QString>
#include <atomic>
#include <optional>

// Length in milliseconds (fractional), or nothing with the reason in *error. Setting *stop
// ends the probe at once.
std::optional<double> mediaLengthMs(const QString &path, QString *error = nullptr,
                                    const std::atomic<bool> *stop = nullptr);
