// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// "See All Times" on five logs (README.md), each click the first of a fresh process (this
// program again with --once), which pays for touching new memory as a player's would.
#include "figures.h"
#include "game.h"
#include "proc.h"
#include "results/results_list.h"
#include "results/results_log.h"
#include "results/results_record.h"

#include <QApplication>
#include <QLabel>
#include <QRandomGenerator>
#include <cstdio>
#include <fstream>
#include <unistd.h>

using namespace pictolex;
using namespace pictolex::bench;

namespace {

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

// Random bytes; with `high`, 0x80 to 0xFF alone, neither UTF-8 nor Shift-JIS.
QByteArray randomBytes(int megabytes, bool high) {
    QByteArray bytes(qsizetype(megabytes) << 20, Qt::Uninitialized);
    QRandomGenerator(64).fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
    for (char& byte : bytes)
        byte = char(high ? byte | 0x80 : byte);
    return bytes;
}

struct Log {
    const char *name, *timeTarget, *memoryTarget;
    QByteArray (*bytes)();
};
const Log kLogs[] = {
    {"100,000 records", "<= 80", "<= 40", [] { return records(100000); }},
    {"1,000,000 records", "-", "-", [] { return records(1000000); }},
    {"250 MB of empty lines", "<= 2000", "<= 300",
     [] { return records(1) + QByteArray(250 << 20, '\n'); }},
    {"20 lines of 10 MB not UTF-8", "<= 2000", "<= 300",
     [] { return (randomBytes(10, true) + "\r\n").repeated(20); }},
    {"256 MB of random bytes", "<= 2000", "<= 300", [] { return randomBytes(256, false); }}};

int clickOnce(const Log& log, const QString& path) {
    ResultsList list;
    QLabel best;
    list.resize(800, 400);
    list.show();
    best.show();
    QApplication::processEvents();
    resetPeakResident(getpid());
    const double before = statusMegabytes(getpid(), "VmHWM");
    const Instant start = std::chrono::steady_clock::now();
    ResultsView view = logAndRead(ResultsLog(path), "TARO", 83, QDateTime::currentDateTime());
    best.setText(view.best ? displayText(view.lines.bytes(*view.best)) : QString());
    list.showNewestFirst(std::move(view.lines));
    list.repaint();
    best.repaint();
    QApplication::processEvents();
    const double milliseconds = msSince(start);
    if (!view.saved)
        throw std::runtime_error(view.error.toStdString());
    sample(QStringLiteral("See All Times, ") + log.name, milliseconds, "ms", log.timeTarget);
    sample(QStringLiteral("See All Times, %1, memory growth").arg(log.name),
           statusMegabytes(getpid(), "VmHWM") - before, "MB", log.memoryTarget);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    try {
        if (argc == 4 && QByteArray(argv[1]) == "--once")
            return clickOnce(kLogs[std::atoi(argv[2])], argv[3]);
        const QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("results.txt"));
        for (int kind = 0; kind < int(std::size(kLogs)); ++kind) {
            const QByteArray bytes = kLogs[kind].bytes();
            for (int run = firstRun(); run <= runs(5); ++run) {
                if (!std::ofstream(path.toStdString()).write(bytes.data(), bytes.size()))
                    throw std::runtime_error("cannot write the log"); // afresh: a click adds
                Game({}, {"--once", QString::number(kind), path}, run > 0).run();
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_see_all_times: %s\n", error.what());
        return 1;
    }
    return 0;
}
