// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "word_lists/list_texts.h"

#include <QCoreApplication>

namespace pictolex {

namespace {

// “dog”, “cat”: each in quotes, control characters shown as their pictures (␉ for a tab).
QString quoted(const QStringList& names) {
    QStringList shown;
    for (QString name : names) {
        for (QChar& c : name) {
            if (c.unicode() < 0x20)
                c = QChar(0x2400 + c.unicode());
            else if (c.category() == QChar::Other_Control ||
                     c.category() == QChar::Separator_Line ||
                     c.category() == QChar::Separator_Paragraph)
                c = QChar::ReplacementCharacter;
        }
        shown << u'“' + name + u'”';
    }
    return shown.join(QStringLiteral(", "));
}

} // namespace

QString findingText(const Finding& finding) {
    using Kind = Finding::Kind;
    const QString names = quoted(finding.names);
    switch (finding.kind) {
    case Kind::NoFolder:
        return QCoreApplication::translate("WordLists", "There is no folder %1.").arg(names);
    case Kind::NoWordsFile:
        return QCoreApplication::translate("WordLists",
                                           "There is no words.txt in the list's folder.");
    case Kind::UnreadableWordsFile:
        return QCoreApplication::translate("WordLists", "words.txt cannot be read.");
    case Kind::WordsFileTooLarge:
        return QCoreApplication::translate("WordLists",
                                           "words.txt is too large to be a list of words.");
    case Kind::NotUtf8:
        return QCoreApplication::translate(
                   "WordLists", "Line %1 of words.txt is not UTF-8 text: save the file as UTF-8.")
            .arg(finding.number);
    case Kind::TooFewWords:
        return QCoreApplication::translate(
                   "WordLists", "words.txt holds too few words (%1): a list has 4 to 36.")
            .arg(finding.number);
    case Kind::TooManyWords:
        return QCoreApplication::translate(
                   "WordLists", "words.txt holds too many words (%1): a list has 4 to 36.")
            .arg(finding.number);
    case Kind::Repeated:
        return QCoreApplication::translate("WordLists", "Listed more than once: %1.").arg(names);
    case Kind::ForbiddenCharacter:
        return QCoreApplication::translate("WordLists",
                                           "A word may not hold a / or a control character: %1.")
            .arg(names);
    case Kind::TooWide:
        return QCoreApplication::translate("WordLists", "Too long to fit under its picture: %1.")
            .arg(names);
    case Kind::NoPicture:
        return QCoreApplication::translate("WordLists",
                                           "No picture (the word and .png or .jpg): %1.")
            .arg(names);
    case Kind::UnreadablePicture:
        return QCoreApplication::translate("WordLists", "The picture cannot be read: %1.")
            .arg(names);
    case Kind::PictureTooLarge:
        return QCoreApplication::translate(
                   "WordLists", "Too large to show quickly (at most 4 million pixels): %1.")
            .arg(names);
    }
    return {};
}

QString notPlayableText() {
    return QCoreApplication::translate("WordLists", "This list cannot be played:");
}

QString playableText(const QString& name, qsizetype words) {
    return QCoreApplication::translate("WordLists", "%1 can be played: %2 words.")
        .arg(quoted({name}))
        .arg(words);
}

QString silentText(const QStringList& words) {
    return QCoreApplication::translate("WordLists", "Silent, with no recording: %1.")
        .arg(quoted(words));
}

QString builtInListTitle() {
    return QCoreApplication::translate("WordLists", "The game's own words");
}

QString noSuchListText(const QString& name) {
    return QCoreApplication::translate("WordLists", "There is no word list called %1.")
        .arg(quoted({name}));
}

} // namespace pictolex
