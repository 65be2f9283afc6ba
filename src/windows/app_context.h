// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platform.h"

#include <functional>
#include <memory>

namespace pictolex {

class Form;
class GameBoardForm;
class StartScreenForm;

// How the two windows are made: the application above knows them.
struct WindowMakers {
    std::function<std::unique_ptr<StartScreenForm>(const Platform&)> startScreen;
    std::function<std::unique_ptr<GameBoardForm>(const Platform&)> gameBoard;
};

// Holds the machine's services and the single instance of each window. The program ends
// when no window is loaded any more.
class AppContext {
public:
    AppContext(Platform platform, WindowMakers makers, std::function<void()> onAllUnloaded);
    ~AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    static AppContext& current();

    const Platform& platform() const { return platform_; }

    StartScreenForm& startScreen();
    GameBoardForm& gameBoard();
    GameBoardForm* gameBoardIfMade() { return gameBoard_.get(); }

private:
    // Counts the window while it is loaded.
    void track(Form& window);

    Platform platform_;
    WindowMakers makers_;
    std::function<void()> onAllUnloaded_;
    std::unique_ptr<StartScreenForm> startScreen_;
    std::unique_ptr<GameBoardForm> gameBoard_;
    int loadedForms_ = 0;
};

} // namespace pictolex
