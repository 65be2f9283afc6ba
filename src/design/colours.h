// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace pictolex {

// The design writes colours as &HBBGGRR, blue in the high byte.
inline QColor bgr(quint32 value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

// The design's colours, as the windows use them.
namespace colors {
inline const QColor kBlue = bgr(0xFF0000);     // the windows' ground
inline const QColor kPink = bgr(0xFF80FF);     // an unmatched word; captions on blue
inline const QColor kNavy = bgr(0x800000);     // the words' letters
inline const QColor kCyan = bgr(0xFFFF00);     // a matched word; the title
inline const QColor kDarkBlue = bgr(0xC00000); // the best time's letters
inline const QColor kPalePink = bgr(0xFFC0FF); // the results list
} // namespace colors

} // namespace pictolex
