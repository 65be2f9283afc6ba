// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/log_text.h"

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace pictolex {

// The file operations under the results log. Each answers an empty text on success, or the
// reason it failed in plain words, fit to follow "because".

// The reason for the errno value, naming the file or folder.
QString fileErrorReason(int error, const QString& filePath);

// The reason a file could not be opened. When permission is lacking, the folder is named if it
// is what stands in the way: it cannot be searched, or the file is not there to be opened.
QString openErrorReason(int error, const QString& filePath);

// The size of the open file (a descriptor from open(), maybe -1 with errno set), or -1 with
// the reason when it could not be opened or is not an ordinary file: a pipe or a device would
// block the game, or never end. Open with O_NONBLOCK, so that opening never waits.
qsizetype ordinaryFileSize(int fd, const QString& filePath, QString& reason);

// Creates the folder and any missing folders above it.
QString makeFolder(const QString& folder);

// The calls that make an appended line last, or take it back. A disk seldom fails them; tests
// put calls in their place that fail.
struct AppendCalls {
    int (*fsync)(int fd);
    int (*ftruncate)(int fd, off_t length);
    int (*close)(int fd);
};
// The system's own calls.
AppendCalls systemAppendCalls();

// Appends the line and CR LF to the file, creating it, in a single write; when the file does
// not end with a line end, a line end goes first, in the same write. Then syncs to the disk.
// Only an ordinary file is written to. An append that fails is taken back, even when it failed
// only at the sync, unless something else wrote to the file meanwhile. Else the line may still
// be in the file, and mayBeInFile is set; it is cleared otherwise.
QString appendLineToFile(const QString& filePath, const QByteArray& line, const AppendCalls& calls,
                         bool& mayBeInFile);

// The most of a log that is read: about three million records.
inline constexpr qsizetype kMaxLogBytes = qsizetype(256) << 20;

// What was read of a log.
struct LogRead {
    LogLines lines;   // oldest first; none when the file does not exist
    QString failed;   // why it could not be read; then there are no lines
    QString onlySome; // why only the newest lines are read, if so
};

// Reads the file, only an ordinary one. Of a file larger than kMaxLogBytes, or of more than
// kMaxLogLines lines, the newest lines.
LogRead readLogFile(const QString& filePath);

} // namespace pictolex
