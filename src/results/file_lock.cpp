// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/file_lock.h"

#include "results/log_file_io.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace pictolex {

namespace {

// The holder keeps the lock for one append: a few milliseconds. Trying again this often
// catches the moment it lets go, even when the holder appends again straight away.
constexpr std::chrono::microseconds kRetryInterval(200);

} // namespace

FileLock::FileLock(QString lockFilePath) : path_(std::move(lockFilePath)) {}

FileLock::~FileLock() = default;

QString FileLock::acquire(Mode mode, std::chrono::milliseconds timeout) {
    if (fd_.get() < 0) {
        // Opening never waits, whatever stands there; only an ordinary file is locked.
        const QByteArray name = QFile::encodeName(path_);
        fd_.reset(::open(name.constData(), O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666));
        // A folder that cannot be written to may still hold a lock file to lock.
        const int error = errno;
        if (fd_.get() < 0 && (error == EACCES || error == EROFS))
            fd_.reset(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
        if (fd_.get() < 0)
            return openErrorReason(error, path_);
        if (QString reason; ordinaryFileSize(fd_.get(), path_, reason) < 0) {
            fd_.reset();
            return reason;
        }
    }
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    const int operation = mode == Mode::Shared ? LOCK_SH : LOCK_EX;
    while (::flock(fd_.get(), operation | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return fileErrorReason(errno, path_);
        if (std::chrono::steady_clock::now() >= deadline)
            return QCoreApplication::translate("Results", "another copy of Pictolex kept %1 locked")
                .arg(path_);
        std::this_thread::sleep_for(kRetryInterval);
    }
    return {};
}

} // namespace pictolex
