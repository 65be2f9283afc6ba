// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "word_lists/list_check.h"

namespace pictolex {

// What a grown-up reads about word lists, on the start screen and from --check-list, in one
// place and through Qt's translations. The words themselves are shown as they are, in quotes,
// with any control or invisible character made visible; no word or name is ever read as a
// placeholder of the message around it.

// One line for each thing that keeps a list from being played, or for each of its notes.
QString findingText(const Finding& finding);
// Over the findings on the start screen.
QString notPlayableText();
// The one line of --check-list for a list that can be played.
QString playableText(const QString& name, qsizetype words);
// The words without a recording: spoken by the computer's voice, or silent when no voice
// speaks the list's language (a BCP 47 tag).
QString spokenText(const QStringList& words);
QString silentText(const QStringList& words, const QString& language);
// The game's own words, as the choice of lists offers them.
QString builtInListTitle();
// A list asked for by name that is not there.
QString noSuchListText(const QString& name);
// --check-list with nothing to check.
QString nothingToCheckText();

} // namespace pictolex
