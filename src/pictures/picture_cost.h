// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QSize>

namespace pictolex {

// What a picture's file says before it is decoded, enough to tell what decoding it costs.
struct PictureFacts {
    QSize size;          // as stored, before it is turned upright
    qint64 bytes = 0;    // of the whole file
    bool jpeg = false;   // a JPEG is decoded at 1/2, 1/4 or 1/8 of its size when that will do
    bool passes = false; // progressive JPEG or interlaced PNG: decoded whole, pass after pass
};

PictureFacts pictureFacts(QByteArrayView bytes, QSize size, bool jpeg);

// What decoding a picture to fill a square of `side` device pixels costs, in units of about a
// nanosecond of a small two-core machine's time: for each byte of the file (more for one in
// passes), each pixel decoded and, when the picture comes in passes, each of its pixels at
// full size (a progressive JPEG keeps every coefficient of the whole picture, however small it
// is decoded; an interlaced PNG is decoded whole).
qint64 decodingCost(const PictureFacts& facts, int side);

// The most a picture may cost at the largest side it is shown at: some 50 ms, so that the 36
// pictures of a list, two decoded at once, take under a second as the board opens.
inline constexpr qint64 kMostDecodingCost = 50'000'000;
// No picture within that cost has a larger file: every byte costs at least this.
inline constexpr qint64 kLeastCostPerByte = 9;

// Whether a PNG's chunks run whole to its end: a PNG cut short is named without being handed
// to the decoder, which would print its error on the terminal. Any other file passes.
bool wholePng(QByteArrayView bytes);

} // namespace pictolex
