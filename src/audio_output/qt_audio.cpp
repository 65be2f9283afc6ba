// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio_output/qt_audio.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QThread>
#include <atomic>
#include <map>

namespace pictolex {

namespace {

QAudioFormat::SampleFormat sampleFormat(WavData::Sample sample) {
    switch (sample) {
    case WavData::Sample::UInt8:
        return QAudioFormat::UInt8;
    case WavData::Sample::Int16:
        return QAudioFormat::Int16;
    case WavData::Sample::Int32:
        return QAudioFormat::Int32;
    case WavData::Sample::Float:
        return QAudioFormat::Float;
    }
    return QAudioFormat::Unknown;
}

// The sinks, one a channel, on the audio thread.
class QtSoundOutput : public SoundOutput {
public:
    void prepare() override {
        // The first look for the output device connects to the sound server.
        QMediaDevices::defaultAudioOutput();
    }

    void play(int channel, const std::shared_ptr<const WavData>& sound) override {
        Channel& c = channels_[channel];
        if (c.sink) {
            c.sink->stop();
            c.sink.reset();
        }
        c.buffer.close();
        c.sound = sound;
        if (!sound)
            return;
        const QAudioDevice output = QMediaDevices::defaultAudioOutput();
        if (output.isNull())
            return;
        QAudioFormat format;
        format.setSampleRate(sound->sampleRate);
        format.setChannelCount(sound->channels);
        format.setSampleFormat(sampleFormat(sound->sample));
        c.buffer.setData(sound->samples);
        if (!c.buffer.open(QIODevice::ReadOnly))
            return;
        c.sink = std::make_unique<QAudioSink>(output, format);
        c.sink->start(&c.buffer);
        if (c.sink->error() != QAudio::NoError)
            play(channel, nullptr);
    }

private:
    struct Channel {
        std::shared_ptr<const WavData> sound;
        QBuffer buffer;
        std::unique_ptr<QAudioSink> sink; // ends before the buffer it reads
    };
    std::map<int, Channel> channels_;
};

// A window's sound channel: the sound is read here, and played on the audio thread.
class QtAudioDevice : public AudioDevice {
public:
    QtAudioDevice(SoundCache& cache, AudioThread& thread, int channel)
        : cache_(cache), thread_(thread), channel_(channel) {}
    ~QtAudioDevice() override { close(); }

    bool open(const QString& path) override {
        sound_ = cache_.load(path);
        return sound_ != nullptr;
    }
    void play() override {
        if (sound_)
            thread_.play(channel_, sound_);
    }
    void close() override {
        sound_.reset();
        thread_.play(channel_, nullptr);
    }

private:
    SoundCache& cache_;
    AudioThread& thread_;
    const int channel_;
    std::shared_ptr<const WavData> sound_;
};

std::atomic<QtMessageHandler> g_nextHandler = nullptr;
std::atomic<const QThread*> g_audioThread = nullptr;

// The sound library's own messages: whatever is said on the audio thread, where every call into
// it is made, and what its connection to the server says on threads of its own. Qt's stream
// quotes a text, so "PulseAudioService: …" may come with its quotation mark.
bool fromSoundLibrary(const QString& message) {
    if (QThread::currentThread() == g_audioThread.load())
        return true;
    QStringView text(message);
    if (text.startsWith(u'"'))
        text = text.sliced(1);
    return text.startsWith(u"PulseAudioService:");
}

// A machine without a sound server is no fault of the player's: the sound library's complaints
// about it never reach the terminal.
void quietAudioMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (fromSoundLibrary(message))
        return;
    if (const QtMessageHandler next = g_nextHandler.load())
        next(type, context, message);
}

} // namespace

QtAudioFactory::QtAudioFactory() : thread_([] { return std::make_unique<QtSoundOutput>(); }) {
    g_audioThread = thread_.thread();
    static const bool installed = [] {
        QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*=false"));
        g_nextHandler = qInstallMessageHandler(quietAudioMessages);
        return true;
    }();
    Q_UNUSED(installed);
}

void QtAudioFactory::prepare() {
    thread_.prepare();
}

bool QtAudioFactory::finish(std::chrono::milliseconds wait) {
    return thread_.finish(wait);
}

std::unique_ptr<AudioDevice> QtAudioFactory::create() {
    return std::make_unique<QtAudioDevice>(cache_, thread_, channels_++);
}

} // namespace pictolex
