#include "log_test_files.h"

#include "results/results_log.h"
#include "results/results_record.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace pictolex;
using namespace results_test;

class TestResultsLog : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    int folders = 0;

    // A new empty folder for one test case.
    QString freshFolder() {
        const QString folder = dir.filePath(QStringLiteral("case%1").arg(++folders));
        QDir().mkpath(folder);
        return folder;
    }

    static QString record(const QString& name) { return formatRecord(name, 83, loggedAt()); }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dir.isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("data"))));
        QCoreApplication::setOrganizationName(QString());
        QCoreApplication::setApplicationName(QStringLiteral("pictolex"));
    }

    void defaultPathIsInTheUserDataFolder() {
        QCOMPARE(ResultsLog::defaultPath(),
                 dir.filePath(QStringLiteral("data/pictolex/results.txt")));
    }

    void workedExampleByteForByte() {
        const ResultsLog log(ResultsLog::defaultPath());
        QVERIFY(!QFile::exists(QFileInfo(log.filePath()).absolutePath()));
        const QByteArray expected = "TARO" + QByteArray(37, ' ') + "Time = 0:01:23" +
                                    QByteArray(14, ' ') + "2002/04/30 10:11:12\r\n";
        QCOMPARE(log.append(formatRecord(QStringLiteral("TARO"), 83, loggedAt())), QString());
        QCOMPARE(bytesOf(log.filePath()), expected);
        QCOMPARE(log.append(formatRecord(QStringLiteral("TARO"), 83, loggedAt())), QString());
        QCOMPARE(bytesOf(log.filePath()), expected + expected);
    }

    void japaneseNameIsWrittenAsUtf8() {
        const ResultsLog log(freshFolder() + QStringLiteral("/results.txt"));
        QCOMPARE(log.append(record(QStringLiteral("たろう"))), QString());
        const QByteArray expected = QStringLiteral("たろう").toUtf8() + QByteArray(35, ' ') +
                                    "Time = 0:01:23" + QByteArray(14, ' ') +
                                    "2002/04/30 10:11:12\r\n";
        QCOMPARE(bytesOf(log.filePath()), expected);
    }

    void appendStartsOnANewLine_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("separator");
        QTest::newRow("new file") << QByteArray() << QByteArray();
        QTest::newRow("ended by CR LF") << QByteArray("old\r\n") << QByteArray();
        QTest::newRow("ended by LF") << QByteArray("old\n") << QByteArray();
        QTest::newRow("torn after CR") << QByteArray("old\r") << QByteArray("\n");
        QTest::newRow("torn last line")
            << QByteArray("old\r\nTARO   Time = 0:0") << QByteArray("\r\n");
    }
    void appendStartsOnANewLine() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, separator);
        const ResultsLog log(freshFolder() + QStringLiteral("/results.txt"));
        if (!before.isEmpty())
            QVERIFY(writeBytes(log.filePath(), before));
        QCOMPARE(log.append(record(QStringLiteral("TARO"))), QString());
        QCOMPARE(bytesOf(log.filePath()),
                 before + separator + record(QStringLiteral("TARO")).toUtf8() + "\r\n");
    }

    void read_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("LF alone") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("mixed ends") << QByteArray("a\r\nb\nc\r\n") << QStringList{"a", "b", "c"};
        QTest::newRow("torn last line")
            << QByteArray("a\r\nTARO  Ti") << QStringList{"a", "TARO  Ti"};
        QTest::newRow("empty lines") << QByteArray("\r\n\na\r\n") << QStringList{"", "", "a"};
        QTest::newRow("CR inside a line") << QByteArray("a\rb\r\n") << QStringList{"a\rb"};
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF"
                                                       "a\r\n")
                                         << QStringList{"a"};
        QTest::newRow("UTF-8") << QStringLiteral("太郎 Zoë\r\n").toUtf8()
                               << QStringList{QStringLiteral("太郎 Zoë")};
        QTest::newRow("Shift-JIS") << QByteArray("\x91\xBE\x98\x59 \x82\xBD\x82\xEB\r\n")
                                   << QStringList{QStringLiteral("太郎 たろ")};
        QTest::newRow("Shift-JIS halfwidth katakana")
            << QByteArray("\xC0\xDB\xB3\r\n") << QStringList{QStringLiteral("ﾀﾛｳ")};
        QTest::newRow("Windows-1252") << QByteArray("Zo\xEB M\xFCller \x80\r\n")
                                      << QStringList{QStringLiteral("Zoë Müller €")};
        QTest::newRow("each line on its own")
            << QByteArray("\x91\xBE\x98\x59\r\nZo\xEB\r\n") + QStringLiteral("ä太\r\n").toUtf8()
            << QStringList{QStringLiteral("太郎"), QStringLiteral("Zoë"), QStringLiteral("ä太")};
    }
    void read() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        const ResultsLog log(freshFolder() + QStringLiteral("/results.txt"));
        QVERIFY(writeBytes(log.filePath(), bytes));
        QString error = QStringLiteral("not cleared");
        QCOMPARE(log.read(&error), lines);
        QCOMPARE(error, QString());
        QCOMPARE(bytesOf(log.filePath()), bytes);
    }

    void readMissingLog() {
        const ResultsLog log(freshFolder() + QStringLiteral("/results.txt"));
        QString error;
        QCOMPARE(log.read(&error), QStringList());
        QCOMPARE(error, QString());
        QVERIFY(!QFile::exists(log.filePath()));
    }

    void unwritableLog_data() {
        QTest::addColumn<QString>("logUnder");  // the log's path below the case folder
        QTest::addColumn<QString>("fileAt");    // a file standing here, or
        QTest::addColumn<QString>("folderAt");  // a folder standing here, or
        QTest::addColumn<QString>("symlinkAt"); // a link to /dev/full here
        QTest::addColumn<QString>("words");     // what the reason says
        QTest::newRow("file where the folder should be") << "pictolex/results.txt"
                                                         << "pictolex"
                                                         << ""
                                                         << ""
                                                         << "a file stands where";
        QTest::newRow("file where a folder above should be") << "share/pictolex/results.txt"
                                                             << "share"
                                                             << ""
                                                             << ""
                                                             << "a file stands where";
        QTest::newRow("folder where the log should be") << "results.txt"
                                                        << ""
                                                        << "results.txt"
                                                        << ""
                                                        << "a folder stands where";
        QTest::newRow("full disk") << "results.txt"
                                   << ""
                                   << ""
                                   << "results.txt"
                                   << "disk is full";
    }
    void unwritableLog() {
        QFETCH(QString, logUnder);
        QFETCH(QString, fileAt);
        QFETCH(QString, folderAt);
        QFETCH(QString, symlinkAt);
        QFETCH(QString, words);
        const QString folder = freshFolder();
        if (!fileAt.isEmpty())
            QVERIFY(writeBytes(folder + u'/' + fileAt, "keep"));
        if (!folderAt.isEmpty())
            QVERIFY(QDir(folder).mkdir(folderAt));
        if (!symlinkAt.isEmpty())
            QVERIFY(QFile::link(QStringLiteral("/dev/full"), folder + u'/' + symlinkAt));
        const ResultsLog log(folder + u'/' + logUnder);
        const QString error = log.append(record(QStringLiteral("TARO")));
        QVERIFY2(error.contains(words), qPrintable(error));
        if (!fileAt.isEmpty())
            QCOMPARE(bytesOf(folder + u'/' + fileAt), QByteArray("keep"));
    }

    void folderWithoutPermission() {
        if (::geteuid() == 0)
            QSKIP("root may write in any folder");
        const QString folder = freshFolder();
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        const ResultsLog log(folder + QStringLiteral("/pictolex/results.txt"));
        const QString error = log.append(record(QStringLiteral("TARO")));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY2(error.contains(QStringLiteral("permission")), qPrintable(error));
    }

    void unreadableLog() {
        const QString folder = freshFolder();
        QVERIFY(QDir(folder).mkdir(QStringLiteral("results.txt")));
        const ResultsLog log(folder + QStringLiteral("/results.txt"));
        QString error;
        QCOMPARE(log.read(&error), QStringList());
        QVERIFY2(error.contains(QStringLiteral("a folder stands where")), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestResultsLog)
#include "test_results_log.moc"
