#include "log_test_files.h"

#include "results/results_list.h"
#include "results/results_record.h"
#include "results/see_all_times.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace pictolex;
using namespace results_test;

class TestResultsView : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    int folders = 0;

    QString freshLogPath() {
        return dir.filePath(QStringLiteral("case%1/pictolex/results.txt").arg(++folders));
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void firstLoggingEver() {
        const ResultsLog log(freshLogPath());
        const ResultsView view = logAndRead(log, QStringLiteral("TARO"), 83, loggedAt());
        QCOMPARE(view.error, QString());
        QVERIFY(view.saved);
        QCOMPARE(view.lines, QStringList{formatRecord(QStringLiteral("TARO"), 83, loggedAt())});
        QCOMPARE(view.best, std::optional<qsizetype>(0));
    }

    void olderBetterRecordStaysBest() {
        const ResultsLog log(freshLogPath());
        QVERIFY(logAndRead(log, QStringLiteral("A"), 119, loggedAt()).error.isEmpty());
        const ResultsView view = logAndRead(log, QStringLiteral("B"), 119, loggedAt());
        QCOMPARE(view.lines.size(), 2);
        QVERIFY(view.lines[1].startsWith(u'B'));
        QCOMPARE(view.best, std::optional<qsizetype>(0));
    }

    void linesThatAreNotRecordsAreListed() {
        const ResultsLog log(freshLogPath());
        QVERIFY(log.append(QStringLiteral("notes by hand")).isEmpty());
        QVERIFY(log.append(QString()).isEmpty());
        const ResultsView view = logAndRead(log, QStringLiteral("TARO"), 83, loggedAt());
        QCOMPARE(view.lines.size(), 3);
        QCOMPARE(view.lines[0], QStringLiteral("notes by hand"));
        QCOMPARE(view.lines[1], QString());
        QCOMPARE(view.best, std::optional<qsizetype>(2));
    }

    void failedSaveShowsNothing() {
        const QString path = freshLogPath();
        const QString folder = QFileInfo(path).absolutePath();
        QVERIFY(QDir().mkpath(QFileInfo(folder).absolutePath()));
        QVERIFY(writeBytes(folder, "in the way"));
        const ResultsView view =
            logAndRead(ResultsLog(path), QStringLiteral("TARO"), 83, loggedAt());
        QVERIFY(!view.saved);
        QVERIFY(!view.error.isEmpty());
        QVERIFY(view.lines.isEmpty());
        QCOMPARE(view.best, std::optional<qsizetype>());
    }

    void listShowsNewestFirst() {
        ResultsList list;
        list.showNewestFirst({"oldest", "middle", "newest"});
        QCOMPARE(list.count(), 3);
        QCOMPARE(list.item(0), QStringLiteral("newest"));
        QCOMPARE(list.item(1), QStringLiteral("middle"));
        QCOMPARE(list.item(2), QStringLiteral("oldest"));
        QCOMPARE(list.item(3), QString());
        list.clear();
        QCOMPARE(list.count(), 0);
    }

    void manyLinesFillInOneReset() {
        ResultsList list;
        list.show();
        QStringList lines;
        for (int i = 0; i < 100000; ++i)
            lines.append(QString::number(i));
        QSignalSpy resets(list.model(), &QAbstractItemModel::modelReset);
        QSignalSpy inserts(list.model(), &QAbstractItemModel::rowsInserted);
        list.showNewestFirst(lines);
        QCOMPARE(resets.count(), 1);
        QCOMPARE(inserts.count(), 0);
        QCOMPARE(list.count(), 100000);
        QCOMPARE(list.item(0), QStringLiteral("99999"));
    }
};

QTEST_MAIN(TestResultsView)
#include "test_results_view.moc"
