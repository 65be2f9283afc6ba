#include "fake_platform.h"

namespace pictolex::testing {

float ScriptedRandom::next() {
    ++draws;
    if (values_.empty())
        return 0.5f;
    const float value = values_.front();
    values_.pop_front();
    return value;
}

namespace {

class RecordingDevice : public AudioDevice {
public:
    RecordingDevice(RecordingAudio& owner, QString name) : owner_(owner), name_(std::move(name)) {}

    bool open(const QString& path) override {
        owner_.log << name_ + QStringLiteral(":open ") + path;
        return !owner_.unplayable.contains(path);
    }
    void play() override { owner_.log << name_ + QStringLiteral(":play"); }
    void close() override { owner_.log << name_ + QStringLiteral(":close"); }

private:
    RecordingAudio& owner_;
    QString name_;
};

} // namespace

std::unique_ptr<AudioDevice> RecordingAudio::create() {
    // The start screen is always built first, so it gets device 1.
    ++devices_;
    const QString name = devices_ == 1 ? QStringLiteral("frmS") : QStringLiteral("frmBack");
    return std::make_unique<RecordingDevice>(*this, name);
}

TestApp::TestApp()
    : context(std::make_unique<AppContext>(Platform{clock, random, screen, audio, messages, false},
                                           [this] { ++quits; })) {}

TestApp::~TestApp() {
    context.reset();
}

QStringList TestApp::soundLog(const QString& window) const {
    QStringList result;
    const QString prefix = window + QLatin1Char(':');
    for (const QString& entry : audio.log)
        if (entry.startsWith(prefix))
            result << entry.mid(prefix.size());
    return result;
}

} // namespace pictolex::testing
