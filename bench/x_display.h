// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game.h"

#include <QSize>

namespace pictolex::bench {

// Starts `game` and answers the time in ms from just before it to when the first top-level
// window since is mapped on the X display named by DISPLAY; throws std::runtime_error when
// none is within 20 s. bench/run's display is the game's alone: the map is that of its window,
// or with openbox, of the frame round it, mapped right after the window. Given `size`, puts
// there the size of that window (inside its frame, if it has one).
double msToMap(Game& game, QSize* size = nullptr);

} // namespace pictolex::bench
