// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platform.h"

#include <QObject>
#include <QString>
#include <memory>

namespace pictolex {

// A window's one sound channel. Each sound cuts off the one before it, so the latest request
// wins; a sound that cannot be played is passed over in silence.
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    // A sound of the same name in the player's own folder is played in place of the one asked
    // for, when it can be.
    SoundPlayer(std::unique_ptr<AudioDevice> device, QString userFolder, QObject* parent);
    ~SoundPlayer() override;

    // Plays the .wav file; returns once playback has begun or failed. Without `ownMayStandIn`,
    // that very file and no other (a teacher's list speaks its own recordings, or nothing).
    void play(const QString& path, bool ownMayStandIn = true);
    // Falls silent at once.
    void stop();

private:
    bool openOwn(const QString& path);

    std::unique_ptr<AudioDevice> device_;
    QString userFolder_;
};

} // namespace pictolex
