// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace pictolex {

// What a screen reader says of the board beyond the words and captions the child reads. The
// words stay English; the phrases round them are for grown-ups and go through translation.

// A tile: "banana, on the word airplane", and ", picked up" while it is picked.
QString tileName(const QString& picture, const QString& word, bool picked);
// A word: "airplane, matched" or "airplane, not matched".
QString wordName(const QString& word, bool matched);
// Said at a match: "banana. Score =  5 / 36".
QString matchNotice(const QString& word, const QString& score);

} // namespace pictolex
