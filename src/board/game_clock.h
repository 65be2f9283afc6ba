#pragma once

#include <QDateTime>
#include <QString>

namespace pictolex {

// The round's clock, read from the wall clock at each tick rather than counted in ticks, so
// late or skipped ticks never slow it. It stops once all 36 cells are matched.
class GameClock {
public:
    void start(const QDateTime& now) { startTime_ = now; }
    // One tick. Answers whether the round is complete.
    bool tick(const QDateTime& now, int score);

    const QDateTime& startTime() const { return startTime_; }
    qint64 elapsedSeconds() const { return elapsedTime_; }
    QString text() const;

private:
    QDateTime startTime_;
    qint64 elapsedTime_ = 0;
};

inline const QString kClockReset = QStringLiteral("Time = 0:00:00");

} // namespace pictolex
