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
// ignored. A folder that holds nothing but a list's times (results.txt and its lock) is no
// list: it is what is left in the player's folder of a shared list, or of a list removed. A
// player's list hides a shared one of the same name, unless it has no words.txt. Only the
// folders are listed.
QList<ListPlace> findLists(const QString& playerFolder, const QString& sharedFolder);

// The list of that name among them; its name is empty when there is none.
ListPlace findList(const QString& name, const QString& playerFolder, const QString& sharedFolder);

// What a list's folder holds, as a text that changes when a file is added, removed, renamed or
// written again: to tell whether a list checked before must be checked again.
QString folderState(const QString& folder);

} // namespace pictolex
