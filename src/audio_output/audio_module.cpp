// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/audio_module.h"

#include "audio_output/qt_audio.h"

extern "C" Q_DECL_EXPORT pictolex::AudioFactory* pictolex_audio_factory() {
    return new pictolex::QtAudioFactory;
}
