// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QTextStream;

namespace pictolex {

// pictolex --check-list FOLDER: checks the word list in the folder as the start screen does
// and writes what keeps it from being played, one line each; or, when nothing does, a line
// that says it can be played, and a line naming the words that are silent, if any. Answers
// the program's exit status: 0 when the list can be played, 1 when not.
int reportList(const QString& folder, QTextStream& out);

} // namespace pictolex
