// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/file_lock.h"
#include "results/results_list.h"
#include "results/results_log.h"
#include "results/results_record.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace pictolex;

namespace {

const QByteArray kTaro = "TARO" + QByteArray(37, ' ') + "Time = 0:01:23" + QByteArray(14, ' ') +
                         "2002/04/30 10:11:12\r\n";

QString record(const QString& name, qint64 seconds) {
    return formatRecord(name, seconds, QDateTime(QDate(2002, 4, 30), QTime(10, 11, 12)));
}
QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}
QStringList textsOf(const LogLines& lines) {
    QStringList texts;
    for (qsizetype i = 0; i < lines.size(); ++i)
        texts << lines.text(i);
    return texts;
}

// Run as "append <log> <prefix> <count>", this program is another game saving records
// "<prefix><n>" with times of n seconds, printing n after each; a count of 0 never stops.
int appendRecords(const QString& path, const QString& prefix, qint64 count) {
    for (qint64 n = 0; count == 0 || n < count; ++n) {
        const QString error = ResultsLog(path).append(record(prefix + QString::number(n), n));
        if (!error.isEmpty())
            return std::fprintf(stderr, "%s\n", qPrintable(error)) > 0;
        std::printf("%lld\n", static_cast<long long>(n));
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

class TestResults : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    int logs_ = 0;

    // A log in a folder of its own, neither of which exists yet.
    QString freshLog() { return dir_.filePath(QStringLiteral("%1/results.txt").arg(++logs_)); }
    QProcess* appender(const QString& log, const QString& prefix, int count,
                       std::function<void()> inChild = {}) {
        auto* process = new QProcess(this);
        process->setChildProcessModifier(inChild);
        process->start(QCoreApplication::applicationFilePath(),
                       {"append", log, prefix, QString::number(count)});
        return process;
    }

private Q_SLOTS:
    // Wide characters fill two columns; a torn CR is mended; line breaks in a name are spaces.
    void appendsWholeLines_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("added");
        QTest::newRow("UTF-8, wide")
            << QByteArray("x\n") << QString("たろう") << "たろう" + kTaro.mid(6);
        QTest::newRow("after a torn CR") << QByteArray("x\r") << QString("TARO") << "\n" + kTaro;
        QTest::newRow("line breaks") << QByteArray() << QString("TA\r\n") << "TA  " + kTaro.mid(4);
    }
    void appendsWholeLines() {
        QFETCH(QByteArray, before);
        QFETCH(QString, name);
        const QString log = freshLog();
        QVERIFY(before.isEmpty() || writeBytes(log, before));
        QCOMPARE(ResultsLog(log).append(record(name, 83)), QString());
        QTEST(bytesOf(log).mid(before.size()), "added");
    }

    void readsEveryLine_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF, LF, a CR inside and a torn last line")
            << QByteArray("a\r\n\nb\rc\r\nd Ti") << QStringList{"a", "", "b\rc", "d Ti"};
        QTest::newRow("byte order mark")
            << QByteArray("\xEF\xBB\xBFZo\xEB\r\n") << QStringList{"Zoë"};
        QTest::newRow("each line in its own code")
            << "\x91\xBE\x98\x59 \xC0\xDB\xB3\r\nZo\xEB \x80\r\n" + QString("ä太\r\n").toUtf8()
            << QStringList{"太郎 ﾀﾛｳ", "Zoë €", "ä太"};
        QTest::newRow("no log yet") << QByteArray() << QStringList{};
    }
    // While another game reads the log too: a reader that locked it alone would wait 2 s.
    void readsEveryLine() {
        QFETCH(QByteArray, bytes);
        const QString log = freshLog();
        FileLock reading(log + ".lock");
        QVERIFY(bytes.isEmpty() ||
                (writeBytes(log, bytes) && reading.acquire(FileLock::Mode::Shared, {}).isEmpty()));
        QString error = QStringLiteral("not cleared");
        QElapsedTimer timer;
        timer.start();
        QTEST(textsOf(ResultsLog(log).read(&error)), "lines");
        QVERIFY(error.isEmpty() && timer.elapsed() < 1000);
        QCOMPARE(bytesOf(log), bytes);
    }

    // A record shows from the left, whatever script its name is in; a line past a few hundred
    // columns shows cut.
    void showsRecordsFromTheLeft_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name"); // none: the line is to be cut
        QTest::newRow("a Hebrew name") << record("שלום", 83) << "שלום";
        QTest::newRow("a right-to-left override") << record("\u202eTARO", 83) << "TARO";
        QTest::newRow("a long line") << QString(100000, 'x') + record("Y", 83) << "";
    }
    void showsRecordsFromTheLeft() {
        QFETCH(QString, line);
        QFETCH(QString, name);
        const QString shown = displayText(line);
        QTextLayout layout(shown, QFont());
        layout.beginLayout();
        const QTextLine row = layout.createLine();
        layout.endLayout();
        // Where a part's second character stands: its first may sit where the direction turns.
        const auto x = [&](const QString& part) {
            return row.cursorToX(int(shown.indexOf(part)) + 1);
        };
        QVERIFY(name.isEmpty() ? shown.size() < 400 && shown.endsWith(u'…') : x("Time") > x(name));
    }

    // What stands where the log goes never blocks the game, and is named.
    void saysWhyTheLogFailed_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder where it goes") << QString("folder") << "a folder stands where";
        QTest::newRow("a pipe") << QString("fifo") << "is not an ordinary file";
        QTest::newRow("a device") << QString("/dev/zero") << "is not an ordinary file";
    }
    void saysWhyTheLogFailed() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const QString path = freshLog();
        QVERIFY(QDir().mkpath(kind == "folder" ? path : QFileInfo(path).path()));
        QVERIFY(kind != "fifo" || ::mkfifo(QFile::encodeName(path), 0666) == 0);
        QVERIFY(!kind.startsWith('/') || QFile::link(kind, path));
        QVERIFY2(ResultsLog(path).append(record("TARO", 83)).contains(reason), qPrintable(reason));
        QString error;
        QVERIFY(ResultsLog(path).read(&error).isEmpty() && error.contains(reason));
    }

    // A game that cannot save says why, and leaves the log as it was: a record that the disk
    // takes only a part of is taken back; where the folder is not theirs, the lock is the reason.
    void saysWhyItCouldNotSave_data() {
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a disk that takes a part") << true << "large as it may";
        QTest::newRow("somebody else's folder") << false << "no permission";
    }
    void saysWhyItCouldNotSave() {
        QFETCH(bool, diskFull);
        QFETCH(QString, reason);
        const QString path = freshLog();
        QVERIFY(writeBytes(path, kTaro) && ::chmod(QFile::encodeName(path), 0666) == 0);
        QVERIFY(diskFull || ::chmod(QFile::encodeName(QFileInfo(path).path()), 0555) == 0);
        QVERIFY(::chmod(QFile::encodeName(dir_.path()), 0755) == 0);
        QProcess* other = appender(path, "A", 1, [diskFull] {
            const rlimit limit{rlim_t(kTaro.size() + 40), rlim_t(kTaro.size() + 40)};
            if (diskFull) {
                ::signal(SIGXFSZ, SIG_IGN);
                ::setrlimit(RLIMIT_FSIZE, &limit);
            } else if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
                ::_exit(3); // root is made somebody else
            }
        });
        QVERIFY(other->waitForFinished(20000));
        const QByteArray said = other->readAllStandardError();
        QVERIFY2(other->exitCode() == 1 && said.contains(reason.toUtf8()), said.constData());
        QCOMPARE(bytesOf(path), kTaro);
    }

    void readsTheEndOfAHugeLog() {
        const QString path = freshLog();
        QFile file(path); // 300 MB of zeros, sparse, then a record
        QVERIFY(writeBytes(path, {}) && file.open(QIODevice::ReadWrite) && file.seek(300 << 20) &&
                file.write("\n" + kTaro) && file.flush());
        QString error;
        QCOMPARE(textsOf(ResultsLog(path).read(&error)), QStringList{kTaro.trimmed()});
        QVERIFY2(error.contains("newest") && error.contains("256 MB"), qPrintable(error));
    }

    // Two games saving while others are killed as they save lose no record, and each record after
    // a kill starts a line of its own. PICTOLEX_LONG_RUN=1: 2 x 1,000 records and 200 kills.
    void appendersLoseNothing() {
        const bool longRun = qEnvironmentVariableIsSet("PICTOLEX_LONG_RUN");
        const int records = longRun ? 1000 : 200, kills = longRun ? 200 : 20;
        const QString path = freshLog();
        const QList<QProcess*> games{appender(path, "A", records), appender(path, "B", records)};
        QStringList completed;
        for (int round = 0; round < kills; ++round) {
            const QString prefix = QStringLiteral("K%1x").arg(round);
            QProcess* killed = appender(path, prefix, 0);
            QVERIFY(killed->waitForReadyRead(20000));
            killed->kill();
            QVERIFY(killed->waitForFinished(20000));
            const QList<QByteArray> done = killed->readAllStandardOutput().split('\n');
            for (qsizetype n = 0; n + 1 < done.size(); ++n) // the last is no whole number
                completed << record(prefix + QString::fromLatin1(done[n]), done[n].toLongLong());
        }
        for (QProcess* game : games)
            QVERIFY(game->waitForFinished(600000) && game->exitCode() == 0);
        QCOMPARE(ResultsLog(path).append(record("Z", 0)), QString());
        const QStringList lines = textsOf(ResultsLog(path).read());
        QHash<QChar, int> next; // each game's records whole, in the order it saved them
        for (const QString& line : lines.filter(QRegularExpression("^[AB]"))) {
            const int n = next[line[0]]++;
            QCOMPARE(line, record(line[0] + QString::number(n), n));
        }
        QCOMPARE(next['A'] + next['B'], 2 * records);
        for (const QString& line : completed)
            QVERIFY2(lines.contains(line), qPrintable(line));
        QVERIFY(lines.filter(QRegularExpression("^K")).size() <= completed.size() + kills);
        QCOMPARE(lines.last(), record("Z", 0));
    }
};

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc == 5 && qstrcmp(argv[1], "append") == 0)
        return appendRecords(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                             QByteArray(argv[4]).toLongLong());
    TestResults test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_results.moc"
