// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFuture>
#include <QImage>
#include <QString>
#include <QStringList>

namespace pictolex {

// Whether a player's or a teacher's picture can be shown, and if not, why. One rule for the
// check of a list and for the board: a picture is shown when, and only when, it decodes whole
// and within its cost.
enum class PictureCheck {
    Shown,
    Unreadable, // no ordinary file, or one that cannot be read, or no picture Qt reads
    Damaged,    // a picture that does not decode whole: damaged, or cut short
    TooLarge,   // one that would take too long to decode (kMostDecodingCost)
};

struct DecodedPicture {
    QImage image; // null unless shown
    PictureCheck check = PictureCheck::Unreadable;
};

// The largest square a picture is ever asked to fill, in device pixels, and the side the cost
// of every picture is judged at, so that one that passes the check shows at any size.
inline constexpr int kLargestPictureSide = 256;

// The picture in the file at `path`, decoded whole and turned upright as its camera says. A
// picture larger than a square of `side` device pixels (at most kLargestPictureSide) is fitted
// into it: shown whole, centred on a transparent ground, smoothly scaled; a smaller one is kept
// as it is, pixel for pixel. The image's device pixel ratio is 1. Never waits on a pipe; says
// nothing on the terminal. Safe to call on any number of threads at once.
DecodedPicture decodePicture(const QString& path, int side);

// The same for each of `paths`, on the worker threads of the global thread pool, several at
// once. The future's results come in the order of the paths (resultAt(i) for paths[i]);
// cancelling it stops the work at the next picture.
QFuture<DecodedPicture> decodePictures(const QStringList& paths, int side);

// Whether decodePicture shows the picture at `path`, decoding it whole as the board does.
PictureCheck checkPicture(const QString& path);
// The same for each of `paths`, several at once on the worker threads; waits for them all.
QList<PictureCheck> checkPictures(const QStringList& paths);

// A player's own picture fitted into a square of 32 logical pixels at the primary screen's
// device pixel ratio; a null image when it cannot be shown.
QImage playerPicture(const QString& path);

} // namespace pictolex
