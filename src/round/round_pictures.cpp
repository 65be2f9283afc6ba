// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "round/round_pictures.h"

namespace pictolex {

QFuture<DecodedPicture> readPictures(const WordList& list, const QString& playerFolder) {
    return decodePictures(picturePathsFor(list, playerFolder), kLargestPictureSide);
}

QHash<QString, QImage> shownPictures(const WordList& list, const QFuture<DecodedPicture>& read) {
    QHash<QString, QImage> shown;
    for (int i = 0; i < list.words.size() && i < read.resultCount(); ++i)
        if (const DecodedPicture& picture = read.resultAt(i); picture.check == PictureCheck::Shown)
            shown.insert(list.words[i], picture.image);
    return shown;
}

} // namespace pictolex
