// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace pictolex {

class AudioFactory;

// The audio module hands out one factory, which the caller owns.
using AudioModuleEntry = AudioFactory* (*)();
inline constexpr char kAudioModuleEntry[] = "pictolex_audio_factory";

} // namespace pictolex
