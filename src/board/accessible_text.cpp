// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/accessible_text.h"

#include <QCoreApplication>

namespace pictolex {

QString tileName(const QString& picture, const QString& word, bool picked) {
    return (picked ? QCoreApplication::translate("GameBoard", "%1, on the word %2, picked up")
                   : QCoreApplication::translate("GameBoard", "%1, on the word %2"))
        .arg(picture, word);
}

QString wordName(const QString& word, bool matched) {
    return (matched ? QCoreApplication::translate("GameBoard", "%1, matched")
                    : QCoreApplication::translate("GameBoard", "%1, not matched"))
        .arg(word);
}

QString matchNotice(const QString& word, const QString& score) {
    return QCoreApplication::translate("GameBoard", "%1. %2").arg(word, score);
}

} // namespace pictolex
