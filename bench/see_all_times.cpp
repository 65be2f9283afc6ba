// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// "See All Times" on logs of five kinds: 100,000 records, 1,000,000 records, 250 MB of empty
// lines, 20 lines of 10 MB of bytes that are not UTF-8, and 256 MB of random bytes, the most of
// a log that is read. One click appends a record, reads the whole log back, picks the best,
// fills the results list and shows the best record in its label, on the offscreen platform.
// Each click is the first of a fresh process (this program started again with --once), which
// pays for touching new memory as a player's would. Prints the median time of a click and the
// growth of the peak resident memory during it, as FIGURE lines (see README.md).
#include "figures.h"
#include "proc.h"
#include "results/results_list.h"
#include "results/results_log.h"
#include "results/results_record.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

using namespace pictolex;
using namespace pictolex::bench;

namespace {

constexpr int kRuns = 5;

// The peak resident memory since it was last reset, in MB.
double peakResidentMegabytes() {
    return statusKiB(getpid(), "VmHWM") / 1024.0;
}

QByteArray records(int count) {
    const QStringList names = {"TARO", "Hanako", "たろう", "NO NAME", "Ken:2", "さくら"};
    QRandomGenerator random(2002);
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        const QDateTime at = QDateTime(QDate(2002, 4, 30), QTime(10, 11, 12)).addSecs(i * 600);
        const QString name = names[random.bounded(int(names.size()))];
        bytes += formatRecord(name, 60 + random.bounded(7200), at).toUtf8() + "\r\n";
    }
    return bytes;
}

QByteArray randomBytes(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator(64).fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
    return bytes;
}

QByteArray logOfKind(const QString& kind) {
    if (kind == QLatin1String("100k"))
        return records(100000);
    if (kind == QLatin1String("1M"))
        return records(1000000);
    if (kind == QLatin1String("empty")) // a record, then nothing but line ends
        return records(1) + QByteArray(250 << 20, '\n');
    if (kind == QLatin1String("invalid")) { // bytes 0x80 to 0xFF: neither UTF-8 nor Shift-JIS
        QByteArray bytes;
        for (int line = 0; line < 20; ++line) {
            QByteArray part = randomBytes(10 << 20);
            for (char& byte : part)
                byte = char(byte | 0x80);
            bytes += part + "\r\n";
        }
        return bytes;
    }
    return randomBytes(qsizetype(256) << 20);
}

// One click on the log, in this process: its time in ms and the growth of the peak resident
// memory in MB, on standard output.
int clickOnce(const QString& path) {
    auto list = std::make_unique<ResultsList>();
    QLabel best;
    list->resize(800, 400);
    list->show();
    best.show();
    QApplication::processEvents();
    resetPeakResident(getpid());
    const double before = peakResidentMegabytes();
    QElapsedTimer clock;
    clock.start();
    ResultsView view = logAndRead(ResultsLog(path), "TARO", 83, QDateTime::currentDateTime());
    best.setText(view.best ? displayText(view.lines.bytes(*view.best)) : QString());
    list->showNewestFirst(std::move(view.lines));
    list->repaint();
    best.repaint();
    QApplication::processEvents();
    const double milliseconds = double(clock.nsecsElapsed()) / 1e6;
    if (!view.saved) {
        std::fprintf(stderr, "see_all_times: %s\n", qPrintable(view.error));
        return 1;
    }
    std::printf("%f %f\n", milliseconds, peakResidentMegabytes() - before);
    return 0;
}

// Clicks on a fresh copy of the log in fresh processes; prints the figures.
bool measure(const QString& kind, const char* name, const char* timeTarget,
             const char* memoryTarget) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("results.txt"));
    const QByteArray log = logOfKind(kind);
    std::vector<double> times, growth;
    for (int run = 0; run <= runs(kRuns); ++run) { // the first one warms up
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(log) != log.size())
            return false;
        file.close();
        QProcess process;
        process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--once"), path});
        if (!process.waitForFinished(120000) || process.exitCode() != 0)
            return false;
        const QList<QByteArray> values = process.readAllStandardOutput().trimmed().split(' ');
        if (values.size() != 2)
            return false;
        if (run > 0) {
            times.push_back(values[0].toDouble());
            growth.push_back(values[1].toDouble());
        }
    }
    printFigure(("See All Times, " + std::string(name)).c_str(), times, 1, "ms", timeTarget);
    printFigure(("See All Times, " + std::string(name) + ", memory growth").c_str(), growth, 1,
                "MB", memoryTarget);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (app.arguments().size() == 3 && app.arguments()[1] == QStringLiteral("--once"))
        return clickOnce(app.arguments()[2]);
    const bool measured = measure("100k", "100,000 records", "<= 80", "<= 40") &&
                          measure("1M", "1,000,000 records", "-", "-") &&
                          measure("empty", "250 MB of empty lines", "<= 2000", "<= 300") &&
                          measure("invalid", "20 lines of 10 MB not UTF-8", "<= 2000", "<= 300") &&
                          measure("random", "256 MB of random bytes", "<= 2000", "<= 300");
    if (!measured)
        std::fprintf(stderr, "see_all_times: a click failed\n");
    return measured ? 0 : 1;
}
