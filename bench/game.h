// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QTemporaryDir>

namespace pictolex::bench {

// The game beside this program, as every benchmark starts and ends it: with XDG_DATA_HOME and
// XDG_RUNTIME_DIR folders of its own, and, when given, a copy of the files of `ownFiles` in the
// player's own folder (XDG_DATA_HOME/pictolex). Its standard output is dropped, its errors go
// to this program's. When this object goes, the game gets SIGTERM, and SIGKILL after 2 s.
class Game {
public:
    explicit Game(const QString& ownFiles = {});
    ~Game();

    // Throws std::runtime_error when the game cannot be started.
    void start();
    pid_t pid() const { return pid_t(process_.processId()); }
    bool running();

private:
    QTemporaryDir data_;
    QTemporaryDir runtime_;
    QProcess process_;
};

} // namespace pictolex::bench
