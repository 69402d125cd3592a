#pragma once
// A source's playing length from libavformat's probe.
#include <QString>
#include <optional>

// Length in milliseconds (fractional), or nothing with the reason in *error.
std::optional<double> MediaLengthMs(const QString &path, QString *error = nullptr);
