// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/sound_player.h"

namespace pictolex {

SoundPlayer::SoundPlayer(std::unique_ptr<AudioDevice> device, QObject* parent)
    : QObject(parent), device_(std::move(device)) {}

SoundPlayer::~SoundPlayer() {
    if (device_)
        device_->stop();
}

void SoundPlayer::play(const Utterance& utterance) {
    if (device_)
        device_->play(utterance);
}

void SoundPlayer::playNext(const Utterance& utterance, std::chrono::milliseconds atMost) {
    if (device_)
        device_->playNext(utterance, atMost);
}

void SoundPlayer::stop() {
    if (device_)
        device_->stop();
}

void SoundPlayer::prepare(const Utterance& utterance) {
    if (device_)
        device_->prepare(utterance);
}

} // namespace pictolex
