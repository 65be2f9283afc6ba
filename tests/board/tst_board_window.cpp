#include "board/game_board.h"
#include "board/tile.h"
#include "board_scripts.h"
#include "fake_platform.h"
#include "results/results_list.h"
#include "shell/command_button.h"
#include "shell/label.h"
#include "shell/window_timer.h"
#include "start_screen/name_box.h"
#include "start_screen/start_screen.h"

#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

using namespace pictolex;
using namespace pictolex::testing;

namespace {
const QColor kPink(255, 128, 255), kCyan(0, 255, 255);

// Sends a drag of `data` onto the tile as the window system would; answers whether the tile
// took the drop.
bool sendDrop(QWidget& tile, QMimeData& data) {
    const QPointF at(16, 16);
    QDragEnterEvent enter(at.toPoint(), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&tile, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&tile, &drop);
    return drop.isAccepted();
}
} // namespace

class BoardWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void buttonsPlacedFromScreenWidth();
    void afterLoad();
    void keysPressTheFocusedButton_data();
    void keysPressTheFocusedButton();
    void drops_data();
    void drops();
    void dropsFromElsewhereAreRefused_data();
    void dropsFromElsewhereAreRefused();
    void dropsBesideTheTilesDoNothing();
    void wordClicks();
    void clockAndCompletion();
    void startAgain_data();
    void startAgain();
    void seeAllTimesNeedsAFinishedRound();
    void seeAllTimesLogsOnceAndListsNewestFirst();
    void seeAllTimesReportsALogThatCannotBeWritten();

private:
    void startGame(const std::vector<float>& deal);
    void finishRound();
    GameBoard& board() { return frmBack(); }

    std::unique_ptr<TestApp> app;
    std::unique_ptr<QTemporaryDir> data;
};

void BoardWindowTest::init() {
    data = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", data->path().toLocal8Bit());
    app = std::make_unique<TestApp>();
}

void BoardWindowTest::cleanup() {
    app.reset();
    data.reset();
}

void BoardWindowTest::startGame(const std::vector<float>& deal) {
    app->random.script(deal);
    frmS().Show();
    frmS().cmdStart_Click();
    app->audio.log.clear();
}

// Plays the round to the end: every picture dropped on its word, in order.
void BoardWindowTest::finishRound() {
    for (int cell = 1; cell <= kCells; ++cell) {
        if (board().model().isMatched(cell))
            continue;
        for (int source = 1; source <= kCells; ++source)
            if (board().model().tag(source) == BoardModel::word(cell)) {
                board().img_DragDrop(cell, *board().img[size_t(source)]);
                break;
            }
    }
    QCOMPARE(board().score(), 36);
}

void BoardWindowTest::layout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QColor>("back");
    QTest::newRow("lblTitle") << "lblTitle" << QRect(5280, 180, 4095, 975) << "Pictolex" << true
                              << QColor();
    QTest::newRow("lblGood") << "lblGood" << QRect(5040, 480, 4635, 435)
                             << "Very Good! You Finished!" << false << kPink;
    QTest::newRow("lblBestTitle") << "lblBestTitle" << QRect(1320, 540, 2055, 375)
                                  << QString::fromUtf8("新記録＝") << false << kCyan;
    QTest::newRow("lblBest") << "lblBest" << QRect(1320, 1020, 11715, 375) << "" << false << kCyan;
    QTest::newRow("List1") << "List1" << QRect(1260, 1500, 11775, 8700) << "" << false << QColor();
    QTest::newRow("first word") << "lbl(1)" << QRect(1640, 2200, 1200, 250) << "airplane" << true
                                << kPink;
    QTest::newRow("row 2 word") << "lbl(11)" << QRect(9640, 3700, 1200, 250) << "Earth" << true
                                << kPink;
    QTest::newRow("the wide word")
        << "lbl(33)" << QRect(5580, 9705, 1320, 255) << "traffic signal" << true << kPink;
    QTest::newRow("last word") << "lbl(36)" << QRect(11640, 9700, 1200, 250) << "umbrella" << true
                               << kPink;
    QTest::newRow("first tile") << "img(1)" << QRect(2000, 1500, 480, 480) << "" << true
                                << QColor();
    QTest::newRow("the lower tile")
        << "img(13)" << QRect(2000, 4560, 480, 480) << "" << true << QColor();
    QTest::newRow("tile 14") << "img(14)" << QRect(4000, 4500, 480, 480) << "" << true << QColor();
    QTest::newRow("spare tile") << "img(0)" << QRect(1020, 300, 480, 480) << "" << false
                                << QColor();
    QTest::newRow("spare label") << "lbl(0)" << QRect(6600, 1140, 2115, 255) << "" << false
                                 << QColor();
}

void BoardWindowTest::layout() {
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, text);
    QFETCH(QColor, back);
    startGame(nearlyIdentity());
    auto* w = board().findChild<QWidget*>(name);
    QVERIFY(w);
    QCOMPARE(w->geometry(), QRect(qRound(twips.x() / 15.0), qRound(twips.y() / 15.0),
                                  qRound(twips.width() / 15.0), qRound(twips.height() / 15.0)));
    QTEST(w->isVisible(), "visible");
    if (auto* label = qobject_cast<Label*>(w)) {
        QCOMPARE(label->caption(), text);
        QVERIFY(label->fontMetrics().horizontalAdvance(text) <= label->width());
        if (back.isValid())
            QCOMPARE(label->backColor(), back);
    }
}

void BoardWindowTest::buttonsPlacedFromScreenWidth() {
    app->screen.set(QSize(1024, 768));
    startGame(nearlyIdentity());
    // 15360 - 1365 - 500 = 13495 twips; "Start Again" at 945 + 500 + 500 = 1945.
    QCOMPARE(board().cmdSeeTimes->pos(), QPoint(900, 33));
    QCOMPARE(board().Command1->pos(), QPoint(900, 130));
    QCOMPARE(board().cmdSeeTimes->caption(), QStringLiteral("See All Times"));
    QVERIFY(!board().cmdSeeTimes->isDefault() && !board().Command1->isDefault());
    QCOMPARE(board().Command1->caption(), QStringLiteral("Start Again"));
}

void BoardWindowTest::afterLoad() {
    startGame(leavingEnvelopeInPlace());
    QCOMPARE(board().lblScore->caption(), QStringLiteral("Score = 0 / 36"));
    QCOMPARE(board().lblTime->caption(), QStringLiteral("Time = 0:00:00"));
    QCOMPARE(board().List1->count(), 0);
    QVERIFY(board().Timer1->isEnabled());
    QCOMPARE(app->random.reseeds, 1);
    for (int i = 1; i <= kCells; ++i) {
        QCOMPARE(board().lbl[size_t(i)]->backColor(), kPink);
        QCOMPARE(board().img[size_t(i)]->dragMode(), 1);
        // Each tile shows the picture of the word in its tag.
        QCOMPARE(board().img[size_t(i)]->tag(), board().model().tag(i));
    }
    QVERIFY(!board().img[0]->isVisible());
}

void BoardWindowTest::keysPressTheFocusedButton_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("space") << int(Qt::Key_Space);
}

void BoardWindowTest::keysPressTheFocusedButton() {
    QFETCH(int, key);
    startGame(nearlyIdentity());
    QApplication::setActiveWindow(&board());
    QVERIFY(QTest::qWaitForWindowActive(&board()));
    // "See All Times" holds the focus first; no button is a default button.
    QCOMPARE(QApplication::focusWidget(), board().cmdSeeTimes);
    QTest::keyClick(board().cmdSeeTimes, Qt::Key(key));
    QTRY_COMPARE_WITH_TIMEOUT(app->messages.shown.size(), 1, 2000);
    QCOMPARE(app->messages.shown[0].text, QStringLiteral("Please get a score of 36."));
    // Tab goes on to "Start Again": the hidden list and the labels take no focus.
    QTest::keyClick(board().cmdSeeTimes, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), board().Command1);
}

void BoardWindowTest::drops_data() {
    QTest::addColumn<std::vector<float>>("deal");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("score");
    QTest::addColumn<QStringList>("sounds");
    QTest::addColumn<QList<int>>("cyan");

    const QStringList none;
    QTest::newRow("right word") << nearlyIdentity() << 2 << 36 << "Score =  1 / 36"
                                << QStringList{"close", "open banana.wav", "play"} << QList<int>{2};
    QTest::newRow("wrong word") << nearlyIdentity() << 3 << 36 << "Score = 0 / 36" << none
                                << QList<int>{};
    QTest::newRow("onto itself") << nearlyIdentity() << 36 << 36 << "Score = 0 / 36" << none
                                 << QList<int>{};
    QTest::newRow("displaced picture lands home, one word heard")
        << withPairCrossed() << 23 << 1 << "Score =  2 / 36"
        << QStringList{"close", "open music.wav", "play"} << QList<int>{1, 23};
    QTest::newRow("first drop marks what setup left in place")
        << leavingEnvelopeInPlace() << 3 << 36 << "Score =  1 / 36" << none << QList<int>{12};
    QTest::newRow("word with blanks")
        << nearlyIdentity() << 17 << 4 << "Score =  1 / 36"
        << QStringList{"close", "open light bulb.wav", "play"} << QList<int>{17};
}

void BoardWindowTest::drops() {
    QFETCH(std::vector<float>, deal);
    QFETCH(int, target);
    QFETCH(int, source);
    QFETCH(QStringList, sounds);
    QFETCH(QList<int>, cyan);

    // Once through the handler, once through the drag events a real drop sends.
    for (const bool throughEvents : {false, true}) {
        cleanup();
        init();
        startGame(deal);
        if (throughEvents) {
            std::unique_ptr<QMimeData> mime(Tile::makeMimeData(source));
            QVERIFY(sendDrop(*board().img[size_t(target)], *mime));
        } else {
            board().img_DragDrop(target, *board().img[size_t(source)]);
        }
        QTEST(board().lblScore->caption(), "score");
        QStringList heard = app->soundLog(QStringLiteral("frmBack"));
        heard.replaceInStrings(frmS().rootPath(), QString());
        QCOMPARE(heard, sounds);
        for (int i = 1; i <= kCells; ++i) {
            QCOMPARE(board().lbl[size_t(i)]->backColor(), cyan.contains(i) ? kCyan : kPink);
            QCOMPARE(board().img[size_t(i)]->dragMode(), cyan.contains(i) ? 0 : 1);
        }
    }
}

void BoardWindowTest::dropsFromElsewhereAreRefused_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("payload");
    QTest::newRow("text from another program") << "text/plain" << QByteArray("banana");
    QTest::newRow("a tile of another board")
        << "application/x-pictolex-tile" << QByteArray("1:2 36");
    QTest::newRow("no such tile") << "application/x-pictolex-tile" << QByteArray("x 99");
}

void BoardWindowTest::dropsFromElsewhereAreRefused() {
    QFETCH(QString, format);
    QFETCH(QByteArray, payload);
    startGame(nearlyIdentity());
    QMimeData mime;
    mime.setData(format, payload);
    QVERIFY(!sendDrop(*board().img[2], mime));
    // Not even a recount runs.
    QCOMPARE(board().lblScore->caption(), QStringLiteral("Score = 0 / 36"));
    QCOMPARE(board().model().tag(2), QStringLiteral("ear"));
}

void BoardWindowTest::dropsBesideTheTilesDoNothing() {
    startGame(leavingEnvelopeInPlace());
    std::unique_ptr<QMimeData> mime(Tile::makeMimeData(36));
    // "banana" released over its word, a button and the window itself: not even a recount.
    for (QWidget* w : std::initializer_list<QWidget*>{board().lbl[2], board().Command1, &board()})
        QVERIFY(!sendDrop(*w, *mime));
    QCOMPARE(board().lblScore->caption(), QStringLiteral("Score = 0 / 36"));
    QCOMPARE(board().lbl[12]->backColor(), kPink);
    QCOMPARE(board().model().tag(36), QStringLiteral("banana"));
}

void BoardWindowTest::wordClicks() {
    startGame(nearlyIdentity());
    QTest::mouseClick(board().lbl[2], Qt::LeftButton);
    QVERIFY(app->audio.log.isEmpty());
    board().img_DragDrop(2, *board().img[36]);
    app->audio.log.clear();
    QTest::mouseClick(board().lbl[2], Qt::LeftButton);
    QTest::mouseClick(board().lbl[2], Qt::LeftButton);
    QCOMPARE(app->soundLog(QStringLiteral("frmBack")).count(QStringLiteral("play")), 2);
    QVERIFY(app->soundLog(QStringLiteral("frmBack"))[1].endsWith(QLatin1String("/banana.wav")));
}

void BoardWindowTest::clockAndCompletion() {
    startGame(nearlyIdentity());
    app->clock.advance(3599);
    board().Timer1_Timer();
    QCOMPARE(board().lblTime->caption(), QStringLiteral("Time = 0:59:59"));
    app->clock.advance(1);
    board().Timer1_Timer();
    QCOMPARE(board().lblTime->caption(), QStringLiteral("Time = 1:00:00"));
    QVERIFY(board().lblTime->width() > 0);

    finishRound();
    QCOMPARE(board().lblScore->caption(), QStringLiteral("Score =  36 / 36"));
    app->audio.log.clear();
    app->clock.advance(7);
    board().Timer1_Timer();
    // Frozen at the last tick before the final match.
    QCOMPARE(board().lblTime->caption(), QStringLiteral("Time = 1:00:00"));
    QVERIFY(board().lblGood->isVisible());
    QVERIFY(!board().lblTitle->isVisible());
    QVERIFY(!board().Timer1->isEnabled());
    QStringList heard = app->soundLog(QStringLiteral("frmBack"));
    QCOMPARE(heard.size(), 3);
    QVERIFY(heard[1].endsWith(QLatin1String("/share/pictolex/good.wav")));
    // No tile can be dragged any more.
    for (int i = 1; i <= kCells; ++i)
        QCOMPARE(board().img[size_t(i)]->dragMode(), 0);
}

void BoardWindowTest::startAgain_data() {
    QTest::addColumn<bool>("finished");
    QTest::addColumn<bool>("seenTimes");
    QTest::newRow("mid-round") << false << false;
    QTest::newRow("after completion") << true << false;
    QTest::newRow("after See All Times") << true << true;
}

void BoardWindowTest::startAgain() {
    QFETCH(bool, finished);
    QFETCH(bool, seenTimes);
    startGame(nearlyIdentity());
    board().img_DragDrop(2, *board().img[36]);
    if (finished) {
        finishRound();
        board().Timer1_Timer();
    }
    if (seenTimes)
        board().cmdSeeTimes_Click();
    app->clock.advance(600);
    app->random.script(nearlyIdentity());
    board().Command1_Click();

    QCOMPARE(app->random.reseeds, 2);
    QCOMPARE(board().lblScore->caption(), QStringLiteral("Score = 0 / 36"));
    QCOMPARE(board().lblTime->caption(), QStringLiteral("Time = 0:00:00"));
    QVERIFY(board().lblTitle->isVisible() && board().lblScore->isVisible());
    QVERIFY(board().lblTime->isVisible());
    QVERIFY(!board().lblGood->isVisible() && !board().lblBest->isVisible());
    QVERIFY(!board().lblBestTitle->isVisible() && !board().List1->isVisible());
    QCOMPARE(board().List1->count(), 0);
    QVERIFY(board().Timer1->isEnabled());
    QVERIFY(board().model().tag(36) != QLatin1String("umbrella"));
    for (int i = 1; i <= kCells; ++i) {
        QCOMPARE(board().lbl[size_t(i)]->backColor(), kPink);
        QCOMPARE(board().img[size_t(i)]->dragMode(), 1);
    }
    // The clock restarts from the press.
    app->clock.advance(5);
    board().Timer1_Timer();
    QCOMPARE(board().lblTime->caption(), QStringLiteral("Time = 0:00:05"));
}

void BoardWindowTest::seeAllTimesNeedsAFinishedRound() {
    startGame(nearlyIdentity());
    board().cmdSeeTimes_Click();
    QCOMPARE(app->messages.shown.size(), 1);
    QCOMPARE(app->messages.shown[0].title, QStringLiteral("Pictolex"));
    QCOMPARE(app->messages.shown[0].text, QStringLiteral("Please get a score of 36."));
    QCOMPARE(app->messages.shown[0].icon, MessageBoxes::Icon::Information);
    QVERIFY(frmS().txtName->text().isEmpty());
    QVERIFY(!QFile::exists(data->filePath(QStringLiteral("pictolex/results.txt"))));
    QVERIFY(!board().List1->isVisible());
}

void BoardWindowTest::seeAllTimesLogsOnceAndListsNewestFirst() {
    const QString log = data->filePath(QStringLiteral("pictolex/results.txt"));
    QVERIFY(QDir().mkpath(data->filePath(QStringLiteral("pictolex"))));
    QFile older(log);
    QVERIFY(older.open(QIODevice::WriteOnly));
    older.write("KEN                                      Time = 0:00:50                "
                "2024/04/01 8:00:00\r\n");
    older.close();

    startGame(nearlyIdentity());
    app->clock.advance(83);
    board().Timer1_Timer();
    finishRound();
    board().Timer1_Timer();
    board().cmdSeeTimes_Click();
    board().cmdSeeTimes_Click();

    QVERIFY(app->messages.shown.isEmpty());
    QCOMPARE(frmS().txtName->text(), QStringLiteral("NO NAME"));
    QCOMPARE(board().List1->count(), 2);
    QVERIFY(board().List1->isVisible());
    const QString mine = QStringLiteral("NO NAME") + QString(34, QLatin1Char(' ')) +
                         QStringLiteral("Time = 0:01:23") + QString(14, QLatin1Char(' ')) +
                         QStringLiteral("2024/05/01 9:01:23");
    QCOMPARE(board().List1->item(0), mine);
    QVERIFY(board().List1->item(1).startsWith(QLatin1String("KEN ")));
    QCOMPARE(board().lblBest->caption(), board().List1->item(1));
    QVERIFY(board().lblBest->isVisible() && board().lblBestTitle->isVisible());
    QVERIFY(!board().lblScore->isVisible() && !board().lblTime->isVisible());
    QVERIFY(!board().lblGood->isVisible());
    QVERIFY(older.open(QIODevice::ReadOnly));
    QCOMPARE(older.readAll().count("\r\n"), 2);
}

void BoardWindowTest::seeAllTimesReportsALogThatCannotBeWritten() {
    // A file stands where the data folder should be; even root cannot write there.
    QFile blocker(data->filePath(QStringLiteral("pictolex")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    startGame(nearlyIdentity());
    frmS().txtName->setText(QStringLiteral("Hana"));
    finishRound();
    board().Timer1_Timer();
    board().cmdSeeTimes_Click();
    QCOMPARE(app->messages.shown.size(), 1);
    QCOMPARE(app->messages.shown[0].title, QStringLiteral("Pictolex"));
    QVERIFY(!app->messages.shown[0].text.isEmpty());
    // The round stays finished and the view stays closed, so the player can try again.
    QVERIFY(!board().List1->isVisible());
    QVERIFY(board().lblGood->isVisible());
    QCOMPARE(board().score(), 36);
}

QTEST_MAIN(BoardWindowTest)
#include "tst_board_window.moc"
