// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio_output/qt_audio.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QLoggingCategory>
#include <QMediaDevices>

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

class QtAudioDevice : public AudioDevice {
public:
    explicit QtAudioDevice(SoundCache& cache) : cache_(cache) {}
    ~QtAudioDevice() override { close(); }

    bool open(const QString& path) override {
        close();
        sound_ = cache_.load(path);
        if (!sound_)
            return false;
        const QAudioDevice output = QMediaDevices::defaultAudioOutput();
        if (output.isNull())
            return false;
        QAudioFormat format;
        format.setSampleRate(sound_->sampleRate);
        format.setChannelCount(sound_->channels);
        format.setSampleFormat(sampleFormat(sound_->sample));
        sink_ = std::make_unique<QAudioSink>(output, format);
        buffer_.setData(sound_->samples);
        return buffer_.open(QIODevice::ReadOnly);
    }

    void play() override {
        if (!sink_)
            return;
        sink_->start(&buffer_);
        if (sink_->error() != QAudio::NoError)
            close();
    }

    void close() override {
        if (sink_) {
            sink_->stop();
            sink_.reset();
        }
        buffer_.close();
        sound_.reset();
    }

private:
    SoundCache& cache_;
    std::shared_ptr<const WavData> sound_;
    std::unique_ptr<QAudioSink> sink_;
    QBuffer buffer_;
};

QtMessageHandler g_nextHandler = nullptr;

// A machine without a sound server is no fault of the player's: the audio layer's complaints
// about it never reach the terminal.
void quietAudioMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("PulseAudioService:")))
        return;
    if (g_nextHandler)
        g_nextHandler(type, context, message);
}

} // namespace

QtAudioFactory::QtAudioFactory() {
    static const bool installed = [] {
        QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*=false"));
        g_nextHandler = qInstallMessageHandler(quietAudioMessages);
        return true;
    }();
    Q_UNUSED(installed);
}

void QtAudioFactory::prepare() {
    // The first look for the output device connects to the sound server.
    QMediaDevices::defaultAudioOutput();
}

std::unique_ptr<AudioDevice> QtAudioFactory::create() {
    return std::make_unique<QtAudioDevice>(cache_);
}

} // namespace pictolex
