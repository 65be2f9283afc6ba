// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QStringList>

namespace pictolex {

// A list's words.txt as read: its words, the language they are in, and the first line that is
// not UTF-8 text, if any.
struct WordsText {
    QStringList words;
    QString language = QStringLiteral("en"); // as "# language: ja" gives it
    qsizetype firstBadLine = 0;              // counted from 1; 0 when every line is UTF-8
    bool utf16 = false;                      // the whole file is UTF-16 text: nothing is read
};

// words.txt holds one word or short phrase a line, in UTF-8, with or without a byte order mark,
// lines ended by LF or CR LF. Blanks around a word are not part of it; empty lines and lines
// that start with '#' are passed over, but for one "# language: <tag>" that names the language
// of the words as a BCP 47 tag (en, ja, pt-BR). A line that is not UTF-8 is passed over too. A
// file in UTF-16, with a byte order mark or with the NUL bytes of its Latin letters, is not
// read at all.
WordsText parseWordsText(QByteArrayView bytes);

// The most words.txt may hold: far more than 36 words need.
inline constexpr qint64 kMostWordsTextBytes = 64 * 1024;

} // namespace pictolex
