// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio_output/speech.h"

#include "platform/descriptor.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTextToSpeech>
#include <QThread>
#include <algorithm>
#include <future>
#include <map>
#include <sys/socket.h>
#include <sys/un.h>

namespace pictolex {

namespace {

// Whether something answers on the Unix socket.
bool answers(const QString& socket) {
    const Descriptor client(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(socket);
    if (client.get() < 0 || path.size() >= qsizetype(sizeof(address.sun_path)))
        return false;
    std::copy(path.begin(), path.end(), address.sun_path);
    return ::connect(client.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) ==
           0;
}

// Whether speech-dispatcher runs for this user: it answers where its clients look for it, on
// the socket SPEECHD_ADDRESS names or in the user's runtime folder. A socket left behind by one
// that ended does not count.
bool speechDispatcherRuns() {
    const QString address = qEnvironmentVariable("SPEECHD_ADDRESS");
    if (!address.isEmpty() && !address.startsWith(QStringLiteral("unix_socket:")))
        return true;
    if (!address.isEmpty())
        return answers(address.sliced(12));
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty())
        runtime = QDir::homePath() + QStringLiteral("/.cache");
    return answers(runtime + QStringLiteral("/speech-dispatcher/speechd.sock"));
}

// A voice of one engine, set to speak a language.
struct Voice {
    QTextToSpeech* engine = nullptr; // none: no voice speaks the language
    QLocale locale;
    QVoice voice;
};

// The voice of the language an engine has, the one of the language's own region first (en_US
// for "en"): its plain voice, not one of espeak-ng's variants ("English (America)+Annie"), and
// of those the one with the shortest name, the language's main voice ("English (America)"
// before "English (America, New York City)"); of names as short, the engine's own choice (Flite's
// "awb": Qt 6.4 cannot say every word with "slt").
Voice voiceOf(QTextToSpeech& engine, const QLocale& wanted) {
    QList<QLocale> locales = engine.availableLocales();
    locales.removeIf([&](const QLocale& l) { return l.language() != wanted.language(); });
    if (locales.isEmpty())
        return {};
    const QLocale locale = locales.contains(wanted) ? wanted : locales.first();
    engine.setLocale(locale);
    QList<QVoice> voices = engine.availableVoices();
    if (engine.locale().language() != wanted.language() || voices.isEmpty())
        return {};
    voices.prepend(engine.voice());
    std::stable_sort(voices.begin(), voices.end(), [](const QVoice& a, const QVoice& b) {
        return std::pair(a.name().contains(u'+'), a.name().size()) <
               std::pair(b.name().contains(u'+'), b.name().size());
    });
    return Voice{&engine, locale, voices.first()};
}

} // namespace

// Lives on the speech thread, with the engines it has made.
class SpeechThread::Speaker : public QObject {
public:
    explicit Speaker(std::shared_ptr<Asked> asked) : asked_(std::move(asked)) {}

    void say(quint64 number, const QString& text, const QString& language) {
        if (superseded(number))
            return;
        const Voice voice = voiceFor(language);
        if (superseded(number))
            return;
        if (!voice.engine) {
            done(number);
            return;
        }
        if (current_ && current_ != voice.engine)
            current_->stop();
        current_ = voice.engine;
        said_ = number;
        begun_ = false;
        if (voice.engine->voice() != voice.voice) {
            voice.engine->setLocale(voice.locale);
            voice.engine->setVoice(voice.voice);
        }
        voice.engine->say(text);
    }

    void hush(quint64 number) {
        if (!superseded(number) && current_)
            current_->stop();
    }

    Voice voiceFor(const QString& language) {
        const QString tag = language.isEmpty() ? QStringLiteral("en") : language;
        if (const auto known = voices_.find(tag); known != voices_.end())
            return known->second;
        const QLocale wanted(tag);
        Voice found;
        const QStringList available = QTextToSpeech::availableEngines();
        QStringList order{QStringLiteral("flite"), QStringLiteral("speechd")};
        if (speechDispatcherRuns())
            std::reverse(order.begin(), order.end());
        for (const QString& name : order) {
            if (found.engine || wanted.language() == QLocale::C || !available.contains(name))
                continue;
            if (QTextToSpeech* made = engine(name))
                found = voiceOf(*made, wanted);
        }
        voices_[tag] = found;
        return found;
    }

private:
    // The engine of that name, made the first time; none when it has no voice at all.
    QTextToSpeech* engine(const QString& name) {
        if (const auto made = engines_.find(name); made != engines_.end())
            return made->second;
        {
            const QMutexLocker lock(&asked_->mutex);
            asked_->engineMade = true;
        }
        auto* made = new QTextToSpeech(name, this);
        // Its state is no guide: Qt 6.4 reports speech-dispatcher in error with some of its
        // output modules, which speak all the same.
        if (made->availableLocales().isEmpty()) {
            delete made;
            made = nullptr;
        } else {
            connect(made, &QTextToSpeech::stateChanged, this,
                    [this, made](QTextToSpeech::State state) { changed(made, state); });
        }
        engines_[name] = made;
        return made;
    }

    // Words begin, and end: once said, or cut off, the channel is silent.
    void changed(QTextToSpeech* engine, QTextToSpeech::State state) {
        if (engine != current_)
            return;
        if (state == QTextToSpeech::Speaking)
            begun_ = true;
        else if (begun_ || state == QTextToSpeech::Error)
            done(said_);
    }

    bool superseded(quint64 number) const {
        const QMutexLocker lock(&asked_->mutex);
        return asked_->latest != number;
    }
    void done(quint64 number) {
        const QMutexLocker lock(&asked_->mutex);
        if (asked_->latest == number)
            asked_->channel = -1;
    }

    std::shared_ptr<Asked> asked_;
    std::map<QString, QTextToSpeech*> engines_; // children of this
    std::map<QString, Voice> voices_;           // by language, as asked for
    QTextToSpeech* current_ = nullptr;          // the engine that spoke last
    quint64 said_ = 0;                          // the number of what it was asked to say
    bool begun_ = false;                        // whether it has begun to say it
};

SpeechThread::SpeechThread()
    : asked_(std::make_shared<Asked>()), thread_(std::make_unique<QThread>()),
      speaker_(std::make_unique<Speaker>(asked_)) {
    thread_->setObjectName(QStringLiteral("speech"));
    speaker_->moveToThread(thread_.get());
    thread_->start();
}

SpeechThread::~SpeechThread() {
    if (!finish(std::chrono::milliseconds(300))) {
        (void)thread_.release();
        (void)speaker_.release();
    }
}

void SpeechThread::prepare(const QString& language) {
    Speaker* speaker = speaker_.get();
    QMetaObject::invokeMethod(
        speaker, [speaker, language] { speaker->voiceFor(language); }, Qt::QueuedConnection);
}

void SpeechThread::say(int channel, const QString& text, const QString& language) {
    quint64 number = 0;
    {
        const QMutexLocker lock(&asked_->mutex);
        number = ++asked_->latest;
        asked_->channel = channel;
    }
    Speaker* speaker = speaker_.get();
    QMetaObject::invokeMethod(
        speaker, [=] { speaker->say(number, text, language); }, Qt::QueuedConnection);
}

void SpeechThread::hush(int channel) {
    quint64 number = 0;
    {
        const QMutexLocker lock(&asked_->mutex);
        if (asked_->channel != channel)
            return;
        number = ++asked_->latest;
        asked_->channel = -1;
    }
    Speaker* speaker = speaker_.get();
    QMetaObject::invokeMethod(
        speaker, [=] { speaker->hush(number); }, Qt::QueuedConnection);
}

bool SpeechThread::speaking(int channel) const {
    const QMutexLocker lock(&asked_->mutex);
    return asked_->channel == channel;
}

bool SpeechThread::speaks(const QString& language, std::chrono::milliseconds wait) {
    auto answer = std::make_shared<std::promise<bool>>();
    std::future<bool> future = answer->get_future();
    Speaker* speaker = speaker_.get();
    QMetaObject::invokeMethod(
        speaker, [=] { answer->set_value(speaker->voiceFor(language).engine != nullptr); },
        Qt::QueuedConnection);
    return future.wait_for(wait) == std::future_status::ready && future.get();
}

bool SpeechThread::finish(std::chrono::milliseconds wait) {
    const auto engineMade = [asked = asked_] {
        const QMutexLocker lock(&asked->mutex);
        return asked->engineMade;
    };
    // Qt 6.4's Flite plugin can corrupt memory as it tears down its sound output: once an
    // engine is made, the thread keeps it till the program leaves without destructors.
    if (engineMade())
        return false;
    QThread* thread = thread_.get();
    QMetaObject::invokeMethod(
        speaker_.get(),
        [thread, engineMade] {
            if (!engineMade())
                thread->quit();
        },
        Qt::QueuedConnection);
    return thread_->wait(QDeadlineTimer(wait));
}

} // namespace pictolex
