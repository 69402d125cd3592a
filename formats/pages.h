// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings pages of the output formats, one per format, and what they share: list
// positions to stored values and back.
#include "core/outputsettings.h"

#include <QWidget>
#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <vector>

class QComboBox;

// A format's page in the settings dialog: shows a format's settings and gives them back,
// enabling its controls by its own rules.
class FormatPage : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
    virtual void showSettings(const OutputSettings &settings) = 0;
    virtual void collectSettings(OutputSettings &settings) const = 0;
};

// A new page of every format, children of parent, in the order of the stored format numbers.
std::vector<FormatPage *> createFormatPages(QWidget *parent);

// List codecs: list positions (from 0) to stored values and back. Values outside a table
// give its fallback entry, as the comments say.
int frequencyToIndex(int hz);    // 6 (44100) otherwise
int indexToFrequency(int index); // 44100 otherwise
int bitrateToIndex(int kbps);    // OGG's lists: 9 (128) otherwise
int indexToBitrate(int index);   // 128 otherwise
int channelsToIndex(int channels); // channel count or MP3 mode number n -> n - 1
int indexToChannels(int index);    // p -> p + 1
int qualityToIndex(int quality); // 100..1000 -> 0..9, otherwise 4 (500)

// Position of value in table, or fallback when it is not there.
template <size_t N>
int positionIn(const int (&table)[N], int value, int fallback)
{
    const auto it = std::find(std::begin(table), std::end(table), value);
    return it == std::end(table) ? fallback : int(it - std::begin(table));
}

// The value at index in table, or fallback outside it.
template <size_t N>
int valueAt(const int (&table)[N], int index, int fallback)
{
    return index >= 0 && index < int(N) ? table[index] : fallback;
}

// A position the list does not have leaves it without a selection.
void selectPosition(QComboBox *list, int position);
void enableAll(std::initializer_list<QWidget *> widgets, bool on);
