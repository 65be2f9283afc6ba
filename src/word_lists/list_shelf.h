// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace pictolex {

// A list's folder, as found: its name and where it lies, with a trailing '/'.
struct ListPlace {
    QString name;
    QString folder;
};

// The folder of the lists in a data folder (the player's, or the game's shared one):
// <folder>lists/, with a trailing '/'. Empty when the data folder is.
QString listsFolderOf(const QString& dataFolder);

// The lists in the player's folder and in the game's shared folder, by name with capitals
// ignored. A player's list hides a shared one of the same name, unless it has no words.txt:
// then it is the folder that holds the shared list's times. Only the folders are listed.
QList<ListPlace> findLists(const QString& playerFolder, const QString& sharedFolder);

} // namespace pictolex
