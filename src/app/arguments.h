// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace pictolex {

// What the command line asks for:
//   --list NAME          start with the word list NAME
//   --check-list FOLDER  check the word list in FOLDER, print what was found, and end
//   --help, -h           say how to use the program, and end
//   --version            say which version this is, and end
// An option with a value may be written --option=value. Arguments with one dash are left to
// Qt (-platform, -style...); any other option is a mistake.
struct Arguments {
    QString list;
    QString checkFolder;
    bool help = false;
    bool version = false;
    QString withoutValue; // an option given without its value
    QString unknown;      // an option that is not ours, as given
};

Arguments parseArguments(const QStringList& arguments);

// What is wrong with the command line, for the terminal; empty when nothing is.
QString mistakeText(const Arguments& arguments);
// The help that --help prints.
QString usageText();
// What --version prints.
QString versionText();
// Said when there is no display to show the game on.
QString noDisplayText();

} // namespace pictolex
