// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/process.h"

#include <csignal>
#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace pictolex {

void ignoreFileSizeSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

void sendSoundLibraryLogToSystemLog() {
    // PulseAudio's client library writes to standard error unless this is set.
    if (!std::getenv("PULSE_LOG_JOURNAL"))
        ::setenv("PULSE_LOG_SYSLOG", "1", 0);
}

void shareOneMemoryPool() {
#if defined(__GLIBC__)
    mallopt(M_ARENA_MAX, 1);
#endif
}

} // namespace pictolex
