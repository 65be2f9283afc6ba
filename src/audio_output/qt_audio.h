// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platform.h"
#include "sound/audio_thread.h"
#include "sound/sound_cache.h"

namespace pictolex {

// Sound through Qt Multimedia's audio sinks, from sounds decoded once and kept in memory. The
// sounds are read and decoded on the caller's thread; everything that speaks to the sound
// server runs on the audio thread.
class QtAudioFactory : public AudioFactory {
public:
    QtAudioFactory();
    std::unique_ptr<AudioDevice> create() override;
    void prepare() override;
    bool finish(std::chrono::milliseconds wait) override;

private:
    SoundCache cache_;
    AudioThread thread_;
    int channels_ = 0;
};

} // namespace pictolex
