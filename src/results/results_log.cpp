#include "results/results_log.h"

#include "results/file_lock.h"
#include "results/log_file_io.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace pictolex {

namespace {

// An append holds the lock for a few milliseconds; waiting longer means a copy of the game
// is stuck while holding it.
constexpr std::chrono::milliseconds appendLockWait(5000);
constexpr std::chrono::milliseconds readLockWait(2000);

QString lockPath(const QString& logPath) {
    return logPath + QStringLiteral(".lock");
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
    // The application's own data folder, ~/.local/share/pictolex, whatever name the running
    // program goes by.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (folder.isEmpty())
        return {};
    return folder + QStringLiteral("/pictolex/results.txt");
}

QString ResultsLog::append(const QString& line) const {
    if (path.isEmpty())
        return notSaved(QStringLiteral("there is no data folder"));
    if (line.contains(u'\n') || line.contains(u'\r'))
        return notSaved(QStringLiteral("the record holds a line break"));
    if (const QString reason = makeFolder(QFileInfo(path).absolutePath()); !reason.isEmpty())
        return notSaved(reason);
    FileLock lock(lockPath(path));
    if (const QString reason = lock.acquire(appendLockWait); !reason.isEmpty())
        return notSaved(reason);
    const QString reason = appendLineToFile(path, line.toUtf8());
    return reason.isEmpty() ? QString() : notSaved(reason);
}

QStringList ResultsLog::read(QString* error) const {
    if (error)
        error->clear();
    if (path.isEmpty())
        return {};
    // The lock keeps a record being appended from showing half written. Reading goes on
    // without it when it cannot be had (a read-only folder cannot hold a lock file).
    FileLock lock(lockPath(path));
    if (QFileInfo::exists(path))
        lock.acquire(readLockWait);
    QString reason;
    const auto lines = readLinesFromFile(path, &reason);
    if (!reason.isEmpty() && error)
        *error = notRead(reason);
    return lines;
}

} // namespace pictolex
