// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/log_text.h"

#include <QByteArray>
#include <QString>

namespace pictolex {

// The file operations under the results log. Each answers an empty text on success, or the
// reason it failed in plain words, fit to follow "because".

// The reason for the errno value, naming the file or folder.
QString fileErrorReason(int error, const QString& filePath);

// Creates the folder and any missing folders above it.
QString makeFolder(const QString& folder);

// Appends the line and CR LF to the file, creating it, in a single write; when the file does
// not end with a line end, a line end goes first, in the same write. Then syncs to the disk.
// Only an ordinary file is written to; a write that fails half way is taken back.
QString appendLineToFile(const QString& filePath, const QByteArray& line);

// The most of a log that is read: about three million records.
inline constexpr qsizetype kMaxLogBytes = qsizetype(256) << 20;

// The lines of the file, oldest first; none and no reason when the file does not exist. Only
// an ordinary file is read; of one larger than kMaxLogBytes, the newest lines, with a reason.
LogLines readLogFile(const QString& filePath, QString& reason);

} // namespace pictolex
