// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRectF>
#include <array>
#include <map>

namespace pictolex {

// The parts of the board besides its cells.
enum class BoardPart { Title, Score, Time, Good, BestTitle, Best, Results, SeeTimes, StartAgain };
inline constexpr int kBoardParts = 9;

// Where a part stands on the board as designed, in logical pixels from the top left. A part
// held to the right edge has its left edge measured from the right edge of the space instead.
struct PartPlace {
    QRectF rect;
    bool fromRightEdge = false;
};

// The board as designed: the full grid of cells and the parts round it, at the size the design
// was laid out for, in logical pixels. The windows read it from their design.
struct BoardDesign {
    QSizeF size;            // the least room it needs, scaled up to fill a larger one
    int columns = 0;        // of the full grid
    int rows = 0;           // likewise
    QRectF firstPicture;    // cell 1's picture in the full grid
    QSizeF pitch;           // from one cell to the next, across and down
    double widestPitch = 0; // across, where fewer columns leave room for longer words
    double touchMargin = 0; // round a picture, where a touch or a click still reaches it
    QPointF wordOffset;     // a word's top left from its picture's top left
    QSizeF word;            // a word's size in the full grid
    double gridMargin = 0;  // the least room round a grid larger than the design's size
    std::map<int, QRectF> pictureExceptions; // cells of the full grid whose picture stands apart
    std::map<int, QRectF> wordExceptions;    // likewise for their words
    std::array<PartPlace, kBoardParts> parts;
};

// A cell's places: its picture, the room round it that takes a touch or click, and its word.
struct CellPlaces {
    QRectF picture;
    QRectF target;
    QRectF word;
    int row = 0; // counted from 0
};

// Everything on a board of some number of words in some space.
struct BoardGeometry {
    double scale = 1;        // of the design
    QRectF area;             // the design's area as placed
    QList<CellPlaces> cells; // cell i at i - 1
    std::array<QRectF, kBoardParts> parts;

    const CellPlaces& cell(int i) const { return cells[i - 1]; }
    const QRectF& part(BoardPart p) const { return parts[size_t(p)]; }
};

// Lays out a board of `words` cells in `space`, in logical pixels. The cells fill a grid as
// square as their number allows (at most the design's columns), row by row, centred on the
// place of the full grid, a short last row centred too; fewer columns stand further apart, up
// to the widest pitch, and their words have the room between them. The full grid keeps its
// exceptions. The whole design is scaled up uniformly to fill the space and centred in it,
// never scaled below its own size; the parts held to the right edge follow that edge.
BoardGeometry layBoard(const BoardDesign& design, int words, QSizeF space);

// A rectangle in whole pixels: its left, top, width and height each rounded.
QRect snapped(const QRectF& rect);

// Where the arrow keys go from a cell: along its row to the next cell, or to the next row up or
// down, to the cell whose centre is nearest across. 0 past the edge of the board.
enum class Step { Left, Right, Up, Down };
int cellBeside(const BoardGeometry& geometry, int cell, Step step);

} // namespace pictolex
