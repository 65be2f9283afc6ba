// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/results_log.h"

#include "results/best_record.h"
#include "results/file_lock.h"
#include "results/log_file_io.h"
#include "results/results_record.h"

#include <QFileInfo>

namespace pictolex {

namespace {

// An append holds the lock for a few milliseconds; waiting longer means a copy of the game
// is stuck while holding it.
constexpr std::chrono::milliseconds kAppendLockWait(5000);
constexpr std::chrono::milliseconds kReadLockWait(2000);

QString lockPath(const QString& logPath) {
    return logPath + QStringLiteral(".lock");
}

QString notSaved(const QString& reason) {
    return QStringLiteral("Your time could not be saved, because %1.").arg(reason);
}

QString notRead(const QString& reason) {
    return QStringLiteral("The times could not be read, because %1.").arg(reason);
}

QString notAllRead(const QString& reason) {
    return QStringLiteral("Only the newest times are shown, because %1.").arg(reason);
}

} // namespace

ResultsLog::ResultsLog(QString filePath) : path_(std::move(filePath)) {}

QString ResultsLog::append(const QString& line) const {
    if (path_.isEmpty())
        return notSaved(QStringLiteral("there is no data folder"));
    if (line.contains(u'\n') || line.contains(u'\r'))
        return notSaved(QStringLiteral("the record holds a line break"));
    if (const QString reason = makeFolder(QFileInfo(path_).absolutePath()); !reason.isEmpty())
        return notSaved(reason);
    FileLock lock(lockPath(path_));
    if (const QString reason = lock.acquire(FileLock::Mode::Exclusive, kAppendLockWait);
        !reason.isEmpty())
        return notSaved(reason);
    const QString reason = appendLineToFile(path_, line.toUtf8());
    return reason.isEmpty() ? QString() : notSaved(reason);
}

LogLines ResultsLog::read(QString* error) const {
    if (error)
        error->clear();
    if (path_.isEmpty())
        return {};
    // The lock keeps a record being appended from showing half written. Reading goes on
    // without it when it cannot be had (a read-only folder cannot hold a lock file).
    FileLock lock(lockPath(path_));
    if (QFileInfo::exists(path_))
        lock.acquire(FileLock::Mode::Shared, kReadLockWait);
    QString reason;
    LogLines lines = readLogFile(path_, reason);
    if (!reason.isEmpty() && error)
        *error = lines.isEmpty() ? notRead(reason) : notAllRead(reason);
    return lines;
}

ResultsView logAndRead(const ResultsLog& log, const QString& name, qint64 elapsedSeconds,
                       const QDateTime& now) {
    ResultsView view;
    view.error = log.append(formatRecord(name, elapsedSeconds, now));
    if (!view.error.isEmpty())
        return view;
    view.saved = true;
    try {
        view.lines = log.read(&view.error);
        view.best = chooseBest(view.lines);
    } catch (const std::bad_alloc&) {
        view.lines = {};
        view.error = notRead(QStringLiteral("there is not enough memory"));
    }
    return view;
}

} // namespace pictolex
