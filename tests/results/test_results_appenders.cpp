// Other programs appending to the same log: at the same time, and killed while appending.
#include "log_test_files.h"

#include "results/results_log.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace pictolex;
using namespace results_test;

namespace {

const QString appender = QStringLiteral(RESULTS_APPENDER);

// The names of the records the appender printed as completed.
QStringList completedNames(const QString& prefix, const QByteArray& output) {
    QStringList names;
    const QList<QByteArray> numbers = output.split('\n');
    for (const QByteArray& number : numbers) {
        if (!number.isEmpty())
            names.append(prefix + QString::fromLatin1(number));
    }
    return names;
}

} // namespace

class TestResultsAppenders : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void twoProgramsAtOnce() {
        const QString path = dir.filePath(QStringLiteral("together/results.txt"));
        const int each = 1000;
        QProcess first;
        QProcess second;
        first.start(appender, {path, QStringLiteral("A"), QString::number(each)});
        second.start(appender, {path, QStringLiteral("B"), QString::number(each)});
        for (QProcess* process : {&first, &second}) {
            QVERIFY(process->waitForFinished(120000));
            QVERIFY2(process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0,
                     process->readAllStandardError().constData());
        }
        QString error;
        const QStringList lines = ResultsLog(path).read(&error);
        QCOMPARE(error, QString());
        QCOMPARE(lines.size(), 2 * each);
        QHash<QChar, int> next{{u'A', 0}, {u'B', 0}};
        for (const QString& line : lines) {
            const auto name = wholeAppenderRecord(line);
            QVERIFY2(name, qPrintable(line));
            // Each program's records are in the order it wrote them, none missing.
            QCOMPARE(*name, name->at(0) + QString::number(next[name->at(0)]++));
        }
        QCOMPARE(next[u'A'], each);
        QCOMPARE(next[u'B'], each);
    }

    void killedWhileAppending() {
        const QString path = dir.filePath(QStringLiteral("killed/results.txt"));
        const ResultsLog log(path);
        QRandomGenerator random(36);
        QSet<QString> completed;
        QSet<qsizetype> tornLines;
        QElapsedTimer timer;
        timer.start();
        for (int round = 0; round < 200; ++round) {
            const QString prefix = QStringLiteral("K%1x").arg(round);
            QProcess process;
            process.start(appender, {path, prefix, QStringLiteral("0")});
            // Let it complete a few records, then kill it in the middle of the next ones.
            const int wanted = 1 + random.bounded(3);
            QByteArray output;
            while (output.count('\n') < wanted) {
                QVERIFY2(process.waitForReadyRead(20000),
                         process.readAllStandardError().constData());
                output += process.readAllStandardOutput();
            }
            process.kill();
            QVERIFY(process.waitForFinished(20000));
            output += process.readAllStandardOutput();
            for (const QString& name : completedNames(prefix, output))
                completed.insert(name);

            const QStringList lines = log.read();
            QSet<QString> whole;
            for (qsizetype i = 0; i < lines.size(); ++i) {
                if (const auto name = wholeAppenderRecord(lines[i])) {
                    whole.insert(*name);
                } else if (i == lines.size() - 1) {
                    tornLines.insert(i); // cut by this kill; the next append starts below it
                } else {
                    QVERIFY2(tornLines.contains(i), qPrintable(lines[i]));
                }
            }
            QVERIFY(whole.contains(completed));
        }
        QCOMPARE(log.append(formatRecord(QStringLiteral("Z0"), 0, loggedAt())), QString());
        const QStringList lines = log.read();
        QCOMPARE(lines.last(), formatRecord(QStringLiteral("Z0"), 0, loggedAt()));
        qsizetype wholeCount = 0;
        for (const QString& line : lines)
            wholeCount += wholeAppenderRecord(line) ? 1 : 0;
        QCOMPARE(wholeCount + tornLines.size(), lines.size());
        qInfo("200 kills in %lld ms, %lld torn lines, %lld lines",
              static_cast<long long>(timer.elapsed()), static_cast<long long>(tornLines.size()),
              static_cast<long long>(lines.size()));
    }
};

QTEST_GUILESS_MAIN(TestResultsAppenders)
#include "test_results_appenders.moc"
