// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio_output/qt_audio.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QDeadlineTimer>
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

// The sinks, one a channel, on the audio thread, and the words said on the speech thread.
class QtSoundOutput : public SoundOutput {
public:
    explicit QtSoundOutput(SpeechThread& speech) : speech_(speech) {}

    void prepare() override {
        // The first look for the output device connects to the sound server.
        QMediaDevices::defaultAudioOutput();
    }

    void play(int channel, const std::shared_ptr<const WavData>& sound) override {
        speech_.hush(channel);
        playRecording(channel, sound);
    }

    void speak(int channel, const QString& text, const QString& language) override {
        playRecording(channel, nullptr);
        speech_.say(channel, text, language);
    }

    void prepareVoice(const QString& language) override { speech_.prepare(language); }

    bool sounding(int channel) override {
        const auto found = channels_.find(channel);
        return (found != channels_.end() && found->second.sink &&
                found->second.sink->state() == QAudio::ActiveState) ||
               speech_.speaking(channel);
    }

private:
    void playRecording(int channel, const std::shared_ptr<const WavData>& sound) {
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
            playRecording(channel, nullptr);
    }

    struct Channel {
        std::shared_ptr<const WavData> sound;
        QBuffer buffer;
        std::unique_ptr<QAudioSink> sink; // ends before the buffer it reads
    };
    SpeechThread& speech_;
    std::map<int, Channel> channels_;
};

// A window's sound channel, played on the audio thread.
class QtAudioDevice : public AudioDevice {
public:
    QtAudioDevice(AudioThread& thread, int channel) : thread_(thread), channel_(channel) {}
    ~QtAudioDevice() override { stop(); }

    void play(const Utterance& utterance) override { thread_.play(channel_, utterance); }
    void playNext(const Utterance& utterance, std::chrono::milliseconds atMost) override {
        thread_.playNext(channel_, utterance, atMost);
    }
    void stop() override { thread_.play(channel_, {}); }
    void prepare(const Utterance& utterance) override { thread_.prepare(utterance); }

private:
    AudioThread& thread_;
    const int channel_;
};

std::atomic<QtMessageHandler> g_nextHandler = nullptr;
std::atomic<const QThread*> g_audioThread = nullptr;
std::atomic<const QThread*> g_speechThread = nullptr;

// The sound library's own messages: whatever is said on the audio and the speech thread, where
// every call into it and the speech module is made, and what its connection to the server says
// on threads of its own. Qt's stream
// quotes a text, so "PulseAudioService: …" may come with its quotation mark.
bool fromSoundLibrary(const QString& message) {
    const QThread* current = QThread::currentThread();
    if (current == g_audioThread.load() || current == g_speechThread.load())
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

QtAudioFactory::QtAudioFactory()
    : thread_([this] { return std::make_unique<QtSoundOutput>(speech_); }) {
    g_audioThread = thread_.thread();
    g_speechThread = speech_.thread();
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

bool QtAudioFactory::canSpeak(const QString& language) {
    // Speech-dispatcher takes seconds to list its voices on a slow machine.
    return speech_.speaks(language, std::chrono::seconds(20));
}

bool QtAudioFactory::finish(std::chrono::milliseconds wait) {
    const QDeadlineTimer deadline(wait);
    return thread_.finish(wait) &&
           speech_.finish(std::chrono::duration_cast<std::chrono::milliseconds>(
               deadline.remainingTimeAsDuration()));
}

std::unique_ptr<AudioDevice> QtAudioFactory::create() {
    return std::make_unique<QtAudioDevice>(thread_, channels_++);
}

} // namespace pictolex
