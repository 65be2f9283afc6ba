// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/board_model.h"

#include "platform/platform.h"
#include "rules/time_text.h"

#include <cmath>

namespace pictolex {

BoardModel::BoardModel() {
    tags_[kSpare] = QString::fromLatin1(kSpareTag);
    for (int i = 1; i <= kCells; ++i)
        tags_[size_t(i)] = QString::fromLatin1(kInitialTags[size_t(i - 1)]);
}

void BoardModel::exchange(int a, int b) {
    tags_[kSpare] = tags_[size_t(b)];
    tags_[size_t(b)] = tags_[size_t(a)];
    tags_[size_t(a)] = tags_[kSpare];
}

void BoardModel::resetTiles() {
    matched_.fill(false);
}

int BoardModel::shuffle(RandomSource& random) {
    int draws = 0;
    for (int i = 1; i <= kCells; ++i) {
        for (;;) {
            ++draws;
            // j lies in 1 to kCells - 1: the last cell is never drawn as a partner.
            const int j = int(std::floor(random.next() * float(kCells - 1))) + 1;
            exchange(i, j);
            const bool partnerInPlace = inPlace(j);
            const bool cellInPlace = inPlace(i);
            if (!partnerInPlace && !cellInPlace)
                break;
        }
    }
    return draws;
}

bool BoardModel::drop(int target, int source) {
    if (tag(source) != word(target) || isMatched(target))
        return false;
    exchange(source, target);
    return true;
}

void BoardModel::recount() {
    score_ = 0;
    for (int i = 1; i <= kCells; ++i) {
        if (inPlace(i)) {
            matched_[size_t(i)] = true;
            ++score_;
        }
    }
}

QString scoreText(int score) {
    return QStringLiteral("Score =  %1 / %2").arg(score).arg(kCells);
}

QString scoreResetText() {
    return QStringLiteral("Score = 0 / %1").arg(kCells);
}

bool GameClock::tick(qint64 monotonicMs, int score) {
    if (score < kCells)
        elapsedTime_ = (monotonicMs - startMs_) / 1000;
    return score >= kCells;
}

QString GameClock::text() const {
    return kTimeLabel + formatElapsed(elapsedTime_);
}

} // namespace pictolex
