// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/cell_layout.h"

#include <QRect>

namespace pictolex {

// Where a cell's tile can be touched or clicked, in twips: 720 by 720 (48 by 48 pixels) round
// its picture, which keeps its place. The room stays clear of the words (220 twips below a
// picture) and of the neighbours (2000 across, 1500 down).
constexpr QRect tileTarget(int cell, int cells = kCells) {
    return tileRect(cell, cells).adjusted(-120, -120, 120, 120);
}

// The tile next to `cell` on the screen in the direction (dx, dy), one of them 0: the nearest
// tile ahead whose centre lies within a picture's breadth of the line through the cell's
// centre. 0 at the edge of the board.
constexpr int tileBeside(int cell, int dx, int dy, int cells = kCells) {
    const auto abs = [](int v) { return v < 0 ? -v : v; };
    const QPoint from = tileRect(cell, cells).center();
    int best = 0, bestDistance = 0;
    for (int other = 1; other <= cells; ++other) {
        const QPoint d = tileRect(other, cells).center() - from;
        const int ahead = d.x() * dx + d.y() * dy, aside = abs(d.x() * dy) + abs(d.y() * dx);
        if (ahead > 0 && aside < tileRect(cell, cells).width() && (!best || ahead < bestDistance)) {
            best = other;
            bestDistance = ahead;
        }
    }
    return best;
}

// Where the other controls stand, in twips, as the window is laid out before the buttons are
// moved to the right edge of the screen.
namespace layout {
inline constexpr QRect kTitle{5280, 180, 4095, 975};
inline constexpr QRect kScore{1680, 480, 1485, 435};
inline constexpr QRect kTime{10020, 480, 1350, 435};
inline constexpr QRect kGood{5040, 480, 4635, 435}; // over the title, which it replaces
inline constexpr QRect kBestTitle{1320, 540, 2055, 375};
inline constexpr QRect kBest{1320, 1020, 11715, 375};
inline constexpr QRect kSeeTimes{12300, 480, 1365, 945};
inline constexpr QRect kStartAgain{12360, 1740, 1365, 945};
inline constexpr QRect kResults{1260, 1500, 11775, 8700}; // over the whole grid
} // namespace layout

} // namespace pictolex
