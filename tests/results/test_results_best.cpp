#include "results/best_record.h"
#include "results/results_record.h"

#include <QTest>

using namespace pictolex;

namespace {

// A record line for "name" and a time given as H:mm:ss.
QString record(const QString& name, const QString& time) {
    const QStringList parts = time.split(u':');
    const qint64 seconds =
        (parts[0].toLongLong() * 60 + parts[1].toLongLong()) * 60 + parts[2].toLongLong();
    return formatRecord(name, seconds, QDateTime(QDate(2002, 4, 30), QTime(10, 11, 12)));
}

} // namespace

class TestResultsBest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void chooseBest_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("best"); // -1: none
        QTest::newRow("equal times: the oldest wins")
            << QStringList{record("A", "0:02:10"), record("B", "0:01:59"), record("C", "0:01:59")}
            << 1;
        QTest::newRow("hours count: 0:59:59 beats 1:00:05")
            << QStringList{record("A", "0:59:59"), record("B", "1:00:05")} << 0;
        QTest::newRow("newer and shorter")
            << QStringList{record("A", "0:03:00"), record("B", "0:02:45")} << 1;
        QTest::newRow("past a day")
            << QStringList{record("A", "25:03:07"), record("B", "24:59:59")} << 1;
        QTest::newRow("a name with colons does not shift its time")
            << QStringList{record("Z:00:00", "0:09:00"), record("Y", "0:05:00")} << 1;
        QTest::newRow("a name with colons can still be best")
            << QStringList{record("Y", "0:05:00"), record("Z:59:59", "0:04:00")} << 1;
        QTest::newRow("single record") << QStringList{record("A", "0:01:23")} << 0;
        QTest::newRow("lines that are not records are passed over")
            << QStringList{"", "best of the class", record("A", "0:04:00").left(44),
                           record("B", "0:04:00"), ""}
            << 3;
        QTest::newRow("no records") << QStringList{"", "hello"} << -1;
        QTest::newRow("empty log") << QStringList{} << -1;
    }
    void chooseBest() {
        QFETCH(QStringList, lines);
        QFETCH(int, best);
        QCOMPARE(pictolex::chooseBest(lines).value_or(-1), best);
    }
};

QTEST_APPLESS_MAIN(TestResultsBest)
#include "test_results_best.moc"
