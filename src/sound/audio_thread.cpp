// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/audio_thread.h"

#include "sound/sound_cache.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QFileInfo>
#include <QMutex>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <deque>
#include <map>
#include <utility>

namespace pictolex {

namespace {

// A sound that waits for the one before it looks again this often.
constexpr int kLookMs = 20;

struct Next {
    Utterance utterance;
    QDeadlineTimer cutOff; // when the sound before it is cut off, if it has not ended
};

} // namespace

// The requests not yet taken up, the latest of each kind; shared by both threads.
struct AudioThread::Requests {
    QMutex mutex;
    bool prepare = false;
    std::map<int, Utterance> plays; // the latest for each channel
    std::map<int, Next> nexts;      // the latest for each channel, after its play if any
    std::deque<Utterance> voices;   // utterances to get ready for
    bool finishing = false;
    bool awake = false; // the worker has been woken, or is at work
};

// Lives on the audio thread, and takes up the requests there one at a time, the freshest
// each time, until none is left; then plays what waited for its channel to fall silent.
class AudioThread::Worker : public QObject {
public:
    Worker(std::shared_ptr<Requests> requests, OutputMaker makeOutput)
        : requests_(std::move(requests)), makeOutput_(std::move(makeOutput)), look_(this) {
        look_.setInterval(kLookMs);
        connect(&look_, &QTimer::timeout, this, &Worker::work);
    }

    void work() {
        for (;;) {
            enum { Prepare, Play, Wait, Ready } job = Prepare;
            int channel = -1;
            Next request;
            {
                const QMutexLocker lock(&requests_->mutex);
                if (requests_->finishing) {
                    look_.stop();
                    output_.reset();
                    thread()->quit();
                    return;
                }
                if (std::exchange(requests_->prepare, false)) {
                    job = Prepare;
                } else if (!requests_->plays.empty()) {
                    job = Play;
                    auto first = requests_->plays.extract(requests_->plays.begin());
                    channel = first.key();
                    request.utterance = std::move(first.mapped());
                } else if (!requests_->nexts.empty()) {
                    job = Wait;
                    auto first = requests_->nexts.extract(requests_->nexts.begin());
                    channel = first.key();
                    request = std::move(first.mapped());
                } else if (!requests_->voices.empty()) {
                    job = Ready;
                    request.utterance = std::move(requests_->voices.front());
                    requests_->voices.pop_front();
                } else {
                    requests_->awake = false;
                    break;
                }
            }
            if (!output_)
                output_ = makeOutput_();
            if (job == Prepare) {
                output_->prepare();
            } else if (job == Play) {
                waiting_.erase(channel);
                sound(channel, request.utterance);
            } else if (job == Wait) {
                waiting_[channel] = std::move(request);
            } else if (job == Ready) {
                getReady(request.utterance);
            }
        }
        playWaiting();
    }

private:
    void sound(int channel, const Utterance& utterance) {
        for (const QString& path : utterance.recordings) {
            if (std::shared_ptr<const WavData> recording = cache_.load(path)) {
                output_->play(channel, recording);
                return;
            }
        }
        if (utterance.text.isEmpty())
            output_->play(channel, nullptr);
        else
            output_->speak(channel, utterance.text, utterance.language);
    }

    void getReady(const Utterance& utterance) {
        const bool recorded =
            std::any_of(utterance.recordings.begin(), utterance.recordings.end(),
                        [](const QString& path) { return QFileInfo(path).isFile(); });
        if (!recorded && !utterance.text.isEmpty())
            output_->prepareVoice(utterance.language);
    }

    void playWaiting() {
        for (auto it = waiting_.begin(); it != waiting_.end();) {
            if (it->second.cutOff.hasExpired() || !output_->sounding(it->first)) {
                sound(it->first, it->second.utterance);
                it = waiting_.erase(it);
            } else {
                ++it;
            }
        }
        if (waiting_.empty())
            look_.stop();
        else if (!look_.isActive())
            look_.start();
    }

    std::shared_ptr<Requests> requests_;
    OutputMaker makeOutput_;
    std::unique_ptr<SoundOutput> output_;
    SoundCache cache_;
    std::map<int, Next> waiting_; // for the channel to fall silent
    QTimer look_;
};

// Lives on the thread that asks for sounds, and wakes the worker once that thread has dealt with
// what it had already posted, its repaints among them: they too wait at low priority.
class AudioThread::Waker : public QObject {
public:
    explicit Waker(AudioThread& owner) : owner_(owner) {}

    // With the requests locked.
    void wakeAfterRepaint() {
        if (!owner_.requests_->awake && !std::exchange(posted_, true))
            QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::LowEventPriority);
    }

    bool event(QEvent* event) override {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        const QMutexLocker lock(&owner_.requests_->mutex);
        posted_ = false;
        owner_.wake();
        return true;
    }

private:
    AudioThread& owner_;
    bool posted_ = false;
};

AudioThread::AudioThread(OutputMaker makeOutput)
    : requests_(std::make_shared<Requests>()), thread_(std::make_unique<QThread>()),
      worker_(std::make_unique<Worker>(requests_, std::move(makeOutput))),
      waker_(std::make_unique<Waker>(*this)) {
    thread_->setObjectName(QStringLiteral("audio"));
    worker_->moveToThread(thread_.get());
    thread_->start();
}

AudioThread::~AudioThread() {
    if (!finish(std::chrono::milliseconds(300))) {
        // The thread cannot be stopped inside the sound library, nor destroyed while it runs:
        // it keeps its worker and the requests, and the program is left without destructors.
        (void)thread_.release();
        (void)worker_.release();
    }
}

void AudioThread::prepare() {
    const QMutexLocker lock(&requests_->mutex);
    requests_->prepare = true;
    wake();
}

void AudioThread::play(int channel, Utterance utterance) {
    const QMutexLocker lock(&requests_->mutex);
    requests_->plays[channel] = std::move(utterance);
    requests_->nexts.erase(channel);
    waker_->wakeAfterRepaint();
}

void AudioThread::playNext(int channel, Utterance utterance, std::chrono::milliseconds atMost) {
    const QMutexLocker lock(&requests_->mutex);
    requests_->nexts[channel] = Next{std::move(utterance), QDeadlineTimer(atMost)};
    waker_->wakeAfterRepaint();
}

void AudioThread::prepare(Utterance utterance) {
    const QMutexLocker lock(&requests_->mutex);
    requests_->voices.push_back(std::move(utterance));
    waker_->wakeAfterRepaint();
}

bool AudioThread::finish(std::chrono::milliseconds wait) {
    {
        const QMutexLocker lock(&requests_->mutex);
        requests_->finishing = true;
        wake();
    }
    return thread_->wait(QDeadlineTimer(wait));
}

// With the requests locked: makes sure the worker will look at them.
void AudioThread::wake() {
    if (std::exchange(requests_->awake, true))
        return;
    Worker* worker = worker_.get();
    QMetaObject::invokeMethod(
        worker, [worker] { worker->work(); }, Qt::QueuedConnection);
}

} // namespace pictolex
