#include "fake_platform.h"
#include "shell/label.h"
#include "shell/picture.h"
#include "shell/window_timer.h"
#include "start_screen/start_screen.h"

#include <QtTest>

using namespace pictolex;
using namespace pictolex::testing;

namespace {
const QColor kPink(255, 128, 255), kCyan(0, 255, 255);

QStringList played(const TestApp& app) {
    QStringList files;
    for (const QString& entry : app.soundLog(QStringLiteral("frmS")))
        if (entry.startsWith(QLatin1String("open ")))
            files << entry.section(QLatin1Char('/'), -1);
    return files;
}

// Ticks as the timer would: not at all once it is switched off.
void tick(StartScreen& s, int times) {
    for (int i = 0; i < times && s.Timer1->isEnabled(); ++i)
        s.Timer1_Timer();
}
} // namespace

class DemonstrationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        app = std::make_unique<TestApp>();
        frmS().Show();
    }
    void cleanup() { app.reset(); }

    void afterTicks_data();
    void afterTicks();
    void lastWordsOnTheSecondTimer();
    void movingPictureComesToTheFront();
    void startSilencesWhatWasNotSpoken_data();
    void startSilencesWhatWasNotSpoken();

private:
    std::unique_ptr<TestApp> app;
};

void DemonstrationTest::afterTicks_data() {
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QList<float>>("lefts"); // Image1 to Image4
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<int>("cyanWords");
    QTest::addColumn<QStringList>("sounds");
    QTest::addColumn<bool>("ticking");
    QTest::addColumn<bool>("secondTimer");

    const QStringList lower{"flag", "banana", "mailbox", "snowflake"};
    QTest::newRow("first step") << 1 << QList<float>{1140, 2780, 4470, 6135} << lower << 0
                                << QStringList{} << true << false;
    QTest::newRow("silent for 41 ticks") << 41 << QList<float>{1140, 1180, 4470, 6135} << lower
                                         << 0 << QStringList{} << true << false;
    QTest::newRow("flag arrives at 42")
        << 42 << QList<float>{2700, 1140, 4430, 6135}
        << QStringList{"FLAG", "banana", "mailbox", "snowflake"} << 1 << QStringList{"flag.wav"}
        << true << false;
    QTest::newRow("flag rests at 1100")
        << 43 << QList<float>{2700, 1100, 4390, 6135}
        << QStringList{"FLAG", "banana", "mailbox", "snowflake"} << 1 << QStringList{"flag.wav"}
        << true << false;
    QTest::newRow("banana arrives at 85")
        << 85 << QList<float>{4300, 1100, 2710, 6095}
        << QStringList{"FLAG", "BANANA", "mailbox", "snowflake"} << 2
        << QStringList{"flag.wav", "banana.wav"} << true << false;
    QTest::newRow("banana rests at 2670")
        << 86 << QList<float>{4300, 1100, 2670, 6055}
        << QStringList{"FLAG", "BANANA", "mailbox", "snowflake"} << 2
        << QStringList{"flag.wav", "banana.wav"} << true << false;
    QTest::newRow("mailbox not yet at 128")
        << 128 << QList<float>{4300, 1100, 2670, 4375}
        << QStringList{"FLAG", "BANANA", "mailbox", "snowflake"} << 2
        << QStringList{"flag.wav", "banana.wav"} << true << false;
    QTest::newRow("mailbox arrives at 129, the timer stops")
        << 129 << QList<float>{6000, 1100, 2670, 4335}
        << QStringList{"FLAG", "BANANA", "MAILBOX", "SNOWFLAKE"} << 4
        << QStringList{"flag.wav", "banana.wav"} << false << true;
    QTest::newRow("later ticks change nothing")
        << 200 << QList<float>{6000, 1100, 2670, 4335}
        << QStringList{"FLAG", "BANANA", "MAILBOX", "SNOWFLAKE"} << 4
        << QStringList{"flag.wav", "banana.wav"} << false << true;
}

void DemonstrationTest::afterTicks() {
    QFETCH(int, ticks);
    QFETCH(QList<float>, lefts);
    QFETCH(QStringList, captions);
    QFETCH(int, cyanWords);
    StartScreen& s = frmS();
    tick(s, ticks);
    const QList<float> now{s.Image1->left(), s.Image2->left(), s.Image3->left(),
                           s.Image4->left()};
    QCOMPARE(now, lefts);
    QCOMPARE(s.Image2->x(), qRound(lefts[1] / 15.0f));
    const QList<Label*> words{s.lbl1, s.lbl2, s.lbl3, s.lbl4};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(words[i]->caption(), captions[i]);
        QCOMPARE(words[i]->backColor(), i < cyanWords ? kCyan : kPink);
    }
    QTEST(played(*app), "sounds");
    QTEST(s.Timer1->isEnabled(), "ticking");
    QTEST(s.Timer2->isEnabled(), "secondTimer");
}

void DemonstrationTest::lastWordsOnTheSecondTimer() {
    StartScreen& s = frmS();
    tick(s, 129);
    s.Timer2_Timer();
    QCOMPARE(played(*app), (QStringList{"flag.wav", "banana.wav", "mailbox.wav"}));
    s.Timer2_Timer();
    QCOMPARE(played(*app), (QStringList{"flag.wav", "banana.wav", "mailbox.wav", "snowflake.wav"}));
    QVERIFY(!s.Timer2->isEnabled());
    QCOMPARE(s.timer2Ticks(), 2);
    // Whatever ticks still came would neither count on nor speak again.
    for (int i = 0; i < 40000; ++i)
        s.Timer2_Timer();
    QCOMPARE(s.timer2Ticks(), 2);
    QCOMPARE(played(*app).size(), 4);
    // Each word cuts off the one before on the same control.
    const QStringList log = app->soundLog(QStringLiteral("frmS"));
    QCOMPARE(log.count(QStringLiteral("close")), 4);
}

void DemonstrationTest::movingPictureComesToTheFront() {
    StartScreen& s = frmS();
    const auto topmost = [&s] {
        return s.childAt(QPoint(s.Image1->geometry().center()));
    };
    tick(s, 60);
    // The banana glides over the snowflake, which jumped to 2700 when the flag arrived.
    s.Image1->setLeft(s.Image3->left());
    QCOMPARE(s.children().indexOf(s.Image3) > s.children().indexOf(s.Image1), true);
    QCOMPARE(topmost(), static_cast<QWidget*>(s.Image3));
}

void DemonstrationTest::startSilencesWhatWasNotSpoken_data() {
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("secondTimerTicks");
    QTest::addColumn<QStringList>("spoken");
    QTest::newRow("before any word") << 20 << 0 << QStringList{};
    QTest::newRow("while the flag is heard") << 42 << 0 << QStringList{"flag.wav"};
    QTest::newRow("after the mailbox arrived") << 129 << 0
                                               << QStringList{"flag.wav", "banana.wav"};
    QTest::newRow("between the last two words")
        << 129 << 1 << QStringList{"flag.wav", "banana.wav", "mailbox.wav"};
}

void DemonstrationTest::startSilencesWhatWasNotSpoken() {
    QFETCH(int, ticks);
    QFETCH(int, secondTimerTicks);
    StartScreen& s = frmS();
    tick(s, ticks);
    for (int i = 0; i < secondTimerTicks; ++i)
        s.Timer2_Timer();
    s.cmdStart_Click();
    QCOMPARE(app->soundLog(QStringLiteral("frmS")).last(), QStringLiteral("close"));
    QVERIFY(!s.Timer1->isEnabled());
    QVERIFY(!s.Timer2->isEnabled());
    QTEST(played(*app), "spoken");
}

QTEST_MAIN(DemonstrationTest)
#include "tst_demonstration.moc"
