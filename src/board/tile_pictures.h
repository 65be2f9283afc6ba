// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QImage>
#include <QString>

namespace pictolex {

// The pictures of a round's words at the size the tiles show them, each made once a size. The
// game's own are drawn from their 32 by 32 icons at that very size, and from their large pictures
// at any other, so that they stay sharp however far the board grows; a player's or a teacher's
// picture, from its own file.
class TilePictures {
public:
    // `folder` holds the player's or the list's pictures, <word>.png or <word>.jpg.
    explicit TilePictures(QString folder) : folder_(std::move(folder)) {}

    // The size of a tile's picture, in logical pixels, on a screen of `ratio` device pixels to
    // one. Answers whether it changed.
    bool setSize(int side, qreal ratio);
    const QImage& picture(const QString& word);

private:
    struct Source {
        QImage image;
        bool builtIn = false;
    };
    Source source(const QString& word) const;

    QString folder_;
    int side_ = 32;
    qreal ratio_ = 1;
    QHash<QString, Source> sources_; // as read from their files
    QHash<QString, QImage> shown_;   // at the tiles' size
};

} // namespace pictolex
