// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>

namespace pictolex {

// A private folder made with mode 0700 and removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// One run of the game with its own data and runtime folders, ended when this object goes.
class GameProcess {
public:
    // Makes fresh private folders for XDG_DATA_HOME and XDG_RUNTIME_DIR; the files in `ownFiles`,
    // when it is given, go into the player's own folder, XDG_DATA_HOME/pictolex.
    explicit GameProcess(const std::filesystem::path& ownFiles = {});
    // Starts `program` with its output sent to `logFile`; throws std::runtime_error when it
    // cannot be started.
    void start(const std::string& program, const std::string& logFile);
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    pid_t pid() const { return pid_; }
    bool running();

    // The peak resident set (VmHWM) in kibibytes, or nothing when the process is gone.
    std::optional<long> peakResidentKiB() const;

    // The processor time all its live threads have run so far, in milliseconds; it shows how much
    // of a start-up was the game's own work on a machine busy with other things.
    double cpuMilliseconds() const;

    // SIGTERM, then SIGKILL when the process has not ended within two seconds.
    void terminate();

private:
    TempFolder dataHome_;
    TempFolder runtimeDir_;
    pid_t pid_ = -1;
    bool reaped_ = false;
};

} // namespace pictolex
