// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Whole rounds of the real game on the X display that test.sh starts, played with real input:
// the pictures are found on the screen and dragged onto their words with the mouse, or taken
// there with Tab and Enter alone, the two keys of a two-switch interface.
#include "board/tile_pictures.h"
#include "design/board_design.h"
#include "fakes.h"
#include "rules/words.h"

#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

using namespace pictolex;
using namespace pictolex::test;

namespace {

// Runs a program with words for arguments, "xdotool key Tab", and answers what it printed.
QString run(const QString& command) {
    QProcess process;
    process.startCommand(command);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Presses the button at `from`, moves the pointer there in steps as a hand would, and lets go.
void drag(QPoint from, QPoint to) {
    QString command =
        QStringLiteral("xdotool mousemove %1 %2 mousedown 1").arg(from.x()).arg(from.y());
    for (int step = 1; step <= 6; ++step) {
        const QPoint at = from + (to - from) * step / 6;
        command += QStringLiteral(" sleep 0.03 mousemove %1 %2").arg(at.x()).arg(at.y());
    }
    run(command + " sleep 0.1 mouseup 1");
}

// A window's client area on the screen, or with `frame` its frame, as the window manager put it.
QRect clientArea(const QString& window, bool frame = false) {
    if (frame) { // left, right, top, bottom
        const QStringList e =
            run("xprop -id " + window + " _NET_FRAME_EXTENTS").section('=', 1).split(',');
        return e.size() != 4 ? QRect()
                             : clientArea(window).adjusted(-e[0].toInt(), -e[2].toInt(),
                                                           e[1].toInt(), e[3].toInt());
    }
    QHash<QString, int> values;
    for (const QString& line : run("xwininfo -id " + window).split('\n'))
        values.insert(line.section(':', 0, 0).trimmed(), line.section(':', 1).trimmed().toInt());
    return QRect(values["Absolute upper-left X"], values["Absolute upper-left Y"], values["Width"],
                 values["Height"]);
}

// The game's visible window: the board, or the start screen.
QString window(bool board) {
    const QString found = run("xdotool search --onlyvisible --name ^Pictolex$");
    for (const QString& w : found.split('\n', Qt::SkipEmptyParts))
        if ((clientArea(w).width() > 600) == board)
            return w;
    return {};
}

bool near(QRgb a, QRgb b) {
    return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b)) <= 24;
}

} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT
    QProcess game_;
    QPoint origin_;          // the board's client area on the screen
    BoardGeometry geometry_; // of the board, as it is laid out in its window
    QImage screen_;
    int focus_ = 0; // the cell whose tile has the keyboard focus; 0 for "See All Times"

    QRect onScreen(const QRectF& onBoard) const { return snapped(onBoard).translated(origin_); }
    bool look() {
        screen_ = QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
            QImage::Format_RGB32);
        return !screen_.isNull();
    }
    bool shows(const QRectF& onBoard, QRgb colour) const {
        return near(screen_.pixel(onScreen(onBoard).topLeft() + QPoint(3, 3)), colour);
    }
    // The cell whose tile shows the word's picture, but for 2% of its pixels; 0 for none.
    int tileShowing(const char* word) const {
        TilePictures pictures({});
        pictures.setSize(onScreen(geometry_.cell(1).picture).width(), 1);
        const QImage picture = pictures.picture(QString::fromUtf8(word));
        for (int cell = 1; cell <= kCells; ++cell) {
            const QPoint at = onScreen(geometry_.cell(cell).picture).topLeft();
            int opaque = 0, wrong = 0;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    if (qAlpha(picture.pixel(x, y)) == 255 && ++opaque)
                        wrong += !near(screen_.pixel(at + QPoint(x, y)), picture.pixel(x, y));
            if (wrong * 50 <= opaque)
                return cell;
        }
        return 0;
    }
    // Tab from the focus on to a cell's tile (0: "See All Times"), then `then`. Tab goes from
    // "See All Times" through the tiles to "Start Again", and round again.
    void tabTo(int cell, const QString& then) {
        const int stops = kCells + 2;
        run("xdotool key --delay 15" + QString(" Tab").repeated((cell - focus_ + stops) % stops) +
            " " + then);
        focus_ = cell;
    }

private Q_SLOTS:
    void cleanup() {
        game_.kill();
        game_.waitForFinished();
    }
    // The command line, with no display at hand: a teacher checks a list, asks for help or
    // the version, or makes a mistake, and is answered in the reader's language.
    void terminal_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said"); // the start of what is printed
        const QString list = PICTOLEX_EXAMPLE_LIST, notOurs = " is not an option of pictolex; ";
        const QString noValue = " needs a value: --list NAME, or --check-list LIST.\n";
        QTest::newRow("a list checked") << QStringList{"--check-list", list} << QByteArray() << 0
                                        << "“weather” can be played: 6 words.\n";
        QTest::newRow("--check-list=") << QStringList{"-style", "fusion", "--check-list=" + list}
                                       << QByteArray() << 0 << "“weather” can";
        QTest::newRow("help") << QStringList{"--list", "x", "--help"} << QByteArray() << 0
                              << "Usage: pictolex [--list NAME] [--check-list LIST]\n";
        QTest::newRow("help, Japanese") << QStringList{"-h"} << QByteArray("ja") << 0 << "使い方";
        QTest::newRow("version") << QStringList{"--version"} << QByteArray() << 0
                                 << "pictolex " PICTOLEX_VERSION "\n";
        QTest::newRow("no value") << QStringList{"--list=x", "--list"} << QByteArray() << 2
                                  << "pictolex: --list" + noValue;
        QTest::newRow("not ours") << QStringList{"--lists=a", "b"} << QByteArray() << 2
                                  << "pictolex: --lists=a" + notOurs + "--help lists them.\n";
        QTest::newRow("a switch with a value")
            << QStringList{"--help=1"} << QByteArray() << 2 << "pictolex: --help=1" + notOurs;
        QTest::newRow("no display") << QStringList{"--list", "weather"} << QByteArray() << 1
                                    << "pictolex: There is no display to show the game on";
    }
    void terminal() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, language);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        environment.insert("LANGUAGE", language);
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(PICTOLEX_BINARY), arguments);
        QVERIFY(program.waitForFinished(20000));
        QFETCH(QString, said);
        const QString printed =
            QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());
        QVERIFY2(printed.startsWith(said), qPrintable(printed));
        QTEST(program.exitCode(), "status");
    }
    void wholeRound_data() {
        QTest::addColumn<bool>("byKeys");
        QTest::newRow("mouse drags") << false;
        QTest::newRow("keys only") << true;
    }
    void wholeRound() {
        QFETCH(bool, byKeys);
        if (qEnvironmentVariableIsEmpty("PICTOLEX_E2E_DISPLAY"))
            QSKIP("needs the X display that test.sh starts");
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path())); // and the xcb platform
        game_.setProcessChannelMode(QProcess::MergedChannels);
        // A recording of the player's own that will not play is passed over, silently.
        QVERIFY(writeFile(data.filePath("pictolex/airplane.wav"), "RIFF junk"));
        game_.start(QStringLiteral(PICTOLEX_BINARY), QStringList());
        QString start;
        QTRY_VERIFY_WITH_TIMEOUT(!(start = window(false)).isEmpty(), 20000);
        // Centred, frame and all, once the window manager has put its frame round it.
        QTRY_VERIFY2_WITH_TIMEOUT((clientArea(start, true).center() -
                                   QGuiApplication::primaryScreen()->geometry().center())
                                          .manhattanLength() <= 2,
                                  qPrintable(start), 5000);
        // The name box has the focus; Tab goes on to "Start", and Enter presses it.
        run("xdotool type --delay 20 Hanako");
        run("xdotool key Tab Return");
        // Once the window manager has put the board in place, its pictures show where they go.
        QString board;
        QTRY_VERIFY_WITH_TIMEOUT(
            !(board = window(true)).isEmpty() && (origin_ = clientArea(board).topLeft(), look()) &&
                (geometry_ = layBoard(boardDesign(), kCells, clientArea(board).size()),
                 tileShowing(kWords[0].data()) > 0),
            20000);
        focus_ = 0;

        for (int cell = 1; cell <= kCells; ++cell) {
            const QRectF word = geometry_.cell(cell).word;
            if (look() && shows(word, qRgb(0, 255, 255)))
                continue;
            const int source = tileShowing(kWords[size_t(cell - 1)].data());
            QVERIFY2(source > 0, kWords[size_t(cell - 1)].data());
            if (!byKeys)
                drag(onScreen(geometry_.cell(source).picture).center(),
                     onScreen(geometry_.cell(cell).picture).center());
            else // Enter picks the picture and places it; over its own word it matches at once
                for (const int tile : source == cell ? QList{cell} : QList{source, cell})
                    tabTo(tile, "Return");
            QTRY_VERIFY2_WITH_TIMEOUT(look() && shows(word, qRgb(0, 255, 255)),
                                      kWords[size_t(cell - 1)].data(), 3000);
        }
        // The clock's next tick ends the round.
        QTRY_VERIFY_WITH_TIMEOUT(
            look() && shows(geometry_.part(BoardPart::Good), qRgb(255, 128, 255)), 2000);

        // "See All Times" holds the focus, or gets it: Enter saves the time.
        tabTo(0, "Return");
        QByteArray saved;
        QTRY_VERIFY_WITH_TIMEOUT(
            !(saved = readFile(data.filePath("pictolex/results.txt"))).isEmpty(), 5000);
        QVERIFY2(saved.startsWith("Hanako ") && saved.count("\r\n") == 1 &&
                     saved.contains("Time = 0:0"),
                 saved.constData());

        run("xdotool windowactivate --sync " + board);
        run("xdotool key alt+F4");
        QVERIFY2(game_.waitForFinished(5000), "the game did not end after Alt+F4");
        QVERIFY(game_.exitStatus() == QProcess::NormalExit && game_.exitCode() == 0);
        // Sounds played, with no sound device at all, yet not a word on the terminal.
        QCOMPARE(game_.readAll(), QByteArray());
    }
};

int main(int argc, char* argv[]) {
    const QByteArray display = qgetenv("PICTOLEX_E2E_DISPLAY");
    qputenv("QT_QPA_PLATFORM", display.isEmpty() ? "offscreen" : "xcb");
    qputenv("DISPLAY", display);
    QApplication app(argc, argv);
    TestEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_e2e.moc"
