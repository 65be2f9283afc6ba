// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/descriptor.h"

#include <QString>

#include <chrono>

namespace pictolex {

// A lock on a lock file, held from a successful acquire() until the object goes: shared by
// any number of readers, or held by one writer alone.
// The lock is the operating system's lock on the open file (flock), so it ends with the
// process that holds it, even one that is killed: a lock is never left behind. The lock file
// itself is never deleted, since a process waiting on it would then lock a file of its own.
class FileLock {
public:
    explicit FileLock(QString lockFilePath);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    enum class Mode { Shared, Exclusive };

    // Creates the lock file if it can and waits up to the timeout for the lock. Answers an
    // empty text, or the reason in plain words.
    QString acquire(Mode mode, std::chrono::milliseconds timeout);

private:
    QString path_;
    Descriptor fd_;
};

} // namespace pictolex
