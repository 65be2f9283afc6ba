// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board (README.md): the game played inside this program (playInside, with --board or
// --list), driven with Qt Test's pointer and keys.
#include "board/tile.h"
#include "controls/label.h"
#include "figures.h"
#include "game.h"
#include "proc.h"
#include "rules/cells.h"
#include "sound_monitor.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QImageWriter>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <QtEndian>
#include <cstdio>
#include <stdexcept>
#include <thread>
#include <unistd.h>

using namespace pictolex;
using namespace pictolex::bench;

namespace {

template <typename T = QWidget> T& child(QWidget& window, const QString& name) {
    if (T* const found = window.findChild<T*>(name))
        return *found;
    throw std::runtime_error("no control " + name.toStdString());
}

// Counts the board's own repaints: its background under the tiles, and the lifted picture.
struct Repaints : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

// The time from `step` to the end of the board's repaint that it causes, in ms.
double untilRepaint(const Repaints& repaints, const std::function<void()>& step) {
    const int before = repaints.count;
    const Instant start = std::chrono::steady_clock::now();
    step();
    while (repaints.count == before && msSince(start) < 1000)
        QApplication::processEvents();
    return msSince(start);
}

// The board once it shows, which it does when the start screen has read the list's pictures.
QWidget& shownBoard() {
    const Instant asked = std::chrono::steady_clock::now();
    for (;;) {
        QWidget* board = findWindow("frmBack");
        if (board && board->windowHandle() && board->windowHandle()->isExposed())
            return *board;
        if (msSince(asked) > 20000)
            throw std::runtime_error("the board did not show within 20 s");
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

void wait(int ms) { // with the game's events handled as they come
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QPoint tileCentre(int cell) { // on the board, which holds the tiles
    return child(window("frmBack"), QStringLiteral("img(%1)").arg(cell)).geometry().center();
}

// The next right drop: a word not matched yet, and the tile elsewhere holding its picture.
std::pair<int, int> nextMatch() {
    for (int cell = 1; cell <= kCells; ++cell) {
        const Label& word = child<Label>(window("frmBack"), QStringLiteral("lbl(%1)").arg(cell));
        for (int from = 1; from <= kCells && word.backColor() != QColor(0, 255, 255); ++from)
            if (from != cell &&
                child<Tile>(window("frmBack"), QStringLiteral("img(%1)").arg(from)).tag() ==
                    word.caption())
                return {cell, from};
    }
    throw std::runtime_error("no right drop is left");
}

void idle() {
    wait(quick() ? 500 : 3000);
    const int idleMs = quick() ? 1000 : 10000;
    const double before = cpuMilliseconds(getpid());
    wait(idleMs);
    sample("idle board, processor use", (cpuMilliseconds(getpid()) - before) / idleMs * 100, "%",
           "<= 0.5");
    sample("resident memory with the board open", statusMegabytes(getpid(), "VmRSS"), "MB",
           "<= 60");
}

// Drags of 200 pointer moves across the board, let go on the blue; the first warms up.
void drags(QWindow& window, const Repaints& repaints, const QString& where) {
    const QSize room = window.size();
    for (int drag = firstRun(); drag <= runs(15); ++drag) {
        QTest::mousePress(&window, Qt::LeftButton, {}, tileCentre(nextMatch().second));
        std::vector<double> moves;
        for (int i = 0; i < 200; ++i) {
            const QPoint to(room.width() * (1 + (i * 3) % 60) / 64,
                            room.height() * (1 + (i * 7) % 45) / 48);
            moves.push_back(untilRepaint(repaints, [&] { QTest::mouseMove(&window, to); }));
        }
        QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(5, room.height() / 2));
        if (drag == 0)
            continue;
        sample("drag: pointer move to repainted board" + where, percentile(moves, 0.5), "ms",
               "<= 2");
        sample("drag: pointer move to repainted board" + where + ", 99th percentile",
               percentile(moves, 0.99), "ms", "<= 2");
    }
}

// The board's window made `size` large, as its player makes it, and shown so.
void showAt(QWidget& board, QSize size) {
    board.setWindowState(Qt::WindowNoState);
    board.resize(size);
    const Instant start = std::chrono::steady_clock::now();
    while ((board.size() != size || !board.windowHandle()->isExposed()) && msSince(start) < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    wait(300);
}

// The board made a little smaller and larger again, at 4K: from each resize to its repaint.
void resizes(QWidget& board, const Repaints& repaints) {
    const QSize large = board.size();
    for (int resize = firstRun(); resize <= runs(20); ++resize) {
        const QSize to = resize % 2 ? large - QSize(240, 135) : large;
        const double ms = untilRepaint(repaints, [&] { board.resize(to); });
        wait(100);
        if (resize > 0)
            sample("resize at 3840 x 2160 to repainted board", ms, "ms", "-");
    }
}

// Right drops, each let go on its word's tile once the output has been silent for 300 ms:
// until the board is repainted, and until the word is heard. The first warms up; as the voice
// that says a word with no recording may still be in the making then, it may take 20 s.
void drops(QWindow& window, const Repaints& repaints, const QString& kind = {},
           const QByteArray& heardTarget = "<= 50") {
    SoundMonitor monitor;
    for (int drop = firstRun(); drop <= runs(8); ++drop) {
        if (!monitor.waitForSilence(300))
            throw std::runtime_error("the sound output did not fall silent");
        const auto [cell, from] = nextMatch();
        const QPoint target = tileCentre(cell);
        QTest::mousePress(&window, Qt::LeftButton, {}, tileCentre(from));
        QTest::mouseMove(&window, target);
        const Instant released = std::chrono::steady_clock::now();
        const double painted = untilRepaint(
            repaints, [&] { QTest::mouseRelease(&window, Qt::LeftButton, {}, target); });
        const double longest = drop == firstRun() ? 20000 : 3000;
        while (!monitor.heard() && msSince(released) < longest) {
            QApplication::processEvents();
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        const double heard = msSince(released);
        if (heard >= longest)
            throw std::runtime_error("a right drop was not heard in time");
        if (drop == 0)
            continue;
        sample("drop" + kind + ": release to repainted board", painted, "ms", "<= 2");
        sample("drop" + kind + ": release to its word heard", heard, "ms", heardTarget);
    }
}

void playBoard() {
    QTest::mouseClick(&child(window("frmS"), "cmdStart"), Qt::LeftButton);
    QWidget& board = shownBoard();
    Repaints repaints;
    board.installEventFilter(&repaints);
    showAt(board, {1024, 710}); // the least the board is laid out for
    idle();
    drags(*board.windowHandle(), repaints, {});
    drops(*board.windowHandle(), repaints);
    showAt(board, {3840, 2160});
    resizes(board, repaints);
    drags(*board.windowHandle(), repaints, QStringLiteral(" at 3840 x 2160"));
}

// The first list in the box "Words" chosen with the Down key, then "Start": the time until the
// board is shown and painted.
double openList() {
    const Instant chosen = std::chrono::steady_clock::now();
    QTest::keyClick(&child<QComboBox>(window("frmS"), "cboList"), Qt::Key_Down);
    QTest::mouseClick(&child(window("frmS"), "cmdStart"), Qt::LeftButton);
    shownBoard();
    QApplication::processEvents();
    return msSince(chosen);
}

void chooseList() {
    sample("from choosing a list of 36 photos to the board shown", openList(), "ms", "-");
}

// Right drops on the list's board; `kind` tells them apart in the figures' names.
void playList(const QString& kind, const QByteArray& heardTarget) {
    openList();
    Repaints repaints;
    window("frmBack").installEventFilter(&repaints);
    drops(*window("frmBack").windowHandle(), repaints, kind, heardTarget);
}

// A recording of 30 MB, mono 16-bit samples at 44.1 kHz: a tone for 0.2 s, then silence.
void putLongRecording(const QString& path) {
    const quint32 bytes = 30'000'000;
    QByteArray wav("RIFF....WAVEfmt \x10\0\0\0\1\0\1\0\x44\xAC\0\0\x88\x58\1\0\2\0\x10\0data....",
                   44);
    qToLittleEndian(bytes + 36, wav.data() + 4);
    qToLittleEndian(bytes, wav.data() + 40);
    QByteArray samples(bytes, '\0');
    for (int i = 0; i < 8820; ++i)
        qToLittleEndian<qint16>(i % 100 < 50 ? 8000 : -8000, samples.data() + 2 * i);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(wav + samples) != wav.size() + bytes)
        throw std::runtime_error("cannot write a long recording");
}

// Speech-dispatcher on its own socket, speaking through the private sound server, for the games
// started while it runs (SPEECHD_ADDRESS); it ends with this object.
class SpeechDispatcher {
public:
    explicit SpeechDispatcher(const QString& socket) {
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.setStandardOutputFile(QProcess::nullDevice());
        process_.start(QStringLiteral("speech-dispatcher"),
                       {"-s", "-t", "0", "-c", "unix_socket", "-S", socket});
        for (int i = 0; i < 100 && !QFileInfo::exists(socket); ++i)
            QThread::msleep(50);
        if (!QFileInfo::exists(socket))
            throw std::runtime_error("speech-dispatcher did not start");
        qputenv("SPEECHD_ADDRESS", "unix_socket:" + socket.toLocal8Bit());
    }
    ~SpeechDispatcher() {
        qunsetenv("SPEECHD_ADDRESS");
        process_.terminate();
        if (!process_.waitForFinished(2000))
            process_.kill();
        process_.waitForFinished();
    }

private:
    QProcess process_;
};

// The list chosen with the Down key, then from "Start" to the board shown and painted; or, when
// its check refuses the list, the time of that check, from the choice to "Start" greyed out.
void startList(const QString& pictures) {
    const Instant chosen = std::chrono::steady_clock::now();
    QTest::keyClick(&child<QComboBox>(window("frmS"), "cboList"), Qt::Key_Down);
    QWidget& start = child(window("frmS"), "cmdStart");
    if (!start.isEnabled()) {
        sample("choosing a list of 36 " + pictures + ", refused", msSince(chosen), "ms", "<= 1000");
        return;
    }
    const Instant started = std::chrono::steady_clock::now();
    QTest::mouseClick(&start, Qt::LeftButton);
    shownBoard();
    QApplication::processEvents();
    sample("from Start to the board shown, 36 " + pictures, msSince(started), "ms", "<= 1000");
}

// A photograph's soft shading and fine grain, as a camera gives them.
QImage photograph(QSize size) {
    QImage photo(size, QImage::Format_RGB32);
    quint32 grain = 1;
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            grain = grain * 1664525u + 1013904223u;
            const int g = int(grain >> 29);
            line[x] = qRgb((x * 255 / size.width() + g) & 255, (y * 255 / size.height() + g) & 255,
                           ((x + y) / 9 + g) & 255);
        }
    }
    return photo;
}

// 36 progressive photographs of `size` in a list, in the player's folder `player`.
void progressiveList(const QString& player, QSize size, const QString& photo) {
    QImageWriter writer(photo, "JPG");
    writer.setQuality(85);
    writer.setProgressiveScanWrite(true);
    if (!writer.write(photograph(size)))
        throw std::runtime_error("cannot write a progressive photo");
    putPictures(player + "/lists/photos", photo, true);
}

} // namespace

int main(int argc, char* argv[]) {
    const QByteArray mode = argc >= 2 ? argv[1] : "";
    if (mode == "--board" || mode == "--list")
        return playInside(argc, argv, mode == "--board" ? playBoard : chooseList);
    if (mode == "--start" && argc == 3)
        return playInside(argc, argv, [pictures = QString(argv[2])] { startList(pictures); });
    if (mode == "--drops" && argc == 4) { // with the kind of drop, and the target of its sound
        const QString kind = QString::fromUtf8(argv[2]);
        const QByteArray target = argv[3];
        return playInside(argc, argv, [&] { playList(kind, target); });
    }
    const QCoreApplication app(argc, argv);
    try {
        const QTemporaryDir work;
        QImage photo(1600, 1200, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y) // a photograph's fine detail, in a plain pattern
            for (int x = 0; x < photo.width(); ++x)
                photo.setPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, (x ^ y) % 256));
        if (!photo.save(work.filePath("photo.jpg"), "JPG", 90))
            throw std::runtime_error("cannot write a photo");
        putPictures(work.filePath("player/lists/photos"), work.filePath("photo.jpg"), true);
        putPictures(work.filePath("loud/lists/photos"), work.filePath("photo.jpg"), true);
        putLongRecording(work.filePath("long.wav"));
        putPictures(work.filePath("loud/lists/photos"), work.filePath("long.wav"), false);
        for (int run = firstRun(); run <= runs(10); ++run)
            Game(work.filePath("player"), {"--list"}, run > 0).run();
        // Progressive photographs from a phone, and the largest progressive ones that pass.
        const std::pair<QSize, QString> progressive[] = {
            {{4000, 3000}, "progressive photos of 4000 x 3000"},
            {{1200, 900}, "progressive photos of 1200 x 900"}};
        for (const auto& [size, pictures] : progressive) {
            const QString player = work.filePath(QString::number(size.width()));
            progressiveList(player, size, work.filePath(QString::number(size.width()) + ".jpg"));
            for (int run = firstRun(); run <= runs(5); ++run)
                Game(player, {"--start", pictures}, run > 0).run();
        }
        for (int run = 1; run <= runs(5); ++run)
            Game({}, {"--board"}).run();
        for (int run = 1; run <= runs(3); ++run) {
            Game(work.filePath("loud"), {"--drops", ", 30 MB recording", "-"}).run();
            Game(work.filePath("player"), {"--drops", ", word said by Flite", "<= 100"}).run();
        }
        const SpeechDispatcher speechDispatcher(work.filePath("speechd.sock"));
        for (int run = 1; run <= runs(3); ++run)
            Game(work.filePath("player"), {"--drops", ", word said by speech-dispatcher", "<= 100"})
                .run();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_board: %s\n", error.what());
        return 1;
    }
    return 0;
}
