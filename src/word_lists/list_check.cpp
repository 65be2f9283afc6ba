// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "word_lists/list_check.h"

#include "pictures/player_picture.h"
#include "platform/file_reading.h"
#include "rules/cells.h"
#include "word_lists/words_file.h"

#include <QFile>
#include <QFileInfo>

#include <optional>

namespace pictolex {

namespace {

using Kind = Finding::Kind;

// A '/' would lead the word's file names into another folder; a control character or a line
// break has no place in a label or a file name.
bool forbidden(const QString& word) {
    return std::any_of(word.cbegin(), word.cend(), [](QChar c) {
        const QChar::Category category = c.category();
        return c == u'/' || category == QChar::Other_Control || category == QChar::Separator_Line ||
               category == QChar::Separator_Paragraph;
    });
}

// The bytes of words.txt, or what keeps them from being read.
std::optional<Finding> readWordsFile(const QString& path, QByteArray& bytes) {
    const QFileInfo file(path);
    if (!file.exists())
        return Finding{Kind::NoWordsFile, {}};
    if (file.isFile() && file.size() > kMostWordsTextBytes)
        return Finding{Kind::WordsFileTooLarge, {}};
    std::optional<QByteArray> read = readRegularFile(path, kMostWordsTextBytes);
    if (!read)
        return Finding{Kind::UnreadableWordsFile, {}};
    bytes = std::move(*read);
    return std::nullopt;
}

// Whether the word's picture, <word>.png or else <word>.jpg, can be shown on the board. A word
// with neither goes into `missing`; files that are there but cannot be read, or are too large,
// go into `unreadable` or `large`.
void checkPicture(const QString& folder, const QString& word, QStringList& missing,
                  QStringList& unreadable, QStringList& large) {
    QStringList bad, big;
    for (const char* kind : {".png", ".jpg"}) {
        const QString name = word + QLatin1String(kind);
        const PictureCheck check = checkPlayerPicture(folder + name);
        if (check == PictureCheck::Shown)
            return;
        if (check == PictureCheck::TooLarge)
            big << name;
        else if (QFileInfo::exists(folder + name))
            bad << name;
    }
    if (bad.isEmpty() && big.isEmpty())
        missing << word;
    unreadable << bad;
    large << big;
}

void checkWords(const QString& folder, const QStringList& words, const WordFits& wordFits,
                CheckedList& checked) {
    const auto cells = int(words.size());
    QStringList repeated, bad, wide, missing, unreadable, large;
    for (int i = 0; i < cells; ++i) {
        const QString& word = words[i];
        if (words.indexOf(word) < i && !repeated.contains(word))
            repeated << word;
        if (wordFits && !wordFits(word, i + 1, cells))
            wide << word;
        if (forbidden(word)) {
            bad << word;
            continue;
        }
        checkPicture(folder, word, missing, unreadable, large);
        if (!QFile::exists(folder + word + QStringLiteral(".wav")))
            checked.silent << word;
    }
    if (cells < kFewestWords)
        checked.findings << Finding{Kind::TooFewWords, {}, cells};
    if (cells > kCells)
        checked.findings << Finding{Kind::TooManyWords, {}, cells};
    const std::pair<Kind, const QStringList&> named[] = {{Kind::Repeated, repeated},
                                                         {Kind::ForbiddenCharacter, bad},
                                                         {Kind::TooWide, wide},
                                                         {Kind::NoPicture, missing},
                                                         {Kind::UnreadablePicture, unreadable},
                                                         {Kind::PictureTooLarge, large}};
    for (const auto& [kind, names] : named)
        if (!names.isEmpty())
            checked.findings << Finding{kind, names};
}

} // namespace

CheckedList checkList(const ListPlace& place, const WordFits& wordFits) {
    CheckedList checked;
    if (!QFileInfo(place.folder).isDir()) {
        checked.findings << Finding{Kind::NoFolder, {place.folder}};
        return checked;
    }
    QByteArray bytes;
    if (const std::optional<Finding> failure =
            readWordsFile(place.folder + QStringLiteral("words.txt"), bytes)) {
        checked.findings << *failure;
        return checked;
    }
    const WordsText text = parseWordsText(bytes);
    if (text.firstBadLine > 0)
        checked.findings << Finding{Kind::NotUtf8, {}, text.firstBadLine};
    checkWords(place.folder, text.words, wordFits, checked);
    checked.list = teacherList(place.name, place.folder, text.words);
    return checked;
}

} // namespace pictolex
