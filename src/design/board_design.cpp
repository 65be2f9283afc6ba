// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/board_design.h"

#include "design/fonts.h"
#include "design/units.h"
#include "rules/cells.h"

namespace pictolex {

namespace {

BoardDesign readDesign() {
    BoardDesign d;
    // The client area as laid out, 14340 by 10650 twips, made as wide as the narrowest screen
    // the board is for, 1024 pixels, where the buttons held to its right edge clear the rest.
    d.size = QSizeF(1024, pixels(10650));
    d.columns = kColumns;
    d.rows = kRows;
    // Cell 1's picture; each next one 2000 twips across and 1500 down; its word 220 twips below
    // it, centred under it. Fewer columns stand up to 3000 twips apart.
    d.firstPicture = pixels(QRect(2000, 1500, 480, 480));
    d.pitch = pixels(QRect(0, 0, 2000, 1500)).size();
    d.widestPitch = pixels(3000);
    d.wordOffset = pixels(QRect(-360, 700, 0, 0)).topLeft();
    d.word = pixels(QRect(0, 0, 1200, 250)).size();
    // A picture takes a touch or a click 120 twips round it (48 by 48 pixels in all), clear of
    // its word and its neighbours.
    d.touchMargin = pixels(120);
    d.gridMargin = pixels(600);
    // Cell 13's picture sits a little lower; word 33 is wider, to hold "traffic signal".
    d.pictureExceptions = {{13, pixels(QRect(2000, 4560, 480, 480))}};
    d.wordExceptions = {{33, pixels(QRect(5580, 9705, 1320, 255))}};
    const auto at = [&d](BoardPart part, const QRect& twips, bool fromRightEdge = false) {
        d.parts[size_t(part)] = PartPlace{pixels(twips), fromRightEdge};
    };
    at(BoardPart::Title, {5280, 180, 4095, 975});
    at(BoardPart::Score, {1680, 480, 1485, 435});
    at(BoardPart::Time, {10020, 480, 1350, 435});
    at(BoardPart::Good, {5040, 480, 4635, 435}); // over the title, which it replaces
    at(BoardPart::BestTitle, {1320, 540, 2055, 375});
    at(BoardPart::Best, {1320, 1020, 11715, 375});
    at(BoardPart::Results, {1260, 1500, 11775, 8700}); // over the whole grid
    // The buttons stand 500 twips in from the right edge, both measured with the width of
    // "See All Times", one 500 twips below the other.
    at(BoardPart::SeeTimes, {-1365 - 500, 500, 1365, 945}, true);
    at(BoardPart::StartAgain, {-1365 - 500, 945 + 500 + 500, 1365, 945}, true);
    return d;
}

} // namespace

const BoardDesign& boardDesign() {
    static const BoardDesign design = readDesign();
    return design;
}

double wordRoom(int cell, int cells) {
    return layBoard(boardDesign(), cells, boardDesign().size).cell(cell).word.width();
}

bool wordFits(const QString& word, int cell, int cells) {
    return wordWidth(word) <= wordRoom(cell, cells);
}

} // namespace pictolex
