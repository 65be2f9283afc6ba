// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QApplication;

namespace pictolex {

// Sets up the process before anything else runs, Qt included.
void prepareProcess();

// Sets up the application and runs the game until no window is loaded.
int runGame(QApplication& app, const QString& askedList = {});

// The program: the game, or with --check-list the check of a list, which needs no display.
int runProgram(int argc, char* argv[]);

} // namespace pictolex
