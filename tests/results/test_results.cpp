// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes.h"
#include "platform/process.h"
#include "results/file_lock.h"
#include "results/results_list.h"
#include "results/results_log.h"
#include "results/results_record.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace pictolex;
using namespace pictolex::test;

namespace {

const QByteArray kTaro = "TARO" + QByteArray(37, ' ') + "Time = 0:01:23" + QByteArray(14, ' ') +
                         "2002/04/30 10:11:12\r\n";

const QDateTime kAt(QDate(2002, 4, 30), QTime(10, 11, 12));

QString record(const QString& name, qint64 seconds) {
    return formatRecord(name, seconds, kAt);
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
    // A record is added whole, on a line of its own: wide characters fill two columns, a torn CR
    // is mended, line breaks in a name are spaces. Each line reads in its own code, and reading
    // changes nothing, nor waits for another game reading too (one that locked the log alone
    // would wait 2 s).
    void appendsAndReadsWholeLines_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("added");
        QTest::addColumn<QStringList>("lines"); // read, before the record
        const QString taro("TARO");
        QTest::newRow("UTF-8, wide") << QByteArray("x\n") << QString("たろう")
                                     << "たろう" + kTaro.mid(6) << QStringList{"x"};
        QTest::newRow("after a torn CR")
            << QByteArray("x\r") << taro << "\n" + kTaro << QStringList{"x"};
        QTest::newRow("line breaks")
            << QByteArray() << QString("TA\r\n") << "TA  " + kTaro.mid(4) << QStringList{};
        QTest::newRow("CR LF, LF, empty lines, a CR inside and a torn last line")
            << QByteArray("a\r\n\r\n\nb\rc\r\nd Ti") << taro << "\r\n" + kTaro
            << QStringList{"a", "b\rc", "d Ti"};
        QTest::newRow("byte order mark")
            << QByteArray("\xEF\xBB\xBFZo\xEB\r\n") << taro << kTaro << QStringList{"Zoë"};
        QTest::newRow("each line in its own code")
            << "\x91\xBE\x98\x59 \xC0\xDB\xB3\r\nZo\xEB \x80\r\n" + QString("ä太\r\n").toUtf8()
            << taro << kTaro << QStringList{"太郎 ﾀﾛｳ", "Zoë €", "ä太"};
    }
    void appendsAndReadsWholeLines() {
        QFETCH(QByteArray, before);
        QFETCH(QString, name);
        QFETCH(QByteArray, added);
        QFETCH(QStringList, lines);
        const QString log = freshLog();
        QString error = QStringLiteral("not cleared"); // a log not there yet reads as empty
        QVERIFY(before.isEmpty() ? ResultsLog(log).read(&error).isEmpty() && error.isEmpty()
                                 : writeFile(log, before));
        QCOMPARE(ResultsLog(log).append(record(name, 83)), QString());
        FileLock reading(log + ".lock");
        QVERIFY(reading.acquire(FileLock::Mode::Shared, {}).isEmpty());
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(textsOf(ResultsLog(log).read(&error)), lines << QString(added.trimmed()));
        QVERIFY(error.isEmpty() && timer.elapsed() < 1000);
        QCOMPARE(readFile(log), before + added);
    }

    // What stands where the log goes, a disk that takes only a part of a record, a folder that
    // is not the player's: the game says why, never blocks, and leaves the log as it was (a part
    // of a record is taken back); reading goes on without a lock it cannot have.
    void saysWhyItCouldNotSave_data() {
        QTest::addColumn<QString>("kind");   // of what stands there, or the folder's mode
        QTest::addColumn<QString>("reason"); // %1: the log's folder
        QTest::newRow("a folder where it goes") << QString("folder") << "a folder stands where";
        QTest::newRow("a pipe") << QString("fifo") << "is not an ordinary file";
        QTest::newRow("a device") << QString("/dev/zero") << "is not an ordinary file";
        QTest::newRow("a read-only pipe as the lock")
            << QString("lock") << "results.txt.lock is not an ordinary file";
        QTest::newRow("a disk that takes a part")
            << QString("full") << "%1/results.txt has grown as large as it may.";
        QTest::newRow("somebody else's folder") << QString("0555") << "no permission to use %1.";
        QTest::newRow("a folder of mode 000") << QString("0") << "no permission to use %1.";
    }
    void saysWhyItCouldNotSave() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const QString path = freshLog();
        const QByteArray folder = QFile::encodeName(QFileInfo(path).path());
        const bool full = kind == "full", notMine = kind[0].isDigit();
        const bool logged = full || notMine || kind == "lock"; // a log of one record stands there
        QVERIFY(QDir().mkpath(kind == "folder" ? path : QString(folder)));
        QVERIFY(kind != "fifo" || ::mkfifo(QFile::encodeName(path), 0666) == 0);
        QVERIFY(!kind.startsWith('/') || QFile::link(kind, path));
        QVERIFY(!logged || (writeFile(path, kTaro) && ::chmod(QFile::encodeName(path), 0666) == 0));
        // A lock that root can open for writing, and others cannot.
        QVERIFY(kind != "lock" || ::mkfifo(QFile::encodeName(path + ".lock"), 0444) == 0);
        QVERIFY(::chmod(folder, notMine ? mode_t(kind.toInt(nullptr, 8)) : 0755) == 0);
        QVERIFY(::chmod(QFile::encodeName(dir_.path()), 0755) == 0);
        QProcess* other = appender(path, "A", 1, [full, notMine] {
            const rlimit limit{rlim_t(kTaro.size() + 40), rlim_t(kTaro.size() + 40)};
            if (full) {
                ignoreFileSizeSignal();
                ::setrlimit(RLIMIT_FSIZE, &limit);
            } else if (notMine && ::geteuid() == 0 && (::setgid(65534) || ::setuid(65534))) {
                ::_exit(3); // root is made somebody else
            }
        });
        QVERIFY(other->waitForFinished(20000));
        const QByteArray said = other->readAllStandardError();
        QVERIFY2(other->exitCode() == 1 && said.contains(reason.replace("%1", folder).toUtf8()),
                 said.constData());
        QVERIFY(::chmod(folder, 0755) == 0);
        QString error;
        QCOMPARE(ResultsLog(path).read(&error).size(), logged ? 1 : 0);
        QVERIFY(logged ? error.isEmpty() && readFile(path) == kTaro : error.contains(reason));
    }

    // With no folder for the log, the reason says what is wrong with HOME.
    void saysWhatIsWrongWithHome() {
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", "ann");
        const QString reason = ResultsLog({}).append("Ann 0:00:31");
        qputenv("HOME", home);
        QVERIFY2(reason.contains("HOME is “ann”, which is not an absolute path"),
                 qPrintable(reason));
    }

    // Whatever the log holds, up to the most that is read, the newest record shows first, at
    // once, with the best, each line decoded as far as it shows; a row shows from the left,
    // whatever controls of direction its name holds, and cut past a few hundred columns. A
    // record the disk did not confirm is taken back, so that saving again adds it once; one
    // that cannot be taken back may be saved, is said to be, and the log shows.
    void seesAllTimes_data() {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<QString>("failing"); // calls
        QTest::addColumn<int>("bestRow");     // newest first; -1: not saved, nothing shows
        QTest::addColumn<QString>("second");  // the row below the newest
        const QByteArray time = " Time = 0:00:07   2002/04/30 1:02:03\r\n";
        const QString taro = "\u200e" + QString(kTaro.trimmed()); // as it shows
        QTest::newRow("a record named with a right-to-left override, then empty lines")
            << "\u202e" + kTaro +
                   QByteArray("\n\n\n\n\n\n\n\n\r\n\r\n\r\n\r\n\r\n").repeated(1 << 20)
            << "" << 1 << taro;
        QTest::newRow("lines of bytes that are not text")
            << (QByteArray(5 << 20, '\xFF') + time).repeated(8) << "" << 8
            << "\u200e" + QString(300, u'ÿ') + u'…';
        QTest::newRow("Shift-JIS cut in a character")
            << "x" + QByteArray("\x91\xBE").repeated(1000) << "" << 0
            << "\u200ex" + QString(149, u'太') + u'…';
        QTest::newRow("the sync fails") << kTaro << "fsync" << -1 << "";
        QTest::newRow("closing fails") << kTaro << "close" << -1 << "";
        QTest::newRow("so does taking back") << kTaro << "fsync ftruncate" << 1 << taro;
    }
    void seesAllTimes() {
        QFETCH(QByteArray, log);
        QFETCH(QString, failing);
        QFETCH(int, bestRow);
        QFETCH(QString, second);
        const auto fail = [](auto...) { return errno = EIO, -1; };
        AppendCalls calls = systemAppendCalls();
        if (failing.contains("fsync"))
            calls.fsync = fail;
        if (failing.contains("ftruncate"))
            calls.ftruncate = fail;
        if (failing == "close")
            calls.close = [](int fd) { return ::close(fd), errno = EIO, -1; };
        const QString path = freshLog();
        QVERIFY(writeFile(path, log));
        QElapsedTimer timer;
        timer.start();
        ResultsView view = logAndRead(ResultsLog(path, calls), "ZED", 83, kAt);
        const bool maybe = failing.contains("ftruncate");
        const QString said = failing.isEmpty() ? ""
                             : maybe           ? "Your time may have been saved, but"
                                               : "Your time could not be saved, because of an";
        QVERIFY2(said.isEmpty() ? view.error.isEmpty() : view.error.startsWith(said),
                 qPrintable(view.error));
        QVERIFY(view.saved == failing.isEmpty() && view.mayBeSaved == maybe);
        if (bestRow < 0) {
            QVERIFY(view.lines.isEmpty());
            QCOMPARE(readFile(path), log);
            return;
        }
        QCOMPARE(view.lines.size() - 1 - *view.best, bestRow);
        ResultsList list;
        list.resize(800, 400);
        list.showNewestFirst(std::move(view.lines));
        list.grab();
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(list.model()->index(0, 0).data().toString(), displayText(record("ZED", 83)));
        QCOMPARE(list.model()->index(1, 0).data().toString(), second);
    }

    // A line shorter than the time's label, where the memory the log was read into begins: its
    // time is looked for without a read before it, which would end the game.
    void shortLineWhereMemoryBegins() {
        const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
        char* pages = static_cast<char*>(
            ::mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
        QVERIFY(pages != MAP_FAILED && ::mprotect(pages, page, PROT_NONE) == 0);
        std::memcpy(pages + page, "ab", 2);
        QVERIFY(!parseRecordTime(QByteArrayView(pages + page, 2)));
        ::munmap(pages, 2 * page);
    }

    // Of a log past the most that is read, the newest lines are listed, and the player is told.
    void readsTheEndOfAHugeLog_data() {
        QTest::addColumn<int>("zeros"); // sparse, before the lines
        QTest::addColumn<QByteArray>("lines");
        QTest::newRow("300 MB") << (300 << 20) << kTaro;
        QTest::newRow("more lines than are kept")
            << 0 << QByteArray("x\n").repeated(kMaxLogLines) + kTaro;
    }
    void readsTheEndOfAHugeLog() {
        QFETCH(int, zeros);
        QFETCH(QByteArray, lines);
        const QString path = freshLog();
        QFile file(path);
        QVERIFY(writeFile(path, {}) && file.open(QIODevice::ReadWrite) && file.seek(zeros) &&
                file.write("\n" + lines) && file.flush());
        QString error;
        ResultsList list; // which has every line kept, as far down as it is scrolled
        list.showNewestFirst(ResultsLog(path).read(&error));
        while (list.model()->canFetchMore({}))
            list.model()->fetchMore({});
        QCOMPARE(list.model()->rowCount(), zeros ? 1 : kMaxLogLines);
        QCOMPARE(list.model()->index(0, 0).data().toString(), displayText(kTaro.trimmed()));
        QVERIFY2(error.startsWith("Only the newest times are shown, because") &&
                     error.contains(zeros ? "results.txt is larger than 256 MB." : "more than"),
                 qPrintable(error));
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
    QApplication app(argc, argv);
    if (argc == 5 && qstrcmp(argv[1], "append") == 0)
        return appendRecords(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                             QByteArray(argv[4]).toLongLong());
    TestResults test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_results.moc"
