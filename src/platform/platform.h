// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QSize>
#include <QString>
#include <QStringList>
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

// What a window asks to hear: a word, or the fanfare.
struct Utterance {
    QStringList recordings; // .wav files, tried in order: the first that plays is heard
    QString text;           // spoken by speech synthesis when none plays; empty: silence
    QString language;       // the text's language, a BCP 47 tag ("en", "ja")
};

// A window's one sound channel. Every request returns at once and never fails: what cannot be
// played is not heard, and nothing is said about it.
class AudioDevice {
public:
    virtual ~AudioDevice() = default;
    // Cuts off what the channel plays, and plays the utterance.
    virtual void play(const Utterance& utterance) = 0;
    // Plays the utterance once the sound the channel plays now has ended, cutting that off if
    // it goes on for longer than `atMost` from now. A later request replaces it.
    virtual void playNext(const Utterance& utterance, std::chrono::milliseconds atMost) = 0;
    // Falls silent.
    virtual void stop() = 0;
    // Gets ready to play the utterance soon, with nothing heard: a voice for its language is
    // made ready when it has no recording. Making one can take seconds.
    virtual void prepare(const Utterance& utterance) { Q_UNUSED(utterance); }
};

class AudioFactory {
public:
    virtual ~AudioFactory() = default;
    virtual std::unique_ptr<AudioDevice> create() = 0;
    // Gets the sound output ready ahead of the first sound, where that takes time.
    virtual void prepare() {}
    // Whether a voice of the desktop's speech synthesis speaks the language (a BCP 47 tag).
    // It can take seconds, as the speech service lists its voices: for the command line, never
    // on a window's thread.
    virtual bool canSpeak(const QString& language) {
        Q_UNUSED(language);
        return false;
    }
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
