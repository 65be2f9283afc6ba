// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace pictolex {

// What the command line asks for:
//   --list NAME          start with the word list NAME
//   --check-list FOLDER  check the word list in FOLDER, print what was found, and end
// Either may be written --option=value. Other arguments are left to Qt.
struct Arguments {
    QString list;
    QString checkFolder;
    QString error; // an option given without its value
};

Arguments parseArguments(const QStringList& arguments);

} // namespace pictolex
