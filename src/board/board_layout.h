// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/cell_layout.h"

#include <QRect>

namespace pictolex {

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
