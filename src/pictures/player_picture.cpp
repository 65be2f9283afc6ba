// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/player_picture.h"

#include "platform/file_reading.h"

#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QScreen>
#include <atomic>
#include <optional>

namespace pictolex {

namespace {

// What decoding a picture may cost: one unit for each pixel decoded and each byte of the file,
// 4 million in all, some 50 ms of a small machine's time. The board may have 36 of them to read
// as it opens.
constexpr qint64 kMaxDecodingCost = 4'000'000;

std::atomic<QtMessageHandler> g_passOn = nullptr;
thread_local bool* t_warned = nullptr;

void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (t_warned) {
        *t_warned = *t_warned || (type != QtDebugMsg && type != QtInfoMsg);
        return;
    }
    if (const QtMessageHandler next = g_passOn.load())
        next(type, context, text);
}

// Holds back what the image libraries say while a picture is decoded on this thread, and notes
// whether they warned: a picture that draws a warning is damaged, or cut short.
class HeldBackMessages {
public:
    HeldBackMessages() {
        t_warned = &warned_;
        g_passOn = qInstallMessageHandler(holdBack);
    }
    ~HeldBackMessages() {
        qInstallMessageHandler(g_passOn.load());
        t_warned = nullptr;
    }
    HeldBackMessages(const HeldBackMessages&) = delete;
    HeldBackMessages& operator=(const HeldBackMessages&) = delete;
    bool warned() const { return warned_; }

private:
    bool warned_ = false;
};

// The side of the square a picture is shown in, in device pixels.
int shownSide() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return qRound(32 * (screen ? screen->devicePixelRatio() : 1.0));
}

// The pixels decoded for a picture of this size when `wanted` is asked for: a JPEG is decoded
// at a half, a quarter or an eighth of its size when that still covers `wanted`.
qint64 decodedPixels(QSize full, QSize wanted, bool jpeg) {
    int scale = 1;
    while (jpeg && scale < 8 && full.width() / (2 * scale) >= wanted.width() &&
           full.height() / (2 * scale) >= wanted.height())
        scale *= 2;
    return qint64(full.width() / scale) * (full.height() / scale);
}

// The size to decode the picture at, from its header: a large photograph at little more than
// the size it is shown at. Nothing when the header cannot be read, or decoding would cost too
// much; `tooLarge` tells which.
std::optional<QSize> decodingSize(QImageReader& reader, qint64 fileBytes, int side,
                                  bool& tooLarge) {
    const QSize full = reader.size();
    tooLarge = false;
    if (!full.isValid())
        return std::nullopt;
    QSize wanted = full;
    if (std::min(full.width(), full.height()) > 4 * side)
        wanted = full.scaled(4 * side, 4 * side, Qt::KeepAspectRatioByExpanding);
    tooLarge =
        decodedPixels(full, wanted, reader.format() == "jpeg") + fileBytes > kMaxDecodingCost;
    return tooLarge ? std::nullopt : std::optional(wanted);
}

// A picture of any size in the square, whole, centred, on a transparent ground, smoothly
// scaled; one that fits exactly is kept pixel for pixel. A null image when it would cost too
// much to decode.
QImage fitted(QImageReader& reader, qint64 fileBytes) {
    const int side = shownSide();
    const qreal ratio = side / 32.0;
    bool tooLarge = false;
    const std::optional<QSize> wanted = decodingSize(reader, fileBytes, side, tooLarge);
    if (!wanted)
        return {};
    if (*wanted != reader.size())
        reader.setScaledSize(*wanted);
    QImage picture = reader.read();
    if (picture.isNull() || picture.size() == QSize(side, side)) {
        picture.setDevicePixelRatio(ratio);
        return picture;
    }
    picture = picture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage square(side, side, QImage::Format_ARGB32_Premultiplied);
    square.fill(Qt::transparent);
    QPainter(&square).drawImage((side - picture.width()) / 2, (side - picture.height()) / 2,
                                picture);
    square.setDevicePixelRatio(ratio);
    return square;
}

} // namespace

QImage playerPicture(const QString& path) {
    const std::optional<QByteArray> bytes = readRegularFile(path, kMaxDecodingCost);
    if (!bytes)
        return {};
    QBuffer buffer;
    buffer.setData(*bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const HeldBackMessages messages;
    const QImage picture = fitted(reader, bytes->size());
    return messages.warned() ? QImage() : picture;
}

PictureCheck checkPlayerPicture(const QString& path) {
    // Only an ordinary file is opened: a pipe would keep the opening waiting.
    const QFileInfo file(path);
    if (!file.isFile())
        return PictureCheck::Unreadable;
    if (file.size() > kMaxDecodingCost)
        return PictureCheck::TooLarge;
    QImageReader reader(path);
    const HeldBackMessages messages;
    bool tooLarge = false;
    const bool shown = reader.canRead() && decodingSize(reader, file.size(), shownSide(), tooLarge);
    return shown && !messages.warned() ? PictureCheck::Shown
           : tooLarge                  ? PictureCheck::TooLarge
                                       : PictureCheck::Unreadable;
}

} // namespace pictolex
