// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/picture.h"

#include "pictures/player_picture.h"

#include <QImageReader>
#include <QPainter>
#include <QResource>
#include <array>
#include <cstring>

namespace pictolex {

Picture::Picture(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void Picture::setImage(const QImage& image) {
    image_ = image;
    update();
}

void Picture::paintEvent(QPaintEvent*) {
    if (image_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(QPoint(0, 0), image_.deviceIndependentSize().toSize()), image_);
}

namespace {

constexpr quint32 kLargestBuilt = 4096; // in pixels, either way: more is a broken file

// A PNG of the program's own, read by Qt's built-in reader: a reader left to find the format
// would load every image plugin to ask it first.
QImage ownPicture(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    // Premultiplied, as a painter draws it, so that it is not converted at every paint.
    return reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// A picture made at build time (tools/icon-pictures.cpp): its width, height and number of
// colours as 32-bit numbers, its colours (ARGB), then a byte for each pixel, the number of its
// colour, row after row; numbers in this machine's byte order. Read with no decoder: Qt's image
// reader would first list every image plugin.
QImage builtPicture(const QString& path) {
    const QByteArray bytes = QResource(path).uncompressedData();
    std::array<quint32, 3> head{};
    if (bytes.size() < qsizetype(sizeof head))
        return {};
    std::memcpy(head.data(), bytes.constData(), sizeof head);
    const auto [width, height, count] = head;
    if (width > kLargestBuilt || height > kLargestBuilt || count > 256 ||
        quint64(bytes.size()) != sizeof head + count * sizeof(QRgb) + quint64(width) * height)
        return {};
    QList<QRgb> colours(count);
    std::memcpy(colours.data(), bytes.constData() + sizeof head, count * sizeof(QRgb));
    QImage image{int(width), int(height), QImage::Format_Indexed8};
    image.setColorTable(colours);
    const char* pixels = bytes.constData() + sizeof head + count * sizeof(QRgb);
    for (quint32 y = 0; y < height; ++y)
        std::memcpy(image.scanLine(int(y)), pixels + y * width, width);
    // Premultiplied, as a painter draws it, so that it is not converted at every paint.
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

QImage iconImage(const QString& name) {
    return builtPicture(QStringLiteral(":/icons/%1.pixels").arg(name));
}

QImage largePicture(const QString& word) {
    const QImage large = ownPicture(QStringLiteral(":/pictures/%1.png").arg(word));
    return large.isNull() ? iconImage(word) : large;
}

QImage wordPicture(const QString& word, const QString& path) {
    if (QImage picture = path.isEmpty() ? QImage() : playerPicture(path); !picture.isNull())
        return picture;
    return iconImage(word);
}

} // namespace pictolex
