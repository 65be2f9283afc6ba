// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/log_file_io.h"

#include "results/log_text.h"

#include <QFile>
#include <QFileInfo>

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
    explicit Descriptor(int descriptor) : fd(descriptor) {}
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd; }
    // Closes now and answers errno, or 0.
    int close() {
        const int result = ::close(fd);
        fd = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd;
};

QByteArray nativePath(const QString& path) {
    return QFile::encodeName(path);
}

// The line end to write before a new line: none when the file is empty or ends with LF,
// LF when it ends with CR, CR LF otherwise.
QByteArray separatorBefore(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size == 0)
        return {};
    char last = 0;
    if (::pread(fd, &last, 1, info.st_size - 1) != 1 || last == '\n')
        return {};
    return last == '\r' ? QByteArray("\n") : QByteArray("\r\n");
}

// Writes all bytes: one write() unless the disk takes only a part of them.
int writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
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
    Descriptor fd(::open(name.constData(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666));
    if (fd.get() < 0)
        return fileErrorReason(errno, filePath);
    const QByteArray bytes = separatorBefore(fd.get()) + line + QByteArray("\r\n");
    if (const int error = writeAll(fd.get(), bytes))
        return fileErrorReason(error, filePath);
    if (::fsync(fd.get()) != 0 && errno != EINVAL)
        return fileErrorReason(errno, filePath);
    if (const int error = fd.close())
        return fileErrorReason(error, filePath);
    if (isNew)
        syncFolder(QFileInfo(filePath).absolutePath());
    return {};
}

QStringList readLinesFromFile(const QString& filePath, QString* reason) {
    reason->clear();
    const Descriptor fd(::open(nativePath(filePath).constData(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno != ENOENT)
            *reason = fileErrorReason(errno, filePath);
        return {};
    }
    // Read in pieces: a large log is never held whole in memory besides its lines.
    LogLineDecoder decoder;
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (;;) {
        const ssize_t n = ::read(fd.get(), chunk.data(), size_t(chunk.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *reason = fileErrorReason(errno, filePath);
            return {};
        }
        if (n == 0)
            break;
        decoder.feed(QByteArrayView(chunk.constData(), n));
    }
    return decoder.finish();
}

} // namespace pictolex
