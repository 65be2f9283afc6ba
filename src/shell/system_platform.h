#pragma once

#include "shell/platform.h"
#include "shell/qt_audio.h"

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

// The real machine: its clock, a time-seeded generator, the primary screen and Qt's audio.
struct SystemPlatform {
    SystemClock clock;
    SystemRandom random;
    SystemScreen screen;
    QtAudioFactory audio;

    Platform platform() { return Platform{clock, random, screen, audio, true}; }
};

} // namespace pictolex
