// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/install_layout.h"

#include "platform/install_paths.h"

#include <QDir>

namespace pictolex {

QString soundFolderFor(const QString& executableDir) {
    return QDir::cleanPath(executableDir + QLatin1Char('/') +
                           QLatin1String(kSoundFolderFromProgram)) +
           QLatin1Char('/');
}

QString audioModuleFor(const QString& executableDir) {
    return QDir::cleanPath(executableDir + QLatin1Char('/') +
                           QLatin1String(kAudioModuleFromProgram));
}

} // namespace pictolex
