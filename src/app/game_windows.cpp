// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_windows.h"

#include "board/game_board.h"
#include "start_screen/start_screen.h"

namespace pictolex {

GameWindows::GameWindows(Platform platform, const QString& askedList,
                         std::function<void()> onAllUnloaded)
    : platform_(platform), onAllUnloaded_(std::move(onAllUnloaded)),
      startScreen_(std::make_unique<StartScreen>(platform_, askedList)) {
    track(*startScreen_);
    QObject::connect(startScreen_.get(), &StartScreen::started, startScreen_.get(),
                     [this](const Round& round) { play(round); });
    // Closing the start screen, before "Start" or from outside, closes the board too.
    QObject::connect(startScreen_.get(), &Form::unloading, startScreen_.get(),
                     [this] { closeBoard(); });
}

GameWindows::~GameWindows() {
    board_.reset();
    startScreen_.reset();
}

void GameWindows::play(const Round& round) {
    board_ = std::make_unique<GameBoard>(platform_, round);
    track(*board_);
    // Closing the board silences the hidden start screen and closes it.
    QObject::connect(board_.get(), &Form::unloading, board_.get(), [this] { closeStartScreen(); });
    board_->show();
}

void GameWindows::closeStartScreen() {
    stopSound(*startScreen_);
    startScreen_->unload();
}

void GameWindows::closeBoard() {
    // A board that was never opened is not made only to be closed.
    if (board_)
        board_->unload();
}

void GameWindows::track(Form& window) {
    QObject::connect(&window, &Form::loaded, &window, [this] { ++loadedWindows_; });
    QObject::connect(&window, &Form::unloaded, &window, [this] {
        if (--loadedWindows_ == 0 && onAllUnloaded_)
            onAllUnloaded_();
    });
}

} // namespace pictolex
