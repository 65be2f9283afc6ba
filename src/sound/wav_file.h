// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <optional>

namespace pictolex {

// The playable part of a .wav file: its sample format and the sample bytes.
struct WavData {
    enum class Sample { UInt8, Int16, Int32, Float };
    int sampleRate = 0;
    int channels = 0;
    Sample sample = Sample::Int16;
    QByteArray samples;
};

// The most a .wav file may hold: no word or fanfare of ours comes near it.
inline constexpr qint64 kMostWavBytes = 32 * 1024 * 1024;

// Why a file gives no sound that the game plays.
struct WavFault {
    enum class Kind {
        None,        // it plays
        Empty,       // no byte at all
        OtherFormat, // no RIFF WAVE; `format` names it when it is a common one (MP3, M4A, ...)
        Compressed,  // compressed samples; `format` names the compression (ADPCM, µ-law, ...)
        SampleBits,  // samples of `number` bits, or floating point ones of 64
        Channels,    // `number` channels
        SampleRate,  // `number` samples a second
        NoSound,     // cut short, or never holding a sound: no format or no samples
    };
    Kind kind = Kind::None;
    QByteArray format = {};
    qint64 number = 0;
};

// Why parseWav gives no sound for these bytes; Kind::None when it gives one.
WavFault wavFault(QByteArrayView bytes);

// Reads a RIFF WAVE file of 8, 16, 24 or 32-bit PCM or 32-bit float samples, mono or stereo,
// 24-bit samples widened to 32 bits. Anything else, or anything damaged beyond use, gives
// nothing. A data chunk cut short plays what is there. The samples are the file's own bytes,
// not a copy, where they are most of it.
std::optional<WavData> parseWav(QByteArray file);

} // namespace pictolex
