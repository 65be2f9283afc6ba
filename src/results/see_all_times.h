#pragma once

#include "results/results_log.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace pictolex {

// What "See All Times" shows after logging a finished round.
struct ResultsView {
    QStringList lines;             // every line of the log, oldest first
    std::optional<qsizetype> best; // index into lines of the best record, if any
    bool saved = false;            // the round's record is in the log
    QString error;                 // empty, or a sentence for the player
};

// Appends the round's record, then reads the whole log back and picks the best record.
// When the record cannot be saved, nothing is read: the view holds only the error, so that
// the board can stay as it was and the player can try again. When it is saved but the log
// cannot be read back, saved is true, there are no lines, and the error tells why.
ResultsView logAndRead(const ResultsLog& log, const QString& name, qint64 elapsedSeconds,
                       const QDateTime& now);

} // namespace pictolex
