// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/tile_pictures.h"

#include "controls/picture.h"
#include "pictures/player_picture.h"

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
    auto source = sources_.constFind(word);
    if (source == sources_.constEnd())
        source = sources_.insert(word, this->source(word));
    const int pixels = int(std::lround(side_ * ratio_));
    // The game's own pictures show their 16-colour icons at the icons' own size.
    QImage shown =
        source->builtIn && pixels == 32 ? iconImage(word) : inSquare(source->image, pixels);
    shown.setDevicePixelRatio(ratio_);
    return *shown_.insert(word, shown);
}

TilePictures::Source TilePictures::source(const QString& word) const {
    if (!folder_.isEmpty()) {
        for (const char* kind : {".png", ".jpg"})
            if (QImage own = playerPicture(folder_ + word + QLatin1String(kind)); !own.isNull())
                return {own, false};
    }
    const QImage large(QStringLiteral(":/pictures/%1.png").arg(word));
    return {large.isNull() ? iconImage(word) : large, true};
}

} // namespace pictolex
