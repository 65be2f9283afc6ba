// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/words.h"

#include <QString>
#include <QStringList>

namespace pictolex {

class RandomSource;

// The board as the rules see it: which picture each tile holds (by its word), and which cells
// are marked matched. Cell i (1 to cellCount()) is tile i above word i; tile kSpare holds
// contents while two tiles exchange them. The words never move; only contents do.
class BoardModel {
public:
    // The game's own words, each tile holding its picture of kInitialTags.
    BoardModel();
    // Words for cells 1 to N; tile i holds initialTags[i - 1] until the first deal.
    BoardModel(QStringList words, const QStringList& initialTags);

    int cellCount() const { return int(words_.size()); }
    const QString& word(int cell) const { return words_[cell - 1]; }
    const QString& tag(int tile) const { return tags_[tile]; }
    bool isMatched(int cell) const { return matched_[cell]; }
    bool inPlace(int cell) const { return tag(cell) == word(cell); }
    int score() const { return score_; }
    bool isComplete() const { return score_ >= cellCount(); }

    // Exchanges the contents of tiles a and b through the spare tile.
    void exchange(int a, int b);
    // Every cell back to unmatched, every tile draggable.
    void resetTiles();
    // Deals the contents out afresh: for each cell in turn, exchange it with a partner drawn
    // as floor(r * (N - 1)) + 1, drawing again while either touched cell got its own word. A
    // rejected exchange stays on the board.
    void shuffle(RandomSource& random);
    // A drop of tile `source` on tile `target`: exchanges them when source's picture names
    // target's word and target is not matched yet. Answers whether it did.
    bool drop(int target, int source);
    // Marks every cell whose picture stands above its own word, and counts them.
    void recount();
    void resetScore() { score_ = 0; }

private:
    QStringList words_;
    QStringList tags_; // kSpare first
    QList<bool> matched_;
    int score_ = 0;
};

// "Score =  5 / 36" after a recount: the count carries one leading blank, where a sign would be.
QString scoreText(int score, int cells);
// "Score = 0 / 36", as a round starts.
QString scoreResetText(int cells);

// The round's clock: the whole seconds since the deal, read at each tick rather than counted in
// ticks, so late or skipped ticks never slow it, and read from the clock that only goes
// forward (Clock::monotonicMs), so setting the date and time changes nothing. It stops once
// the round is complete.
class GameClock {
public:
    void start(qint64 monotonicMs) {
        startMs_ = monotonicMs;
        elapsedTime_ = 0;
    }
    // One tick of a round that is complete or not yet. Answers whether it is complete.
    bool tick(qint64 monotonicMs, bool complete);

    qint64 elapsedSeconds() const { return elapsedTime_; }
    QString text() const;

private:
    qint64 startMs_ = 0;
    qint64 elapsedTime_ = 0;
};

} // namespace pictolex
