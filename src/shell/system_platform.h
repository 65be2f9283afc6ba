// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/lazy_audio.h"
#include "shell/platform.h"

#include <random>

namespace pictolex {

class SystemClock : public Clock {
public:
    QDateTime now() const override;
};

class SystemRandom : public RandomSource {
public:
    void reseedFromTime() override;
    float next() override;

private:
    std::mt19937 engine_;
};

class SystemScreen : public ScreenInfo {
public:
    QSize size() const override;
};

class SystemMessageBoxes : public MessageBoxes {
public:
    void show(QWidget* parent, Icon icon, const QString& title, const QString& text) override;
};

// The real machine: its clock, a time-seeded generator, the primary screen and Qt's audio.
struct SystemPlatform {
    explicit SystemPlatform(const QString& executableDir);

    SystemClock clock;
    SystemRandom random;
    SystemScreen screen;
    LazyAudioFactory audio;
    SystemMessageBoxes messages;
    QString userFolder;

    Platform platform() { return Platform{clock, random, screen, audio, messages, userFolder}; }
};

} // namespace pictolex
