#include "x_session.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QtTest>

using namespace pictolex::e2e;

class StartEndToEnd : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        if (!haveTestDisplay())
            QSKIP("needs the X display that test.sh starts");
    }
    void startScreenThenBoardThenClose();
};

void StartEndToEnd::startScreenThenBoardThenClose() {
    Game game;
    const qulonglong start =
        game.waitForWindow([](QRect r) { return r.size() == QSize(511, 355); });
    QVERIFY2(start, "the start screen never appeared");

    // Centred on the screen; the window manager's title bar and border shift the client area
    // by a little of their own size.
    const QRect frame = x::geometry(start);
    const QSize screen = x::screenSize();
    QVERIFY2(qAbs(frame.center().x() - screen.width() / 2) <= 4,
             qPrintable(QStringLiteral("x centre %1").arg(frame.center().x())));
    QVERIFY2(qAbs(frame.center().y() - screen.height() / 2) <= 30,
             qPrintable(QStringLiteral("y centre %1").arg(frame.center().y())));

    x::click(frame.topLeft() + QPoint(212 + 120, 222 + 14));
    x::type(QStringLiteral("Hanako"));
    x::click(frame.topLeft() + QPoint(348 + 54, 274 + 16));
    const qulonglong board = game.waitForWindow([](QRect r) { return r.width() > 600; });
    QVERIFY2(board, "the board never appeared after Start");
    // The start screen is hidden: the window manager shows only the board.
    QTRY_COMPARE_WITH_TIMEOUT(x::visibleWindows(QStringLiteral("Pictolex")).size(), 1, 3000);

    x::run({QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(board)});
    QElapsedTimer timer;
    x::key(QStringLiteral("alt+F4"));
    timer.start();
    QVERIFY2(game.waitForExit(2000), "the program did not end within 2 seconds");
    QCOMPARE(game.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(game.process().exitCode(), 0);
    qInfo("closed in %lld ms", timer.elapsed());
}

int main(int argc, char* argv[]) {
    useTestDisplay();
    QApplication app(argc, argv);
    StartEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "e2e_start.moc"
