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

QImage largePicture(const QString& word) {
    const QImage large(QStringLiteral(":/pictures/%1.png").arg(word));
    return large.isNull() ? iconImage(word) : large;
}

QImage wordPicture(const QString& word, const QString& path) {
    if (QImage picture = path.isEmpty() ? QImage() : playerPicture(path); !picture.isNull())
        return picture;
    return iconImage(word);
}

} // namespace pictolex
