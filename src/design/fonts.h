// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

namespace pictolex {

namespace fonts {
inline const QString kHandwriting = QStringLiteral("Lucida Handwriting");
inline const QString kSansSerif = QStringLiteral("MS Sans Serif");
inline const QString kGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString kPopP = QStringLiteral("HGP創英角ﾎﾟｯﾌﾟ体");
inline const QString kPopS = QStringLiteral("HGS創英角ﾎﾟｯﾌﾟ体");
} // namespace fonts

// The design names its fonts by family and size in points; this is where they become the
// installed families that stand in for them.

// The named family at a size in points, or the installed family that stands in for it (at 96 dots
// per inch, so the layout holds on any screen). A missing pop face becomes the nearest heavy
// display face.
QFont namedFont(const QString& family, double points, bool bold, bool italic = false);

// The font at `scale` times its size, in whole pixels no larger, so that a caption that fits its
// control at the design's size fits it at any scale.
QFont scaledFont(const QFont& font, double scale);

// The font of the words under the pictures, on the board and in the demonstration.
QFont wordFont();
// How wide a word stands in that font, in logical pixels.
int wordWidth(const QString& word);
// Whether that font, or any installed font Qt falls back on, draws every character of a word:
// Korean, simplified Chinese or emoji draw as empty boxes where no font has them.
bool wordDrawable(const QString& word);

} // namespace pictolex
