// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QWidget>
#include <cmath>

namespace pictolex {

// The windows' design gives positions and sizes in twips, 15 to a logical pixel. They are
// turned into pixels here, as the windows read them; nothing below the windows knows twips.
inline constexpr double kTwipsPerPixel = 15;

constexpr double pixels(double twips) {
    return twips / kTwipsPerPixel;
}

constexpr QRectF pixels(const QRect& twips) {
    return QRectF(pixels(twips.x()), pixels(twips.y()), pixels(twips.width()),
                  pixels(twips.height()));
}

// Whole pixels, as a window shows them.
inline int toPixels(double twips) {
    return static_cast<int>(std::lround(pixels(twips)));
}

// Places a control by its left, top, width and height in twips.
inline void place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

} // namespace pictolex
