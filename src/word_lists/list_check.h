// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound/wav_file.h"
#include "word_lists/list_shelf.h"
#include "word_lists/word_list.h"

#include <functional>

namespace pictolex {

// One thing that keeps a list from being played, or, among a list's notes, one worth knowing.
struct Finding {
    enum class Kind {
        NoFolder,
        NoWordsFile,
        MisnamedWordsFile, // `names` is the file that looks meant to be words.txt
        UnreadableWordsFile,
        WordsFileTooLarge,
        Utf16,              // words.txt is UTF-16 text
        NotUtf8,            // `number` is the first line that is not
        UnknownLanguage,    // `names` is what "# language:" gives
        TooFewWords,        // `number` is how many there are
        TooManyWords,       // likewise
        Repeated,           // `names` are the words listed more than once, as a reader sees them
        ForbiddenCharacter, // the words with a '/', a control or an invisible character
        TooWide,            // the words too wide for their labels
        NoFont,             // the words that no installed font can draw
        NoPicture,          // the words with no picture
        UnreadablePicture,  // `names` are the files that cannot be read, or are no picture
        DamagedPicture,     // the files that do not decode whole
        PictureTooLarge,    // the files too costly to show
        // Notes, which keep no list from being played:
        NearMiss,            // `names` are a file and the word it looks meant for
        UnplayableRecording, // `names` is the file, `recording` why it does not play; or
                             // `number` its size when over kMostWavBytes
    };
    Kind kind;
    QStringList names;
    qsizetype number = 0;
    WavFault recording = {};
    QStringList fits = {}; // for TooWide: the most of each word that fits, a start of it
};

// A list as read from its folder: its words, what keeps it from being played, the notes worth
// knowing, and the words without a recording that plays (that is no fault: a voice of the
// computer may speak them).
struct CheckedList {
    WordList list;
    QList<Finding> findings;
    QList<Finding> notes;
    QStringList unrecorded;

    bool playable() const { return findings.isEmpty(); }
};

// Whether a word fits under the picture of `cell` on a board of `cells` cells, in the board's
// word font.
using WordFits = std::function<bool(const QString& word, int cell, int cells)>;
// Whether the installed fonts draw every character of a word.
using WordDrawable = std::function<bool(const QString& word)>;

// Reads and checks the list in place.folder: its words.txt, in UTF-8; 4 to 36 words, none twice
// as a reader sees them (Unicode NFC), none with a '/', a control character, an invisible one or
// a control of direction, each within the room of its word on the board and drawn by the
// installed fonts (neither is checked when its function is empty); for each a picture that the
// board shows, decoded whole (decodePicture), and its recording, if any, read as the game plays
// it. The words are kept composed (NFC). Takes some 20 ms a picture at most.
CheckedList checkList(const ListPlace& place, const WordFits& wordFits,
                      const WordDrawable& drawable = {});

} // namespace pictolex
