// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/picture.h"

#include "controls/units.h"
#include "platform/file_reading.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QScreen>
#include <atomic>

namespace pictolex {

Picture::Picture(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void Picture::setImage(const QImage& image) {
    image_ = image;
    update();
}

void Picture::setLeft(float twips) {
    left_ = twips;
    move(toPixels(twips), y());
}

void Picture::placeTwips(const QRect& twips) {
    left_ = float(twips.x());
    place(this, twips);
}

void Picture::paintEvent(QPaintEvent*) {
    if (image_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(QPoint(0, 0), image_.deviceIndependentSize().toSize()), image_);
}

QImage iconImage(const QString& name) {
    QImageReader reader(QStringLiteral(":/icons/%1.ico").arg(name));
    QImage best;
    // An icon file holds several images; the tiles show the 32 by 32 one.
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        const QImage image = reader.read();
        if (image.size() == QSize(32, 32))
            return image;
        if (best.isNull() || image.width() > best.width())
            best = image;
    }
    return best;
}

namespace {

// What decoding a player's picture may cost: one unit for each pixel decoded and each byte of
// the file, 4 million in all, some 50 ms of a small machine's time. The board may have 36 of
// them to read as it opens.
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

// Holds back what the image libraries say while a player's picture is decoded on this thread,
// and notes whether they warned: a picture that draws a warning is damaged, or cut short.
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

// The pixels decoded for a picture of this size when `wanted` is asked for: a JPEG is decoded
// at a half, a quarter or an eighth of its size when that still covers `wanted`.
qint64 decodedPixels(QSize full, QSize wanted, bool jpeg) {
    int scale = 1;
    while (jpeg && scale < 8 && full.width() / (2 * scale) >= wanted.width() &&
           full.height() / (2 * scale) >= wanted.height())
        scale *= 2;
    return qint64(full.width() / scale) * (full.height() / scale);
}

// A picture of any size in a square of 32 logical pixels, whole, centred, on a transparent
// ground, smoothly scaled; one that fits exactly is kept pixel for pixel. A null image when
// it would cost too much to decode.
QImage fitted(QImageReader& reader, qint64 fileBytes) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    const int side = qRound(32 * ratio);
    const QSize full = reader.size();
    if (!full.isValid())
        return {};
    // A large photograph is decoded at little more than the size it is shown at.
    QSize wanted = full;
    if (std::min(full.width(), full.height()) > 4 * side)
        wanted = full.scaled(4 * side, 4 * side, Qt::KeepAspectRatioByExpanding);
    if (decodedPixels(full, wanted, reader.format() == "jpeg") + fileBytes > kMaxDecodingCost)
        return {};
    if (wanted != full)
        reader.setScaledSize(wanted);
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

// A player's picture from the bytes of its file, turned as its camera says, and fitted; a null
// image when it cannot be read whole.
QImage ownPicture(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const HeldBackMessages messages;
    const QImage picture = fitted(reader, bytes.size());
    return messages.warned() ? QImage() : picture;
}

} // namespace

QImage wordPicture(const QString& word, const QString& userFolder) {
    if (!userFolder.isEmpty()) {
        for (const char* kind : {"png", "jpg"}) {
            const QString path = userFolder + word + QLatin1Char('.') + QLatin1String(kind);
            if (const std::optional<QByteArray> bytes = readRegularFile(path, kMaxDecodingCost)) {
                if (QImage picture = ownPicture(*bytes); !picture.isNull())
                    return picture;
            }
        }
    }
    return iconImage(word);
}

} // namespace pictolex
