// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// From a correct drop to its word's sound starting, with the real Qt audio output and the
// sound files already decoded: the time from calling img_DragDrop until the QAudioSink that
// the drop started is in ActiveState and reports its first processed audio
// (processedUSecs() > 0). bench/run provides a PulseAudio server with a silent output.
//
// The sink is found by interposing QAudioSink::start(QIODevice*): this program defines it,
// notes the sink and calls Qt's own through dlsym(RTLD_NEXT). The game's code is unchanged.
#include "board/game_board.h"
#include "board/tile.h"
#include "board_session.h"
#include "sound/qt_audio.h"

#include <QApplication>
#include <QAudioSink>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QThread>
#include <cstdio>
#include <dlfcn.h>

using namespace pictolex;
using namespace pictolex::bench;

namespace {

constexpr int measuredDrops = 20;
constexpr int pauseMs = 400; // between two drops, as a child's hand would leave

QAudioSink* g_startedSink = nullptr;
QElapsedTimer g_clock;
qint64 g_startCalled = -1;
qint64 g_startReturned = -1;

} // namespace

void QAudioSink::start(QIODevice* device) {
    using Start = void (*)(QAudioSink*, QIODevice*);
    static const auto qtStart =
        reinterpret_cast<Start>(dlsym(RTLD_NEXT, "_ZN10QAudioSink5startEP9QIODevice"));
    g_startedSink = this;
    g_startCalled = g_clock.nsecsElapsed();
    qtStart(this, device);
    g_startReturned = g_clock.nsecsElapsed();
}

namespace {

struct Times {
    std::vector<double> sounding, active, handler, startCall, startInside;
};

void pause(int ms) {
    const QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

// One correct drop; answers false when no sound started within a second.
bool measureDrop(BoardSession& session, Times& times) {
    GameBoard& board = session.board();
    if (!session.nextMatch())
        board.Command1_Click();
    const auto [cell, source] = *session.nextMatch();
    g_startedSink = nullptr;
    const qint64 dropped = g_clock.nsecsElapsed();
    board.img_DragDrop(cell, *board.img[size_t(source)]);
    const qint64 handled = g_clock.nsecsElapsed();
    QAudioSink* sink = g_startedSink;
    if (!sink)
        return false;
    qint64 active = sink->state() == QAudio::ActiveState ? g_clock.nsecsElapsed() : -1;
    const QDeadlineTimer deadline(1000);
    while (sink->processedUSecs() <= 0 && !deadline.hasExpired()) {
        QApplication::processEvents();
        if (active < 0 && sink->state() == QAudio::ActiveState)
            active = g_clock.nsecsElapsed();
        QThread::usleep(100);
    }
    const qint64 sounding = g_clock.nsecsElapsed();
    if (sink->processedUSecs() <= 0 || active < 0)
        return false;
    times.sounding.push_back(double(sounding - dropped) / 1e6);
    times.active.push_back(double(active - dropped) / 1e6);
    times.handler.push_back(double(handled - dropped) / 1e6);
    times.startCall.push_back(double(g_startCalled - dropped) / 1e6);
    times.startInside.push_back(double(g_startReturned - g_startCalled) / 1e6);
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    g_clock.start();
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        std::fprintf(stderr, "no audio output; is PULSE_SERVER set?\n");
        return 1;
    }
    QtAudioFactory audio;
    BoardSession session(audio);

    // A whole round first: every word is spoken once, so every sound file is decoded and kept.
    Times warmUp;
    while (session.nextMatch()) {
        if (!measureDrop(session, warmUp)) {
            std::fprintf(stderr, "a drop in the warm-up round started no sound\n");
            return 1;
        }
        pause(pauseMs);
    }
    Times times;
    for (int drop = 0; drop < measuredDrops; ++drop) {
        if (!measureDrop(session, times)) {
            std::fprintf(stderr, "drop %d started no sound\n", drop + 1);
            return 1;
        }
        std::fprintf(stderr,
                     "drop %d: sounding %.2f ms, active %.2f ms, handler %.2f ms, "
                     "QAudioSink::start called at %.2f ms and took %.2f ms\n",
                     drop + 1, times.sounding.back(), times.active.back(), times.handler.back(),
                     times.startCall.back(), times.startInside.back());
        pause(pauseMs);
    }
    printFigure("from a drop to its sound starting", times.sounding, 2, "ms", "<= 30");
    printFigure("from a drop to its audio sink active", times.active, 2, "ms", "-");
    printFigure("img_DragDrop with real sound", times.handler, 2, "ms", "-");
    return 0;
}
