#include "board/game_board.h"
#include "fake_platform.h"
#include "shell/mm_control.h"
#include "shell/window_timer.h"
#include "start_screen/name_box.h"
#include "start_screen/start_screen.h"

#include <QtTest>

using namespace pictolex;
using namespace pictolex::testing;

class LifecycleTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void closingStartScreenNeverLoadsBoard();
    void closingBoardClosesBoth();
    void closingHiddenStartScreenClosesBoard();
    void startWithEmptyName();
    void formLoadRunsOnceOnFirstAccess();
    void unloadIsNestedAndNotRepeated();
};

void LifecycleTest::closingStartScreenNeverLoadsBoard() {
    TestApp app;
    frmS().Show();
    QVERIFY(frmS().close());
    QVERIFY(!frmS().isLoaded());
    QVERIFY(!frmBack().isLoaded());
    QCOMPARE(app.quits, 1);
    QCOMPARE(app.soundLog(QStringLiteral("frmS")), QStringList{QStringLiteral("close")});
    QVERIFY(app.soundLog(QStringLiteral("frmBack")).isEmpty());
}

void LifecycleTest::closingBoardClosesBoth() {
    TestApp app;
    frmS().Show();
    frmS().cmdStart_Click();
    app.audio.log.clear();
    QVERIFY(frmBack().close());
    QVERIFY(!frmBack().isLoaded());
    QVERIFY(!frmS().isLoaded());
    QVERIFY(!frmBack().isVisible());
    QVERIFY(!frmBack().Timer1->isEnabled());
    QCOMPARE(app.quits, 1);
    // Both controls fall silent, the board's first.
    QCOMPARE(app.audio.log.first(), QStringLiteral("frmBack:close"));
    QVERIFY(app.audio.log.contains(QStringLiteral("frmS:close")));
}

void LifecycleTest::closingHiddenStartScreenClosesBoard() {
    TestApp app;
    frmS().Show();
    frmS().cmdStart_Click();
    QVERIFY(!frmS().isVisible());
    frmS().close();
    QVERIFY(!frmS().isLoaded());
    QVERIFY(!frmBack().isLoaded());
    QVERIFY(!frmBack().isVisible());
    QCOMPARE(app.quits, 1);
}

void LifecycleTest::startWithEmptyName() {
    TestApp app;
    frmS().Show();
    QVERIFY(frmS().txtName->text().isEmpty());
    frmS().Timer2->setEnabled(true);
    frmS().cmdStart_Click();
    QVERIFY(frmBack().isLoaded());
    QVERIFY(frmBack().isVisible());
    QVERIFY(frmBack().Timer1->isEnabled());
    QVERIFY(!frmS().Timer1->isEnabled());
    QVERIFY(!frmS().Timer2->isEnabled());
    QVERIFY(frmS().isLoaded());
    QVERIFY(!frmS().isVisible());
    // The start screen's sound stopped before it hid: its first request is the close.
    QCOMPARE(app.soundLog(QStringLiteral("frmS")), QStringList{QStringLiteral("close")});
    QCOMPARE(app.quits, 0);
}

void LifecycleTest::formLoadRunsOnceOnFirstAccess() {
    TestApp app;
    StartScreen& screen = frmS();
    QVERIFY(!screen.isLoaded());
    // Reading the root path loads the window, and centres it.
    QVERIFY(screen.rootPath().endsWith(QLatin1String("/share/pictolex/")));
    QVERIFY(screen.isLoaded());
    // (1280 - 511) / 2 and (1024 - 355) / 2, rounded.
    QCOMPARE(screen.pos(), QPoint(385, 335));
    screen.move(0, 0);
    screen.Show();
    QCOMPARE(screen.pos(), QPoint(0, 0));
}

void LifecycleTest::unloadIsNestedAndNotRepeated() {
    TestApp app;
    frmS().Show();
    frmS().Unload();
    frmS().Unload();
    frmBack().Unload();
    QCOMPARE(app.quits, 1);
    QCOMPARE(app.context->loadedForms(), 0);
}

QTEST_MAIN(LifecycleTest)
#include "tst_lifecycle.moc"
