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

QString soundPathFor(const WordList& list, const QString& word, const QString& soundsFolder) {
    const QString own =
        list.isBuiltIn() ? QString() : FolderFiles(list.folder).filesOf(word).recording;
    if (!own.isEmpty())
        return own;
    return (list.isBuiltIn() ? soundsFolder : list.folder) + word + QStringLiteral(".wav");
}

} // namespace pictolex
