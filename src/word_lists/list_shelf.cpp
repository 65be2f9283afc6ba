// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "word_lists/list_shelf.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace pictolex {

namespace {

// A folder that holds anything but the times of a list.
bool holdsAList(const QString& folder) {
    const QStringList times{QStringLiteral("results.txt"), QStringLiteral("results.txt.lock")};
    const QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::System |
                                                     QDir::Hidden | QDir::NoDotAndDotDot);
    return std::any_of(names.cbegin(), names.cend(),
                       [&times](const QString& name) { return !times.contains(name); });
}

} // namespace

QString listsFolderOf(const QString& dataFolder) {
    return dataFolder.isEmpty() ? QString() : dataFolder + QStringLiteral("lists/");
}

QList<ListPlace> findLists(const QString& playerFolder, const QString& sharedFolder) {
    QList<ListPlace> places;
    for (const QString& data : {playerFolder, sharedFolder}) {
        const QString folder = listsFolderOf(data);
        if (folder.isEmpty())
            continue;
        for (const QString& name : QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QString place = folder + name + QLatin1Char('/');
            const auto same = std::find_if(places.begin(), places.end(),
                                           [&name](const ListPlace& p) { return p.name == name; });
            if (!holdsAList(place))
                continue;
            if (same == places.end())
                places << ListPlace{name, place};
            else if (!QFileInfo::exists(same->folder + QStringLiteral("words.txt")))
                same->folder = place; // the player's holds no list, but what is left of one
        }
    }
    std::sort(places.begin(), places.end(), [](const ListPlace& a, const ListPlace& b) {
        const int order = a.name.compare(b.name, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    return places;
}

ListPlace findList(const QString& name, const QString& playerFolder, const QString& sharedFolder) {
    for (const ListPlace& place : findLists(playerFolder, sharedFolder))
        if (place.name == name)
            return place;
    return {};
}

QString folderState(const QString& folder) {
    QString state;
    for (const QFileInfo& file : QDir(folder).entryInfoList(
             QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
             QDir::Name))
        state += QStringLiteral("%1|%2|%3\n")
                     .arg(file.fileName())
                     .arg(file.size())
                     .arg(file.lastModified().toMSecsSinceEpoch());
    return state;
}

} // namespace pictolex
