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

using Fault = WavFault::Kind;

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

// The common compressions inside a WAVE file, by their format tags.
QByteArray compression(quint16 tag) {
    switch (tag) {
    case 0x0002:
    case 0x0011:
        return "ADPCM";
    case 0x0006:
        return "A-law";
    case 0x0007:
        return "\xC2\xB5-law";
    case 0x0050:
    case 0x0055:
        return "MP3";
    default:
        return "0x" + QByteArray::number(tag, 16).rightJustified(4, '0').toUpper();
    }
}

// Why a format gives no sound the game plays.
WavFault formatFault(const Format& f) {
    if (f.tag != kPcm && f.tag != kFloat)
        return {Fault::Compressed, compression(f.tag)};
    if (!sampleOf(f))
        return {Fault::SampleBits, {}, f.bits};
    if (f.channels < 1 || f.channels > 2)
        return {Fault::Channels, {}, f.channels};
    if (f.sampleRate < 4000 || f.sampleRate > 192000)
        return {Fault::SampleRate, {}, f.sampleRate};
    return {};
}

// What a file that is no RIFF WAVE is, by its first bytes, when it is a common sound format.
QByteArray otherFormat(QByteArrayView bytes) {
    if (bytes.startsWith("ID3") ||
        (bytes.size() >= 2 && quint8(bytes[0]) == 0xFF && (quint8(bytes[1]) & 0xE0) == 0xE0))
        return "MP3";
    if (bytes.size() >= 12 && bytes.sliced(4, 4) == "ftyp")
        return "M4A";
    if (bytes.startsWith("OggS"))
        return "Ogg";
    if (bytes.startsWith("fLaC"))
        return "FLAC";
    if (bytes.startsWith("FORM"))
        return "AIFF";
    return {};
}

// 24-bit samples, which sound outputs do not take, as 32-bit ones: each gains a low byte of 0.
QByteArray widened(QByteArrayView packed) {
    QByteArray wide(packed.size() / 3 * 4, '\0');
    for (qsizetype in = 0, out = 0; in < packed.size(); in += 3, out += 4)
        std::copy_n(packed.data() + in, 3, wide.data() + out + 1);
    return wide;
}

} // namespace

namespace {

// The samples a file holds, and their format, before they are copied out.
struct Samples {
    Format format;
    QByteArrayView bytes;
};

std::optional<Samples> parse(QByteArrayView bytes, WavFault& fault) {
    fault =
        bytes.isEmpty() ? WavFault{Fault::Empty} : WavFault{Fault::OtherFormat, otherFormat(bytes)};
    if (bytes.size() < 12 || bytes.first(4) != "RIFF" || bytes.sliced(8, 4) != "WAVE")
        return std::nullopt;
    fault = {Fault::NoSound};
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
            if (fault = formatFault(*format); fault.kind != Fault::None)
                return std::nullopt;
            const int frame = format->channels * (format->bits / 8);
            const qsizetype usable = body.size() - body.size() % frame;
            if (usable == 0) {
                fault = {Fault::NoSound};
                return std::nullopt;
            }
            return Samples{*format, body.first(usable)};
        }
        at += 8 + declared + (declared & 1);
    }
    return std::nullopt;
}

} // namespace

std::optional<WavData> parseWav(QByteArray file) {
    WavFault fault;
    const std::optional<Samples> found = parse(file, fault);
    if (!found)
        return std::nullopt;
    const Format& f = found->format;
    WavData wav{int(f.sampleRate), f.channels, *sampleOf(f), {}};
    const qsizetype start = found->bytes.data() - file.constData(), usable = found->bytes.size();
    if (f.bits == 24) {
        wav.samples = widened(found->bytes);
    } else if (usable * 2 < file.size()) { // mostly other chunks: not kept with them
        wav.samples = found->bytes.toByteArray();
    } else { // the file's own bytes, without a copy: Qt drops a head by moving past it
        file.truncate(start + usable);
        wav.samples = std::move(file.remove(0, start));
    }
    return wav;
}

WavFault wavFault(QByteArrayView bytes) {
    WavFault fault;
    parse(bytes, fault);
    return fault;
}

} // namespace pictolex
