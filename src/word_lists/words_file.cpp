// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "word_lists/words_file.h"

#include <QStringDecoder>

namespace pictolex {

WordsText parseWordsText(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    WordsText text;
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
        if (!word.isEmpty() && !word.startsWith(QLatin1Char('#')))
            text.words << word;
    }
    return text;
}

} // namespace pictolex
