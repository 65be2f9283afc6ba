// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace pictolex {

// What a screen reader says of the board beyond the words and captions the child reads. The
// words stay English; the phrases round them are for grown-ups and go through translation.

// A tile: "banana, on the word airplane", and ", picked up" while it is picked.
QString tileName(const QString& picture, const QString& word, bool picked);
// Whether a tile's word is matched: "matched" or "not matched".
QString matchedName(bool matched);
// A move that matched words: "banana. Score =  5 / 36", every word named.
QString matchNotice(const QStringList& words, const QString& score);
// "banana, picked up", "banana, put down".
QString pickedNotice(const QString& picture);
QString putDownNotice(const QString& picture);
// A move that is refused: "banana does not go on cloud".
QString wrongNotice(const QString& picture, const QString& word);
// "New round. Score = 0 / 36".
QString newRoundNotice(const QString& score);
// What "See All Times" shows: the list's name (none for the game's own words), the best time
// and who took it, if there is a best, and how many lines are listed.
QString resultsNotice(const QString& list, const QString& bestTime, const QString& bestName,
                      qsizetype listed);
// The list of every result.
QString resultsListName();

} // namespace pictolex
