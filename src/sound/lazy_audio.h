// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platform.h"

#include <QLibrary>
#include <QString>

namespace pictolex {

// Sound from the audio module, loaded on first use rather than at start-up: Qt's multimedia
// libraries take longer to load than the rest of the game. A module that is missing or will
// not load leaves the game silent, and says nothing.
class LazyAudioFactory : public AudioFactory {
public:
    explicit LazyAudioFactory(QString modulePath);

    std::unique_ptr<AudioDevice> create() override;
    void prepare() override;
    bool canSpeak(const QString& language) override;
    bool finish(std::chrono::milliseconds wait) override;

    // The module's own factory, loaded now if need be; null when there is none.
    AudioFactory* loaded();

private:
    QLibrary library_;
    std::unique_ptr<AudioFactory> real_;
    bool tried_ = false;
};

} // namespace pictolex
