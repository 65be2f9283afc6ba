// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/app_context.h"

#include "windows/windows.h"

namespace pictolex {

namespace {
AppContext* g_current = nullptr;
}

AppContext::AppContext(Platform platform, WindowMakers makers, std::function<void()> onAllUnloaded)
    : platform_(platform), makers_(std::move(makers)), onAllUnloaded_(std::move(onAllUnloaded)) {
    Q_ASSERT(!g_current);
    g_current = this;
}

AppContext::~AppContext() {
    // The board goes first: it is the one that refers to the start screen.
    gameBoard_.reset();
    startScreen_.reset();
    g_current = nullptr;
}

AppContext& AppContext::current() {
    Q_ASSERT(g_current);
    return *g_current;
}

StartScreenForm& AppContext::startScreen() {
    if (!startScreen_) {
        startScreen_ = makers_.startScreen(platform_);
        track(*startScreen_);
    }
    return *startScreen_;
}

GameBoardForm& AppContext::gameBoard() {
    if (!gameBoard_) {
        gameBoard_ = makers_.gameBoard(platform_);
        track(*gameBoard_);
    }
    return *gameBoard_;
}

void AppContext::track(Form& window) {
    QObject::connect(&window, &Form::loaded, [this] { ++loadedForms_; });
    QObject::connect(&window, &Form::unloaded, [this] {
        if (--loadedForms_ == 0 && onAllUnloaded_)
            onAllUnloaded_();
    });
}

StartScreenForm& frmS() {
    return AppContext::current().startScreen();
}
GameBoardForm& frmBack() {
    return AppContext::current().gameBoard();
}
void unloadGameBoard() {
    if (GameBoardForm* board = AppContext::current().gameBoardIfMade())
        board->unload();
}

} // namespace pictolex
