// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/best_record.h"

#include "results/results_record.h"

namespace pictolex {

std::optional<qsizetype> chooseBest(const LogLines& lines) {
    std::optional<qsizetype> best;
    qint64 bestTime = 0;
    QString text; // one line at a time, in room that grows to the longest
    // The time item is plain ASCII in each of the log's encodings: a line without its label
    // holds no record, and need not be decoded.
    const QByteArrayView label(kTimeLabel.data(), kTimeLabel.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines.bytes(i).indexOf(label) < 0)
            continue;
        decodeLogLine(lines.bytes(i), text);
        const auto time = parseRecordTime(text);
        if (time && (!best || *time < bestTime)) {
            best = i;
            bestTime = *time;
        }
    }
    return best;
}

} // namespace pictolex
