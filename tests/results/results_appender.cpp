// Appends numbered records to a results log, as a second copy of the game would:
//   results_appender <log file> <name prefix> <count>
// A count of 0 appends until the process is killed. After each append the number of the
// record is printed on a line of its own, so a test knows which records were completed.
#include "results/results_log.h"
#include "results/results_record.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return 2;
    const pictolex::ResultsLog log(args[1]);
    const QString prefix = args[2];
    const qint64 count = args[3].toLongLong();
    const QDateTime at(QDate(2002, 4, 30), QTime(10, 11, 12));
    for (qint64 i = 0; count == 0 || i < count; ++i) {
        const QString error =
            log.append(pictolex::formatRecord(prefix + QString::number(i), i, at));
        if (!error.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        std::printf("%lld\n", static_cast<long long>(i));
        std::fflush(stdout);
    }
    return 0;
}
