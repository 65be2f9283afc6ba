// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// One whole round of the real game on the X display that test.sh starts, played with real
// mouse and keyboard input: the pictures are found on the screen and dragged onto their words.
#include "board/board_layout.h"
#include "board/words.h"
#include "shell/picture.h"
#include "shell/units.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

using namespace pictolex;

namespace {

QString run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(20000))
        process.kill();
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString xdotool(const QStringList& args) {
    return run(QStringLiteral("xdotool"), args);
}

QStringList xy(QPoint p) {
    return {QString::number(p.x()), QString::number(p.y())};
}

// Presses the button at `from`, moves the pointer there in steps as a hand would, and lets go.
void drag(QPoint from, QPoint to) {
    QStringList args = QStringList{"mousemove"} + xy(from) + QStringList{"mousedown", "1"};
    for (int step = 1; step <= 6; ++step)
        args << "sleep"
             << "0.03"
             << "mousemove" << xy(from + (to - from) * step / 6);
    xdotool(args << "sleep"
                 << "0.1"
                 << "mouseup"
                 << "1");
}

// A window's client area on the screen, whatever frame the window manager put round it.
QRect clientArea(const QString& window) {
    QHash<QString, int> values;
    for (const QString& line : run(QStringLiteral("xwininfo"), {"-id", window}).split('\n'))
        values.insert(line.section(':', 0, 0).trimmed(), line.section(':', 1).trimmed().toInt());
    return QRect(values["Absolute upper-left X"], values["Absolute upper-left Y"], values["Width"],
                 values["Height"]);
}

QImage screenshot() {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
        QImage::Format_RGB32);
}

bool near(QRgb a, QRgb b) {
    return qAbs(qRed(a) - qRed(b)) <= 8 && qAbs(qGreen(a) - qGreen(b)) <= 8 &&
           qAbs(qBlue(a) - qBlue(b)) <= 8;
}

// Whether the screen shows the picture with its top left at `at`, but for 2% of its pixels.
bool shows(const QImage& screen, QPoint at, const QImage& picture) {
    int opaque = 0, wrong = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qAlpha(picture.pixel(x, y)) > 127) {
                ++opaque;
                wrong += !near(screen.pixel(at + QPoint(x, y)), picture.pixel(x, y));
            }
    return wrong * 50 <= opaque;
}

QString word(int cell) {
    return QString::fromLatin1(kWords[size_t(cell - 1)]);
}

} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT
    QProcess game_;
    QTemporaryDir data_;
    QPoint origin_; // the board's client area on the screen
    std::array<QString, kCells + 1> tags_;
    QList<QImage> pictures_; // of the words, in their order

    QPoint onScreen(QPoint twips) const {
        return origin_ + QPoint(toPixels(twips.x()), toPixels(twips.y()));
    }
    bool showsColour(const QImage& screen, const QRect& twips, QRgb colour) const {
        return near(screen.pixel(onScreen(twips.topLeft()) + QPoint(3, 3)), colour);
    }
    // A visible window of the game's that the test wants, once the window manager has placed it.
    QString waitForWindow(const std::function<bool(QRect)>& wanted) {
        const QDeadlineTimer deadline(20000);
        QHash<QString, QRect> seen;
        while (!deadline.hasExpired() && game_.state() == QProcess::Running) {
            const QString found = xdotool({"search", "--onlyvisible", "--name", "^Pictolex$"});
            for (const QString& window : found.split('\n', Qt::SkipEmptyParts)) {
                const QRect area = clientArea(window);
                if (wanted(area) && std::exchange(seen[window], area) == area)
                    return window;
            }
            QThread::msleep(100);
        }
        return {};
    }
    // Which picture each tile shows.
    bool readBoard() {
        const QImage screen = screenshot();
        for (int cell = 1; cell <= kCells; ++cell) {
            tags_[size_t(cell)].clear();
            for (int i = 1; i <= kCells && tags_[size_t(cell)].isEmpty(); ++i)
                if (shows(screen, onScreen(tileRect(cell).topLeft()), pictures_[i - 1]))
                    tags_[size_t(cell)] = word(i);
            if (tags_[size_t(cell)].isEmpty())
                return false;
        }
        return true;
    }

private Q_SLOTS:
    void cleanup() {
        game_.kill();
        game_.waitForFinished();
    }
    void wholeRound() {
        if (qEnvironmentVariableIsEmpty("PICTOLEX_E2E_DISPLAY"))
            QSKIP("needs the X display that test.sh starts");
        for (int cell = 1; cell <= kCells; ++cell)
            pictures_ << iconImage(word(cell));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("XDG_DATA_HOME", data_.path());
        game_.setProcessEnvironment(env);
        game_.setProcessChannelMode(QProcess::ForwardedChannels);
        game_.start(QStringLiteral(PICTOLEX_BINARY), QStringList());
        QVERIFY(game_.waitForStarted());
        QVERIFY2(!waitForWindow([](QRect r) { return r.size() == QSize(511, 355); }).isEmpty(),
                 "the start screen never appeared");
        // The name box has the focus; Tab goes on to "Start", and Enter presses it.
        xdotool({"type", "--delay", "20", "Hanako"});
        xdotool({"key", "Tab", "Return"});
        const QString board = waitForWindow([](QRect r) { return r.width() > 900; });
        QVERIFY2(!board.isEmpty(), "the board never appeared after Start");
        origin_ = clientArea(board).topLeft();
        QTRY_VERIFY_WITH_TIMEOUT(readBoard(), 10000);

        for (int cell = 1; cell <= kCells; ++cell) {
            if (showsColour(screenshot(), wordRect(cell), qRgb(0, 255, 255)))
                continue;
            const auto source = std::find(tags_.begin() + 1, tags_.end(), word(cell));
            QVERIFY(source != tags_.end());
            drag(onScreen(tileRect(int(source - tags_.begin())).center()),
                 onScreen(tileRect(cell).center()));
            QTRY_VERIFY2_WITH_TIMEOUT(showsColour(screenshot(), wordRect(cell), qRgb(0, 255, 255)),
                                      qPrintable(word(cell) + " did not turn cyan"), 3000);
            std::swap(*source, tags_[size_t(cell)]);
        }
        // The clock's next tick ends the round.
        QTRY_VERIFY_WITH_TIMEOUT(showsColour(screenshot(), layout::kGood, qRgb(255, 128, 255)),
                                 2000);

        // "See All Times" holds the focus: Enter saves the time.
        xdotool({"key", "Return"});
        QFile log(data_.filePath(QStringLiteral("pictolex/results.txt")));
        QTRY_VERIFY_WITH_TIMEOUT(log.size() > 0, 5000);
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray saved = log.readAll();
        QVERIFY2(saved.startsWith("Hanako ") && saved.count("\r\n") == 1 &&
                     saved.contains("Time = 0:0"),
                 saved.constData());

        xdotool({"windowactivate", "--sync", board});
        xdotool({"key", "alt+F4"});
        QVERIFY2(game_.waitForFinished(5000), "the game did not end after Alt+F4");
        QCOMPARE(game_.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game_.exitCode(), 0);
    }
};

int main(int argc, char* argv[]) {
    // The test itself reads the screen of the display the game is on.
    const QByteArray display = qgetenv("PICTOLEX_E2E_DISPLAY");
    qputenv("QT_QPA_PLATFORM", display.isEmpty() ? "offscreen" : "xcb");
    if (!display.isEmpty())
        qputenv("DISPLAY", display);
    QApplication app(argc, argv);
    TestEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_e2e.moc"
