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

} // namespace pictolex
