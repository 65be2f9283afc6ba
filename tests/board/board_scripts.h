#pragma once

#include "board/words.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace pictolex::testing {

// The random values that draw the given partners j, one a draw.
inline std::vector<float> drawing(std::initializer_list<int> partners) {
    std::vector<float> values;
    for (const int j : partners)
        values.push_back((float(j) - 0.5f) / 35.0f);
    return values;
}

// Every cell i draws itself, but the cells named in `instead`, which draw the partners given.
inline std::vector<float> identityExcept(std::vector<std::pair<int, std::vector<int>>> instead) {
    std::vector<float> values;
    for (int i = 1; i <= kCells; ++i) {
        std::vector<int> partners{i};
        for (const auto& [cell, js] : instead)
            if (cell == i)
                partners = js;
        for (const int j : partners)
            values.push_back((float(j) - 0.5f) / 35.0f);
    }
    return values;
}

// The arrangement the board is built with, with some tiles given other contents.
inline QStringList initialWith(std::initializer_list<std::pair<int, const char*>> changes) {
    QStringList tags;
    for (const auto tag : kInitialTags)
        tags << QString::fromLatin1(tag);
    for (const auto& [cell, tag] : changes)
        tags[cell - 1] = QString::fromLatin1(tag);
    return tags;
}

// Cell 36 draws 35; every other cell draws itself: only tiles 35 and 36 change places.
inline std::vector<float> nearlyIdentity() {
    return identityExcept({{36, {35}}});
}

// Cell 1 draws 11 and so holds "music" while tile 23 holds "airplane": each holds the other's word.
inline std::vector<float> withPairCrossed() {
    return identityExcept({{1, {11}}, {36, {35}}});
}

// Cell 20 first draws 12, which puts "envelope" over its own word; that draw is rejected but
// stays on the board, and the next draw (20 itself) is accepted.
inline std::vector<float> leavingEnvelopeInPlace() {
    return identityExcept({{20, {12, 20}}, {36, {35}}});
}

} // namespace pictolex::testing
