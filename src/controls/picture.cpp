// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/picture.h"

#include "pictures/player_picture.h"

#include <QImageReader>
#include <QPainter>

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

// A PNG of the program's own, read by Qt's built-in reader: a reader left to find the format
// would load every image plugin to ask it first.
QImage ownPicture(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    // Premultiplied, as a painter draws it, so that it is not converted at every paint.
    return reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

QImage iconImage(const QString& name) {
    return ownPicture(QStringLiteral(":/icons/%1.png").arg(name));
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
