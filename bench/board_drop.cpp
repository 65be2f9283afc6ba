// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One drop on the board: the exchange, the recount and the repaint of the whole window, as
// img_DragDrop and QWidget::repaint() do them, on the display the benchmark is given (or the
// offscreen platform without one). Sound is left out here; bench_board_sound measures it.
// Every drop is a correct one, the next unmatched cell's picture dropped on it; a finished
// round starts again, outside the timing. Prints the median as a FIGURE line.
#include "board/game_board.h"
#include "board/tile.h"
#include "board_session.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

using namespace pictolex;
using namespace pictolex::bench;

namespace {

constexpr int rounds = 3;

struct Times {
    std::vector<double> whole, handler, repaint;
};

void measureDrop(BoardSession& session, Times& times) {
    GameBoard& board = session.board();
    std::optional<std::pair<int, int>> next = session.nextMatch();
    if (!next) {
        board.Command1_Click();
        board.repaint();
        QApplication::processEvents();
        next = session.nextMatch();
    }
    const auto [cell, source] = *next;
    QElapsedTimer timer;
    timer.start();
    board.img_DragDrop(cell, *board.img[size_t(source)]);
    const qint64 dropped = timer.nsecsElapsed();
    board.repaint();
    const qint64 painted = timer.nsecsElapsed();
    times.whole.push_back(double(painted) / 1e6);
    times.handler.push_back(double(dropped) / 1e6);
    times.repaint.push_back(double(painted - dropped) / 1e6);
    // Whatever the drop left for later (update requests of the changed controls) is handled
    // before the next one, as between two drops of a hand.
    QApplication::processEvents();
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SilentAudio audio;
    BoardSession session(audio);
    const QSize size = session.board().size();
    std::fprintf(stderr, "platform %s, board %dx%d\n", qPrintable(QApplication::platformName()),
                 size.width(), size.height());

    Times warmUp;
    while (session.nextMatch())
        measureDrop(session, warmUp);
    Times times;
    for (int round = 0; round < rounds; ++round) {
        measureDrop(session, times); // starts a new round
        while (session.nextMatch())
            measureDrop(session, times);
    }
    for (std::size_t i = 0; i < times.whole.size(); ++i)
        std::fprintf(stderr, "drop %zu: %.3f ms (handler %.3f, repaint %.3f)\n", i + 1,
                     times.whole[i], times.handler[i], times.repaint[i]);

    const QByteArray detail = ", " + QApplication::platformName().toUtf8() + " " +
                              QByteArray::number(size.width()) + "x" +
                              QByteArray::number(size.height());
    printFigure("one drop: exchange, recount, repaint", times.whole, 3, "ms", "<= 2",
                detail.constData());
    printFigure("one drop: img_DragDrop alone", times.handler, 3, "ms", "-");
    printFigure("one drop: repaint of the board alone", times.repaint, 3, "ms", "-");
    return 0;
}
