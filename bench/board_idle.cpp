// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real game with its board open and nothing happening: the processor time it uses over
// 10 seconds (utime + stime from /proc/<pid>/stat, all its threads), and its resident memory
// (VmRSS from /proc/<pid>/status) at the end. The board is reached as a player reaches it,
// by clicking "Start" with xdotool on the display named by DISPLAY. Each run is a fresh game
// with its own XDG_DATA_HOME and XDG_RUNTIME_DIR; one warm-up run comes first.
#include "board_session.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <cstdio>
#include <unistd.h>

using namespace pictolex::bench;

namespace {

constexpr int runs = 5;
constexpr int settleMs = 3000; // after the board is shown, before the idle time is counted
constexpr int idleMs = 10000;

QString xdotool(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral("xdotool"), args);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// The client area of a window on the screen, whatever frame the window manager adds.
QRect geometry(const QString& window) {
    QProcess xwininfo;
    xwininfo.start(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window});
    xwininfo.waitForFinished(5000);
    QHash<QString, int> values;
    for (const QString& line : QString::fromUtf8(xwininfo.readAllStandardOutput()).split('\n')) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon > 0)
            values.insert(line.left(colon).trimmed(), line.mid(colon + 1).trimmed().toInt());
    }
    return QRect(values.value(QStringLiteral("Absolute upper-left X")),
                 values.value(QStringLiteral("Absolute upper-left Y")),
                 values.value(QStringLiteral("Width")), values.value(QStringLiteral("Height")));
}

// The client area of the game's visible window titled "Pictolex" whose width is in range.
std::optional<QRect> waitForWindow(QProcess& game, int minWidth, int maxWidth) {
    const QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired() && game.state() == QProcess::Running) {
        const QString found = xdotool({QStringLiteral("search"), QStringLiteral("--all"),
                                       QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                       QString::number(game.processId()), QStringLiteral("--name"),
                                       QStringLiteral("^Pictolex$")});
        for (const QString& window : found.split('\n', Qt::SkipEmptyParts)) {
            const QRect r = geometry(window);
            if (r.width() >= minWidth && r.width() <= maxWidth)
                return r;
        }
        QThread::msleep(50);
    }
    return std::nullopt;
}

// Clock ticks of processor time used by the process so far, user and system.
long cpuTicks(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    // The fields after the command name, which may hold blanks, start after its ')'.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    // utime and stime are fields 14 and 15 of the line, 12 and 13 after the name.
    return fields.size() > 12 ? fields[11].toLong() + fields[12].toLong() : -1;
}

// Nanoseconds on a processor of all the process's threads, from the scheduler's accounts.
double cpuNanoseconds(qint64 pid) {
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    double total = 0;
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile schedstat(tasks.filePath(task + QStringLiteral("/schedstat")));
        if (schedstat.open(QIODevice::ReadOnly))
            total += schedstat.readAll().split(' ').value(0).toDouble();
    }
    return total;
}

// A line of /proc/<pid>/status in kB, as megabytes of 10^6 bytes.
double statusMegabytes(qint64 pid, const char* key) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qsizetype(qstrlen(key))).trimmed().split(' ').value(0).toDouble() *
                   1024 / 1e6;
    return -1;
}

struct Run {
    double cpuPercent = 0, schedPercent = 0, residentMb = 0, peakMb = 0;
};

void stop(QProcess& game) {
    ::kill(pid_t(game.processId()), SIGTERM);
    if (!game.waitForFinished(2000)) {
        game.kill();
        game.waitForFinished();
    }
}

std::optional<Run> measure(const QString& gamePath, bool count) {
    QTemporaryDir data, runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcess game;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    game.setProcessEnvironment(env);
    game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    game.setStandardOutputFile(QProcess::nullDevice());
    game.start(gamePath, {});
    if (!game.waitForStarted())
        return std::nullopt;

    std::optional<Run> run;
    const std::optional<QRect> start = waitForWindow(game, 400, 600);
    if (start) {
        const QPoint button = start->topLeft() + QPoint(348 + 54, 274 + 16);
        xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(button.x()),
                 QString::number(button.y()), QStringLiteral("click"), QStringLiteral("1")});
    }
    if (start && waitForWindow(game, 900, 100000)) {
        // The pointer rests on the blue between the grid and the buttons.
        xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QStringLiteral("1000"),
                 QStringLiteral("900")});
        QThread::msleep(count ? settleMs : 1000);
        if (count) {
            const qint64 pid = game.processId();
            const long ticks = cpuTicks(pid);
            const double nanoseconds = cpuNanoseconds(pid);
            QThread::msleep(idleMs);
            const double perTick = 1.0 / double(::sysconf(_SC_CLK_TCK));
            Run r;
            r.cpuPercent = double(cpuTicks(pid) - ticks) * perTick / (idleMs / 1000.0) * 100;
            r.schedPercent = (cpuNanoseconds(pid) - nanoseconds) / (idleMs * 1e6) * 100;
            r.residentMb = statusMegabytes(pid, "VmRSS:");
            r.peakMb = statusMegabytes(pid, "VmHWM:");
            if (game.state() == QProcess::Running && ticks >= 0)
                run = r;
        } else {
            run = Run{};
        }
    }
    stop(game);
    return run;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "needs DISPLAY with a window manager, as bench/run gives\n");
        return 1;
    }
    const QString gamePath = QCoreApplication::applicationDirPath() + QStringLiteral("/pictolex");
    if (!measure(gamePath, false)) {
        std::fprintf(stderr, "warm-up: the board did not open\n");
        return 1;
    }
    std::vector<double> cpu, sched, resident;
    for (int i = 0; i < runs; ++i) {
        const std::optional<Run> run = measure(gamePath, true);
        if (!run) {
            std::fprintf(stderr, "run %d: the board did not open\n", i + 1);
            return 1;
        }
        std::fprintf(stderr,
                     "run %d: %.3f %% of a core (stat), %.3f %% (schedstat), VmRSS %.1f MB, "
                     "VmHWM %.1f MB\n",
                     i + 1, run->cpuPercent, run->schedPercent, run->residentMb, run->peakMb);
        cpu.push_back(run->cpuPercent);
        sched.push_back(run->schedPercent);
        resident.push_back(run->residentMb);
    }
    printFigure("idle board, processor use over 10 s", cpu, 2, "%", "<= 0.5");
    printFigure("idle board, processor use (scheduler, ns)", sched, 3, "%", "-");
    printFigure("resident memory with the board open", resident, 1, "MB", "<= 60");
    return 0;
}
