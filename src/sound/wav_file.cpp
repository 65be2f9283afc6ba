// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/wav_file.h"

#include <QtEndian>
#include <algorithm>

namespace pictolex {

namespace {

struct Format {
    quint16 tag = 0;
    quint16 channels = 0;
    quint32 sampleRate = 0;
    quint16 blockAlign = 0;
    quint16 bits = 0;
};

constexpr quint16 kPcm = 1;
constexpr quint16 kFloat = 3;
constexpr quint16 kExtensible = 0xFFFE;

quint16 u16(QByteArrayView b, qsizetype at) {
    return qFromLittleEndian<quint16>(b.data() + at);
}
quint32 u32(QByteArrayView b, qsizetype at) {
    return qFromLittleEndian<quint32>(b.data() + at);
}

std::optional<Format> readFormat(QByteArrayView chunk) {
    if (chunk.size() < 16)
        return std::nullopt;
    Format f{u16(chunk, 0), u16(chunk, 2), u32(chunk, 4), u16(chunk, 12), u16(chunk, 14)};
    // An extensible header names its real format in the first two bytes of the sub-format.
    if (f.tag == kExtensible && chunk.size() >= 26)
        f.tag = u16(chunk, 24);
    return f;
}

std::optional<WavData::Sample> sampleOf(const Format& f) {
    if (f.tag == kPcm && f.bits == 8)
        return WavData::Sample::UInt8;
    if (f.tag == kPcm && f.bits == 16)
        return WavData::Sample::Int16;
    if (f.tag == kPcm && (f.bits == 24 || f.bits == 32))
        return WavData::Sample::Int32;
    if (f.tag == kFloat && f.bits == 32)
        return WavData::Sample::Float;
    return std::nullopt;
}

// 24-bit samples, which sound outputs do not take, as 32-bit ones: each gains a low byte of 0.
QByteArray widened(QByteArrayView packed) {
    QByteArray wide(packed.size() / 3 * 4, '\0');
    for (qsizetype in = 0, out = 0; in < packed.size(); in += 3, out += 4)
        std::copy_n(packed.data() + in, 3, wide.data() + out + 1);
    return wide;
}

} // namespace

std::optional<WavData> parseWav(QByteArray file) {
    const QByteArrayView bytes(file);
    if (bytes.size() < 12 || bytes.first(4) != "RIFF" || bytes.sliced(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<Format> format;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArrayView id = bytes.sliced(at, 4);
        const qsizetype declared = u32(bytes, at + 4);
        const qsizetype available = bytes.size() - (at + 8);
        const QByteArrayView body = bytes.sliced(at + 8, std::min(declared, available));
        if (id == "fmt ") {
            format = readFormat(body);
        } else if (id == "data") {
            if (!format)
                return std::nullopt;
            const std::optional<WavData::Sample> sample = sampleOf(*format);
            const int frame = format->channels * (format->bits / 8);
            if (!sample || format->channels < 1 || format->channels > 2 ||
                format->sampleRate < 4000 || format->sampleRate > 192000)
                return std::nullopt;
            const qsizetype usable = body.size() - body.size() % frame;
            if (usable == 0)
                return std::nullopt;
            WavData wav{int(format->sampleRate), format->channels, *sample, {}};
            if (format->bits == 24) {
                wav.samples = widened(body.first(usable));
            } else if (usable * 2 < file.size()) { // mostly other chunks: not kept with them
                wav.samples = body.first(usable).toByteArray();
            } else { // the file's own bytes, without a copy: Qt drops a head by moving past it
                file.truncate(at + 8 + usable);
                wav.samples = std::move(file.remove(0, at + 8));
            }
            return wav;
        }
        at += 8 + declared + (declared & 1);
    }
    return std::nullopt;
}

} // namespace pictolex
