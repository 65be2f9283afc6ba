// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up (README.md): in each run, the game with an empty player's folder, with a picture of
// 8000 by 8000 pixels for each word there, and with 20 word lists there.
#include "figures.h"
#include "game.h"
#include "proc.h"
#include "x_display.h"

#include <QCoreApplication>
#include <QImage>
#include <cstdio>
#include <stdexcept>
#include <thread>

using namespace pictolex::bench;

namespace {

// The time from start to the window mapped of a game with `playerFiles` in the player's folder;
// with none, when counted, its processor time by then and its peak resident memory a second on.
double measure(const QString& playerFiles, bool counted) {
    Game game(playerFiles);
    const double mapped = msToMap(game);
    if (!counted || !playerFiles.isEmpty())
        return mapped;
    sample("from start to window mapped", mapped, "ms", "<= 100");
    sample("CPU time from start to window mapped", cpuMilliseconds(game.pid()), "ms", "-");
    std::this_thread::sleep_for(std::chrono::seconds(1));
    if (!game.running())
        throw std::runtime_error("the game ended before its memory could be read");
    sample("resident memory", statusMegabytes(game.pid(), "VmHWM"), "MB", "<= 50");
    return mapped;
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
            const double plain = measure({}, run > 0), pictures = measure(own, run > 0),
                         listed = measure(lists, run > 0);
            if (run == 0)
                continue;
            sample("start-up, 36 own pictures of 8000 x 8000, more than none", pictures - plain,
                   "ms", "<= 1000");
            sample("start-up, 20 word lists, more than none", listed - plain, "ms", "<= 20");
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_startup: %s\n", error.what());
        return 1;
    }
    return 0;
}
