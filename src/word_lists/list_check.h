// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "word_lists/list_shelf.h"
#include "word_lists/word_list.h"

#include <functional>

namespace pictolex {

// One thing that keeps a list from being played.
struct Finding {
    enum class Kind {
        NoFolder,
        NoWordsFile,
        UnreadableWordsFile,
        WordsFileTooLarge,
        NotUtf8,            // `number` is the first line that is not
        TooFewWords,        // `number` is how many there are
        TooManyWords,       // likewise
        Repeated,           // `names` are the words listed more than once
        ForbiddenCharacter, // the words with a '/' or a control character
        TooWide,            // the words too wide for their labels
        NoPicture,          // the words with neither <word>.png nor <word>.jpg
        UnreadablePicture,  // `names` are the files that cannot be read
        PictureTooLarge,    // `names` are the files too large to show
    };
    Kind kind;
    QStringList names;
    qsizetype number = 0;
};

// A list as read from its folder: its words, what keeps it from being played, and the words
// without a recording, which are silent (that is no fault).
struct CheckedList {
    WordList list;
    QList<Finding> findings;
    QStringList silent;

    bool playable() const { return findings.isEmpty(); }
};

// Whether a word fits under the picture of `cell` on a board of `cells` cells, in the board's
// word font.
using WordFits = std::function<bool(const QString& word, int cell, int cells)>;

// Reads and checks the list in place.folder: its words.txt; 4 to 36 words, none twice, none
// with a '/' or a control character, each within the width of its label on the board; for each
// a picture that can be shown. Reads only the pictures' headers, so it takes little time.
CheckedList checkList(const ListPlace& place, const WordFits& wordFits);

} // namespace pictolex
