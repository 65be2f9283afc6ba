#include "board/board_model.h"

#include "shell/platform.h"

#include <cmath>

namespace pictolex {

BoardModel::BoardModel() {
    tags_[0] = QString::fromLatin1(kSpareTag);
    for (int i = 1; i <= kCells; ++i)
        tags_[size_t(i)] = QString::fromLatin1(kInitialTags[size_t(i - 1)]);
}

void BoardModel::exchange(int a, int b) {
    tags_[0] = tags_[size_t(b)];
    tags_[size_t(b)] = tags_[size_t(a)];
    tags_[size_t(a)] = tags_[0];
}

void BoardModel::resetTiles() {
    matched_.fill(false);
}

int BoardModel::shuffle(RandomSource& random) {
    int draws = 0;
    for (int i = 1; i <= kCells; ++i) {
        for (;;) {
            ++draws;
            // j lies in 1 to 35: cell 36 is never drawn as a partner.
            const int j = int(std::floor(random.next() * 35.0f)) + 1;
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
    return QStringLiteral("Score =  %1 / 36").arg(score);
}

} // namespace pictolex
