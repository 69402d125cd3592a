// SPDX-License-Identifier: GPL-3.0-or-later
// The list of the format pages, and the list codecs they share.
#include "formats/pages.h"

#include "formats/format.h"
#include "formats/ogg/oggformat.h"
#include "formats/registry.h"
#include "formats/flac/flacpage.h"
#include "formats/m4a/m4apage.h"
#include "formats/mp3/mp3page.h"
#include "formats/ogg/oggpage.h"
#include "formats/opus/opuspage.h"
#include "formats/wav/wavpage.h"
#include "formats/wma/wmapage.h"

#include <QComboBox>

namespace {
template <class Page>
FormatPage *create(QWidget *parent)
{
    return new Page(parent);
}

// One line per format, in the order of the stored format numbers.
constexpr FormatPage *(*kPages[])(QWidget *) = {
    create<Mp3Page>,
    create<WmaPage>,
    create<WavPage>,
    create<OggPage>,
    create<FlacPage>,
    create<OpusPage>,
    create<M4aPage>,
};
} // namespace

std::vector<FormatPage *> createFormatPages(QWidget *parent)
{
    Q_ASSERT(std::size(kPages) == size_t(outputFormatCount())); // a page for every format
    std::vector<FormatPage *> pages;
    for (const auto create : kPages)
        pages.push_back(create(parent));
    return pages;
}

int frequencyToIndex(int hz) { return positionIn(kFrequencies, hz, 6); }
int indexToFrequency(int index) { return valueAt(kFrequencies, index, 44100); }
int bitrateToIndex(int kbps) { return positionIn(kOggBitrates, kbps, 9); }
int indexToBitrate(int index) { return valueAt(kOggBitrates, index, 128); }
int channelsToIndex(int channels) { return channels - 1; }
int indexToChannels(int index) { return index + 1; }
int qualityToIndex(int quality) { return positionIn(kOggQualities, quality, 4); }

void selectPosition(QComboBox *list, int position)
{
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
}

void enableAll(std::initializer_list<QWidget *> widgets, bool on)
{
    for (QWidget *w : widgets)
        w->setEnabled(on);
}
