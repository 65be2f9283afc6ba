// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_session.h"

#include "app/application.h"
#include "board/game_board.h"
#include "board/tile.h"
#include "controls/label.h"
#include "start_screen/start_screen.h"

#include <QApplication>
#include <QWindow>
#include <algorithm>

namespace pictolex::bench {

namespace {

class SilentDevice : public AudioDevice {
public:
    bool open(const QString&) override { return true; }
    void play() override {}
    void close() override {}
};

} // namespace

std::unique_ptr<AudioDevice> SilentAudio::create() {
    return std::make_unique<SilentDevice>();
}

BoardSession::BoardSession(AudioFactory& audio)
    : context_(std::make_unique<AppContext>(
          Platform{clock_, random_, screen_, audio, messages_, userFolder_, false}, gameWindows(),
          [] {})) {
    frmS().show();
    static_cast<StartScreen&>(frmS()).cmdStart_Click();
    // Until the window system has shown the board, painting it costs nothing.
    while (!board().windowHandle() || !board().windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    QApplication::processEvents();
}

BoardSession::~BoardSession() {
    context_.reset();
}

GameBoard& BoardSession::board() {
    return static_cast<GameBoard&>(frmBack());
}

std::optional<std::pair<int, int>> BoardSession::nextMatch() {
    // A matched word is cyan; a tile's tag names its picture.
    for (int cell = 1; cell <= kCells; ++cell) {
        const Label& word = *board().lbl[size_t(cell)];
        if (word.backColor() == QColor(0, 255, 255))
            continue;
        for (int source = 1; source <= kCells; ++source)
            if (board().img[size_t(source)]->tag() == word.caption())
                return std::pair{cell, source};
    }
    return std::nullopt;
}

} // namespace pictolex::bench
