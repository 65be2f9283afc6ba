// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/player_picture.h"

#include "pictures/decoder_messages.h"
#include "pictures/picture_cost.h"
#include "platform/file_reading.h"

#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QPromise>
#include <QScreen>
#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <memory>
#include <optional>

namespace pictolex {

namespace {

// No picture worth its cost has a larger file.
constexpr qint64 kMostPictureBytes = kMostDecodingCost / kLeastCostPerByte;

// The side the check decodes at: damage shows at any size, and this one costs least.
constexpr int kCheckSide = 32;

// The picture in the square, whole and centred, on a transparent ground.
QImage squared(QImage picture, int side) {
    if (picture.size() == QSize(side, side))
        return picture;
    picture = picture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage square(side, side, QImage::Format_ARGB32_Premultiplied);
    square.fill(Qt::transparent);
    QPainter(&square).drawImage((side - picture.width()) / 2, (side - picture.height()) / 2,
                                picture);
    return square;
}

DecodedPicture decoded(const QByteArray& bytes, int side) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const DecoderMessages messages;
    const QByteArray format = reader.format(); // from the first bytes
    const QSize full = reader.size();
    if (!full.isValid()) // a picture cut short in its header, or none
        return {{}, format.isEmpty() ? PictureCheck::Unreadable : PictureCheck::Damaged};
    const PictureFacts facts = pictureFacts(bytes, full, format == "jpeg");
    if (decodingCost(facts, kLargestPictureSide) > kMostDecodingCost)
        return {{}, PictureCheck::TooLarge};
    if (!wholePng(bytes))
        return {{}, PictureCheck::Damaged};
    // A large picture is decoded at little more than the size it is shown at.
    if (full.width() > side && full.height() > side)
        reader.setScaledSize(full.scaled(side, side, Qt::KeepAspectRatioByExpanding));
    const QImage picture = reader.read();
    if (picture.isNull() || messages.damage())
        return {{}, PictureCheck::Damaged};
    const bool fits = picture.width() <= side && picture.height() <= side;
    return {fits ? picture : squared(picture, side), PictureCheck::Shown};
}

} // namespace

DecodedPicture decodePicture(const QString& path, int side) {
    const QFileInfo file(path);
    if (file.isFile() && file.size() > kMostPictureBytes)
        return {{}, PictureCheck::TooLarge};
    const std::optional<QByteArray> bytes = readRegularFile(path, kMostPictureBytes);
    if (!bytes)
        return {{}, PictureCheck::Unreadable};
    return decoded(*bytes, std::clamp(side, 1, kLargestPictureSide));
}

QFuture<DecodedPicture> decodePictures(const QStringList& paths, int side) {
    auto promise = std::make_shared<QPromise<DecodedPicture>>();
    QFuture<DecodedPicture> future = promise->future();
    promise->start();
    QThreadPool& pool = *QThreadPool::globalInstance();
    const int workers = int(std::min<qsizetype>(std::max(1, pool.maxThreadCount()), paths.size()));
    if (workers == 0)
        promise->finish();
    auto next = std::make_shared<std::atomic<int>>(0);
    auto working = std::make_shared<std::atomic<int>>(workers);
    for (int i = 0; i < workers; ++i) {
        pool.start([=] {
            for (int at = (*next)++; at < paths.size() && !promise->isCanceled(); at = (*next)++)
                promise->addResult(decodePicture(paths[at], side), at);
            if (--*working == 0)
                promise->finish();
        });
    }
    return future;
}

PictureCheck checkPicture(const QString& path) {
    return decodePicture(path, kCheckSide).check;
}

QList<PictureCheck> checkPictures(const QStringList& paths) {
    QFuture<DecodedPicture> decoding = decodePictures(paths, kCheckSide);
    decoding.waitForFinished();
    QList<PictureCheck> checks;
    for (const DecodedPicture& picture : decoding.results())
        checks << picture.check;
    return checks;
}

QImage playerPicture(const QString& path) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    const int side = qRound(32 * ratio);
    QImage picture = decodePicture(path, side).image;
    if (!picture.isNull())
        picture = squared(picture, side);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

} // namespace pictolex
