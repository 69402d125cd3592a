// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/outputformats.h"

#include <iterator>

namespace {
constexpr auto &kFormats = kOutputFormats;

constexpr bool InStoredOrder()
{
    for (int i = 0; i < int(std::size(kFormats)); ++i)
        if (int(kFormats[i].format) != i)
            return false;
    return true;
}
static_assert(InStoredOrder(), "a record's place is its stored number");
} // namespace

std::span<const TOutputFormatRecord> OutputFormats() { return kFormats; }

const TOutputFormatRecord &FormatRecord(int number)
{
    return number >= 0 && number < int(std::size(kFormats)) ? kFormats[number] : kFormats[0];
}

const TOutputFormatRecord &FormatRecord(OutputFormat format) { return FormatRecord(int(format)); }

const TOutputFormatRecord *FormatByExtension(const QString &ext)
{
    for (const TOutputFormatRecord &r : kFormats)
        if (ext.compare(QLatin1String(r.extension), Qt::CaseInsensitive) == 0)
            return &r;
    return nullptr;
}
