// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace pictolex {

// A player's or a teacher's picture from its file, turned as its camera says and fitted into a
// square of 32 logical pixels. A null image when the path names no ordinary file, or when the
// picture cannot be read whole and cheaply: it is damaged, cut short, or too large.
QImage playerPicture(const QString& path);

// Whether playerPicture can show the file, as far as its header tells: damage further in shows
// only as it is decoded.
enum class PictureCheck { Shown, Unreadable, TooLarge };
PictureCheck checkPlayerPicture(const QString& path);

} // namespace pictolex
