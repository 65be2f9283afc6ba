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

// Reads a RIFF WAVE file of 8, 16, 24 or 32-bit PCM or 32-bit float samples, mono or stereo,
// 24-bit samples widened to 32 bits. Anything else, or anything damaged beyond use, gives
// nothing. A data chunk cut short plays what is there. The samples are the file's own bytes,
// not a copy, where they are most of it.
std::optional<WavData> parseWav(QByteArray file);

} // namespace pictolex
