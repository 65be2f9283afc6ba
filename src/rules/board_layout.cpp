// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/board_layout.h"

#include <algorithm>
#include <cmath>

namespace pictolex {

namespace {

int gridColumns(int cells, int most) {
    int columns = 1;
    while (columns * columns < cells && columns < most)
        ++columns;
    return columns;
}

// The cells of the grid, in design pixels.
QList<CellPlaces> cellPlaces(const BoardDesign& d, int cells) {
    const int columns = gridColumns(cells, d.columns);
    const int rows = (cells + columns - 1) / columns;
    const double across =
        std::clamp(d.pitch.width() * d.columns / columns, d.pitch.width(), d.widestPitch);
    const double wordWidth = d.word.width() + across - d.pitch.width();
    // The middle of the full grid, on which a smaller one is centred.
    const QPointF middle = d.firstPicture.topLeft() +
                           QPointF(((d.columns - 1) * d.pitch.width() + d.firstPicture.width()) / 2,
                                   ((d.rows - 1) * d.pitch.height() + d.firstPicture.height()) / 2);
    const bool full = cells == d.columns * d.rows;
    QList<CellPlaces> places;
    for (int i = 0; i < cells; ++i) {
        const int row = i / columns, column = i % columns;
        const int inRow = row == rows - 1 ? cells - row * columns : columns;
        const QPointF corner(
            middle.x() - ((inRow - 1) * across + d.firstPicture.width()) / 2 + column * across,
            middle.y() - ((rows - 1) * d.pitch.height() + d.firstPicture.height()) / 2 +
                row * d.pitch.height());
        CellPlaces cell;
        cell.picture = QRectF(corner, d.firstPicture.size());
        cell.word = QRectF(corner + d.wordOffset - QPointF((wordWidth - d.word.width()) / 2, 0),
                           QSizeF(wordWidth, d.word.height()));
        if (const auto apart = d.pictureExceptions.find(i + 1);
            full && apart != d.pictureExceptions.end())
            cell.picture = apart->second;
        if (const auto apart = d.wordExceptions.find(i + 1);
            full && apart != d.wordExceptions.end())
            cell.word = apart->second;
        cell.target = cell.picture.marginsAdded(
            QMarginsF(d.touchMargin, d.touchMargin, d.touchMargin, d.touchMargin));
        cell.row = row;
        places << cell;
    }
    return places;
}

// The design's area: its own size, grown where a grid larger than it was designed for needs.
QRectF designArea(const BoardDesign& d, const QList<CellPlaces>& cells) {
    const QMarginsF margin(d.gridMargin, d.gridMargin, d.gridMargin, d.gridMargin);
    QRectF area(QPointF(0, 0), d.size);
    for (const CellPlaces& cell : cells)
        area |= cell.word.united(cell.target).marginsAdded(margin);
    return area;
}

} // namespace

BoardGeometry layBoard(const BoardDesign& design, int words, QSizeF space) {
    BoardGeometry g;
    g.cells = cellPlaces(design, words);
    const QRectF area = designArea(design, g.cells);
    g.scale = std::max(1.0, std::min(space.width() / area.width(), space.height() / area.height()));
    // The space in design pixels, and the design's area centred in it (kept at the top left
    // when the space is smaller than the design).
    const QSizeF logical = space / g.scale;
    const QPointF offset(std::max(0.0, (logical.width() - area.width()) / 2) - area.left(),
                         std::max(0.0, (logical.height() - area.height()) / 2) - area.top());
    const auto place = [&](const QRectF& r) {
        return QRectF((r.topLeft() + offset) * g.scale, r.size() * g.scale);
    };
    g.area = place(area);
    for (CellPlaces& cell : g.cells) {
        cell.picture = place(cell.picture);
        cell.target = place(cell.target);
        cell.word = place(cell.word);
    }
    for (int p = 0; p < kBoardParts; ++p) {
        const PartPlace& part = design.parts[size_t(p)];
        QRectF r = place(part.rect);
        if (part.fromRightEdge)
            r.moveLeft(space.width() + part.rect.left() * g.scale);
        g.parts[size_t(p)] = r;
    }
    return g;
}

QRect snapped(const QRectF& r) {
    return QRect(int(std::lround(r.x())), int(std::lround(r.y())), int(std::lround(r.width())),
                 int(std::lround(r.height())));
}

int cellBeside(const BoardGeometry& g, int cell, Step step) {
    const CellPlaces& from = g.cell(cell);
    const int cells = int(g.cells.size());
    if (step == Step::Left || step == Step::Right) {
        const int next = cell + (step == Step::Left ? -1 : 1);
        return next >= 1 && next <= cells && g.cell(next).row == from.row ? next : 0;
    }
    const int row = from.row + (step == Step::Up ? -1 : 1);
    int best = 0;
    double bestDistance = 0;
    for (int other = 1; other <= cells; ++other) {
        const double distance =
            std::abs(g.cell(other).picture.center().x() - from.picture.center().x());
        if (g.cell(other).row == row && (!best || distance < bestDistance)) {
            best = other;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace pictolex
