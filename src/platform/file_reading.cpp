// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_reading.h"

#include "platform/descriptor.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pictolex {

namespace {

// Up to `limit` bytes from fd, fewer at the end of the file; nothing on a read error. Room is
// made for `expected` bytes first, and more as more comes.
std::optional<QByteArray> readUpTo(int fd, qint64 limit, qint64 expected) {
    QByteArray data;
    qint64 got = 0;
    for (;;) {
        if (got == data.size()) {
            if (got >= limit)
                break;
            data.resize(qsizetype(std::min(limit, std::max({got * 2, expected, qint64(4096)}))));
        }
        const ssize_t n = ::read(fd, data.data() + got, size_t(data.size() - got));
        if (n == 0)
            break;
        if (n < 0 && errno != EINTR)
            return std::nullopt;
        got += std::max<ssize_t>(n, 0);
    }
    data.truncate(qsizetype(got));
    return data;
}

} // namespace

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes) {
    const Descriptor file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat status {};
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size > maxBytes)
        return std::nullopt;
    // The size it claims is not trusted: a file of the kernel's says 0 and holds more.
    std::optional<QByteArray> data = readUpTo(file.get(), maxBytes + 1, status.st_size + 1);
    if (data && data->size() > maxBytes)
        return std::nullopt;
    return data;
}

} // namespace pictolex
