// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMutex>
#include <QString>
#include <chrono>
#include <memory>

class QThread;

namespace pictolex {

// Words said by the desktop's speech synthesis through Qt's speech module, on a thread of its
// own: making a voice can take seconds (speech-dispatcher lists every voice it has), and no
// recording may wait for that. Speech-dispatcher speaks where it runs, Flite otherwise; a
// language Flite has no voice for still asks speech-dispatcher, which starts itself. One voice
// speaks at a time, for one channel. Every call but speaks() returns at once.
class SpeechThread {
public:
    SpeechThread();
    // Ends the thread, waiting a little. A thread stuck in the speech service is left to itself.
    ~SpeechThread();
    SpeechThread(const SpeechThread&) = delete;
    SpeechThread& operator=(const SpeechThread&) = delete;

    // Makes a voice of the language (a BCP 47 tag; English when empty) ready.
    void prepare(const QString& language);
    // Says the text for the channel, cutting off the words being said. Silence where no voice
    // speaks the language. A later request drops it, if it has not been said yet.
    void say(int channel, const QString& text, const QString& language);
    // Cuts off the channel's words, said or still to be said.
    void hush(int channel);
    // Whether the channel's words are being said, or are still to be said.
    bool speaking(int channel) const;
    // Whether a voice speaks the language; waits for the answer at most `wait`.
    bool speaks(const QString& language, std::chrono::milliseconds wait);
    // Ends the thread: answers whether it ended within `wait` (see AudioThread::finish). Once
    // a voice was made, it never ends.
    bool finish(std::chrono::milliseconds wait);
    const QThread* thread() const { return thread_.get(); }

private:
    class Speaker;

    // The number of the latest say() or hush(), and the channel whose words are being said or
    // are to be said (-1: none): asked on any thread, answered on the speech thread.
    struct Asked {
        mutable QMutex mutex;
        quint64 latest = 0;
        int channel = -1;
        bool engineMade = false;
    };

    std::shared_ptr<Asked> asked_;
    std::unique_ptr<QThread> thread_;
    std::unique_ptr<Speaker> speaker_;
};

} // namespace pictolex
