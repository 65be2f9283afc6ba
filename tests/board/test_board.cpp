// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/board_model.h"
#include "board/game_board.h"
#include "board/tile.h"
#include "fakes.h"
#include "results/results_list.h"
#include "shell/command_button.h"
#include "shell/label.h"
#include "shell/picture.h"
#include "shell/window_timer.h"
#include "start_screen/name_box.h"
#include "start_screen/start_screen.h"

#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

using namespace pictolex;
using namespace pictolex::test;

using Draws = std::deque<float>;
using Cells = QList<int>;
using Drops = QList<QPoint>; // (source, target)
using Tags = QMap<int, QString>;

namespace {

const QColor kPink(255, 128, 255), kCyan(0, 255, 255);

// The values that make each cell draw the partners given for it, and itself otherwise (cell
// 36, 35). No picture of the built board stands over its word, so a cell may draw itself.
Draws deal(std::initializer_list<std::pair<int, Cells>> draws = {}) {
    Draws values;
    for (int i = 1; i <= kCells; ++i) {
        Cells partners{i == kCells ? kCells - 1 : i};
        for (const auto& [cell, js] : draws)
            partners = cell == i ? js : partners;
        for (const int j : partners)
            values.push_back((float(j) - 0.5f) / 35.0f);
    }
    return values;
}
// Cell 1 draws 11, so tile 1 holds "music" and tile 23 "airplane": each the other's word.
const Draws kCrossed = deal({{1, {11}}});
// Cell 20 draws 12 first, which puts "envelope" over its word: refused, yet left on the board.
const Draws kEnvelopeInPlace = deal({{20, {12, 20}}});

// Sends a drag of `data` onto the widget as the window system would; answers whether it was
// taken.
bool sendDrop(QWidget& widget, QMimeData& data) {
    QDragEnterEvent enter(QPoint(16, 16), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &enter);
    QDropEvent drop(QPointF(16, 16), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    return enter.isAccepted() && QApplication::sendEvent(&widget, &drop) && drop.isAccepted();
}

} // namespace

class TestBoard : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> data_;
    std::unique_ptr<TestApp> app_;

    GameBoard& board() { return gameBoard(); }
    void startGame(const Draws& draws) {
        app_->values = draws;
        frmS().show();
        startScreen().cmdStart_Click();
        app_->sounds.clear();
    }
    bool drop(int source, int target) {
        const std::unique_ptr<QMimeData> mime(Tile::makeMimeData(source));
        return sendDrop(*board().img[size_t(target)], *mime);
    }
    // Every picture dropped on its word, word by word, and the clock's next tick.
    void finishRound() {
        for (int cell = 1; cell <= kCells; ++cell)
            for (int source = 1; source <= kCells; ++source)
                if (board().lbl[size_t(cell)]->backColor() == kPink &&
                    board().img[size_t(source)]->tag() == board().lbl[size_t(cell)]->caption())
                    drop(source, cell);
        board().Timer1_Timer();
    }
    // The rows of the results list, from the top.
    QStringList listed() {
        QStringList rows;
        for (int row = 0; row < board().List1->model()->rowCount(); ++row)
            rows << board().List1->model()->index(row, 0).data().toString();
        return rows;
    }
    // The names of the status controls that show.
    QStringList shown() {
        QStringList names;
        for (QWidget* w :
             QList<QWidget*>{board().lblTitle, board().lblScore, board().lblTime, board().lblGood,
                             board().List1, board().lblBest, board().lblBestTitle})
            if (w->isVisible())
                names << w->objectName();
        return names;
    }

private Q_SLOTS:
    void init() {
        data_ = std::make_unique<QTemporaryDir>();
        app_ = std::make_unique<TestApp>();
        app_->userFolder = data_->filePath(QStringLiteral("pictolex/"));
    }
    void cleanup() {
        app_.reset();
        data_.reset();
    }

    void shuffleInItsExactOrder_data() {
        QTest::addColumn<Draws>("draws");
        QTest::addColumn<Tags>("changed"); // tiles that differ from the built board
        QTest::addColumn<int>("drawn");
        QTest::newRow("cells drawing themselves") << deal() << Tags{} << 36;
        QTest::newRow("one exchange") << kCrossed << Tags{{1, "music"}, {11, "clock"}} << 36;
        QTest::newRow("a refused draw stays on the board")
            << kEnvelopeInPlace << Tags{{12, "envelope"}, {20, "sailboat"}} << 37;
        // Cell 1 draws 23 and gets "airplane": refused. Drawing itself it keeps it: refused
        // again. Drawing 2 moves "airplane" on, and is taken.
        QTest::newRow("draws again until both cells are free")
            << deal({{1, {23, 1, 2}}}) << Tags{{1, "ear"}, {2, "airplane"}, {23, "clock"}} << 38;
    }
    void shuffleInItsExactOrder() {
        QFETCH(Draws, draws);
        QFETCH(Tags, changed);
        FakeMachine random;
        random.values = draws;
        BoardModel model;
        QTEST(model.shuffle(random), "drawn");
        changed.insert(Tags{{35, "dog"}, {36, "banana"}}); // cell 36 drew 35 in every row
        for (int i = 1; i <= kCells; ++i)
            QCOMPARE(model.tag(i),
                     changed.value(i, QString::fromLatin1(kInitialTags[size_t(i - 1)])));
        QCOMPARE(model.tag(0), QStringLiteral("banana")); // the spare tile keeps the last copy
    }

    void drops_data() {
        QTest::addColumn<Draws>("draws");
        QTest::addColumn<Drops>("drops");
        QTest::addColumn<QString>("score");
        QTest::addColumn<QStringList>("heard");
        QTest::addColumn<Cells>("matched");
        QTest::newRow("on its word") << deal() << Drops{{36, 2}} << "Score =  1 / 36"
                                     << QStringList{"banana.wav"} << Cells{2};
        QTest::newRow("on another word")
            << deal() << Drops{{36, 3}} << "Score = 0 / 36" << QStringList{} << Cells{};
        QTest::newRow("on itself")
            << deal() << Drops{{36, 36}} << "Score = 0 / 36" << QStringList{} << Cells{};
        QTest::newRow("a word with a blank") << deal() << Drops{{4, 17}} << "Score =  1 / 36"
                                             << QStringList{"light bulb.wav"} << Cells{17};
        QTest::newRow("the picture it displaces lands on its word too")
            << kCrossed << Drops{{1, 23}} << "Score =  2 / 36" << QStringList{"music.wav"}
            << Cells{1, 23};
        QTest::newRow("the first drop marks what the deal left in place")
            << kEnvelopeInPlace << Drops{{36, 3}} << "Score =  1 / 36" << QStringList{}
            << Cells{12};
        QTest::newRow("a picture on its word dropped on itself first")
            << kEnvelopeInPlace << Drops{{12, 12}} << "Score =  1 / 36"
            << QStringList{"envelope.wav"} << Cells{12};
        QTest::newRow("a matched word takes no more drops")
            << deal() << Drops{{36, 2}, {2, 2}} << "Score =  1 / 36" << QStringList{"banana.wav"}
            << Cells{2};
    }
    void drops() {
        QFETCH(Draws, draws);
        QFETCH(Drops, drops);
        QFETCH(Cells, matched);
        startGame(draws);
        for (const QPoint d : drops)
            QVERIFY(drop(d.x(), d.y()));
        QTEST(board().lblScore->caption(), "score");
        QTEST(app_->played("frmBack"), "heard");
        for (int i = 1; i <= kCells; ++i) {
            QCOMPARE(board().lbl[size_t(i)]->backColor(), matched.contains(i) ? kCyan : kPink);
            QCOMPARE(board().img[size_t(i)]->dragMode(), matched.contains(i) ? 0 : 1);
            // A picture always travels with its word.
            QCOMPARE(board().img[size_t(i)]->image(), iconImage(board().img[size_t(i)]->tag()));
        }
    }

    void dropsFromElsewhereAreRefused_data() {
        QTest::addColumn<QByteArray>("payload"); // "@": this board's own mark
        QTest::addColumn<QString>("onto");
        QTest::newRow("text from another program") << QByteArray("banana") << "img(2)";
        QTest::newRow("a tile of another board") << QByteArray("1:2 36") << "img(2)";
        QTest::newRow("no such tile") << QByteArray("@ 99") << "img(2)";
        QTest::newRow("the spare tile") << QByteArray("@ 0") << "img(2)";
        QTest::newRow("onto a word") << QByteArray("@ 36") << "lbl(2)";
        QTest::newRow("onto a button") << QByteArray("@ 36") << "Command1";
        QTest::newRow("onto the window") << QByteArray("@ 36") << "frmBack";
    }
    void dropsFromElsewhereAreRefused() {
        QFETCH(QByteArray, payload);
        QFETCH(QString, onto);
        startGame(kEnvelopeInPlace);
        const std::unique_ptr<QMimeData> own(Tile::makeMimeData(1));
        const QString format = payload.contains(' ') ? own->formats().first() : "text/plain";
        QMimeData mime;
        mime.setData(format, payload.replace('@', own->data(format).split(' ').first()));
        QWidget* target =
            board().objectName() == onto ? &board() : board().findChild<QWidget*>(onto);
        QVERIFY(target && !sendDrop(*target, mime));
        // Not even a recount: the envelope the deal left on its word stays unmarked.
        QCOMPARE(board().lbl[12]->backColor(), kPink);
        QCOMPARE(board().img[36]->tag(), QStringLiteral("banana"));
    }

    // The player's own pictures stand in for the game's, shown whole at 32 by 32; one that
    // cannot be read leaves the game's own. The rules go by the words, whatever the pictures.
    void playersOwnPictures() {
        const QDir own(app_->userFolder);
        QImage photo(800, 600, QImage::Format_RGB32), exact(32, 32, QImage::Format_ARGB32);
        photo.fill(Qt::red);
        exact.fill(Qt::transparent);
        exact.setPixel(3, 5, qRgb(1, 2, 3));
        QVERIFY(own.mkpath(".") && photo.save(own.filePath("banana.jpg")));
        QVERIFY(exact.save(own.filePath("dog.png")));
        QVERIFY(QFile(own.filePath("ear.png")).open(QIODevice::WriteOnly)); // not a picture
        startGame(deal());
        const QImage banana = board().img[36]->image();
        QCOMPARE(banana.size(), QSize(32, 32));
        QVERIFY(qRed(banana.pixel(16, 16)) > 240 && qAlpha(banana.pixel(16, 1)) == 0);
        QCOMPARE(board().img[35]->image().convertToFormat(QImage::Format_ARGB32), exact);
        QCOMPARE(board().img[2]->image(), iconImage("ear"));
        QCOMPARE(startScreen().Image3->image(), banana); // the demonstration's banana too
        QVERIFY(drop(36, 2));
        QCOMPARE(board().img[2]->image(), banana);
        QCOMPARE(board().lbl[2]->backColor(), kCyan);
    }

    void clickingAMatchedWordSpeaksIt() {
        startGame(deal());
        QTest::mouseClick(board().lbl[2], Qt::LeftButton);
        QVERIFY(drop(36, 2));
        QTest::mouseClick(board().lbl[2], Qt::LeftButton);
        QTest::mouseClick(board().lbl[2], Qt::LeftButton);
        QCOMPARE(app_->played("frmBack"), QStringList(3, "banana.wav"));
    }

    void clockStopsAtTheLastMatch() {
        startGame(deal());
        app_->time = app_->time.addSecs(25 * 3600 + 187);
        board().Timer1_Timer();
        QCOMPARE(board().lblTime->caption(), QStringLiteral("Time = 25:03:07"));
        app_->time = app_->time.addSecs(7);
        app_->sounds.clear();
        finishRound();
        QCOMPARE(board().lblScore->caption(), QStringLiteral("Score =  36 / 36"));
        // The time is that of the last tick before the last match.
        QCOMPARE(board().lblTime->caption(), QStringLiteral("Time = 25:03:07"));
        QCOMPARE(shown(), (QStringList{"lblScore", "lblTime", "lblGood"}));
        QVERIFY(!board().Timer1->isEnabled());
        QCOMPARE(app_->played("frmBack").filter("good"), QStringList{"good.wav"});
        for (int i = 1; i <= kCells; ++i)
            QCOMPARE(board().img[size_t(i)]->dragMode(), 0);
    }

    void newRound_data() {
        QTest::addColumn<int>("drops");
        QTest::addColumn<bool>("seenTimes");
        QTest::newRow("the first, as the board opens") << 0 << false;
        QTest::newRow("Start Again in the middle of a round") << 1 << false;
        QTest::newRow("Start Again after the round") << 36 << false;
        QTest::newRow("Start Again after See All Times") << 36 << true;
    }
    void newRound() {
        QFETCH(int, drops);
        QFETCH(bool, seenTimes);
        app_->screen = QSize(1024, 768);
        startGame(deal());
        if (drops == 1)
            drop(36, 2);
        if (drops == 36)
            finishRound();
        if (seenTimes)
            board().cmdSeeTimes_Click();
        if (drops > 0) {
            app_->time = app_->time.addSecs(600);
            app_->values = deal();
            QTest::mouseClick(board().Command1, Qt::LeftButton);
        }
        QCOMPARE(app_->reseeds, drops > 0 ? 2 : 1);
        QCOMPARE(board().lblScore->caption(), QStringLiteral("Score = 0 / 36"));
        QCOMPARE(board().lblTime->caption(), QStringLiteral("Time = 0:00:00"));
        QCOMPARE(shown(), (QStringList{"lblTitle", "lblScore", "lblTime"}));
        QVERIFY(listed().isEmpty() && board().Timer1->isEnabled());
        for (int i = 1; i <= kCells; ++i)
            QVERIFY(board().lbl[size_t(i)]->backColor() == kPink &&
                    board().img[size_t(i)]->dragMode());
        // Both buttons 500 twips from the screen's right edge, lined up on "See All Times".
        QCOMPARE(board().cmdSeeTimes->pos(), QPoint(900, 33));
        QCOMPARE(board().Command1->pos(), QPoint(900, 130));
        // The clock counts from this round's start.
        app_->time = app_->time.addSecs(5);
        board().Timer1_Timer();
        QCOMPARE(board().lblTime->caption(), QStringLiteral("Time = 0:00:05"));
    }

    void seeAllTimesLogsAFinishedRoundOnce() {
        const QByteArray older = "KEN" + QByteArray(38, ' ') + "Time = 0:00:50" +
                                 QByteArray(14, ' ') + "2024/04/01 8:00:00\r\n";
        QFile log(data_->filePath(QStringLiteral("pictolex/results.txt")));
        QVERIFY(QDir(data_->path()).mkdir("pictolex") && log.open(QIODevice::WriteOnly));
        QVERIFY(log.write(older) && log.flush());
        startGame(deal());
        board().cmdSeeTimes_Click();
        QCOMPARE(app_->messages, QStringList{"0|Pictolex|Please get a score of 36."});
        QVERIFY(startScreen().txtName->text().isEmpty() && log.size() == older.size());

        app_->time = app_->time.addSecs(83);
        board().Timer1_Timer();
        finishRound();
        board().cmdSeeTimes_Click();
        board().cmdSeeTimes_Click();
        QCOMPARE(app_->messages.size(), 1);
        QCOMPARE(startScreen().txtName->text(), QStringLiteral("NO NAME"));
        const QString mine = "NO NAME" + QString(34, ' ') + "Time = 0:01:23" + QString(14, ' ') +
                             "2024/05/01 9:01:23";
        QCOMPARE(listed().size(), 2);
        QCOMPARE(listed()[0], u'\u200e' + mine); // each row starts with a left-to-right mark
        QCOMPARE(board().lblBest->caption(), listed()[1]);
        QCOMPARE(board().lblBest->caption() + "\r\n", u'\u200e' + QString::fromLatin1(older));
        QCOMPARE(shown(), (QStringList{"List1", "lblBest", "lblBestTitle"}));
        QCOMPARE(QFile(log.fileName()).size(), older.size() + mine.size() + 2);
    }

    void seeAllTimesTellsWhenTheTimeCannotBeSaved() {
        QFile blocker(data_->filePath(QStringLiteral("pictolex"))); // a file where a folder goes
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        startGame(deal());
        finishRound();
        board().cmdSeeTimes_Click();
        QCOMPARE(app_->messages.size(), 1);
        QVERIFY(app_->messages[0].startsWith(QLatin1String("1|Pictolex|Your time could not")));
        // The round stays finished, so the player can try again.
        QCOMPARE(shown(), (QStringList{"lblScore", "lblTime", "lblGood"}));
    }
};

QTEST_MAIN(TestBoard)
#include "test_board.moc"
