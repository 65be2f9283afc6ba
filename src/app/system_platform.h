// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/install_layout.h"
#include "platform/system_services.h"
#include "sound/lazy_audio.h"

namespace pictolex {

// The real machine: its clock, a time-seeded generator, the primary screen, the player's folder
// and Qt's audio from the module beside the program.
struct SystemPlatform {
    explicit SystemPlatform(const QString& executableDir)
        : audio(audioModuleFor(executableDir)), userFolder(playerFolder()) {}

    SystemClock clock;
    SystemRandom random;
    SystemScreen screen;
    LazyAudioFactory audio;
    SystemMessageBoxes messages;
    QString userFolder;

    Platform platform() { return Platform{clock, random, screen, audio, messages, userFolder}; }
};

} // namespace pictolex
