// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game.h"
#include "rules/cells.h"
#include "x_display.h"

#include <QRect>
#include <QRgb>
#include <array>

namespace pictolex::bench {

// The real game taken to its board as a player takes it: started, then "Start" pressed on the
// start screen with Tab and Return, the name box having the focus. Places on the board come
// from its layout (board/board_layout.h), in twips from the window's top left.
class BoardOnScreen {
public:
    // Throws std::runtime_error when the board does not show within 20 s.
    explicit BoardOnScreen(XDisplay& x);

    Game& game() { return game_; }
    QPoint onScreen(QPoint twips) const;
    // Whether the screen shows `colour`, or nearly, just inside the top left of `twips`.
    bool shows(const QRect& twips, QRgb colour);
    // Which word's picture each tile shows, [1] to [kCells], once the board shows them all.
    std::array<QString, kCells + 1> tiles();
    // Presses on tile `from`, moves onto tile `to` in steps as a hand would, and rests there
    // with the button down.
    void dragOnto(int from, int to);

private:
    XDisplay& x_;
    Game game_;
    xcb_window_t window_ = XCB_NONE;
};

} // namespace pictolex::bench
