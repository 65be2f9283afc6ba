// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/cells.h"

#include <QRect>

namespace pictolex {

// Where the cells of a board of `cells` cells (up to kCells) stand, in twips. They fill a grid
// as square as their number allows, never taller than wide, row by row from the top left; the
// grid stands centred on the place of the full 6 by 6 grid, and a short last row is centred
// too. Tiles stand 2000 twips apart across and 1500 down, each word centred under its tile.
// The full board is the 6 by 6 grid, with its two exceptions: tile 13 sits a little lower, and
// word 33 is wider, to hold "traffic signal".

constexpr int gridColumns(int cells) {
    int columns = 1;
    while (columns * columns < cells && columns < kColumns)
        ++columns;
    return columns;
}

// The top left corner of a cell's tile, by the rule alone.
constexpr QPoint cellCorner(int cell, int cells) {
    const int columns = gridColumns(cells);
    const int rows = (cells + columns - 1) / columns;
    const int row = (cell - 1) / columns, column = (cell - 1) % columns;
    const int inRow = row == rows - 1 ? cells - row * columns : columns;
    return QPoint(2000 + 1000 * (kColumns - inRow) + 2000 * column,
                  1500 + 750 * (kRows - rows) + 1500 * row);
}

constexpr QRect tileRect(int cell, int cells = kCells) {
    const QPoint corner = cellCorner(cell, cells);
    const bool lowered = cells == kCells && cell == 13;
    return QRect(corner.x(), lowered ? 4560 : corner.y(), 480, 480);
}

constexpr QRect wordRect(int cell, int cells = kCells) {
    if (cells == kCells && cell == 33)
        return QRect(5580, 9705, 1320, 255);
    const QPoint corner = cellCorner(cell, cells);
    return QRect(corner.x() - 360, corner.y() + 700, 1200, 250);
}

} // namespace pictolex
