// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the game: the time from starting its process to the first map of its window on
// the X display named by DISPLAY, and its peak resident memory one second after that.
//
//   bench_startup [--runs N] [--game PATH] [--log FILE] [--own FOLDER]
//
// One warm-up run comes first and is not counted. Per-run figures go to standard error; the
// medians go to standard output as FIGURE lines (see bench/README.md).

#include "figures.h"
#include "startup_game_process.h"
#include "startup_map_watch.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace pictolex {
namespace {

using bench::printFigure;

struct Options {
    int runs = 10;
    std::string game;
    std::string log = "/dev/null";
    std::filesystem::path own; // the player's own files, for runs that alternate with none
};

struct Sample {
    double millisecondsToMapped = 0;
    double peakResidentMB = 0;
    double cpuMillisecondsToMapped = 0;
};

std::string gameBesideThisProgram() {
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "pictolex").string();
}

Options parseOptions(int argc, char* argv[]) {
    Options options;
    options.game = gameBesideThisProgram();
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc)
            throw std::invalid_argument("missing value after " + option);
        const std::string value = argv[++i];
        if (option == "--runs")
            options.runs = std::stoi(value);
        else if (option == "--game")
            options.game = value;
        else if (option == "--log")
            options.log = value;
        else if (option == "--own")
            options.own = value;
        else
            throw std::invalid_argument("unknown option " + option);
    }
    if (options.runs < 1)
        throw std::invalid_argument("--runs must be at least 1");
    return options;
}

Sample measureOnce(MapWatcher& watcher, const Options& options, bool withOwnFiles) {
    using namespace std::chrono;
    GameProcess game(withOwnFiles ? options.own : std::filesystem::path());
    watcher.discardPending();
    const Clock::time_point started = Clock::now();
    game.start(options.game, options.log);
    const auto mapped =
        watcher.waitForMap(game.pid(), started + seconds(20), [&game] { return game.running(); });
    if (!mapped)
        throw std::runtime_error("the game's window was not mapped within 20 s");
    const double cpu = game.cpuMilliseconds();
    std::this_thread::sleep_for(seconds(1));
    const auto peak = game.peakResidentKiB();
    if (!peak)
        throw std::runtime_error("the game ended before its memory could be read");
    game.terminate();
    return {duration<double, std::milli>(*mapped - started).count(), *peak * 1024.0 / 1e6, cpu};
}

struct Samples {
    std::vector<double> times, memory, cpu;
    void add(const Sample& sample, int run, const char* kind) {
        std::fprintf(stderr, "run %d%s: %.1f ms to mapped (%.1f ms CPU), %.1f MB peak resident\n",
                     run, kind, sample.millisecondsToMapped, sample.cpuMillisecondsToMapped,
                     sample.peakResidentMB);
        times.push_back(sample.millisecondsToMapped);
        memory.push_back(sample.peakResidentMB);
        cpu.push_back(sample.cpuMillisecondsToMapped);
    }
};

// With --own, each run starts the game twice, with the player's folder empty and then full,
// so that the load of the machine weighs on both alike.
int run(const Options& options) {
    MapWatcher watcher;
    measureOnce(watcher, options, false);
    Samples empty, own;
    for (int i = 1; i <= options.runs; ++i) {
        empty.add(measureOnce(watcher, options, false), i, "");
        if (!options.own.empty())
            own.add(measureOnce(watcher, options, true), i, " with own files");
    }
    printFigure("from start to window mapped", empty.times, 1, "ms", "<= 100");
    printFigure("CPU time from start to window mapped", empty.cpu, 1, "ms", "-");
    printFigure("resident memory", empty.memory, 1, "MB", "<= 50");
    if (options.own.empty())
        return 0;
    printFigure("from start to window mapped, own files", own.times, 1, "ms", "-");
    printFigure("CPU time from start to window mapped, own files", own.cpu, 1, "ms", "-");
    return 0;
}

} // namespace
} // namespace pictolex

int main(int argc, char* argv[]) {
    try {
        return pictolex::run(pictolex::parseOptions(argc, argv));
    } catch (const std::exception& error) {
        std::cerr << "bench_startup: " << error.what() << '\n';
        return 1;
    }
}
