// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/results_log.h"

#include "results/best_record.h"
#include "results/file_lock.h"
#include "results/log_file_io.h"
#include "results/results_record.h"

#include <QCoreApplication>
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
    return QCoreApplication::translate("Results", "Your time could not be saved, because %1.")
        .arg(reason);
}

QString maybeSaved(const QString& reason) {
    return QCoreApplication::translate(
               "Results", "Your time may have been saved, but the disk did not confirm it, "
                          "because %1.")
        .arg(reason);
}

QString notRead(const QString& reason) {
    return QCoreApplication::translate("Results", "The times could not be read, because %1.")
        .arg(reason);
}

QString notAllRead(const QString& reason) {
    return QCoreApplication::translate("Results", "Only the newest times are shown, because %1.")
        .arg(reason);
}

// Why there is no folder for the log: a home of no absolute path is no home.
QString noHomeText() {
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty())
        return QCoreApplication::translate(
            "Results", "there is no home folder to keep it in (HOME is not set)");
    return QCoreApplication::translate(
               "Results", "there is no home folder to keep it in: HOME is %1, which is not an "
                          "absolute path (one that starts with /)")
        .arg(u'“' + home + u'”');
}

} // namespace

ResultsLog::ResultsLog(QString filePath, AppendCalls calls)
    : path_(std::move(filePath)), calls_(calls) {}

QString ResultsLog::append(const QString& line, bool* mayBeSaved) const {
    if (mayBeSaved)
        *mayBeSaved = false;
    if (path_.isEmpty())
        return notSaved(noHomeText());
    if (line.contains(u'\n') || line.contains(u'\r'))
        return notSaved(QCoreApplication::translate("Results", "the record holds a line break"));
    if (const QString reason = makeFolder(QFileInfo(path_).absolutePath()); !reason.isEmpty())
        return notSaved(reason);
    FileLock lock(lockPath(path_));
    if (const QString reason = lock.acquire(FileLock::Mode::Exclusive, kAppendLockWait);
        !reason.isEmpty())
        return notSaved(reason);
    bool mayBeInFile = false;
    const QString reason = appendLineToFile(path_, line.toUtf8(), calls_, mayBeInFile);
    if (mayBeSaved)
        *mayBeSaved = mayBeInFile;
    if (reason.isEmpty())
        return {};
    return mayBeInFile ? maybeSaved(reason) : notSaved(reason);
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
    LogRead read = readLogFile(path_);
    if (error && !read.failed.isEmpty())
        *error = notRead(read.failed);
    else if (error && !read.onlySome.isEmpty())
        *error = notAllRead(read.onlySome);
    return std::move(read.lines);
}

ResultsView logAndRead(const ResultsLog& log, const QString& name, qint64 elapsedSeconds,
                       const QDateTime& now) {
    ResultsView view;
    const QString saving = log.append(formatRecord(name, elapsedSeconds, now), &view.mayBeSaved);
    view.saved = saving.isEmpty();
    if (!view.saved && !view.mayBeSaved) {
        view.error = saving;
        return view;
    }
    try {
        view.lines = log.read(&view.error);
        view.best = chooseBest(view.lines);
    } catch (const std::bad_alloc&) {
        view.lines = {};
        view.error = notRead(QCoreApplication::translate("Results", "there is not enough memory"));
    }
    if (view.mayBeSaved)
        view.error = view.error.isEmpty() ? saving : saving + u' ' + view.error;
    return view;
}

} // namespace pictolex
