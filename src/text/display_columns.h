// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

namespace pictolex {

// How many columns a character fills in a monospaced viewer: two for the East Asian wide
// and fullwidth characters (kanji, kana, hangul, fullwidth forms, wide emoji), one for
// every other character: the width each character takes in a double-byte code page.
int characterColumns(char32_t ucs4);

// The columns of the character at text[index] (a surrogate pair counts as one character),
// moving index past it. index must be inside the text.
int nextCharacterColumns(QStringView text, qsizetype& index);

// The columns a whole text fills, counted character by character (code points, so a
// character outside the basic plane is counted once).
int displayColumns(QStringView text);

} // namespace pictolex
