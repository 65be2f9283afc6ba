// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platform.h"
#include "sound/sound_cache.h"

namespace pictolex {

// Sound through Qt Multimedia's audio sink, from sounds decoded once and kept in memory.
class QtAudioFactory : public AudioFactory {
public:
    QtAudioFactory();
    std::unique_ptr<AudioDevice> create() override;
    void prepare() override;

private:
    SoundCache cache_;
};

} // namespace pictolex
