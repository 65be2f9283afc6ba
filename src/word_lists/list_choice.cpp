// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "word_lists/list_choice.h"

#include <QSettings>

namespace pictolex {

namespace {
const QString kKey = QStringLiteral("lists/chosen");

QString settingsPath(const QString& playerFolder) {
    return playerFolder + QStringLiteral("settings.ini");
}
} // namespace

QString rememberedList(const QString& playerFolder) {
    if (playerFolder.isEmpty())
        return {};
    return QSettings(settingsPath(playerFolder), QSettings::IniFormat).value(kKey).toString();
}

void rememberList(const QString& playerFolder, const QString& name) {
    if (playerFolder.isEmpty())
        return;
    QSettings settings(settingsPath(playerFolder), QSettings::IniFormat);
    settings.setValue(kKey, name);
}

} // namespace pictolex
