// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/accessible_text.h"

#include <QCoreApplication>
#include <QLocale>

namespace pictolex {

QString tileName(const QString& picture, const QString& word, bool picked) {
    return (picked ? QCoreApplication::translate("GameBoard", "%1, on the word %2, picked up")
                   : QCoreApplication::translate("GameBoard", "%1, on the word %2"))
        .arg(picture, word);
}

QString matchedName(bool matched) {
    return matched ? QCoreApplication::translate("GameBoard", "matched")
                   : QCoreApplication::translate("GameBoard", "not matched");
}

QString matchNotice(const QStringList& words, const QString& score) {
    return QCoreApplication::translate("GameBoard", "%1. %2")
        .arg(QLocale().createSeparatedList(words), score);
}

QString pickedNotice(const QString& picture) {
    return QCoreApplication::translate("GameBoard", "%1, picked up").arg(picture);
}

QString putDownNotice(const QString& picture) {
    return QCoreApplication::translate("GameBoard", "%1, put down").arg(picture);
}

QString wrongNotice(const QString& picture, const QString& word) {
    return QCoreApplication::translate("GameBoard", "%1 does not go on %2").arg(picture, word);
}

QString newRoundNotice(const QString& score) {
    return QCoreApplication::translate("GameBoard", "New round. %1").arg(score);
}

QString resultsNotice(const QString& list, const QString& bestTime, const QString& bestName,
                      qsizetype listed) {
    QString said = QCoreApplication::translate("GameBoard", "Times listed: %1.").arg(listed);
    if (!bestTime.isEmpty())
        said = QCoreApplication::translate("GameBoard", "The best time: %1, %2. %3")
                   .arg(bestTime, bestName, said);
    if (!list.isEmpty())
        said = QCoreApplication::translate("GameBoard", "The times of %1. %2")
                   .arg(u'“' + list + u'”', said);
    return said;
}

QString resultsListName() {
    return QCoreApplication::translate("GameBoard", "Every time, the newest first");
}

} // namespace pictolex
