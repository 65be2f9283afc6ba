// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platform.h"
#include "word_lists/word_list.h"

#include <QHash>
#include <QImage>

namespace pictolex {

// What the start screen hands the board when the player presses "Start": who plays, which words,
// and where the round's pictures, sounds and times live. The board asks nothing more of the
// start screen.
struct Round {
    QString playerName;   // as typed; may be empty
    WordList list;        // the words to play
    QString soundsFolder; // the game's own sounds, with a trailing '/'
    QString playerFolder; // the player's own folder, with a trailing '/'; empty when none
    // The pictures read for the words in place of the game's own, by word (readPictures).
    QHash<QString, QImage> pictures;

    // The name a record is logged under: the one typed, or "NO NAME" when none was.
    QString loggedName() const;
    // A word as the child hears it: its recording, or else the word said in the list's language.
    Utterance said(const QString& word) const;
    // The game's own sound of that name, such as "good" for the fanfare: the player's own
    // recording of it first.
    Utterance gameSound(const QString& name) const;
    // The results log of the round's words; empty when there is no player's folder.
    QString resultsPath() const;
};

} // namespace pictolex
