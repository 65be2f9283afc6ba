// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/game_windows.h"
#include "board/game_board.h"
#include "controls/label.h"
#include "controls/window_timer.h"
#include "platform/platform.h"
#include "start_screen/start_screen.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QGlyphRun>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>
#include <QTextLayout>
#include <deque>

namespace pictolex::test {

// The machine as the tests have it: clocks they set, random values they script (then 0.5 for
// ever), a screen of the size they give, and sound and message boxes that only take notes.
struct FakeMachine : Clock, RandomSource, ScreenInfo, AudioFactory, MessageBoxes {
    QDateTime now() const override { return time; }
    qint64 monotonicMs() const override { return monotonic; }
    // Time passing, on both clocks; setting the date and time moves `time` alone.
    void pass(int seconds) {
        time = time.addSecs(seconds);
        monotonic += seconds * qint64(1000);
    }
    void reseedFromTime() override { ++reseeds; }
    float next() override {
        const float value = values.empty() ? 0.5f : values.front();
        if (!values.empty())
            values.pop_front();
        return value;
    }
    QSize size() const override { return screen; }
    void show(QWidget*, Icon icon, const QString& title, const QString& text) override {
        messages << QStringLiteral("%1|%2|%3").arg(int(icon)).arg(title, text);
    }
    // Notes every request as "<window>:<request>", with what it is heard as: the first of its
    // recordings that is a file, else its words said ("say sun in en"), else nothing ("-").
    // The start screen's device is made first.
    std::unique_ptr<AudioDevice> create() override {
        struct Device : AudioDevice {
            FakeMachine& machine;
            QString window;
            Device(FakeMachine& m, QString w) : machine(m), window(std::move(w)) {}
            void play(const Utterance& u) override { note("play " + heard(u)); }
            void playNext(const Utterance& u, std::chrono::milliseconds atMost) override {
                note(QStringLiteral("after %1 ms, play ").arg(atMost.count()) + heard(u));
            }
            void stop() override { note("stop"); }
            void note(const QString& request) { machine.sounds << window + ':' + request; }
            static QString heard(const Utterance& u) {
                for (const QString& path : u.recordings)
                    if (QFileInfo(path).isFile())
                        return path;
                return u.text.isEmpty() ? QStringLiteral("-")
                                        : QStringLiteral("say %1 in %2").arg(u.text, u.language);
            }
        };
        return std::make_unique<Device>(*this, devices++ == 0 ? "frmS" : "frmBack");
    }

    QDateTime time{QDate(2024, 5, 1), QTime(9, 0, 0)};
    qint64 monotonic = 0;
    std::deque<float> values;
    int reseeds = 0;
    QSize screen{1280, 1024};
    QStringList messages; // "<icon>|<title>|<text>"
    QStringList sounds;   // every sound request
    int devices = 0;
};

// The two windows on a fake machine, with the player's folder given (none by default) and the
// list asked for by --list, if any. The program "ends" by counting quits.
struct TestApp : FakeMachine {
    explicit TestApp(const QString& userFolder = {}, const QString& askedList = {})
        : windows(Platform{*this, *this, *this, *this, *this, userFolder, false}, askedList,
                  [this] { ++quits; }) {}

    StartScreen& startScreen() { return windows.startScreen(); }
    // The board, which "Start" has made, once the round's own pictures are read.
    GameBoard& board() {
        if (!QTest::qWaitFor([this] { return windows.board() != nullptr; }, 10000))
            qFatal("no board: Start was not pressed");
        return *windows.board();
    }

    // The requests that reached a window's sound channel, without the files' folders.
    QStringList requests(const QString& window) const {
        QStringList mine = sounds.filter(QRegularExpression("^" + window + ":"));
        return mine.replaceInStrings(QRegularExpression("^\\w+:|\\S*/"), QString());
    }
    // What a window's channel was asked to play, in order: "banana.wav", "say sun in en".
    QStringList played(const QString& window) const {
        const QRegularExpression play("^(after \\d+ ms, )?play ");
        return requests(window).filter(play).replaceInStrings(play, QString());
    }

    int quits = 0;
    GameWindows windows;
};

template <typename T = QWidget> T& control(const QObject& window, const QString& name) {
    T* found = window.findChild<T*>(name);
    if (!found)
        qFatal("no control %s in %s", qPrintable(name), qPrintable(window.objectName()));
    return *found;
}

// Writes a whole file anew (its folder too), as an editor saves one; answers whether it could.
inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}
inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Steps a window's timer as the real one would tick: only while it runs.
inline void tick(const QObject& window, const QString& timer, int times = 1) {
    WindowTimer& t = control<WindowTimer>(window, timer);
    for (int i = 0; i < times && t.isRunning(); ++i)
        Q_EMIT t.timeout();
}

// The first caption of a window that does not show whole: a letter missing from its font, or
// too wide for its label; none when all show.
inline QString unfitCaption(const QWidget& window) {
    for (const Label* label : window.findChildren<Label*>()) {
        QTextLayout layout(label->caption(), label->font());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun& run : layout.glyphRuns())
            if (run.glyphIndexes().contains(0))
                return label->caption();
        if (label->fontMetrics().horizontalAdvance(label->caption()) > label->width())
            return label->caption();
    }
    return {};
}

inline void click(const QObject& window, const QString& button) {
    QTest::mouseClick(&control<QAbstractButton>(window, button), Qt::LeftButton);
}

} // namespace pictolex::test
