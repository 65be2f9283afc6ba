// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "word_lists/word_files.h"

#include <QDir>
#include <QSet>

namespace pictolex {

namespace {

const QStringList kPictureEndings{QStringLiteral(".png"), QStringLiteral(".jpg"),
                                  QStringLiteral(".jpeg")};
const QStringList kRecordingEndings{QStringLiteral(".wav")};
const QString kWordsFile = QStringLiteral("words.txt");

// A name with the differences a person easily overlooks taken out: compatibility forms,
// capitals, blanks, '_' and '-', and invisible characters.
QString looseName(const QString& name) {
    QString loose = name.normalized(QString::NormalizationForm_KC).toCaseFolded();
    loose.removeIf([](QChar c) {
        return c.isSpace() || c == u'_' || c == u'-' || c.category() == QChar::Other_Format;
    });
    return loose;
}

// A file's name without its last ending, and without its last two ("dog.png.png").
QStringList stems(const QString& name) {
    QStringList found;
    QString stem = name;
    for (int i = 0; i < 2 && stem.lastIndexOf(u'.') > 0; ++i)
        found << (stem = stem.left(stem.lastIndexOf(u'.')));
    return found;
}

// The times of a list, kept in the same folder when it is the player's, are no near miss.
bool listsOwn(const QString& name) {
    const QString folded = foldedName(name);
    return folded == kWordsFile || folded.startsWith(QStringLiteral("results.txt")) ||
           name.startsWith(u'.');
}

// Whether the file is of a kind the word has already: a second picture, or a second recording.
bool isFileOf(const QString& name, const QString& word, const WordFiles& has) {
    const QString folded = foldedName(name);
    const auto named = [&](const QStringList& endings) {
        return std::any_of(endings.cbegin(), endings.cend(), [&](const QString& ending) {
            return folded == foldedName(word + ending);
        });
    };
    const auto ends = [&](const QStringList& endings) {
        return std::any_of(endings.cbegin(), endings.cend(),
                           [&](const QString& ending) { return folded.endsWith(ending); });
    };
    return named(kPictureEndings) || named(kRecordingEndings) ||
           (!has.picture.isEmpty() && ends(kPictureEndings)) ||
           (!has.recording.isEmpty() && ends(kRecordingEndings));
}

} // namespace

QString foldedName(const QString& name) {
    return name.normalized(QString::NormalizationForm_C).toCaseFolded();
}

FolderFiles::FolderFiles(const QString& folder)
    : folder_(folder),
      names_(QDir(folder).entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name)) {
    for (const QString& name : std::as_const(names_))
        byKey_[foldedName(name)] << name;
}

QString FolderFiles::taken(const QString& word, const QStringList& endings) const {
    for (const QString& ending : endings)
        if (names_.contains(word + ending))
            return folder_ + word + ending;
    for (const QString& ending : endings)
        if (const auto found = byKey_.constFind(foldedName(word + ending)); found != byKey_.cend())
            return folder_ + found->first();
    return {};
}

WordFiles FolderFiles::filesOf(const QString& word) const {
    return {taken(word, kPictureEndings), taken(word, kRecordingEndings)};
}

QList<QStringList> FolderFiles::nearMisses(const QStringList& words) const {
    QSet<QString> used;
    QStringList wanting; // the words without a picture or a recording
    for (const QString& word : words) {
        const WordFiles files = filesOf(word);
        used << files.picture.mid(folder_.size()) << files.recording.mid(folder_.size());
        if (files.picture.isEmpty() || files.recording.isEmpty())
            wanting << word;
    }
    QList<QStringList> misses;
    for (const QString& name : names_) {
        if (used.contains(name) || listsOwn(name))
            continue;
        for (const QString& stem : stems(name)) {
            const auto word = std::find_if(wanting.cbegin(), wanting.cend(), [&](const QString& w) {
                return looseName(w) == looseName(stem) && !isFileOf(name, w, filesOf(w));
            });
            if (word != wanting.cend()) {
                misses << QStringList{name, *word};
                break;
            }
        }
    }
    return misses;
}

QString FolderFiles::misnamedWordsFile() const {
    if (names_.contains(kWordsFile))
        return {};
    for (const QString& name : names_) {
        const QString stem = looseName(name.section(u'.', 0, 0));
        if (stem == QLatin1String("words") || stem == QLatin1String("word"))
            return name;
    }
    return {};
}

} // namespace pictolex
