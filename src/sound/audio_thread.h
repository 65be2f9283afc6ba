// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platform.h"
#include "sound/wav_file.h"

#include <chrono>
#include <functional>
#include <memory>

class QThread;

namespace pictolex {

// What sounds go out through. It is called on the audio thread alone, and any call may take
// long: a sound server can keep it waiting.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Connects to the sound server ahead of the first sound.
    virtual void prepare() = 0;
    // Plays the sound on the channel, cutting off what the channel played; a null sound
    // silences it.
    virtual void play(int channel, const std::shared_ptr<const WavData>& sound) = 0;
    // Speaks the text on the channel in a voice of the language, cutting off what the channel
    // played; silence where no voice speaks the language.
    virtual void speak(int channel, const QString& text, const QString& language) = 0;
    // Makes a voice of the language ready ahead of its first word.
    virtual void prepareVoice(const QString& language) = 0;
    // Whether the channel still sounds: a sound not played out, or words still being said.
    virtual bool sounding(int channel) = 0;
};

// Sound played on a thread of its own, so that a sound server that is slow to answer, or never
// answers, never holds up a window. Every request returns at once: the recordings are read and
// decoded on the thread too, whatever their size. Of the requests made while the thread is busy,
// only the latest on each channel is carried out; the ones it replaced are dropped. A sound
// asked for by a window's thread starts once that thread has gone back to its event loop and
// repainted what it had to: the picture of a drop shows before its word's sound takes the
// processor.
class AudioThread {
public:
    using OutputMaker = std::function<std::unique_ptr<SoundOutput>()>;

    // The output is made on the thread, for its first request, and destroyed there.
    explicit AudioThread(OutputMaker makeOutput);
    // Ends the thread, waiting a little. A thread stuck in the output is left to itself.
    ~AudioThread();
    AudioThread(const AudioThread&) = delete;
    AudioThread& operator=(const AudioThread&) = delete;

    void prepare();
    // Cuts off what the channel plays and plays the utterance: its first recording that can be
    // read, or else its text spoken; an empty one silences the channel. A recording changed on
    // the disk is read anew.
    void play(int channel, Utterance utterance);
    // Plays the utterance once the channel falls silent, or `atMost` from now, whichever comes
    // first. It waits for a sound asked for before it, even one not started yet.
    void playNext(int channel, Utterance utterance, std::chrono::milliseconds atMost);
    // Makes a voice ready for the utterance when none of its recordings is there.
    void prepare(Utterance utterance);
    // Drops every request not yet carried out, destroys the output on the thread and ends it.
    // Answers whether the thread ended within `wait`; when it did not, it is stuck in a call
    // of the output, and this may be asked again.
    bool finish(std::chrono::milliseconds wait);
    // The thread the output runs on.
    const QThread* thread() const { return thread_.get(); }

private:
    struct Requests;
    class Worker;
    class Waker;
    void wake();

    std::shared_ptr<Requests> requests_;
    std::unique_ptr<QThread> thread_;
    std::unique_ptr<Worker> worker_;
    std::unique_ptr<Waker> waker_;
};

} // namespace pictolex
