// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// "See All Times" with 100,000 records already in the log: append one record, read the whole
// log back, pick the best and fill the results list, shown on the offscreen platform.
// The first click of a run of the game is measured in fresh processes (this program started
// again with --once), since only the first one pays for touching new memory; the later
// clicks of one process are measured too. Prints medians and the growth of resident memory
// as FIGURE lines (name, median, unit, target, detail; tab-separated).
#include "figures.h"
#include "results/best_record.h"
#include "results/results_list.h"
#include "results/results_log.h"
#include "results/results_record.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <unistd.h>
#include <vector>

using namespace pictolex;
using namespace pictolex::bench;

namespace {

constexpr int kRecords = 100000;
constexpr int kRuns = 7;

double residentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return double(resident) * double(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// A log of the given number of records, names in Latin and Japanese letters.
bool writeLog(const QString& path, int count) {
    const QStringList names = {"TARO", "Hanako", "たろう", "NO NAME", "Ken:2", "さくら"};
    QRandomGenerator random(2002);
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        const QDateTime at = QDateTime(QDate(2002, 4, 30), QTime(10, 11, 12)).addSecs(i * 600);
        const QString name = names[random.bounded(int(names.size()))];
        bytes += formatRecord(name, 60 + random.bounded(7200), at).toUtf8() + "\r\n";
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct Figures {
    std::vector<double> total, append, read, best, fill, growth;
};

// Clicks "See All Times" the given number of times, each with a new list.
bool measure(const ResultsLog& log, int count, Figures& figures) {
    for (int run = 0; run < count; ++run) {
        auto list = std::make_unique<ResultsList>();
        list->resize(800, 400);
        list->show();
        QApplication::processEvents();
        const double before = residentMegabytes();

        QElapsedTimer clock;
        clock.start();
        const QString error = log.append(formatRecord("TARO", 83, QDateTime::currentDateTime()));
        const qint64 t1 = clock.nsecsElapsed();
        QString readError;
        const QStringList lines = log.read(&readError);
        const qint64 t2 = clock.nsecsElapsed();
        const auto bestIndex = chooseBest(lines);
        const qint64 t3 = clock.nsecsElapsed();
        list->showNewestFirst(lines);
        list->repaint();
        QApplication::processEvents();
        const qint64 t4 = clock.nsecsElapsed();

        if (!error.isEmpty() || !readError.isEmpty() || !bestIndex ||
            list->model()->rowCount() != lines.size()) {
            std::fprintf(stderr, "see_all_times: %s%s\n", qPrintable(error), qPrintable(readError));
            return false;
        }
        figures.growth.push_back(residentMegabytes() - before);
        figures.append.push_back(double(t1) / 1e6);
        figures.read.push_back(double(t2 - t1) / 1e6);
        figures.best.push_back(double(t3 - t2) / 1e6);
        figures.fill.push_back(double(t4 - t3) / 1e6);
        figures.total.push_back(double(t4) / 1e6);
    }
    return true;
}

// Runs this program again on the log for one first click; adds its figures.
bool measureFirstClick(const QString& path, Figures& figures) {
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--once"), path});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return false;
    const QList<QByteArray> values = process.readAllStandardOutput().trimmed().split(' ');
    if (values.size() != 6)
        return false;
    std::vector<double>* const columns[] = {&figures.total, &figures.append, &figures.read,
                                            &figures.best,  &figures.fill,   &figures.growth};
    for (int i = 0; i < 6; ++i)
        columns[i]->push_back(values[i].toDouble());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (app.arguments().size() == 3 && app.arguments()[1] == QStringLiteral("--once")) {
        Figures one;
        if (!measure(ResultsLog(app.arguments()[2]), 1, one))
            return 1;
        std::printf("%f %f %f %f %f %f\n", one.total[0], one.append[0], one.read[0], one.best[0],
                    one.fill[0], one.growth[0]);
        return 0;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("results.txt"));
    if (!dir.isValid() || !writeLog(path, kRecords)) {
        std::fprintf(stderr, "see_all_times: cannot write the log in %s\n", qPrintable(dir.path()));
        return 1;
    }
    Figures first;
    for (int run = 0; run < kRuns; ++run) {
        if (!measureFirstClick(path, first)) {
            std::fprintf(stderr, "see_all_times: a first click failed\n");
            return 1;
        }
    }
    Figures later;
    if (!measure(ResultsLog(path), kRuns, later))
        return 1;
    printFigure("see_all_times_100k_first_click", first.total, 1, "ms", "<= 150");
    printFigure("see_all_times_100k_first_click_append", first.append, 1, "ms", "-");
    printFigure("see_all_times_100k_first_click_read", first.read, 1, "ms", "-");
    printFigure("see_all_times_100k_first_click_best", first.best, 1, "ms", "-");
    printFigure("see_all_times_100k_first_click_fill", first.fill, 1, "ms", "-");
    printFigure("see_all_times_100k_first_click_memory", first.growth, 1, "MB", "<= 40");
    printFigure("see_all_times_100k_later_click", later.total, 1, "ms", "<= 150");
    return 0;
}
