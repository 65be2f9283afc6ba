// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace pictolex {

// Where the game's own files lie for a program in <prefix>/<folder> (bin/ in the build tree,
// games/ when installed), wherever <prefix> is; the layout is CMake's (install_paths.h.in).

// The sounds: <prefix>/share/pictolex/, with a trailing '/'.
QString soundFolderFor(const QString& executableDir);
// The audio module: <prefix>/lib/pictolex/pictolex_audio.so.
QString audioModuleFor(const QString& executableDir);

} // namespace pictolex
