// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QSize>
#include <QString>
#include <chrono>
#include <memory>

class QWidget;

namespace pictolex {

// The local date and time, to the whole second, and a count of milliseconds that only ever
// goes forward, whatever is done to the date and time, for measuring how long things take.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    virtual qint64 monotonicMs() const = 0;
};

// A pseudo-random source of values r with 0 <= r < 1.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseedFromTime() = 0;
    virtual float next() = 0;
};

// The size of the whole screen in logical pixels.
class ScreenInfo {
public:
    virtual ~ScreenInfo() = default;
    virtual QSize size() const = 0;
};

// One sound output: opens a .wav file, plays it, and falls silent on close.
// Every failure is silent: open() answers false and nothing is played.
class AudioDevice {
public:
    virtual ~AudioDevice() = default;
    virtual bool open(const QString& path) = 0;
    virtual void play() = 0;
    virtual void close() = 0;
};

class AudioFactory {
public:
    virtual ~AudioFactory() = default;
    virtual std::unique_ptr<AudioDevice> create() = 0;
    // Gets the sound output ready ahead of the first sound, where that takes time.
    virtual void prepare() {}
    // Ends the sound output as the program ends, waiting at most `wait`. Answers false when it
    // could not end in time, stuck in a call that does not return; nothing is safe to tear
    // down then, and the program must leave without running destructors.
    virtual bool finish(std::chrono::milliseconds wait) {
        Q_UNUSED(wait);
        return true;
    }
};

// Modal message boxes, titled and with an icon.
class MessageBoxes {
public:
    enum class Icon { Information, Warning };
    virtual ~MessageBoxes() = default;
    virtual void show(QWidget* parent, Icon icon, const QString& title, const QString& text) = 0;
};

// What the windows take from the machine. Tests hand in their own.
struct Platform {
    Clock& clock;
    RandomSource& random;
    ScreenInfo& screen;
    AudioFactory& audio;
    MessageBoxes& messages;
    // The player's own folder, with a trailing '/': the results log, and sounds and pictures
    // that stand in for the game's own. Empty when there is none.
    QString userFolder;
    // Tests step timers by hand; the game lets them tick.
    bool realTimers = true;
};

} // namespace pictolex
