// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace pictolex {

// The board: cells numbered 1 to kCells row by row from the top left, each a picture tile with
// its word beneath. Tile 0 is the spare tile, which holds contents while two tiles exchange them.
// The game's own words fill all kCells cells; a teacher's list fills fewer.
inline constexpr int kColumns = 6;
inline constexpr int kRows = 6;
inline constexpr int kCells = kColumns * kRows;
inline constexpr int kSpare = 0;

} // namespace pictolex
