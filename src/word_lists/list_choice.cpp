// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "word_lists/list_choice.h"

#include <QFileInfo>
#include <QSettings>

namespace pictolex {

namespace {
const QString kKey = QStringLiteral("lists/chosen");

QString settingsPath(const QString& playerFolder) {
    return playerFolder + QStringLiteral("settings.ini");
}

// Settings are kept only in an ordinary file: opening a pipe would keep the game waiting.
bool canKeepSettings(const QString& playerFolder) {
    const QFileInfo file(settingsPath(playerFolder));
    return !playerFolder.isEmpty() && (file.isFile() || !file.exists());
}
} // namespace

QString rememberedList(const QString& playerFolder) {
    if (!canKeepSettings(playerFolder))
        return {};
    return QSettings(settingsPath(playerFolder), QSettings::IniFormat).value(kKey).toString();
}

void rememberList(const QString& playerFolder, const QString& name) {
    if (!canKeepSettings(playerFolder))
        return;
    QSettings settings(settingsPath(playerFolder), QSettings::IniFormat);
    settings.setValue(kKey, name);
}

} // namespace pictolex
