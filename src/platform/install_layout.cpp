// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/install_layout.h"

#include <QDir>

namespace pictolex {

QString soundFolderFor(const QString& executableDir) {
    return QDir::cleanPath(executableDir + QStringLiteral("/../share/pictolex")) + QLatin1Char('/');
}

QString audioModuleFor(const QString& executableDir) {
    return QDir::cleanPath(executableDir + QStringLiteral("/../lib/pictolex/pictolex_audio.so"));
}

} // namespace pictolex
