// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/log_file_io.h"
#include "results/log_text.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace pictolex {

// The results log: a text file of records, one a line, each ended by CR LF, oldest first.
// The program only ever appends to it, and takes back no more than the bytes of its own record
// that failed; it never rewrites or deletes it, and reading it never changes its bytes.
class ResultsLog {
public:
    explicit ResultsLog(QString filePath, AppendCalls calls = systemAppendCalls());

    const QString& filePath() const { return path_; }

    // Appends the line and a CR LF as one write, then syncs the file to the disk. The folder
    // is created when it is missing. When the file does not end with a line end, the line
    // starts on a new line. A lock file beside the log keeps two programs from appending at
    // once. Answers an empty text, or a sentence telling the player why it failed. A record
    // that failed is not in the log, except when it was written and could neither be made
    // sure of nor taken back: then *mayBeSaved (when given) is set, and the sentence says so.
    QString append(const QString& line, bool* mayBeSaved = nullptr) const;

    // Every line of the log, oldest first; none when it does not exist yet. On failure, no
    // lines, and *error (when given) is set to a sentence telling why; else it is cleared. Of
    // a log too large to hold, or of more lines than are kept, the newest lines, and a sentence
    // that says so. Games read at the same time as each other, but not while one appends.
    LogLines read(QString* error = nullptr) const;

private:
    QString path_;
    AppendCalls calls_;
};

// What "See All Times" shows after logging a finished round.
struct ResultsView {
    LogLines lines;                // the lines of the log, oldest first
    std::optional<qsizetype> best; // index into lines of the best record, if any
    bool saved = false;            // the round's record is in the log
    bool mayBeSaved = false;       // the record may be in the log: it is not to be saved again
    QString error;                 // empty, or a sentence for the player
};

// Appends the round's record, then reads the whole log back and picks the best record.
// When the record cannot be saved, nothing is read: the view holds only the error, so that
// the board can stay as it was and the player can try again. When it is saved but the log
// cannot be read back, saved is true, there are no lines, and the error tells why. When it
// may have been saved, the log is read back as after saving, and the error says so first.
ResultsView logAndRead(const ResultsLog& log, const QString& name, qint64 elapsedSeconds,
                       const QDateTime& now);

} // namespace pictolex
