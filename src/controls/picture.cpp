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

// A picture made at build time (tools/icon-pictures.cpp): its width and height as two 32-bit
// numbers, then its premultiplied ARGB pixels row after row, in this machine's byte order. Copied
// as it stands, with no decoder: Qt's image reader would first list every image plugin.
QImage builtPicture(const QString& path) {
    const QResource resource(path);
    const QByteArray bytes = resource.uncompressedData();
    std::array<quint32, 2> size{};
    if (bytes.size() < qsizetype(sizeof size))
        return {};
    std::memcpy(size.data(), bytes.constData(), sizeof size);
    if (size[0] > kLargestBuilt || size[1] > kLargestBuilt)
        return {};
    QImage image{int(size[0]), int(size[1]), QImage::Format_ARGB32_Premultiplied};
    if (image.isNull() || bytes.size() != qsizetype(sizeof size) + image.sizeInBytes())
        return {};
    std::memcpy(image.bits(), bytes.constData() + sizeof size, size_t(image.sizeInBytes()));
    return image;
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
