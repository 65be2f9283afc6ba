// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "word_lists/word_list.h"

#include "rules/words.h"
#include "word_lists/list_shelf.h"
#include "word_lists/word_files.h"

namespace pictolex {

WordList builtInList() {
    return WordList{{}, {}, builtInWords(), builtInInitialTags()};
}

WordList teacherList(const QString& name, const QString& folder, QStringList words,
                     const QString& language) {
    QStringList tags = words.mid(1);
    if (!words.isEmpty())
        tags << words.first();
    return WordList{name, folder, std::move(words), std::move(tags), language};
}

QString resultsPathFor(const WordList& list, const QString& playerFolder) {
    if (playerFolder.isEmpty())
        return {};
    if (list.isBuiltIn())
        return playerFolder + QStringLiteral("results.txt");
    return listsFolderOf(playerFolder) + list.name + QStringLiteral("/results.txt");
}

QString picturesFolderFor(const WordList& list, const QString& playerFolder) {
    return list.isBuiltIn() ? playerFolder : list.folder;
}

QStringList picturePathsFor(const WordList& list, const QString& playerFolder) {
    const QString folder = picturesFolderFor(list, playerFolder);
    const FolderFiles files(folder);
    QStringList paths;
    for (const QString& word : list.words)
        paths << (folder.isEmpty() ? QString() : files.filesOf(word).picture);
    return paths;
}

QString picturePathFor(const WordList& list, const QString& word, const QString& playerFolder) {
    const QString folder = picturesFolderFor(list, playerFolder);
    return folder.isEmpty() ? QString() : FolderFiles(folder).filesOf(word).picture;
}

namespace {
// A word's recording in a folder, whatever the capitals of its name; <word>.wav when none.
QString recordingIn(const QString& folder, const QString& word) {
    const QString found = FolderFiles(folder).filesOf(word).recording;
    return found.isEmpty() ? folder + word + QStringLiteral(".wav") : found;
}
} // namespace

QStringList recordingsFor(const WordList& list, const QString& word, const QString& soundsFolder,
                          const QString& playerFolder) {
    if (!list.isBuiltIn())
        return {recordingIn(list.folder, word)};
    QStringList recordings{soundsFolder + word + QStringLiteral(".wav")};
    if (!playerFolder.isEmpty() && playerFolder != soundsFolder)
        recordings.prepend(recordingIn(playerFolder, word));
    return recordings;
}

} // namespace pictolex
