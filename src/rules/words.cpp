// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/words.h"

namespace pictolex {

namespace {

QStringList texts(const std::array<std::string_view, kCells>& words) {
    QStringList list;
    for (const std::string_view word : words)
        list << QString::fromUtf8(word.data(), qsizetype(word.size()));
    return list;
}

} // namespace

QStringList builtInWords() {
    return texts(kWords);
}

QStringList builtInInitialTags() {
    return texts(kInitialTags);
}

} // namespace pictolex
