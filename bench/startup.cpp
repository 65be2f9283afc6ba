// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: ten fresh games after a warm-up (quick mode: one), each from just before its
// process starts to the moment the map of its first window is read on the display, with the
// processor time it had used by then, and its peak resident memory (VmHWM) a second later.
//
//   bench_startup [--own FOLDER]
//
// With --own, each run starts a second game with a copy of FOLDER as the player's own files.
#include "figures.h"
#include "game.h"
#include "proc.h"
#include "x_display.h"

#include <QCoreApplication>
#include <cstdio>
#include <stdexcept>
#include <thread>

using namespace pictolex::bench;
using namespace std::chrono;

namespace {

struct Samples {
    std::vector<double> mapped, cpu, memory;
};

void measure(XDisplay& x, const QString& ownFiles, Samples& samples) {
    Game game(ownFiles);
    x.discardEvents();
    const Instant started = steady_clock::now();
    game.start();
    const auto mapped =
        x.waitForMap(game.pid(), started + seconds(20), [&game] { return game.running(); });
    if (!mapped)
        throw std::runtime_error("the game's window was not mapped within 20 s");
    samples.cpu.push_back(cpuMilliseconds(game.pid()));
    samples.mapped.push_back(duration<double, std::milli>(mapped->at - started).count());
    std::this_thread::sleep_for(seconds(1));
    samples.memory.push_back(statusKiB(game.pid(), "VmHWM") * 1024 / 1e6);
    if (!game.running())
        throw std::runtime_error("the game ended before its memory could be read");
    std::fprintf(stderr, "%.1f ms to mapped (%.1f ms CPU), %.1f MB peak resident%s\n",
                 samples.mapped.back(), samples.cpu.back(), samples.memory.back(),
                 ownFiles.isEmpty() ? "" : ", own files");
}

} // namespace

int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString own = args.size() == 3 && args[1] == QLatin1String("--own") ? args[2] : "";
    Samples warmUp, plain, owned;
    try {
        if (args.size() > 1 && own.isEmpty())
            throw std::invalid_argument("usage: bench_startup [--own FOLDER]");
        XDisplay x;
        if (!quick())
            measure(x, {}, warmUp);
        for (int run = 0; run < runs(10); ++run) {
            measure(x, {}, plain);
            if (!own.isEmpty())
                measure(x, own, owned);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_startup: %s\n", error.what());
        return 1;
    }
    printFigure("from start to window mapped", plain.mapped, 1, "ms", "<= 100");
    printFigure("CPU time from start to window mapped", plain.cpu, 1, "ms", "-");
    printFigure("resident memory", plain.memory, 1, "MB", "<= 50");
    if (!own.isEmpty()) {
        printFigure("from start to window mapped, own files", owned.mapped, 1, "ms", "-");
        printFigure("CPU time from start to window mapped, own files", owned.cpu, 1, "ms", "-");
    }
    return 0;
}
