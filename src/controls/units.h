// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>
#include <QtGlobal>
#include <cmath>

namespace pictolex {

// Layout values are kept in twips, 15 to a logical pixel.
inline constexpr int kTwipsPerPixel = 15;

constexpr int toPixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

constexpr int toTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// Places a control by its left, top, width and height in twips.
inline void place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

inline void place(QWidget* widget, const QRect& twips) {
    place(widget, twips.x(), twips.y(), twips.width(), twips.height());
}

// Colours are written as &HBBGGRR: blue in the high byte.
inline QColor bgr(quint32 value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

namespace colors {
inline constexpr quint32 kBlue = 0xFF0000;
inline constexpr quint32 kPink = 0xFF80FF;
inline constexpr quint32 kNavy = 0x800000;
inline constexpr quint32 kCyan = 0xFFFF00;
inline constexpr quint32 kDarkBlue = 0xC00000;
inline constexpr quint32 kPalePink = 0xFFC0FF;
} // namespace colors

} // namespace pictolex
