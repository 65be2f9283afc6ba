// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/log_file_io.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pictolex {

QString fileErrorReason(int error, const QString& filePath) {
    switch (error) {
    case EACCES:
    case EPERM:
        return QStringLiteral("there is no permission to use %1").arg(filePath);
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("the disk is full");
    case EROFS:
        return QStringLiteral("the disk of %1 can only be read").arg(filePath);
    case EFBIG:
        return QStringLiteral("%1 has grown as large as it may").arg(filePath);
    case EISDIR:
        return QStringLiteral("a folder stands where the file %1 should be").arg(filePath);
    case ENOTDIR:
        return QStringLiteral("a file stands where a folder of %1 should be").arg(filePath);
    default:
        return QStringLiteral("of an error with %1: %2")
            .arg(filePath, QString::fromLocal8Bit(std::strerror(error)));
    }
}

namespace {

// Closes the descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int descriptor) : fd_(descriptor) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and answers errno, or 0.
    int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

QByteArray nativePath(const QString& path) {
    return QFile::encodeName(path);
}

// Opens the log without waiting on it, whatever it is, and makes sure it is an ordinary file:
// a pipe or a device would block the game, or never end. Answers the file's size, or -1 with
// the reason.
qsizetype openOrdinaryFile(Descriptor& fd, const QString& filePath, QString& reason) {
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) {
        reason = fileErrorReason(errno, filePath);
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        reason = S_ISDIR(info.st_mode) ? fileErrorReason(EISDIR, filePath)
                                       : QStringLiteral("%1 is not an ordinary file").arg(filePath);
        return -1;
    }
    return qsizetype(info.st_size);
}

// The line end to write before a new line: none when the file is empty or ends with LF,
// LF when it ends with CR, CR LF otherwise.
QByteArray separatorBefore(int fd, qsizetype size) {
    char last = 0;
    if (size == 0 || ::pread(fd, &last, 1, size - 1) != 1 || last == '\n')
        return {};
    return last == '\r' ? QByteArray("\n") : QByteArray("\r\n");
}

// Writes all bytes: one write() unless the disk takes only a part of them. Answers errno, or
// 0, and counts what went out.
int writeAll(int fd, const QByteArray& bytes, qsizetype& done) {
    done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : ENOSPC;
        done += n;
    }
    return 0;
}

// Reads the bytes from `offset` on into `bytes`, as many as it holds.
int readAll(int fd, qsizetype offset, LogBytes& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::pread(fd, bytes.data() + done, size_t(bytes.size() - done), offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            break; // the file was cut shorter meanwhile
        done += n;
    }
    bytes.shrink(done);
    return 0;
}

// Makes a new file's name in its folder survive a crash.
void syncFolder(const QString& folder) {
    const Descriptor fd(::open(nativePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0)
        ::fsync(fd.get());
}

} // namespace

QString makeFolder(const QString& folder) {
    const QFileInfo info(folder);
    if (info.isDir())
        return {};
    if (info.exists())
        return QStringLiteral("a file stands where the folder %1 should be").arg(folder);
    const QString parent = info.absolutePath();
    if (parent != info.absoluteFilePath()) {
        if (const QString reason = makeFolder(parent); !reason.isEmpty())
            return reason;
    }
    if (::mkdir(nativePath(folder).constData(), 0777) != 0 && errno != EEXIST)
        return fileErrorReason(errno, folder);
    return {};
}

QString appendLineToFile(const QString& filePath, const QByteArray& line) {
    const QByteArray name = nativePath(filePath);
    const bool isNew = ::access(name.constData(), F_OK) != 0;
    Descriptor fd(
        ::open(name.constData(), O_RDWR | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666));
    QString reason;
    const qsizetype before = openOrdinaryFile(fd, filePath, reason);
    if (before < 0)
        return reason;
    const QByteArray bytes = separatorBefore(fd.get(), before) + line + QByteArray("\r\n");
    qsizetype written = 0;
    if (const int error = writeAll(fd.get(), bytes, written)) {
        // No half record stays behind: the bytes that went out are taken back, unless
        // something else wrote to the file meanwhile.
        struct stat info {};
        if (written > 0 && ::fstat(fd.get(), &info) == 0 && info.st_size == before + written &&
            ::ftruncate(fd.get(), before) != 0)
            return fileErrorReason(errno, filePath);
        return fileErrorReason(error, filePath);
    }
    if (::fsync(fd.get()) != 0 && errno != EINVAL)
        return fileErrorReason(errno, filePath);
    if (const int error = fd.close())
        return fileErrorReason(error, filePath);
    if (isNew)
        syncFolder(QFileInfo(filePath).absolutePath());
    return {};
}

LogLines readLogFile(const QString& filePath, QString& reason) {
    reason.clear();
    Descriptor fd(::open(nativePath(filePath).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0 && errno == ENOENT)
        return {};
    const qsizetype size = openOrdinaryFile(fd, filePath, reason);
    if (size < 0)
        return {};
    // A log too large to hold is read from its end: its newest records, from a line's start.
    const qsizetype from = std::max<qsizetype>(0, size - kMaxLogBytes);
    auto bytes = std::make_shared<LogBytes>(size - from);
    if (const int error = readAll(fd.get(), from, *bytes)) {
        reason = fileErrorReason(error, filePath);
        return {};
    }
    if (from > 0) {
        // The line it starts in is not whole.
        const void* firstEnd = std::memchr(bytes->data(), '\n', size_t(bytes->size()));
        bytes->dropFront(firstEnd ? static_cast<const char*>(firstEnd) - bytes->data() + 1
                                  : bytes->size());
        reason = QStringLiteral("%1 is larger than %2 MB").arg(filePath).arg(kMaxLogBytes >> 20);
    }
    return LogLines(std::move(bytes));
}

} // namespace pictolex
