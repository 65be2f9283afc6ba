// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/display_columns.h"

#include <QDateTime>
#include <QLatin1StringView>
#include <QString>
#include <QStringView>

#include <optional>

namespace pictolex {

// What stands before the time taken in a record.
inline constexpr QLatin1StringView kTimeLabel("Time = ");

// Columns of a results record, counted from 1.
inline constexpr int kTimeColumn = 42;
inline constexpr int kDateColumn = 70;

// A time taken as H:mm:ss: the total hours without a leading zero (so a round of a day and
// an hour reads "25:00:00"), then two-digit minutes and seconds. Negative values read as 0.
QString formatElapsed(qint64 seconds);

// One results record, without its line end: the name from column 1, "Time = " and the time
// taken from column 42, the date yyyy/MM/dd, a space and the time of day H:mm:ss from
// column 70. Wide characters fill two columns. When the name reaches past column 41 it is
// followed by a single space instead, and likewise the time item when it reaches column 69
// or past it. A line break inside the name would split the record, so it becomes a space.
QString formatRecord(const QString& name, qint64 elapsedSeconds, const QDateTime& loggedAt);

// The time taken, in seconds, read from a line's "Time = H:mm:ss" item, which must be
// followed by spaces and a date item (its form is not checked: a date may be written in any
// short form). Nothing for a line that is not a record: an empty line,
// one written by hand, one cut short before its date.
std::optional<qint64> parseRecordTime(QStringView line);

} // namespace pictolex
