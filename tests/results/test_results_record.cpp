#include "results/results_record.h"

#include <QRandomGenerator>
#include <QTest>

#include <limits>

using namespace pictolex;

namespace {

const QDateTime loggedAt(QDate(2002, 4, 30), QTime(10, 11, 12));

QString spaces(int n) {
    return QString(n, u' ');
}

} // namespace

class TestResultsRecord : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void formatElapsed_data() {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("start") << qint64(0) << "0:00:00";
        QTest::newRow("worked example") << qint64(83) << "0:01:23";
        QTest::newRow("an hour") << qint64(3600) << "1:00:00";
        QTest::newRow("ten hours") << qint64(36000) << "10:00:00";
        QTest::newRow("past a day") << qint64(25 * 3600 + 3 * 60 + 7) << "25:03:07";
        QTest::newRow("negative") << qint64(-5) << "0:00:00";
    }
    void formatElapsed() {
        QFETCH(qint64, seconds);
        QFETCH(QString, text);
        QCOMPARE(pictolex::formatElapsed(seconds), text);
    }

    void displayColumns_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("columns");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("ascii") << "TARO" << 4;
        QTest::newRow("accented") << "Zoë" << 3;
        QTest::newRow("hiragana") << "たろう" << 6;
        QTest::newRow("kanji") << "太郎" << 4;
        QTest::newRow("fullwidth latin") << "ＴＡＲＯ" << 8;
        QTest::newRow("halfwidth katakana") << "ﾀﾛｳ" << 3;
        QTest::newRow("hangul") << "한국" << 4;
        QTest::newRow("mixed") << "Taro太郎" << 8;
        QTest::newRow("wide emoji outside the basic plane") << "\U0001F600" << 2;
        QTest::newRow("kanji outside the basic plane") << "\U00020BB7" << 2;
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << 1;
    }
    void displayColumns() {
        QFETCH(QString, text);
        QFETCH(int, columns);
        QCOMPARE(pictolex::displayColumns(text), columns);
    }

    void formatRecord_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("elapsed");
        QTest::addColumn<QDateTime>("at");
        QTest::addColumn<QString>("line");
        QTest::newRow("worked example")
            << "TARO" << qint64(83) << loggedAt
            << "TARO" + spaces(37) + "Time = 0:01:23" + spaces(14) + "2002/04/30 10:11:12";
        QTest::newRow("hour without leading zero in the date item")
            << "A" << qint64(3605) << QDateTime(QDate(2024, 1, 2), QTime(9, 5, 7))
            << "A" + spaces(40) + "Time = 1:00:05" + spaces(14) + "2024/01/02 9:05:07";
        QTest::newRow("japanese name counts two columns a character")
            << "たろう" << qint64(83) << loggedAt
            << "たろう" + spaces(35) + "Time = 0:01:23" + spaces(14) + "2002/04/30 10:11:12";
        QTest::newRow("mixed name")
            << "Taro太郎" << qint64(83) << loggedAt
            << "Taro太郎" + spaces(33) + "Time = 0:01:23" + spaces(14) + "2002/04/30 10:11:12";
        QTest::newRow("name of exactly 41 columns")
            << QString(41, u'N') << qint64(83) << loggedAt
            << QString(41, u'N') + "Time = 0:01:23" + spaces(14) + "2002/04/30 10:11:12";
        QTest::newRow("wide name of 42 columns takes a single space")
            << QString(21, QChar(0x6F22)) << qint64(83) << loggedAt
            << QString(21, QChar(0x6F22)) + " Time = 0:01:23" + spaces(12) + "2002/04/30 10:11:12";
        QTest::newRow("25 wide characters")
            << QString(25, QChar(0x3042)) << qint64(83) << loggedAt
            << QString(25, QChar(0x3042)) + " Time = 0:01:23" + spaces(4) + "2002/04/30 10:11:12";
        QTest::newRow("time past a day")
            << "TARO" << qint64(90187) << loggedAt
            << "TARO" + spaces(37) + "Time = 25:03:07" + spaces(13) + "2002/04/30 10:11:12";
        QTest::newRow("time item ending in column 69 is still set apart")
            << "TARO" << qint64(360000000000000000) << loggedAt
            << "TARO" + spaces(37) + "Time = 100000000000000:00:00 2002/04/30 10:11:12";
        QTest::newRow("time item reaching past column 69 takes a single space")
            << "TARO" << std::numeric_limits<qint64>::max() << loggedAt
            << "TARO" + spaces(37) + "Time = 2562047788015215:30:07 2002/04/30 10:11:12";
        QTest::newRow("line breaks in the name become spaces")
            << "A\r\nB" << qint64(83) << loggedAt
            << "A  B" + spaces(37) + "Time = 0:01:23" + spaces(14) + "2002/04/30 10:11:12";
    }
    void formatRecord() {
        QFETCH(QString, name);
        QFETCH(qint64, elapsed);
        QFETCH(QDateTime, at);
        QFETCH(QString, line);
        QCOMPARE(pictolex::formatRecord(name, elapsed, at), line);
    }

    void parseRecordTime_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<qint64>("seconds"); // -1: not a record
        const QString date = "2002/04/30 10:11:12";
        QTest::newRow("worked example")
            << "TARO" + spaces(37) + "Time = 0:01:23" + spaces(14) + date << qint64(83);
        QTest::newRow("hours count")
            << "A" + spaces(40) + "Time = 1:00:05" + spaces(14) + date << qint64(3605);
        QTest::newRow("name with colons")
            << "A:1:2" + spaces(36) + "Time = 0:02:10" + spaces(14) + date << qint64(130);
        QTest::newRow("name holding a time item of its own")
            << "Time = 0:00:01 X" + spaces(25) + "Time = 0:05:00" + spaces(14) + date
            << qint64(300);
        QTest::newRow("wide name past column 41")
            << QString(25, QChar(0x3042)) + " Time = 0:04:00" + spaces(5) + date << qint64(240);
        QTest::newRow("wide name past column 41 holding a time item")
            << "Time = 0:00:01 " + QString(20, QChar(0x3042)) + " Time = 0:04:00 " + date
            << qint64(240);
        QTest::newRow("wide name holding a time item at column 42")
            << QString(20, QChar(0x3042)) + "XTime = 0:00:01 Y Time = 0:04:00 " + date
            << qint64(240);
        QTest::newRow("item not at column 42, from an older hand")
            << "BOB Time = 0:03:07 4/30/02" << qint64(187);
        QTest::newRow("older short date form")
            << "TARO" + spaces(37) + "Time = 0:01:23" + spaces(14) + "30.04.2002 10:11:12"
            << qint64(83);
        QTest::newRow("empty") << "" << qint64(-1);
        QTest::newRow("hand-written") << "best times of the class" << qint64(-1);
        QTest::newRow("cut in the name") << "TAR" << qint64(-1);
        QTest::newRow("cut in the time") << "TARO" + spaces(37) + "Time = 0:01:2" << qint64(-1);
        QTest::newRow("cut after the time") << "TARO" + spaces(37) + "Time = 0:01:23" << qint64(-1);
        QTest::newRow("cut in the spaces")
            << "TARO" + spaces(37) + "Time = 0:01:23   " << qint64(-1);
        QTest::newRow("cut in the date")
            << "TARO" + spaces(37) + "Time = 0:01:23" + spaces(14) + "2002/0" << qint64(83);
        QTest::newRow("minutes past 59")
            << "X" + spaces(40) + "Time = 0:60:00 " + date << qint64(-1);
        QTest::newRow("one-digit seconds")
            << "X" + spaces(40) + "Time = 0:01:2 " + date << qint64(-1);
        QTest::newRow("no hours") << "X" + spaces(40) + "Time = :01:23 " + date << qint64(-1);
        QTest::newRow("non-ascii digits")
            << "X" + spaces(40) + "Time = ０:01:23 " + date << qint64(-1);
        QTest::newRow("too many hour digits")
            << "X" + spaces(40) + "Time = 1234567890123:00:00 " + date << qint64(-1);
    }
    void parseRecordTime() {
        QFETCH(QString, line);
        QFETCH(qint64, seconds);
        const auto time = pictolex::parseRecordTime(line);
        QCOMPARE(time.value_or(-1), seconds);
    }

    void roundTrip() {
        QRandomGenerator random(20020430);
        const QString pool = QStringLiteral("ABCxyz019 :=._-éÜ太郎たろうカタｶﾀＡ한\U0001F600T");
        const QList<uint> ucs4 = pool.toUcs4();
        for (int i = 0; i < 100000; ++i) {
            QString name;
            const int length = random.bounded(26);
            for (int k = 0; k < length; ++k) {
                if (random.bounded(20) == 0)
                    name += QStringLiteral("Time = 0:00:01 ");
                const char32_t c = ucs4[random.bounded(int(ucs4.size()))];
                name += QString::fromUcs4(&c, 1);
            }
            const qint64 elapsed = random.bounded(4) == 0 ? qint64(random.generate64() >> 20)
                                                          : qint64(random.bounded(100000));
            const QDateTime at(QDate(2000 + random.bounded(100), 1 + random.bounded(12), 1),
                               QTime(random.bounded(24), random.bounded(60), random.bounded(60)));
            const QString line = pictolex::formatRecord(name, elapsed, at);
            const auto parsed = pictolex::parseRecordTime(line);
            if (parsed != elapsed)
                QFAIL(qPrintable(
                    QStringLiteral("%1 read back as %2").arg(line).arg(parsed.value_or(-1))));
        }
    }
};

QTEST_APPLESS_MAIN(TestResultsRecord)
#include "test_results_record.moc"
