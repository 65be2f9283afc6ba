#include "board/board_model.h"
#include "board/game_clock.h"
#include "board_scripts.h"
#include "fake_platform.h"

#include <QtTest>
#include <random>

using namespace pictolex;
using namespace pictolex::testing;

namespace {

QStringList tagsOf(const BoardModel& model) {
    QStringList tags;
    for (int i = 1; i <= kCells; ++i)
        tags << model.tag(i);
    return tags;
}

class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(unsigned seed) : engine_(seed) {}
    void reseedFromTime() override {}
    float next() override { return float(engine_() >> 8) / 16777216.0f; }

private:
    std::mt19937 engine_;
};

} // namespace

class BoardRulesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shuffleGivesExactArrangement_data();
    void shuffleGivesExactArrangement();
    void shuffleNeverLeavesUmbrellaInCell36();
    void drops_data();
    void drops();
    void scoreText_data();
    void scoreText();
    void clock_data();
    void clock();
    void clockFreezesAtCompletion();
};

void BoardRulesTest::shuffleGivesExactArrangement_data() {
    QTest::addColumn<std::vector<float>>("values");
    QTest::addColumn<QStringList>("tags");
    QTest::addColumn<int>("draws");
    QTest::addColumn<QString>("spare");

    // Cells that draw themselves keep their contents; the spare tile holds the last copy.
    QTest::newRow("draws of j equal to i")
        << nearlyIdentity() << initialWith({{35, "dog"}, {36, "banana"}}) << 36 << "banana";
    QTest::newRow("one exchange builds a crossed pair")
        << withPairCrossed()
        << initialWith({{1, "music"}, {11, "clock"}, {35, "dog"}, {36, "banana"}}) << 36
        << "banana";
    QTest::newRow("a rejected draw stays on the board")
        << leavingEnvelopeInPlace()
        << initialWith({{12, "envelope"}, {20, "sailboat"}, {35, "dog"}, {36, "banana"}}) << 37
        << "banana";
    // Cell 1 draws 23 and receives "airplane": rejected. Drawing itself it stays in place:
    // rejected again. Drawing 2 moves "airplane" on and is accepted.
    QTest::newRow("retries until both cells are free")
        << identityExcept({{1, {23, 1, 2}}, {36, {35}}})
        << initialWith({{1, "ear"}, {2, "airplane"}, {23, "clock"}, {35, "dog"}, {36, "banana"}})
        << 38 << "banana";
}

void BoardRulesTest::shuffleGivesExactArrangement() {
    QFETCH(std::vector<float>, values);
    ScriptedRandom random;
    random.script(values);
    BoardModel model;
    QTEST(model.shuffle(random), "draws");
    QTEST(tagsOf(model), "tags");
    QTEST(model.tag(0), "spare");
    // Setup marks nothing, even a cell it left in place.
    for (int i = 1; i <= kCells; ++i)
        QVERIFY(!model.isMatched(i));
    QCOMPARE(model.score(), 0);
}

void BoardRulesTest::shuffleNeverLeavesUmbrellaInCell36() {
    BoardModel model;
    QStringList sorted = tagsOf(model);
    sorted.sort();
    int leftInPlace = 0;
    for (unsigned seed = 1; seed <= 2000; ++seed) {
        SeededRandom random(seed);
        model.shuffle(random);
        QVERIFY2(model.tag(36) != QLatin1String("umbrella"), qPrintable(QString::number(seed)));
        QStringList now = tagsOf(model);
        now.sort();
        QCOMPARE(now, sorted);
        for (int i = 1; i <= kCells; ++i)
            leftInPlace += model.inPlace(i);
    }
    // Other cells can end in place: the shuffle does not promise a derangement.
    QVERIFY(leftInPlace > 0);
}

void BoardRulesTest::drops_data() {
    QTest::addColumn<std::vector<float>>("deal");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("source");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("score");
    QTest::addColumn<QList<int>>("matched");

    QTest::newRow("right word") << nearlyIdentity() << 2 << 36 << true << 1 << QList<int>{2};
    QTest::newRow("wrong word") << nearlyIdentity() << 3 << 36 << false << 0 << QList<int>{};
    QTest::newRow("onto itself") << nearlyIdentity() << 36 << 36 << false << 0 << QList<int>{};
    QTest::newRow("displaced picture lands home too")
        << withPairCrossed() << 23 << 1 << true << 2 << QList<int>{1, 23};
    QTest::newRow("wrong drop marks what setup left in place")
        << leavingEnvelopeInPlace() << 3 << 36 << false << 1 << QList<int>{12};
    QTest::newRow("tile in place dropped on itself")
        << leavingEnvelopeInPlace() << 12 << 12 << true << 1 << QList<int>{12};
}

void BoardRulesTest::drops() {
    QFETCH(std::vector<float>, deal);
    QFETCH(int, target);
    QFETCH(int, source);
    QFETCH(QList<int>, matched);
    ScriptedRandom random;
    random.script(deal);
    BoardModel model;
    model.shuffle(random);
    const QString dragged = model.tag(source);
    QTEST(model.drop(target, source), "accepted");
    model.recount();
    QTEST(model.score(), "score");
    for (int i = 1; i <= kCells; ++i)
        QCOMPARE(model.isMatched(i), matched.contains(i));
    if (model.isMatched(target)) {
        QCOMPARE(model.tag(target), dragged);
        // A matched tile takes no further drop, not even of its own word.
        QVERIFY(!model.drop(target, target));
    }
}

void BoardRulesTest::scoreText_data() {
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("text");
    QTest::newRow("one") << 1 << "Score =  1 / 36";
    QTest::newRow("five") << 5 << "Score =  5 / 36";
    QTest::newRow("all") << 36 << "Score =  36 / 36";
}

void BoardRulesTest::scoreText() {
    QFETCH(int, score);
    QTEST(pictolex::scoreText(score), "text");
    QCOMPARE(kScoreReset, QStringLiteral("Score = 0 / 36"));
}

void BoardRulesTest::clock_data() {
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("start") << qint64(0) << "Time = 0:00:00";
    QTest::newRow("minutes") << qint64(187) << "Time = 0:03:07";
    QTest::newRow("just before the hour") << qint64(3599) << "Time = 0:59:59";
    QTest::newRow("an hour") << qint64(3600) << "Time = 1:00:00";
    QTest::newRow("ten hours") << qint64(36000) << "Time = 10:00:00";
    QTest::newRow("a day and more") << qint64(25 * 3600 + 187) << "Time = 25:03:07";
}

void BoardRulesTest::clock() {
    QFETCH(qint64, seconds);
    // Across midnight and a date change, counted from the wall clock.
    const QDateTime start(QDate(2024, 12, 31), QTime(23, 30, 0));
    GameClock clock;
    clock.start(start);
    QVERIFY(!clock.tick(start.addSecs(seconds), 35));
    QTEST(clock.text(), "text");
    QCOMPARE(clock.elapsedSeconds(), seconds);
}

void BoardRulesTest::clockFreezesAtCompletion() {
    const QDateTime start(QDate(2024, 5, 1), QTime(9, 0, 0));
    GameClock clock;
    clock.start(start);
    QVERIFY(!clock.tick(start.addSecs(83), 35));
    // The tick that finds all 36 matched keeps the time of the tick before.
    QVERIFY(clock.tick(start.addSecs(84), 36));
    QCOMPARE(clock.text(), QStringLiteral("Time = 0:01:23"));
    QVERIFY(clock.tick(start.addSecs(500), 36));
    QCOMPARE(clock.elapsedSeconds(), qint64(83));
}

QTEST_MAIN(BoardRulesTest)
#include "tst_board_rules.moc"
