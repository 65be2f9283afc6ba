// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace pictolex {

// The words of a board: the game's own 36, or a teacher's list from a folder that holds its
// words.txt, a picture for each word and, optionally, a recording for each.
struct WordList {
    QString name;   // the folder's name; empty for the game's own words
    QString folder; // the list's folder, with a trailing '/'; empty for the game's own words
    QStringList words;
    QStringList initialTags;                 // what each tile holds until the first deal
    QString language = QStringLiteral("en"); // of the words, a BCP 47 tag: "en", "ja", "pt-BR"

    bool isBuiltIn() const { return folder.isEmpty(); }
};

// A list holds 4 to 36 words.
inline constexpr int kFewestWords = 4;

// The game's own words.
WordList builtInList();

// The list of the words in `folder`, named `name`: each tile holds the next word until the
// first deal, the last tile the first word, so that no picture starts above its own word.
WordList teacherList(const QString& name, const QString& folder, QStringList words,
                     const QString& language = QStringLiteral("en"));

// Where a list's times go: the game's own in <player's folder>/results.txt, a list's in
// <player's folder>/lists/<name>/results.txt, wherever the list itself lies. Empty when there
// is no player's folder.
QString resultsPathFor(const WordList& list, const QString& playerFolder);

// The folder whose pictures are shown for the words: a list's own folder, or for the game's own
// words the player's folder, where pictures of their own stand in.
QString picturesFolderFor(const WordList& list, const QString& playerFolder);

// The file of each word's picture, in the order of the list's words, as the check of a list
// finds them (FolderFiles): empty for a word without one, and for each of the game's own words
// without a picture of the player's own. What the board decodes (decodePictures).
QStringList picturePathsFor(const WordList& list, const QString& playerFolder);
// The same for one word.
QString picturePathFor(const WordList& list, const QString& word, const QString& playerFolder);

// The recordings of a word, the first that plays to be heard, each as the check of a list finds
// it (FolderFiles: <word>.wav whatever its capitals): a list's own alone, as a teacher's list
// speaks no other voice; for the game's own words, the player's first, then the game's, in its
// sounds folder.
QStringList recordingsFor(const WordList& list, const QString& word, const QString& soundsFolder,
                          const QString& playerFolder);

} // namespace pictolex
