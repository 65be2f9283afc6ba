// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/best_record.h"

#include "results/results_record.h"

namespace pictolex {

namespace {

// No record is this long; longer lines are not decoded to be looked at.
constexpr qsizetype kLongestDecodedLine = 4096;

// The time of a line that holds the time label. In UTF-8, as in Windows-1252, an ASCII byte is
// always the ASCII character, so the bytes are read as they stand; a line of another encoding,
// which may be Shift-JIS, is decoded first, unless it is too long to be a record.
std::optional<qint64> lineTime(QByteArrayView bytes, QString& text) {
    if (bytes.size() > kLongestDecodedLine || bytes.isValidUtf8())
        return parseRecordTime(bytes);
    decodeLogLine(bytes, text);
    return parseRecordTime(text);
}

} // namespace

std::optional<qsizetype> chooseBest(const LogLines& lines) {
    std::optional<qsizetype> best;
    qint64 bestTime = 0;
    QString text; // one line at a time, in room that grows to the longest decoded
    // The time item is plain ASCII in each of the log's encodings: a line without its label
    // holds no record, and need not be read further.
    const QByteArrayView label(kTimeLabel.data(), kTimeLabel.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArrayView bytes = lines.bytes(i);
        if (bytes.indexOf(label) < 0)
            continue;
        const auto time = lineTime(bytes, text);
        if (time && (!best || *time < bestTime)) {
            best = i;
            bestTime = *time;
        }
    }
    return best;
}

} // namespace pictolex
