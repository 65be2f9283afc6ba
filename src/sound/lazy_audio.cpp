// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/lazy_audio.h"

#include "sound/audio_module.h"

namespace pictolex {

namespace {

// Stands in for the module's device until the first sound asks for it.
class LazyDevice : public AudioDevice {
public:
    explicit LazyDevice(LazyAudioFactory& factory) : factory_(factory) {}

    void play(const Utterance& utterance) override {
        if (AudioDevice* inner = loaded())
            inner->play(utterance);
    }
    void playNext(const Utterance& utterance, std::chrono::milliseconds atMost) override {
        if (AudioDevice* inner = loaded())
            inner->playNext(utterance, atMost);
    }
    void stop() override {
        if (inner_)
            inner_->stop();
    }
    void prepare(const Utterance& utterance) override {
        if (AudioDevice* inner = loaded())
            inner->prepare(utterance);
    }

private:
    AudioDevice* loaded() {
        if (!inner_) {
            if (AudioFactory* real = factory_.loaded())
                inner_ = real->create();
        }
        return inner_.get();
    }

    LazyAudioFactory& factory_;
    std::unique_ptr<AudioDevice> inner_;
};

} // namespace

LazyAudioFactory::LazyAudioFactory(QString modulePath) : library_(modulePath) {}

std::unique_ptr<AudioDevice> LazyAudioFactory::create() {
    return std::make_unique<LazyDevice>(*this);
}

void LazyAudioFactory::prepare() {
    if (AudioFactory* real = loaded())
        real->prepare();
}

bool LazyAudioFactory::canSpeak(const QString& language) {
    AudioFactory* real = loaded();
    return real && real->canSpeak(language);
}

bool LazyAudioFactory::finish(std::chrono::milliseconds wait) {
    return !real_ || real_->finish(wait);
}

AudioFactory* LazyAudioFactory::loaded() {
    if (!tried_) {
        tried_ = true;
        const auto make = reinterpret_cast<AudioModuleEntry>(library_.resolve(kAudioModuleEntry));
        if (make)
            real_.reset(make());
    }
    return real_.get();
}

} // namespace pictolex
