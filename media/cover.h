// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cover pictures kept to a size that every output format holds (a FLAC picture block holds
// at most 16 MiB) and that costs no player or copy much: 4 MiB, 3000 pixels on a side.
#include "core/result.h"

#include <QByteArray>
#include <QString>

constexpr qsizetype kCoverMaxBytes = 4 * 1024 * 1024;
constexpr int kCoverMaxSide = 3000;

// True when the picture is within both limits (a picture whose size cannot be read counts by
// its bytes alone).
bool coverFits(const QByteArray &picture);

// The picture as it is when it fits; else scaled down to fit, keeping its aspect ratio, as a
// JPEG (then *mime becomes "image/jpeg"). Empty when it does not fit and cannot be decoded.
QByteArray fitCover(const QByteArray &picture, QString *mime);

// A picture file as a cover: a JPEG or PNG as it is (fitted as fitCover does), another kind
// of picture as a JPEG; the reason when the file cannot be read or holds no picture.
Result<QByteArray> readCoverFile(const QString &path);
