// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QTextStream;

namespace pictolex {

// Whether a voice of the computer speaks a language, given as a BCP 47 tag ("en", "ja").
using SpeaksLanguage = std::function<bool(const QString& language)>;

// pictolex --check-list LIST: checks the word list in the folder LIST, or else the list of that
// name in the player's or the shared lists folder, as the start screen does, and writes what
// keeps it from being played, one line each; or, when nothing does, a line that says it can be
// played. Then its notes (names that look meant for a word, recordings that do not play), and
// the words without a recording: spoken by the computer's voice, or silent when `speaks` says
// no voice speaks the list's language (or is empty). Answers the program's exit status: 0 when
// the list can be played, 1 when not, or when LIST is empty.
int reportList(const QString& list, QTextStream& out, const SpeaksLanguage& speaks = {});

} // namespace pictolex
