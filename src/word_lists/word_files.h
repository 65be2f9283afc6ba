// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QStringList>

namespace pictolex {

// The files of one word: its picture and its recording, as full paths; empty where there is
// none.
struct WordFiles {
    QString picture;
    QString recording;
};

// The files of a folder, as the words of a list find theirs. A word's picture is the word and
// .png, .jpg or .jpeg, its recording the word and .wav, whatever the capitals of the name and of
// its ending, and whatever the Unicode normalisation of either (a Mac writes names decomposed):
// "Dog.WAV" is the recording of "dog". A name written exactly like the word comes first, then
// .png before .jpg and .jpeg.
class FolderFiles {
public:
    // The folder's path ends with a '/'. The folder is read once, as this is made.
    explicit FolderFiles(const QString& folder);

    WordFiles filesOf(const QString& word) const;
    // The names of the files that no word of `words` takes and that look meant for one of
    // them: each as {file name, word}. "dog.gif", "Dog .png" or "dog.png.png" for "dog".
    QList<QStringList> nearMisses(const QStringList& words) const;
    // A file that looks meant to be words.txt but is not named so ("Words.TXT",
    // "words.txt.txt"); empty when there is none, or words.txt is there.
    QString misnamedWordsFile() const;

private:
    QString taken(const QString& word, const QStringList& endings) const;

    QString folder_;
    QStringList names_;
    QHash<QString, QStringList> byKey_; // the names, by their folded form
};

// A name as a reader sees it: composed (NFC), its capitals folded.
QString foldedName(const QString& name);

} // namespace pictolex
