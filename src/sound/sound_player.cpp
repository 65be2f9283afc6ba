// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/sound_player.h"

#include <QFileInfo>

namespace pictolex {

SoundPlayer::SoundPlayer(std::unique_ptr<AudioDevice> device, QString userFolder, QObject* parent)
    : QObject(parent), device_(std::move(device)), userFolder_(std::move(userFolder)) {}

SoundPlayer::~SoundPlayer() {
    if (device_)
        device_->close();
}

void SoundPlayer::play(const QString& path, bool ownMayStandIn) {
    if (!device_)
        return;
    device_->close();
    if ((ownMayStandIn && openOwn(path)) || device_->open(path))
        device_->play();
}

void SoundPlayer::stop() {
    if (device_)
        device_->close();
}

bool SoundPlayer::openOwn(const QString& path) {
    if (userFolder_.isEmpty())
        return false;
    const QString own = userFolder_ + QFileInfo(path).fileName();
    return own != path && QFileInfo::exists(own) && device_->open(own);
}

} // namespace pictolex
