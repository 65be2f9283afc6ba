// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLatin1StringView>
#include <QString>

namespace pictolex {

// What stands before a time taken, on the clock and in a record.
inline constexpr QLatin1StringView kTimeLabel("Time = ");

// A time taken as H:mm:ss: the total hours without a leading zero (so a round of a day and
// an hour reads "25:00:00"), then two-digit minutes and seconds. Negative values read as 0.
QString formatElapsed(qint64 seconds);

} // namespace pictolex
