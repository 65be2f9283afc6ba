#include "board/game_clock.h"

#include "board/words.h"
#include "results/results_record.h"

namespace pictolex {

bool GameClock::tick(const QDateTime& now, int score) {
    if (score < kCells)
        elapsedTime_ = startTime_.secsTo(now);
    return score >= kCells;
}

QString GameClock::text() const {
    return QStringLiteral("Time = ") + formatElapsed(elapsedTime_);
}

} // namespace pictolex
