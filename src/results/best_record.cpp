// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/best_record.h"

#include "results/results_record.h"

namespace pictolex {

std::optional<qsizetype> chooseBest(const QStringList& linesOldestFirst) {
    std::optional<qsizetype> best;
    qint64 bestTime = 0;
    for (qsizetype i = 0; i < linesOldestFirst.size(); ++i) {
        const auto time = parseRecordTime(linesOldestFirst[i]);
        if (time && (!best || *time < bestTime)) {
            best = i;
            bestTime = *time;
        }
    }
    return best;
}

} // namespace pictolex
