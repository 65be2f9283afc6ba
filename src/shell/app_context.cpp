#include "shell/app_context.h"

#include "board/game_board.h"
#include "start_screen/start_screen.h"

#include <QtGlobal>

namespace pictolex {

namespace {
AppContext* g_current = nullptr;
}

AppContext::AppContext(Platform platform, std::function<void()> onAllUnloaded)
    : platform_(platform), onAllUnloaded_(std::move(onAllUnloaded)), previous_(g_current) {
    g_current = this;
}

AppContext::~AppContext() {
    // The board goes first: it is the one that refers to the start screen.
    gameBoard_.reset();
    startScreen_.reset();
    if (g_current == this)
        g_current = previous_;
}

AppContext& AppContext::current() {
    Q_ASSERT(g_current);
    return *g_current;
}

StartScreen& AppContext::startScreen() {
    if (!startScreen_)
        startScreen_ = std::make_unique<StartScreen>(*this);
    return *startScreen_;
}

GameBoard& AppContext::gameBoard() {
    if (!gameBoard_)
        gameBoard_ = std::make_unique<GameBoard>(*this);
    return *gameBoard_;
}

void AppContext::formLoaded() {
    ++loadedForms_;
}

void AppContext::formUnloaded() {
    --loadedForms_;
    if (loadedForms_ == 0 && onAllUnloaded_)
        onAllUnloaded_();
}

StartScreen& frmS() {
    return AppContext::current().startScreen();
}
GameBoard& frmBack() {
    return AppContext::current().gameBoard();
}

} // namespace pictolex
