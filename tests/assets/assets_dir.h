#pragma once

#include "board/words.h"

#include <QDir>
#include <QString>
#include <QStringList>

namespace pictolex::test {

inline QDir assetsDir(const char* sub) {
    return QDir(QStringLiteral(PICTOLEX_ASSETS_DIR "/") + QLatin1String(sub));
}

// The files of one asset folder that match the pattern, sorted by name with capitals apart.
inline QStringList assetFiles(const char* sub, const QString& pattern) {
    QStringList names = assetsDir(sub).entryList({pattern}, QDir::Files, QDir::NoSort);
    names.sort(Qt::CaseSensitive);
    return names;
}

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The 36 words followed by the suffix, sorted as QDir sorts names.
inline QStringList wordFileNames(const QString& suffix) {
    QStringList names;
    for (const std::string_view word : kWords)
        names << toQString(word) + suffix;
    names.sort(Qt::CaseSensitive);
    return names;
}

} // namespace pictolex::test
