// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audio_output/speech.h"
#include "platform/platform.h"
#include "sound/audio_thread.h"

namespace pictolex {

// Sound through Qt Multimedia's audio sinks, from sounds decoded once and kept in memory, and
// words through Qt's speech module. The sounds are read and decoded on the audio thread, where
// everything that speaks to the sound server runs; words are said on the speech thread.
class QtAudioFactory : public AudioFactory {
public:
    QtAudioFactory();
    std::unique_ptr<AudioDevice> create() override;
    void prepare() override;
    bool canSpeak(const QString& language) override;
    bool finish(std::chrono::milliseconds wait) override;

private:
    SpeechThread speech_; // outlives the audio thread, whose output speaks through it
    AudioThread thread_;
    int channels_ = 0;
};

} // namespace pictolex
