// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/board_model.h"

#include "platform/platform.h"
#include "rules/time_text.h"

#include <cmath>

namespace pictolex {

BoardModel::BoardModel() : BoardModel(builtInWords(), builtInInitialTags()) {}

BoardModel::BoardModel(QStringList words, const QStringList& initialTags)
    : words_(std::move(words)), tags_(QStringList{QString::fromLatin1(kSpareTag)} + initialTags),
      matched_(words_.size() + 1, false) {}

void BoardModel::exchange(int a, int b) {
    tags_[kSpare] = tags_[b];
    tags_[b] = tags_[a];
    tags_[a] = tags_[kSpare];
}

void BoardModel::resetTiles() {
    matched_.fill(false);
}

void BoardModel::shuffle(RandomSource& random) {
    const int cells = cellCount();
    for (int i = 1; i <= cells; ++i) {
        for (;;) {
            // j lies in 1 to N - 1: the last cell is never drawn as a partner.
            const int j = int(std::floor(random.next() * float(cells - 1))) + 1;
            exchange(i, j);
            const bool partnerInPlace = inPlace(j);
            const bool cellInPlace = inPlace(i);
            if (!partnerInPlace && !cellInPlace)
                break;
        }
    }
}

bool BoardModel::drop(int target, int source) {
    if (tag(source) != word(target) || isMatched(target))
        return false;
    exchange(source, target);
    return true;
}

void BoardModel::recount() {
    score_ = 0;
    for (int i = 1; i <= cellCount(); ++i) {
        if (inPlace(i)) {
            matched_[i] = true;
            ++score_;
        }
    }
}

QString scoreText(int score, int cells) {
    return QStringLiteral("Score =  %1 / %2").arg(score).arg(cells);
}

QString scoreResetText(int cells) {
    return QStringLiteral("Score = 0 / %1").arg(cells);
}

bool GameClock::tick(qint64 monotonicMs, bool complete) {
    if (!complete)
        elapsedTime_ = (monotonicMs - startMs_) / 1000;
    return complete;
}

QString GameClock::text() const {
    return kTimeLabel + formatElapsed(elapsedTime_);
}

} // namespace pictolex
