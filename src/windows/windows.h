// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/form.h"
#include "word_lists/word_list.h"

class QLineEdit;

namespace pictolex {

class WindowTimer;

// The start screen, as the game board reaches it.
class StartScreenForm : public Form {
public:
    using Form::Form;
    // The folder of the sounds, with a trailing '/'.
    virtual QString rootPath() = 0;
    // The box holding the player's name.
    virtual QLineEdit& nameBox() = 0;
    // The words to play: the chosen list, or the game's own when it cannot be played.
    virtual const WordList& wordList() = 0;
};

// The game board, as the start screen reaches it.
class GameBoardForm : public Form {
public:
    using Form::Form;
    // The timer of the game clock.
    virtual WindowTimer& clockTimer() = 0;
};

// The single instance of each window, made on first use; it loads when first shown or asked
// for its state.
StartScreenForm& frmS();
GameBoardForm& frmBack();
// Unloads the game board if it was ever made: a board that was never opened is not built only
// to be unloaded.
void unloadGameBoard();

} // namespace pictolex
