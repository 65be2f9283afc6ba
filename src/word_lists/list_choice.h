// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace pictolex {

// The list last chosen on the start screen, kept in settings.ini in the player's folder: its
// name, or empty for the game's own words (and when there is no player's folder).
QString rememberedList(const QString& playerFolder);
void rememberList(const QString& playerFolder, const QString& name);

} // namespace pictolex
