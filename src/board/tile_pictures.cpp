// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/tile_pictures.h"

#include "controls/picture.h"

#include <QPainter>
#include <cmath>

namespace pictolex {

namespace {

// The picture in a square of `pixels`, whole, centred, smoothly scaled, on a transparent ground.
QImage inSquare(const QImage& picture, int pixels) {
    if (picture.isNull() || picture.size() == QSize(pixels, pixels))
        return picture;
    const QImage scaled =
        picture.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage square(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    square.fill(Qt::transparent);
    QPainter(&square).drawImage((pixels - scaled.width()) / 2, (pixels - scaled.height()) / 2,
                                scaled);
    return square;
}

} // namespace

void TilePictures::setOwn(QHash<QString, QImage> own) {
    own_ = std::move(own);
    shown_.clear();
}

bool TilePictures::setSize(int side, qreal ratio) {
    if (side == side_ && ratio == ratio_)
        return false;
    side_ = side;
    ratio_ = ratio;
    shown_.clear();
    return true;
}

const QImage& TilePictures::picture(const QString& word) {
    if (const auto found = shown_.constFind(word); found != shown_.constEnd())
        return *found;
    const int pixels = int(std::lround(side_ * ratio_));
    QImage shown;
    if (const auto own = own_.constFind(word); own != own_.constEnd())
        shown = inSquare(*own, pixels);
    else if (pixels == 32) // the game's own 16-colour icon, at its own size
        shown = iconImage(word);
    else
        shown = inSquare(largePicture(word), pixels);
    shown.setDevicePixelRatio(ratio_);
    return *shown_.insert(word, shown);
}

} // namespace pictolex
