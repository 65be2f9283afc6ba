// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up (README.md): in each run, the game with an empty player's folder beside a bare Qt
// window, with a picture of 8000 by 8000 pixels for each word there, and with 20 word lists
// there.
#include "figures.h"
#include "game.h"
#include "proc.h"
#include "sound_monitor.h"
#include "x_display.h"

#include <QCoreApplication>
#include <QImage>
#include <cstdio>
#include <stdexcept>
#include <thread>

using namespace pictolex::bench;

namespace {

// Its peak resident memory `wait` after its window was mapped.
double peakMegabytes(Game& game, std::chrono::milliseconds wait = std::chrono::seconds(1)) {
    std::this_thread::sleep_for(wait);
    if (!game.running())
        throw std::runtime_error("a program ended before its memory could be read");
    return statusMegabytes(game.pid(), "VmHWM");
}

// The game with an empty player's folder beside a bare Qt window of the size of its start
// screen, one after the other: their times to the window mapped and their processor time by
// then, and their peak resident memory a second later; the game's also once its demonstration
// has spoken its first word, and so has its sound output. Answers the game's time.
double measureBesideBareWindow(bool counted) {
    Game game;
    QSize size;
    const double mapped = msToMap(game, &size);
    const double cpu = cpuMilliseconds(game.pid()), memory = peakMegabytes(game),
                 speaking = peakMegabytes(game, std::chrono::seconds(3));
    Game bare;
    bare.runInstead(QStringLiteral("bare_window"),
                    {QString::number(size.width()), QString::number(size.height())});
    const double bareMapped = msToMap(bare), bareCpu = cpuMilliseconds(bare.pid()),
                 bareMemory = peakMegabytes(bare);
    if (counted) {
        sample("from start to window mapped", mapped, "ms", "<= 100");
        sample("from start to window mapped, a bare Qt window", bareMapped, "ms", "-");
        sample("from start to window mapped, against a bare Qt window", mapped / bareMapped, "x",
               "<= 1.3");
        sample("CPU time from start to window mapped", cpu, "ms", "-");
        sample("CPU time from start to window mapped, a bare Qt window", bareCpu, "ms", "-");
        sample("resident memory", memory, "MB", "<= 50");
        sample("resident memory, a bare Qt window", bareMemory, "MB", "-");
        sample("resident memory, against a bare Qt window", memory / bareMemory, "x", "<= 1.3");
        sample("resident memory, once the demonstration speaks", speaking, "MB", "<= 50");
    }
    return mapped;
}

// The time from start to the demonstration's first word heard, which comes 42 ticks of 65 ms
// after the start screen shows.
double msToFirstWord() {
    SoundMonitor monitor;
    if (!monitor.waitForSilence(300))
        throw std::runtime_error("the sound output is not silent before a game starts");
    Game game;
    const Instant started = std::chrono::steady_clock::now();
    game.start();
    while (!monitor.heard()) {
        if (msSince(started) > 10000)
            throw std::runtime_error("the demonstration's first word was not heard within 10 s");
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return msSince(started);
}

// The time from start to the window mapped of a game with `playerFiles` in the player's folder.
double measure(const QString& playerFiles) {
    Game game(playerFiles);
    return msToMap(game);
}

} // namespace

int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    try {
        const QTemporaryDir work;
        const QString own = work.filePath("own"), lists = work.filePath("lists");
        QImage picture(8000, 8000, QImage::Format_RGB32); // a flat colour is small on disk
        picture.fill(Qt::darkGreen);
        if (!picture.save(work.filePath("picture.png")))
            throw std::runtime_error("cannot write a picture");
        putPictures(own, work.filePath("picture.png"), false);
        for (int list = 1; list <= 20; ++list)
            putPictures(QStringLiteral("%1/lists/list%2").arg(lists).arg(list),
                        work.filePath("picture.png"), true);
        for (int run = firstRun(); run <= runs(10); ++run) {
            const double plain = measureBesideBareWindow(run > 0), pictures = measure(own),
                         listed = measure(lists), firstWord = msToFirstWord();
            if (run == 0)
                continue;
            sample("start-up, 36 own pictures of 8000 x 8000, more than none", pictures - plain,
                   "ms", "<= 1000");
            sample("start-up, 20 word lists, more than none", listed - plain, "ms", "<= 20");
            sample("from start to the demonstration's first word heard", firstWord, "ms",
                   "<= 3000");
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_startup: %s\n", error.what());
        return 1;
    }
    return 0;
}
