// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platform.h"

#include <functional>
#include <memory>

namespace pictolex {

class Form;
class GameBoard;
class StartScreen;
struct Round;

// The game's two windows and how they meet: the start screen first; its "Start" makes the
// board for the round it hands over. Closing either window closes the other, and the program
// ends when no window is loaded any more.
class GameWindows {
public:
    // `askedList` names the list to start with, in place of the one last chosen.
    GameWindows(Platform platform, const QString& askedList, std::function<void()> onAllUnloaded);
    ~GameWindows();
    GameWindows(const GameWindows&) = delete;
    GameWindows& operator=(const GameWindows&) = delete;

    StartScreen& startScreen() { return *startScreen_; }
    // The board, once "Start" has made it.
    GameBoard* board() { return board_.get(); }

private:
    void play(const Round& round);
    void closeStartScreen();
    void closeBoard();
    void track(Form& window);

    Platform platform_;
    std::function<void()> onAllUnloaded_;
    std::unique_ptr<StartScreen> startScreen_;
    std::unique_ptr<GameBoard> board_;
    int loadedWindows_ = 0;
};

} // namespace pictolex
