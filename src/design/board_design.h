// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/board_layout.h"

namespace pictolex {

// The game board as designed: its full grid of kColumns by kRows cells and the parts round it,
// read from the design's twips.
const BoardDesign& boardDesign();

// How wide a word may stand under the picture of `cell` on a board of `cells` cells, in logical
// pixels at the design's size.
double wordRoom(int cell, int cells);
// Whether a word fits there, in the word font.
bool wordFits(const QString& word, int cell, int cells);

} // namespace pictolex
