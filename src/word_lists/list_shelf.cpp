// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "word_lists/list_shelf.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace pictolex {

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
            const auto same = std::find_if(places.begin(), places.end(),
                                           [&name](const ListPlace& p) { return p.name == name; });
            if (same == places.end())
                places << ListPlace{name, folder + name + QLatin1Char('/')};
            else if (!QFileInfo::exists(same->folder + QStringLiteral("words.txt")))
                same->folder = folder + name + QLatin1Char('/'); // it holds only the times
        }
    }
    std::sort(places.begin(), places.end(), [](const ListPlace& a, const ListPlace& b) {
        const int order = a.name.compare(b.name, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    return places;
}

} // namespace pictolex
