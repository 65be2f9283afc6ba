#pragma once

#include "shell/platform.h"

#include <functional>
#include <memory>

namespace pictolex {

class Form;
class StartScreen;
class GameBoard;

// Holds the machine's services and the single instance of each window. The program ends
// when no window is loaded any more.
class AppContext {
public:
    AppContext(Platform platform, std::function<void()> onAllUnloaded);
    ~AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    static AppContext& current();

    const Platform& platform() const { return platform_; }

    StartScreen& startScreen();
    GameBoard& gameBoard();

    void formLoaded();
    void formUnloaded();
    int loadedForms() const { return loadedForms_; }

private:
    Platform platform_;
    std::function<void()> onAllUnloaded_;
    std::unique_ptr<StartScreen> startScreen_;
    std::unique_ptr<GameBoard> gameBoard_;
    int loadedForms_ = 0;
    AppContext* previous_;
};

// The global accessors: each creates its window on first use, without loading it.
StartScreen& frmS();
GameBoard& frmBack();

} // namespace pictolex
