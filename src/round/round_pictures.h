// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/player_picture.h"
#include "word_lists/word_list.h"

#include <QHash>

namespace pictolex {

// The pictures that stand for a list's words in place of the game's own (a teacher's, or the
// player's own), read whole on worker threads, each fitted into the largest square the board
// ever shows. Reading them again sees files changed since.
QFuture<DecodedPicture> readPictures(const WordList& list, const QString& playerFolder);

// Those of the pictures read that can be shown, by word.
QHash<QString, QImage> shownPictures(const WordList& list, const QFuture<DecodedPicture>& read);

} // namespace pictolex
