// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/log_file_io.h"

#include "platform/descriptor.h"

#include <QCoreApplication>
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
        return QCoreApplication::translate("Results", "there is no permission to use %1")
            .arg(filePath);
    case ENOSPC:
    case EDQUOT:
        return QCoreApplication::translate("Results", "the disk is full");
    case EROFS:
        return QCoreApplication::translate("Results", "the disk of %1 can only be read")
            .arg(filePath);
    case EFBIG:
        return QCoreApplication::translate("Results", "%1 has grown as large as it may")
            .arg(filePath);
    case EISDIR:
        return QCoreApplication::translate("Results", "a folder stands where the file %1 should be")
            .arg(filePath);
    case ENOTDIR:
        return QCoreApplication::translate("Results",
                                           "a file stands where a folder of %1 should be")
            .arg(filePath);
    default:
        return QCoreApplication::translate("Results", "of an error with %1: %2")
            .arg(filePath, QString::fromLocal8Bit(std::strerror(error)));
    }
}

namespace {

QByteArray nativePath(const QString& path) {
    return QFile::encodeName(path);
}

bool canAccess(const QString& path, int mode) {
    return ::faccessat(AT_FDCWD, nativePath(path).constData(), mode, AT_EACCESS) == 0;
}

} // namespace

QString openErrorReason(int error, const QString& filePath) {
    if (error == EACCES || error == EPERM) {
        const QString folder = QFileInfo(filePath).absolutePath();
        if (!canAccess(folder, X_OK) || !canAccess(filePath, F_OK))
            return fileErrorReason(error, folder);
    }
    return fileErrorReason(error, filePath);
}

qsizetype ordinaryFileSize(int fd, const QString& filePath, QString& reason) {
    struct stat info {};
    if (fd < 0) {
        reason = openErrorReason(errno, filePath);
        return -1;
    }
    if (::fstat(fd, &info) != 0) {
        reason = fileErrorReason(errno, filePath);
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        reason = S_ISDIR(info.st_mode)
                     ? fileErrorReason(EISDIR, filePath)
                     : QCoreApplication::translate("Results", "%1 is not an ordinary file")
                           .arg(filePath);
        return -1;
    }
    return qsizetype(info.st_size);
}

AppendCalls systemAppendCalls() {
    return {::fsync, ::ftruncate, ::close};
}

namespace {

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

// Takes back the `written` bytes just appended to a file of `before` bytes, unless something
// else has written to it meanwhile. Answers whether the file is as it was.
bool takeBack(int fd, qsizetype before, qsizetype written, const AppendCalls& calls) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && info.st_size == before + written &&
           calls.ftruncate(fd, off_t(before)) == 0;
}

// Makes the bytes written last: syncs them, then closes a second descriptor of the file, where
// a network disk reports what it could not write; the first stays open to take them back.
// Answers errno, or 0.
int makeLasting(int fd, const AppendCalls& calls) {
    if (calls.fsync(fd) != 0 && errno != EINVAL) // EINVAL: a file that needs no sync
        return errno;
    const int second = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (second < 0)
        return errno;
    return calls.close(second) == 0 ? 0 : errno;
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
        return QCoreApplication::translate("Results", "a file stands where the folder %1 should be")
            .arg(folder);
    const QString parent = info.absolutePath();
    if (parent != info.absoluteFilePath()) {
        if (const QString reason = makeFolder(parent); !reason.isEmpty())
            return reason;
    }
    if (::mkdir(nativePath(folder).constData(), 0777) != 0 && errno != EEXIST)
        return fileErrorReason(errno, folder);
    return {};
}

QString appendLineToFile(const QString& filePath, const QByteArray& line, const AppendCalls& calls,
                         bool& mayBeInFile) {
    mayBeInFile = false;
    const QByteArray name = nativePath(filePath);
    const bool isNew = ::access(name.constData(), F_OK) != 0;
    const Descriptor fd(
        ::open(name.constData(), O_RDWR | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666));
    QString reason;
    const qsizetype before = ordinaryFileSize(fd.get(), filePath, reason);
    if (before < 0)
        return reason;
    const QByteArray bytes = separatorBefore(fd.get(), before) + line + QByteArray("\r\n");
    qsizetype written = 0;
    if (const int error = writeAll(fd.get(), bytes, written)) {
        // No half record stays behind.
        if (written > 0)
            takeBack(fd.get(), before, written, calls);
        return fileErrorReason(error, filePath);
    }
    // A record the disk did not confirm is taken back too, so that trying again adds it once.
    if (const int error = makeLasting(fd.get(), calls)) {
        mayBeInFile = !takeBack(fd.get(), before, written, calls);
        return fileErrorReason(error, filePath);
    }
    if (isNew)
        syncFolder(QFileInfo(filePath).absolutePath());
    return {};
}

LogRead readLogFile(const QString& filePath) {
    LogRead read;
    const Descriptor fd(
        ::open(nativePath(filePath).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0 && errno == ENOENT)
        return read;
    const qsizetype size = ordinaryFileSize(fd.get(), filePath, read.failed);
    if (size < 0)
        return read;
    // A log too large to hold is read from its end: its newest records, from a line's start.
    const qsizetype from = std::max<qsizetype>(0, size - kMaxLogBytes);
    auto bytes = std::make_shared<LogBytes>(size - from);
    if (const int error = readAll(fd.get(), from, *bytes)) {
        read.failed = fileErrorReason(error, filePath);
        return read;
    }
    if (from > 0) {
        // The line it starts in is not whole.
        const void* firstEnd = std::memchr(bytes->data(), '\n', size_t(bytes->size()));
        bytes->dropFront(firstEnd ? static_cast<const char*>(firstEnd) - bytes->data() + 1
                                  : bytes->size());
        read.onlySome = QCoreApplication::translate("Results", "%1 is larger than %2 MB")
                            .arg(filePath)
                            .arg(kMaxLogBytes >> 20);
    }
    read.lines = LogLines(std::move(bytes));
    if (read.lines.isCut())
        read.onlySome = QCoreApplication::translate("Results", "%1 holds more than %L2 lines")
                            .arg(filePath)
                            .arg(kMaxLogLines);
    return read;
}

} // namespace pictolex
