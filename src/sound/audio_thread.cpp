// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/audio_thread.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMutex>
#include <QThread>
#include <map>
#include <utility>

namespace pictolex {

// The requests not yet taken up, the latest of each kind; shared by both threads.
struct AudioThread::Requests {
    QMutex mutex;
    bool prepare = false;
    std::map<int, std::shared_ptr<const WavData>> plays; // the latest for each channel
    bool finishing = false;
    bool awake = false; // the worker has been woken, or is at work
};

// Lives on the audio thread, and takes up the requests there one at a time, the freshest
// each time, until none is left.
class AudioThread::Worker : public QObject {
public:
    Worker(std::shared_ptr<Requests> requests, OutputMaker makeOutput)
        : requests_(std::move(requests)), makeOutput_(std::move(makeOutput)) {}

    void work() {
        for (;;) {
            std::shared_ptr<const WavData> sound;
            int channel = -1;
            bool prepare = false;
            {
                const QMutexLocker lock(&requests_->mutex);
                if (requests_->finishing) {
                    output_.reset();
                    thread()->quit();
                    return;
                }
                if (requests_->prepare) {
                    std::swap(prepare, requests_->prepare);
                } else if (!requests_->plays.empty()) {
                    const auto first = requests_->plays.begin();
                    channel = first->first;
                    sound = std::move(first->second);
                    requests_->plays.erase(first);
                } else {
                    requests_->awake = false;
                    return;
                }
            }
            if (!output_)
                output_ = makeOutput_();
            if (prepare)
                output_->prepare();
            else
                output_->play(channel, sound);
        }
    }

private:
    std::shared_ptr<Requests> requests_;
    OutputMaker makeOutput_;
    std::unique_ptr<SoundOutput> output_;
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

void AudioThread::play(int channel, std::shared_ptr<const WavData> sound) {
    const QMutexLocker lock(&requests_->mutex);
    requests_->plays[channel] = std::move(sound);
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
