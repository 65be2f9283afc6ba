// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figures.h"
#include "platform/system_services.h"
#include "windows/app_context.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace pictolex {
class GameBoard;
}

namespace pictolex::bench {

// A sound output that accepts every file and plays nothing.
class SilentAudio : public AudioFactory {
public:
    std::unique_ptr<AudioDevice> create() override;
};

// The two windows on the machine's clock, random source and screen, with the given sound
// output, taken past "Start" to a shown board. Timers are stepped by hand, so no tick comes
// between the drops being measured.
class BoardSession {
public:
    explicit BoardSession(AudioFactory& audio);
    ~BoardSession();

    GameBoard& board();
    // The next drop that matches: the unmatched cell with the lowest index, and the tile that
    // holds its picture. None when the round is complete.
    std::optional<std::pair<int, int>> nextMatch();

private:
    SystemClock clock_;
    SystemRandom random_;
    SystemScreen screen_;
    SystemMessageBoxes messages_;
    QString userFolder_; // none: the game's own sounds and pictures
    std::unique_ptr<AppContext> context_;
};

} // namespace pictolex::bench
