#include "results/results_log.h"

#include "results/log_file_io.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace pictolex {

namespace {

// A lock is held for a few milliseconds; one older than this was left by a program that
// died while holding it, and is broken.
constexpr int staleLockMs = 5000;
constexpr int appendLockWaitMs = 6000;
constexpr int readLockWaitMs = 2000;

QString lockPath(const QString& logPath) {
    return logPath + QStringLiteral(".lock");
}

QString lockFailure(const QLockFile& lock, const QString& logPath) {
    switch (lock.error()) {
    case QLockFile::LockFailedError:
        return QStringLiteral("another copy of Pictolex kept the file %1 busy").arg(logPath);
    case QLockFile::PermissionError:
        return QStringLiteral("there is no permission to write in the folder %1")
            .arg(QFileInfo(logPath).absolutePath());
    default:
        return QStringLiteral("the lock file %1 could not be made (is the disk full?)")
            .arg(lockPath(logPath));
    }
}

QString notSaved(const QString& reason) {
    return QStringLiteral("Your time could not be saved, because %1.").arg(reason);
}

QString notRead(const QString& reason) {
    return QStringLiteral("The times could not be read, because %1.").arg(reason);
}

} // namespace

ResultsLog::ResultsLog(QString filePath) : path(std::move(filePath)) {}

QString ResultsLog::defaultPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty())
        return {};
    return folder + QStringLiteral("/results.txt");
}

QString ResultsLog::append(const QString& line) const {
    if (path.isEmpty())
        return notSaved(QStringLiteral("there is no data folder"));
    if (line.contains(u'\n') || line.contains(u'\r'))
        return notSaved(QStringLiteral("the record holds a line break"));
    if (const QString reason = makeFolder(QFileInfo(path).absolutePath()); !reason.isEmpty())
        return notSaved(reason);
    QLockFile lock(lockPath(path));
    lock.setStaleLockTime(staleLockMs);
    if (!lock.tryLock(appendLockWaitMs))
        return notSaved(lockFailure(lock, path));
    const QString reason = appendLineToFile(path, line.toUtf8());
    return reason.isEmpty() ? QString() : notSaved(reason);
}

QStringList ResultsLog::read(QString* error) const {
    if (error)
        error->clear();
    if (path.isEmpty())
        return {};
    // The lock keeps a record being appended from showing half written. Reading goes on
    // without it (a folder without write permission cannot hold a lock file).
    QLockFile lock(lockPath(path));
    lock.setStaleLockTime(staleLockMs);
    if (QFileInfo::exists(path))
        lock.tryLock(readLockWaitMs);
    QString reason;
    const auto lines = readLinesFromFile(path, &reason);
    if (!reason.isEmpty() && error)
        *error = notRead(reason);
    return lines;
}

} // namespace pictolex
