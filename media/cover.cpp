// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/cover.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>

namespace {

// The picture's size in pixels from its header; invalid when unknown.
QSize pictureSize(const QByteArray &picture)
{
    QByteArray shared = picture; // no copy
    QBuffer buffer(&shared);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer).size();
}

bool within(const QSize &size)
{
    return !size.isValid() || (size.width() <= kCoverMaxSide && size.height() <= kCoverMaxSide);
}

} // namespace

bool coverFits(const QByteArray &picture)
{
    return picture.size() <= kCoverMaxBytes && within(pictureSize(picture));
}

QByteArray fitCover(const QByteArray &picture, QString *mime)
{
    if (coverFits(picture))
        return picture;
    QByteArray shared = picture;
    QBuffer buffer(&shared);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // Other kinds than JPEG are decoded whole, within a memory bound (an 8000 x 8000 picture
    // with alpha): beyond it the picture counts as one that cannot be decoded.
    reader.setAllocationLimit(256);
    const QSize size = reader.size();
    if (size.isEmpty())
        return {};
    // libjpeg decodes a JPEG straight at a half, a quarter or an eighth of its size: the
    // largest of these of at most 6 megapixels (24 MB decoded) is taken, and scaled to fit.
    QSize decoded = size;
    if (reader.format() == "jpeg")
        for (int k = 2; k <= 8 && qint64(decoded.width()) * decoded.height() > 6'000'000; k *= 2)
            decoded = size / k;
    if (decoded != size)
        reader.setScaledSize(decoded);
    QImage image = reader.read();
    if (image.isNull())
        return {};
    if (!within(image.size()))
        image = image.scaled(kCoverMaxSide, kCoverMaxSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (image.hasAlphaChannel()) { // JPEG has none: transparent parts become white
        QImage opaque(image.size(), QImage::Format_RGB32);
        opaque.fill(Qt::white);
        QPainter(&opaque).drawImage(0, 0, image);
        image = opaque;
    }
    // Lower quality first, then fewer pixels, until it fits.
    for (int quality = 90;;) {
        QByteArray out;
        QBuffer sink(&out);
        sink.open(QIODevice::WriteOnly);
        if (!image.save(&sink, "JPEG", quality))
            return {};
        if (out.size() <= kCoverMaxBytes) {
            *mime = QStringLiteral("image/jpeg");
            return out;
        }
        if (quality > 60)
            quality -= 15;
        else
            image = image.scaled(image.size() * 0.7, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
}

Result<QByteArray> readCoverFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{QCoreApplication::translate("Cover", "The cover %1 cannot be read: %2").arg(path, file.errorString())};
    QByteArray picture = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Failure{QCoreApplication::translate("Cover", "The cover %1 cannot be read: %2").arg(path, file.errorString())};
    QBuffer buffer(&picture);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray kind = QImageReader(&buffer).format();
    buffer.close();
    QString mime;
    QByteArray cover;
    if (kind == "jpeg" || kind == "png") {
        cover = fitCover(picture, &mime);
    } else if (const QImage image = QImage::fromData(picture); !image.isNull()) {
        // The outputs hold JPEG or PNG: another kind of picture becomes a JPEG.
        QBuffer sink(&cover);
        sink.open(QIODevice::WriteOnly);
        if (image.save(&sink, "JPEG", 90))
            cover = fitCover(cover, &mime);
        else
            cover.clear();
    }
    if (cover.isEmpty())
        return Failure{QCoreApplication::translate("Cover", "The cover %1 is not a picture").arg(path)};
    return cover;
}
