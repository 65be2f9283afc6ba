// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "word_lists/words_file.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace pictolex {

namespace {

// UTF-16 starts with its byte order mark, or has a NUL in every other byte while it writes
// Latin letters: a quarter of the pairs is plenty to tell.
bool isUtf16(QByteArrayView bytes) {
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return true;
    const QByteArrayView start = bytes.first(std::min<qsizetype>(bytes.size(), 4096));
    qsizetype even = 0, odd = 0;
    for (qsizetype i = 0; i + 1 < start.size(); i += 2) {
        even += start[i] == '\0';
        odd += start[i + 1] == '\0';
    }
    return std::max(even, odd) * 4 >= start.size() / 2 && start.size() >= 2;
}

// "# language: ja" names the language of the words; any other note says nothing.
void readNote(QStringView note, WordsText& text) {
    static const QRegularExpression language(QStringLiteral("^#\\s*language\\s*:\\s*(\\S+)\\s*$"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch match = language.match(note); match.hasMatch())
        text.language = match.captured(1);
}

} // namespace

WordsText parseWordsText(QByteArrayView bytes) {
    WordsText text;
    if (isUtf16(bytes)) {
        text.utf16 = true;
        return text;
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    qsizetype number = 0;
    for (QByteArrayView line : QByteArray::fromRawData(bytes.data(), bytes.size()).split('\n')) {
        ++number;
        if (line.endsWith('\r'))
            line.chop(1);
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString word = QString(decoder(line)).trimmed();
        if (decoder.hasError()) {
            if (text.firstBadLine == 0)
                text.firstBadLine = number;
            continue;
        }
        if (word.startsWith(QLatin1Char('#')))
            readNote(word, text);
        else if (!word.isEmpty())
            text.words << word;
    }
    return text;
}

} // namespace pictolex
