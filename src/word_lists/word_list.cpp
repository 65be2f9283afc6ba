// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "word_lists/word_list.h"

#include "rules/words.h"
#include "word_lists/list_shelf.h"

namespace pictolex {

WordList builtInList() {
    return WordList{{}, {}, builtInWords(), builtInInitialTags()};
}

WordList teacherList(const QString& name, const QString& folder, QStringList words) {
    QStringList tags = words.mid(1);
    if (!words.isEmpty())
        tags << words.first();
    return WordList{name, folder, std::move(words), std::move(tags)};
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

QStringList recordingsFor(const WordList& list, const QString& word, const QString& soundsFolder,
                          const QString& playerFolder) {
    const QString file = word + QStringLiteral(".wav");
    if (!list.isBuiltIn())
        return {list.folder + file};
    QStringList recordings{soundsFolder + file};
    if (!playerFolder.isEmpty() && playerFolder != soundsFolder)
        recordings.prepend(playerFolder + file);
    return recordings;
}

} // namespace pictolex
