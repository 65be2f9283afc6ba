// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picture_cost.h"

#include <QtEndian>

namespace pictolex {

namespace {

constexpr QByteArrayView kPngSignature("\x89PNG\r\n\x1A\n", 8);

// Measured with Qt 6.4's decoders on a small two-core machine at rest, in units of about a
// nanosecond: a baseline JPEG of 12 million pixels and 4.4 MB decodes at an eighth of its size
// in 40 ms; the same progressive, 4 MB, in 176 ms; a PNG of 750,000 pixels in 14 ms.
// A file's bytes are read once; a progressive JPEG's are decoded pass after pass into every
// coefficient of the whole picture, however small it is decoded, and those coefficients take
// memory; an interlaced PNG is held whole as its passes fill it in, though it takes hardly longer.
constexpr qint64 kPerByte = kLeastCostPerByte;
constexpr qint64 kPerByteInPasses = 38;
constexpr qint64 kPerPixelDecoded = 18;
constexpr qint64 kPerCoefficientKept = 3;
constexpr qint64 kPerPixelInterlaced = 5;

quint32 be32(QByteArrayView bytes, qsizetype at) {
    return qFromBigEndian<quint32>(bytes.data() + at);
}

// A JPEG's frame marker tells whether it is progressive: SOF2, SOF6, SOF10 or SOF14.
bool progressiveJpeg(QByteArrayView bytes) {
    qsizetype at = 2;
    while (at + 4 <= bytes.size() && quint8(bytes[at]) == 0xFF) {
        const quint8 marker = quint8(bytes[at + 1]);
        if (marker == 0xFF) {
            ++at;
            continue;
        }
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame)
            return (marker & 3) == 2;
        at += 2 + qFromBigEndian<quint16>(bytes.data() + at + 2);
    }
    return false;
}

// A PNG's header chunk comes first; its last byte is the interlace method.
bool interlacedPng(QByteArrayView bytes) {
    return bytes.size() > 28 && bytes.startsWith(kPngSignature) && bytes[28] != 0;
}

} // namespace

PictureFacts pictureFacts(QByteArrayView bytes, QSize size, bool jpeg) {
    return {size, bytes.size(), jpeg, jpeg ? progressiveJpeg(bytes) : interlacedPng(bytes)};
}

qint64 decodingCost(const PictureFacts& facts, int side) {
    const QSize full = facts.size;
    int scale = 1;
    while (facts.jpeg && scale < 8 && full.width() / (2 * scale) >= side &&
           full.height() / (2 * scale) >= side)
        scale *= 2;
    const qint64 pixels = qint64(full.width()) * full.height();
    const qint64 decoded = qint64(full.width() / scale) * (full.height() / scale);
    const bool progressive = facts.jpeg && facts.passes, interlaced = !facts.jpeg && facts.passes;
    return (progressive ? kPerByteInPasses : kPerByte) * facts.bytes + kPerPixelDecoded * decoded +
           (progressive  ? kPerCoefficientKept
            : interlaced ? kPerPixelInterlaced
                         : 0) *
               pixels;
}

bool wholePng(QByteArrayView bytes) {
    if (!bytes.startsWith(kPngSignature))
        return true;
    qsizetype at = kPngSignature.size();
    while (at + 12 <= bytes.size()) {
        const qint64 length = be32(bytes, at);
        if (bytes.sliced(at + 4, 4) == "IEND")
            return true;
        at += 12 + length;
    }
    return false;
}

} // namespace pictolex
