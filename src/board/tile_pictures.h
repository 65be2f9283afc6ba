// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QImage>
#include <QString>

namespace pictolex {

// The pictures of a round's words at the size the tiles show them, each made once a size. The
// game's own are drawn from their 32 by 32 icons at that very size, and from their large pictures
// at any other, so that they stay sharp however far the board grows; a player's or a teacher's,
// from the picture read from its file.
class TilePictures {
public:
    // The pictures that stand in for the game's own, by word; those of other words are the
    // game's.
    void setOwn(QHash<QString, QImage> own);
    // The size of a tile's picture, in logical pixels, on a screen of `ratio` device pixels to
    // one. Answers whether it changed.
    bool setSize(int side, qreal ratio);
    const QImage& picture(const QString& word);

private:
    QHash<QString, QImage> own_;
    int side_ = 32;
    qreal ratio_ = 1;
    QHash<QString, QImage> shown_; // at the tiles' size
};

} // namespace pictolex
