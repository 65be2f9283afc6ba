// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/picture.h"

#include "controls/units.h"
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

QImage wordPicture(const QString& word, const QString& path) {
    if (QImage picture = path.isEmpty() ? QImage() : playerPicture(path); !picture.isNull())
        return picture;
    return iconImage(word);
}

} // namespace pictolex
