// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/time_text.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <QStringView>

#include <optional>

namespace pictolex {

// Columns of a results record, counted from 1.
inline constexpr int kTimeColumn = 42;
inline constexpr int kDateColumn = 70;

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
// The same, read from a line's bytes as they stand. The time item is ASCII, the same bytes in
// each of the log's encodings, so this reads what the decoded line reads, but in Shift-JIS, where
// the second byte of a two-byte character may look like an ASCII character.
std::optional<qint64> parseRecordTime(QByteArrayView line);

} // namespace pictolex
