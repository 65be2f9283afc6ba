#pragma once

#include "shell/app_context.h"
#include "shell/platform.h"

#include <QStringList>
#include <deque>
#include <memory>

namespace pictolex::testing {

class FakeClock : public Clock {
public:
    QDateTime now() const override { return now_; }
    void set(const QDateTime& now) { now_ = now; }
    void advance(qint64 seconds) { now_ = now_.addSecs(seconds); }

private:
    QDateTime now_{QDate(2024, 5, 1), QTime(9, 0, 0)};
};

// Hands out the values it was given, then 0.5 for ever.
class ScriptedRandom : public RandomSource {
public:
    void reseedFromTime() override { ++reseeds; }
    float next() override;
    void script(std::initializer_list<float> values) { values_.assign(values); }
    void script(const std::vector<float>& values) { values_.assign(values.begin(), values.end()); }

    int reseeds = 0;
    int draws = 0;

private:
    std::deque<float> values_;
};

class FakeScreen : public ScreenInfo {
public:
    QSize size() const override { return size_; }
    void set(QSize size) { size_ = size; }

private:
    QSize size_{1280, 1024};
};

// Records every request that reaches a sound device, as "<device>:<request>".
class RecordingAudio : public AudioFactory {
public:
    std::unique_ptr<AudioDevice> create() override;

    QStringList log;
    // Files that open() refuses, as a missing or damaged file would be.
    QStringList unplayable;

private:
    int devices_ = 0;
};

// Records every message box instead of showing it.
class RecordingMessages : public MessageBoxes {
public:
    void show(QWidget*, Icon icon, const QString& title, const QString& text) override {
        shown << Shown{icon, title, text};
    }
    struct Shown {
        Icon icon;
        QString title;
        QString text;
    };
    QList<Shown> shown;
};

// A whole set of fakes and the window instances built on them.
struct TestApp {
    FakeClock clock;
    ScriptedRandom random;
    FakeScreen screen;
    RecordingAudio audio;
    RecordingMessages messages;
    int quits = 0;
    std::unique_ptr<AppContext> context;

    TestApp();
    ~TestApp();
    // The requests that reached one window's sound control ("frmS" or "frmBack").
    QStringList soundLog(const QString& window) const;
};

} // namespace pictolex::testing
