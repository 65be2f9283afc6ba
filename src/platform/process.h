// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace pictolex {

// What the process is told before anything else runs, while it has one thread: Qt and the
// sound library read it as they start.

// A write that would make a file larger than the process may (ulimit -f) fails with EFBIG
// instead of killing the game halfway through it, so the game can take back a part written
// and say why.
void ignoreFileSizeSignal();

// The sound library's own complaints (a shared memory it cannot make under a file size limit,
// a server it cannot reach) go to the system log, not to the player's terminal, unless the
// player chose otherwise.
void sendSoundLibraryLogToSystemLog();

// All threads allocate from one memory pool: the game's few threads (the display's events, the
// sound, the reading of the font configuration) seldom allocate at once, and a pool of each's
// own would keep what each frees for itself alone, some hundreds of kilobytes in all.
void shareOneMemoryPool();

} // namespace pictolex
