// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platform.h"

#include <QObject>
#include <chrono>
#include <memory>

namespace pictolex {

// The longest a word takes to say: what comes after a word waits for it no longer.
inline constexpr std::chrono::milliseconds kLongestWord{2000};

// A window's one sound channel. Each sound cuts off the one before it, so the latest request
// wins; a recording cuts off words being spoken, and words a recording. Every request returns
// at once, whatever the size of a recording or the state of the sound server, and what cannot
// be heard is passed over in silence.
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    SoundPlayer(std::unique_ptr<AudioDevice> device, QObject* parent);
    ~SoundPlayer() override;

    // Plays the utterance's first recording that plays, else speaks its text in its language,
    // else falls silent.
    void play(const Utterance& utterance);
    // The same once the sound playing now has ended, or `atMost` from now if it goes on longer.
    void playNext(const Utterance& utterance, std::chrono::milliseconds atMost = kLongestWord);
    // Falls silent at once.
    void stop();
    // Gets ready to say the utterance without a delay: a voice for its language is made ready,
    // on another thread, when it has no recording. Nothing is heard.
    void prepare(const Utterance& utterance);

private:
    std::unique_ptr<AudioDevice> device_;
};

} // namespace pictolex
