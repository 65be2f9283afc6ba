// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "word_lists/list_check.h"

#include "pictures/player_picture.h"
#include "platform/file_reading.h"
#include "rules/cells.h"
#include "text/bidi.h"
#include "word_lists/word_files.h"
#include "word_lists/words_file.h"

#include <QFileInfo>
#include <QLocale>

#include <optional>

namespace pictolex {

namespace {

using Kind = Finding::Kind;

// The characters that show nothing, or set the direction of what follows: a word that holds
// one looks like another, or reads backwards.
bool invisible(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x200B && u <= 0x200D) || u == 0x2060 || u == 0xFEFF || isBidiControl(c);
}

// A '/' would lead the word's file names into another folder; a control character or a line
// break has no place in a label or a file name.
bool forbidden(const QString& word) {
    return std::any_of(word.cbegin(), word.cend(), [](QChar c) {
        const QChar::Category category = c.category();
        return c == u'/' || category == QChar::Other_Control || category == QChar::Separator_Line ||
               category == QChar::Separator_Paragraph || invisible(c);
    });
}

// The bytes of words.txt, or what keeps them from being read.
std::optional<Finding> readWordsFile(const QString& folder, const FolderFiles& files,
                                     QByteArray& bytes) {
    const QFileInfo file(folder + QStringLiteral("words.txt"));
    if (!file.exists()) {
        const QString misnamed = files.misnamedWordsFile();
        return misnamed.isEmpty() ? Finding{Kind::NoWordsFile, {}}
                                  : Finding{Kind::MisnamedWordsFile, {misnamed}};
    }
    if (file.isFile() && file.size() > kMostWordsTextBytes)
        return Finding{Kind::WordsFileTooLarge, {}};
    std::optional<QByteArray> read = readRegularFile(file.filePath(), kMostWordsTextBytes);
    if (!read)
        return Finding{Kind::UnreadableWordsFile, {}};
    bytes = std::move(*read);
    return std::nullopt;
}

// The longest start of a word that fits under the picture of `cell`, in whole characters.
QString mostThatFits(const QString& word, int cell, int cells, const WordFits& wordFits) {
    QString start = word;
    while (!start.isEmpty() && !wordFits(start, cell, cells))
        start.chop(start.size() > 1 && start.back().isLowSurrogate() ? 2 : 1);
    return start.trimmed();
}

// The words' own findings: twice, forbidden, too wide, not drawn. The words that may name files
// go into `named`.
void checkWords(const QStringList& words, const WordFits& wordFits, const WordDrawable& drawable,
                CheckedList& checked, QStringList& named) {
    const auto cells = int(words.size());
    QStringList seen, repeated, bad, wide, fits, undrawn;
    for (int i = 0; i < cells; ++i) {
        const QString& word = words[i];
        if (seen.contains(foldedName(word)) && !repeated.contains(word))
            repeated << word;
        seen << foldedName(word);
        if (wordFits && !wordFits(word, i + 1, cells)) {
            wide << word;
            fits << mostThatFits(word, i + 1, cells, wordFits);
        }
        if (forbidden(word)) {
            bad << word;
            continue;
        }
        if (drawable && !drawable(word))
            undrawn << word;
        named << word;
    }
    if (cells < kFewestWords)
        checked.findings << Finding{Kind::TooFewWords, {}, cells};
    if (cells > kCells)
        checked.findings << Finding{Kind::TooManyWords, {}, cells};
    for (const auto& [kind, names] : {std::pair{Kind::Repeated, repeated},
                                      {Kind::ForbiddenCharacter, bad},
                                      {Kind::TooWide, wide},
                                      {Kind::NoFont, undrawn}})
        if (!names.isEmpty())
            checked.findings << Finding{
                kind, names, 0, {}, kind == Kind::TooWide ? fits : QStringList()};
}

// Each word's picture, decoded as the board decodes it.
void checkWordPictures(const FolderFiles& files, const QStringList& words, CheckedList& checked) {
    QStringList paths, missing;
    for (const QString& word : words) {
        const QString path = files.filesOf(word).picture;
        path.isEmpty() ? void(missing << word) : void(paths << path);
    }
    const QList<PictureCheck> checks = checkPictures(paths);
    QStringList unreadable, damaged, large;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString name = QFileInfo(paths[i]).fileName();
        if (checks[i] == PictureCheck::Unreadable)
            unreadable << name;
        else if (checks[i] == PictureCheck::Damaged)
            damaged << name;
        else if (checks[i] == PictureCheck::TooLarge)
            large << name;
    }
    for (const auto& [kind, names] : {std::pair{Kind::NoPicture, missing},
                                      {Kind::UnreadablePicture, unreadable},
                                      {Kind::DamagedPicture, damaged},
                                      {Kind::PictureTooLarge, large}})
        if (!names.isEmpty())
            checked.findings << Finding{kind, names};
}

// Each word's recording, read as the game reads it to play it.
void checkWordRecordings(const FolderFiles& files, const QStringList& words, CheckedList& checked) {
    for (const QString& word : words) {
        const QString path = files.filesOf(word).recording;
        const QFileInfo file(path);
        const std::optional<QByteArray> bytes =
            path.isEmpty() ? std::nullopt : readRegularFile(path, kMostWavBytes);
        const WavFault fault = bytes ? wavFault(*bytes) : WavFault{};
        if (!path.isEmpty() && (!bytes || fault.kind != WavFault::Kind::None)) {
            const qint64 size = file.isFile() && file.size() > kMostWavBytes ? file.size() : 0;
            checked.notes << Finding{Kind::UnplayableRecording, {file.fileName()}, size, fault};
        }
        if (path.isEmpty() || !bytes || fault.kind != WavFault::Kind::None)
            checked.unrecorded << word;
    }
}

} // namespace

CheckedList checkList(const ListPlace& place, const WordFits& wordFits,
                      const WordDrawable& drawable) {
    CheckedList checked;
    if (!QFileInfo(place.folder).isDir()) {
        checked.findings << Finding{Kind::NoFolder, {place.folder}};
        return checked;
    }
    const FolderFiles files(place.folder);
    QByteArray bytes;
    if (const std::optional<Finding> failure = readWordsFile(place.folder, files, bytes)) {
        checked.findings << *failure;
        return checked;
    }
    WordsText text = parseWordsText(bytes);
    if (text.utf16) {
        checked.findings << Finding{Kind::Utf16, {}};
        return checked;
    }
    if (text.firstBadLine > 0)
        checked.findings << Finding{Kind::NotUtf8, {}, text.firstBadLine};
    if (QLocale(text.language).language() == QLocale::C)
        checked.findings << Finding{Kind::UnknownLanguage, {text.language}};
    for (QString& word : text.words)
        word = word.normalized(QString::NormalizationForm_C);
    QStringList named;
    checkWords(text.words, wordFits, drawable, checked, named);
    checkWordPictures(files, named, checked);
    checkWordRecordings(files, named, checked);
    for (const QStringList& miss : files.nearMisses(text.words))
        checked.notes << Finding{Kind::NearMiss, miss};
    checked.list = teacherList(place.name, place.folder, text.words, text.language);
    return checked;
}

} // namespace pictolex
