// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/registry.h"

#include "formats/flac/flacformat.h"
#include "formats/m4a/m4aformat.h"
#include "formats/mp3/mp3format.h"
#include "formats/ogg/oggformat.h"
#include "formats/opus/opusformat.h"
#include "formats/wav/wavformat.h"
#include "formats/wma/wmaformat.h"

#include <iterator>

namespace {
// One line per format; a format's place is its stored number.
const OutputFormatModule *const kModules[] = {
    &mp3Format,
    &wmaFormat,
    &wavFormat,
    &oggFormat,
    &flacFormat,
    &opusFormat,
    &m4aFormat,
};
} // namespace

std::span<const OutputFormatModule *const> outputFormats() { return kModules; }

int outputFormatCount() { return int(std::size(kModules)); }

const OutputFormatModule &outputFormat(int number)
{
    return number >= 0 && number < outputFormatCount() ? *kModules[number] : *kModules[0];
}

const OutputFormatModule *outputFormatByExtension(const QString &ext)
{
    const int number = outputFormatNumber(ext);
    return number < 0 ? nullptr : kModules[number];
}

int outputFormatNumber(const QString &ext)
{
    for (int i = 0; i < outputFormatCount(); ++i)
        if (ext.compare(QLatin1String(kModules[i]->extension), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString outputExtension(int number) { return QString::fromLatin1(outputFormat(number).extension); }
