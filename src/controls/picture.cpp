// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/picture.h"

#include "controls/units.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QScreen>

namespace pictolex {

Picture::Picture(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void Picture::setImage(const QImage& image) {
    image_ = image;
    update();
}

void Picture::setLeft(float twips) {
    left_ = twips;
    move(toPixels(twips), y());
}

void Picture::placeTwips(const QRect& twips) {
    left_ = float(twips.x());
    place(this, twips);
}

void Picture::paintEvent(QPaintEvent*) {
    if (image_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(QPoint(0, 0), image_.deviceIndependentSize().toSize()), image_);
}

QImage iconImage(const QString& name) {
    QImageReader reader(QStringLiteral(":/icons/%1.ico").arg(name));
    QImage best;
    // An icon file holds several images; the tiles show the 32 by 32 one.
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        const QImage image = reader.read();
        if (image.size() == QSize(32, 32))
            return image;
        if (best.isNull() || image.width() > best.width())
            best = image;
    }
    return best;
}

namespace {

// A picture of any size in a square of 32 logical pixels, whole, centred, on a transparent
// ground, smoothly scaled; one that fits exactly is kept pixel for pixel.
QImage fitted(QImageReader& reader) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    const int side = qRound(32 * ratio);
    // A large photograph is decoded at little more than the size it is shown at.
    const QSize full = reader.size();
    if (full.isValid() && std::min(full.width(), full.height()) > 4 * side)
        reader.setScaledSize(full.scaled(4 * side, 4 * side, Qt::KeepAspectRatioByExpanding));
    QImage picture = reader.read();
    if (picture.isNull() || picture.size() == QSize(side, side)) {
        picture.setDevicePixelRatio(ratio);
        return picture;
    }
    picture = picture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage square(side, side, QImage::Format_ARGB32_Premultiplied);
    square.fill(Qt::transparent);
    QPainter(&square).drawImage((side - picture.width()) / 2, (side - picture.height()) / 2,
                                picture);
    square.setDevicePixelRatio(ratio);
    return square;
}

} // namespace

QImage wordPicture(const QString& word, const QString& userFolder) {
    if (!userFolder.isEmpty()) {
        for (const char* kind : {"png", "jpg"}) {
            QImageReader reader(userFolder + word + QLatin1Char('.') + QLatin1String(kind));
            if (reader.canRead()) {
                if (QImage picture = fitted(reader); !picture.isNull())
                    return picture;
            }
        }
    }
    return iconImage(word);
}

} // namespace pictolex
