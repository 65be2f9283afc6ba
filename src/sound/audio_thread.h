// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
};

// Sound played on a thread of its own, so that a sound server that is slow to answer, or never
// answers, never holds up a window. Every request returns at once. Of the requests made while
// the thread is busy, only the latest on each channel is carried out; the ones it replaced are
// dropped. A sound asked for by a window's thread starts once that thread has gone back to its
// event loop and repainted what it had to: the picture of a drop shows before its word's sound
// takes the processor.
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
    void play(int channel, std::shared_ptr<const WavData> sound);
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
