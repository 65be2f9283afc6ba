// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/log_text.h"

#include <optional>

namespace pictolex {

// The index of the best record: the shortest time taken, hours included. Among equal times
// the oldest record wins. Lines that hold no record are passed over; nothing when no line does.
std::optional<qsizetype> chooseBest(const LogLines& lines);

} // namespace pictolex
