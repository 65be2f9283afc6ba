// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "word_lists/list_texts.h"

#include "rules/cells.h"
#include "text/bidi.h"

#include <QCoreApplication>
#include <QLocale>

namespace pictolex {

namespace {

// A character that would not show, or would turn the text around it: a control character as
// its picture (␉ for a tab), anything else as its code point (<U+200B>).
QString visible(QChar c) {
    if (c.unicode() < 0x20)
        return QChar(0x2400 + c.unicode());
    const QChar::Category category = c.category();
    const bool hidden = category == QChar::Other_Control || category == QChar::Other_Format ||
                        category == QChar::Separator_Line ||
                        category == QChar::Separator_Paragraph || isBidiControl(c);
    return hidden ? QStringLiteral("<U+%1>").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper()
                  : QString(c);
}

// “dog”, “cat”: each in quotes, each character that would not show made visible.
QString quoted(const QStringList& names) {
    QStringList shown;
    for (const QString& name : names) {
        QString text;
        for (const QChar c : name)
            text += c.isSurrogate() ? QString(c) : visible(c);
        shown << u'“' + text + u'”';
    }
    return shown.join(QStringLiteral(", "));
}

// Why a recording does not play.
QString recordingText(const Finding& finding) {
    const QString file = quoted(finding.names);
    const WavFault& fault = finding.recording;
    const QString format = QString::fromUtf8(fault.format);
    const QString number = QString::number(fault.number);
    switch (fault.kind) {
    case WavFault::Kind::None:
        return finding.number > 0
                   ? QCoreApplication::translate("WordLists", "%1 is larger than 32 MB.").arg(file)
                   : QCoreApplication::translate("WordLists", "%1 cannot be read.").arg(file);
    case WavFault::Kind::Empty:
        return QCoreApplication::translate("WordLists", "%1 is empty.").arg(file);
    case WavFault::Kind::OtherFormat:
        return format.isEmpty()
                   ? QCoreApplication::translate("WordLists", "%1 is not a WAVE file.").arg(file)
                   : QCoreApplication::translate("WordLists", "%1 is %2, not WAVE.")
                         .arg(file, format);
    case WavFault::Kind::Compressed:
        return QCoreApplication::translate("WordLists",
                                           "%1 holds compressed sound (%2): save it as PCM.")
            .arg(file, format);
    case WavFault::Kind::SampleBits:
        return QCoreApplication::translate(
                   "WordLists", "%1 holds samples of %2 bits: save it with 16-bit samples.")
            .arg(file, number);
    case WavFault::Kind::Channels:
        return QCoreApplication::translate("WordLists",
                                           "%1 has %2 channels: save it as mono or stereo.")
            .arg(file, number);
    case WavFault::Kind::SampleRate:
        return QCoreApplication::translate(
                   "WordLists", "%1 has %2 samples a second: save it at 4,000 to 192,000.")
            .arg(file, number);
    case WavFault::Kind::NoSound:
        return QCoreApplication::translate("WordLists", "%1 is cut short, or holds no sound.")
            .arg(file);
    }
    return {};
}

} // namespace

QString findingText(const Finding& finding) {
    using Kind = Finding::Kind;
    const QString names = quoted(finding.names);
    const QString number = QString::number(finding.number);
    switch (finding.kind) {
    case Kind::NoFolder:
        return QCoreApplication::translate("WordLists", "There is no folder %1.").arg(names);
    case Kind::NoWordsFile:
        return QCoreApplication::translate("WordLists",
                                           "There is no words.txt in the list's folder.");
    case Kind::MisnamedWordsFile:
        return QCoreApplication::translate(
                   "WordLists", "There is no words.txt, but there is %1: rename it to words.txt.")
            .arg(names);
    case Kind::UnreadableWordsFile:
        return QCoreApplication::translate("WordLists", "words.txt cannot be read.");
    case Kind::WordsFileTooLarge:
        return QCoreApplication::translate("WordLists",
                                           "words.txt is too large to be a list of words.");
    case Kind::Utf16:
        return QCoreApplication::translate("WordLists",
                                           "words.txt is UTF-16 text: save the file as UTF-8.");
    case Kind::NotUtf8:
        return QCoreApplication::translate(
                   "WordLists", "Line %1 of words.txt is not UTF-8 text: save the file as UTF-8.")
            .arg(number);
    case Kind::UnknownLanguage:
        return QCoreApplication::translate("WordLists",
                                           "%1 is no language: write, say, # language: ja")
            .arg(names);
    case Kind::TooFewWords:
        return QCoreApplication::translate(
                   "WordLists", "words.txt holds too few words (%1): a list has %2 to %3.")
            .arg(number)
            .arg(kFewestWords)
            .arg(kCells);
    case Kind::TooManyWords:
        return QCoreApplication::translate(
                   "WordLists", "words.txt holds too many words (%1): a list has %2 to %3.")
            .arg(number)
            .arg(kFewestWords)
            .arg(kCells);
    case Kind::Repeated:
        return QCoreApplication::translate("WordLists", "Listed more than once: %1.").arg(names);
    case Kind::ForbiddenCharacter:
        return QCoreApplication::translate(
                   "WordLists",
                   "A word may not hold a /, a control character or an invisible one: %1.")
            .arg(names);
    case Kind::TooWide: {
        QStringList each;
        for (qsizetype i = 0; i < finding.names.size(); ++i)
            each << QCoreApplication::translate("WordLists", "%1 (%2 is the most that fits)")
                        .arg(quoted({finding.names[i]}), quoted({finding.fits.value(i)}));
        return QCoreApplication::translate("WordLists", "Too long to fit under its picture: %1.")
            .arg(each.join(QStringLiteral(", ")));
    }
    case Kind::NoFont:
        return QCoreApplication::translate("WordLists", "No font on this computer can draw: %1.")
            .arg(names);
    case Kind::NoPicture:
        return QCoreApplication::translate("WordLists",
                                           "No picture (the word and .png, .jpg or .jpeg): %1.")
            .arg(names);
    case Kind::UnreadablePicture:
        return QCoreApplication::translate("WordLists", "The picture cannot be read: %1.")
            .arg(names);
    case Kind::DamagedPicture:
        return QCoreApplication::translate("WordLists", "The picture is damaged or cut short: %1.")
            .arg(names);
    case Kind::PictureTooLarge:
        return QCoreApplication::translate("WordLists", "Too large to show quickly: %1.")
            .arg(names);
    case Kind::NearMiss:
        return QCoreApplication::translate(
                   "WordLists",
                   "Found %1 for %2: name it like the word, with .png, .jpg, .jpeg or .wav.")
            .arg(quoted(finding.names.mid(0, 1)), quoted(finding.names.mid(1)));
    case Kind::UnplayableRecording:
        return recordingText(finding);
    }
    return {};
}

QString notPlayableText() {
    return QCoreApplication::translate("WordLists", "This list cannot be played:");
}

QString playableText(const QString& name, qsizetype words) {
    return QCoreApplication::translate("WordLists", "%1 can be played: %2 words.")
        .arg(quoted({name}), QString::number(words));
}

QString spokenText(const QStringList& words) {
    return QCoreApplication::translate("WordLists",
                                       "Spoken by the computer's voice, with no recording: %1.")
        .arg(quoted(words));
}

QString silentText(const QStringList& words, const QString& language) {
    const QString name = QLocale::languageToString(QLocale(language).language());
    return QCoreApplication::translate(
               "WordLists",
               "Silent, with no recording and no voice on this computer for %1 (%2): %3.")
        .arg(name, language, quoted(words));
}

QString builtInListTitle() {
    return QCoreApplication::translate("WordLists", "The game's own words");
}

QString noSuchListText(const QString& name) {
    return QCoreApplication::translate("WordLists", "There is no word list called %1.")
        .arg(quoted({name}));
}

QString nothingToCheckText() {
    return QCoreApplication::translate(
        "WordLists", "--check-list needs the folder of a list, or a list's name.");
}

} // namespace pictolex
