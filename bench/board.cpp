// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real game's board as a player has it (README.md): five fresh games, each taken to its
// board, left alone (its processor use and memory), then played: right drops, from letting go
// to the word shown cyan on the screen, and to its sound at the output. A game's first drop
// warms up. Quick mode: one game, idle for 1 s, one drop.
#include "board/board_layout.h"
#include "board_on_screen.h"
#include "figures.h"
#include "proc.h"
#include "rules/words.h"
#include "sound_monitor.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <thread>

using namespace pictolex;
using namespace pictolex::bench;
using namespace std::chrono;

namespace {

struct Figures {
    std::vector<double> cpu, resident, painted, heard;
};

void idle(XDisplay& x, BoardOnScreen& board, Figures& figures) {
    x.moveTo(board.onScreen(layout::kResults.bottomRight() + QPoint(0, 300)));
    std::this_thread::sleep_for(milliseconds(quick() ? 500 : 3000));
    const int idleMs = quick() ? 1000 : 10000;
    const pid_t pid = board.game().pid();
    const double before = cpuMilliseconds(pid);
    std::this_thread::sleep_for(milliseconds(idleMs));
    figures.cpu.push_back((cpuMilliseconds(pid) - before) / idleMs * 100);
    figures.resident.push_back(statusKiB(pid, "VmRSS") * 1024 / 1e6);
    if (!board.game().running())
        throw std::runtime_error("the game ended while idle");
    std::fprintf(stderr, "idle: %.3f %% of a core, VmRSS %.1f MB\n", figures.cpu.back(),
                 figures.resident.back());
}

// Lets go on `cell`'s tile and waits, 3 s at most, for its repaint and its sound.
void letGo(XDisplay& x, BoardOnScreen& board, SoundMonitor& monitor, int cell, double& painted,
           double& heard) {
    x.release();
    const Instant released = steady_clock::now();
    double since = 0;
    for (painted = heard = -1; (painted < 0 || heard < 0) && since < 3000;) {
        since = duration<double, std::milli>(steady_clock::now() - released).count();
        if (painted < 0 && board.shows(wordRect(cell), qRgb(0, 255, 255)))
            painted = since;
        if (heard < 0 && monitor.heard())
            heard = since;
        std::this_thread::sleep_for(microseconds(200));
    }
    std::fprintf(stderr, "drop on %s: repainted after %.2f ms, heard after %.2f ms\n",
                 qPrintable(builtInWords()[cell - 1]), painted, heard);
    if (painted < 0 || heard < 0)
        throw std::runtime_error("the drop was not shown or not heard within 3 s");
}

void drops(XDisplay& x, BoardOnScreen& board, SoundMonitor& monitor, Figures& figures) {
    std::array<QString, kCells + 1> tiles = board.tiles();
    int warmUps = quick() ? 0 : 1, counted = 0;
    for (int cell = 1; cell <= kCells && counted < runs(4); ++cell) {
        const auto from = std::find(tiles.begin(), tiles.end(), builtInWords()[cell - 1]);
        if (from == tiles.end())
            throw std::runtime_error("no tile shows " + builtInWords()[cell - 1].toStdString());
        if (from - tiles.begin() == cell)
            continue;
        std::swap(*from, tiles[size_t(cell)]);
        if (!monitor.waitForSilence(300))
            throw std::runtime_error("the sound output did not fall silent");
        board.dragOnto(int(from - tiles.begin()), cell);
        double painted = 0, heard = 0;
        letGo(x, board, monitor, cell, painted, heard);
        if (warmUps-- > 0)
            continue;
        figures.painted.push_back(painted);
        figures.heard.push_back(heard);
        ++counted;
    }
}

} // namespace

int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    Figures figures;
    try {
        XDisplay x;
        SoundMonitor monitor;
        for (int run = 0; run < runs(5); ++run) {
            BoardOnScreen board(x);
            idle(x, board, figures);
            drops(x, board, monitor, figures);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_board: %s\n", error.what());
        return 1;
    }
    printFigure("idle board, processor use", figures.cpu, 2, "%", "<= 0.5");
    printFigure("resident memory with the board open", figures.resident, 1, "MB", "<= 60");
    printFigure("from letting go of a drop to its repaint", figures.painted, 2, "ms", "<= 16");
    printFigure("from letting go of a drop to its sound", figures.heard, 2, "ms", "<= 50");
    return 0;
}
