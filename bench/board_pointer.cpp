// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A drag on the board as a hand makes it, on the display the benchmark is given (or the
// offscreen platform without one). The mouse events go to the pressed tile, as the window
// system's grab sends them. Two times are taken, each up to the end of the repaint it causes
// (the board painted and handed to the window system):
// - a pointer move during a drag: the lifted picture follows, and the board repaints where it
//   was and where it goes. A run is one drag of 200 moves across the board, let go on the
//   background; it gives the median and the 99th percentile of its moves, and the figures are
//   the medians of those over the runs.
// - a drop: the release over the right tile, with the exchange, the recount, the word's sound
//   (on a silent output), the score and the notice for screen readers. Every drop is a correct
//   one; a finished round starts again, outside the timing.
// Each time is also taken as the processor time of the game's thread, which a busy machine does
// not stretch: when the 99th percentile of the time is far above that of the processor time, the
// machine, not the game, kept the repaint waiting.
#include "app/application.h"
#include "board/tile.h"
#include "controls/label.h"
#include "figures.h"
#include "platform/system_services.h"
#include "rules/cells.h"
#include "windows/app_context.h"
#include "windows/windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

using namespace pictolex;
using namespace pictolex::bench;

namespace {

constexpr int kRuns = 15;          // drags measured, after one that is not
constexpr int kMovesPerDrag = 200; // pointer moves in a drag
constexpr int kDrops = 100;        // drops measured, after the rest of the first round

class SilentAudio : public AudioFactory {
public:
    std::unique_ptr<AudioDevice> create() override {
        struct Silent : AudioDevice {
            bool open(const QString&) override { return true; }
            void play() override {}
            void close() override {}
        };
        return std::make_unique<Silent>();
    }
};

// Counts the board's own repaints (its background under the tiles and the lifted picture) and
// the area they cover.
class PaintWatch : public QObject {
public:
    int paints = 0;
    qint64 area = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
                area += qint64(r.width()) * r.height();
        }
        return false;
    }
};

QWidget& board() {
    return frmBack();
}

Tile& tile(int cell) {
    return *board().findChild<Tile*>(QStringLiteral("img(%1)").arg(cell));
}

// A mouse event for the pressed tile at a point of the board.
void send(Tile& pressed, QEvent::Type type, QPoint onBoard) {
    const QPointF local = pressed.mapFrom(&board(), onBoard);
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, pressed.mapToGlobal(local), Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(&pressed, &event);
}

double threadMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The time of steps up to the end of the repaint each asks for, and the thread's processor time
// for them, in milliseconds.
struct Times {
    std::vector<double> wall, cpu;
    void take(PaintWatch& watch, const std::function<void()>& step) {
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = threadMs();
        const int before = watch.paints;
        step();
        do
            QApplication::processEvents();
        while (watch.paints == before && timer.elapsed() < 1000);
        wall.push_back(double(timer.nsecsElapsed()) / 1e6);
        cpu.push_back(threadMs() - cpuStart);
    }
};

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(p * double(values.size())))];
}

// The next correct drop: the first unmatched cell, and the tile holding its picture.
std::optional<std::pair<int, int>> nextMatch() {
    for (int cell = 1; cell <= kCells; ++cell) {
        const Label& word = *board().findChild<Label*>(QStringLiteral("lbl(%1)").arg(cell));
        if (word.backColor() == QColor(0, 255, 255))
            continue;
        for (int source = 1; source <= kCells; ++source)
            if (tile(source).tag() == word.caption())
                return std::pair{cell, source};
    }
    return std::nullopt;
}

// One drag across the board from a draggable tile; answers the times of its moves.
Times drag(PaintWatch& watch) {
    Tile& pressed = tile(nextMatch()->second);
    send(pressed, QEvent::MouseButtonPress, pressed.geometry().center());
    QApplication::processEvents();
    Times moves;
    for (int i = 0; i < kMovesPerDrag; ++i) {
        const QPoint at(150 + (i * 3) % 600, 120 + (i * 7) % 450);
        moves.take(watch, [&] { send(pressed, QEvent::MouseMove, at); });
    }
    send(pressed, QEvent::MouseButtonRelease, QPoint(5, 300)); // on the background
    QApplication::processEvents();
    return moves;
}

// One correct drop, timed from the release; a finished round starts again first.
void drop(PaintWatch& watch, Times& times) {
    if (!nextMatch()) {
        board().findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
        QApplication::processEvents();
    }
    const auto [cell, source] = *nextMatch();
    Tile& pressed = tile(source);
    const QPoint target = tile(cell).geometry().center();
    send(pressed, QEvent::MouseButtonPress, pressed.geometry().center());
    send(pressed, QEvent::MouseMove, target + QPoint(0, 1));
    send(pressed, QEvent::MouseMove, target);
    QApplication::processEvents();
    times.take(watch, [&] { send(pressed, QEvent::MouseButtonRelease, target); });
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SystemClock clock;
    SystemRandom random;
    SystemScreen screen;
    SilentAudio audio;
    SystemMessageBoxes messages;
    random.reseedFromTime();
    AppContext context(Platform{clock, random, screen, audio, messages, QString(), false},
                       gameWindows(), [] {});
    frmS().show();
    frmS().findChild<QAbstractButton*>(QStringLiteral("cmdStart"))->click();
    while (!board().windowHandle() || !board().windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    QApplication::processEvents();
    PaintWatch watch;
    board().installEventFilter(&watch);

    drag(watch); // warm-up
    std::vector<double> medians, p99s, cpuP99s;
    qint64 area = 0;
    for (int run = 0; run < kRuns; ++run) {
        const qint64 areaBefore = watch.area;
        const Times moves = drag(watch);
        area += watch.area - areaBefore;
        medians.push_back(median(moves.wall));
        p99s.push_back(percentile(moves.wall, 0.99));
        cpuP99s.push_back(percentile(moves.cpu, 0.99));
        std::fprintf(stderr,
                     "drag %d: median %.3f ms, 99th percentile %.3f ms (processor time %.3f ms), "
                     "max %.3f ms\n",
                     run + 1, medians.back(), p99s.back(), cpuP99s.back(),
                     percentile(moves.wall, 1.0));
    }
    Times warmUp, drops;
    while (nextMatch())
        drop(watch, warmUp); // the rest of the first round
    for (int i = 0; i < kDrops; ++i)
        drop(watch, drops);

    const QSize size = board().size();
    const QByteArray where = ", " + QApplication::platformName().toUtf8() + " " +
                             QByteArray::number(size.width()) + "x" +
                             QByteArray::number(size.height());
    const auto ms = [](double value) { return QByteArray::number(value, 'f', 3) + " ms"; };
    const QByteArray moveDetail = ", " + QByteArray::number(kMovesPerDrag) + " moves a drag, " +
                                  QByteArray::number(area / (kRuns * kMovesPerDrag)) +
                                  " px repainted a move" + where;
    printFigure("drag: pointer move to repainted board", medians, 3, "ms", "<= 2",
                moveDetail.constData());
    const QByteArray p99Detail = ", processor time " + ms(median(cpuP99s)) + moveDetail;
    printFigure("drag: pointer move to repainted board, 99th percentile", p99s, 3, "ms", "<= 2",
                p99Detail.constData());
    const QByteArray dropDetail = ", 99th percentile " + ms(percentile(drops.wall, 0.99)) +
                                  " (processor time " + ms(percentile(drops.cpu, 0.99)) + ")" +
                                  where;
    printFigure("drop: release to repainted board", drops.wall, 3, "ms", "<= 2",
                dropDetail.constData());
    return 0;
}
