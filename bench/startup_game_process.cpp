// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup_game_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <thread>
#include <vector>

extern char** environ;

namespace pictolex {

namespace {

// The current environment with XDG_DATA_HOME and XDG_RUNTIME_DIR replaced.
std::vector<std::string> gameEnvironment(const std::string& dataHome,
                                         const std::string& runtimeDir) {
    std::vector<std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string variable(*entry);
        if (variable.rfind("XDG_DATA_HOME=", 0) != 0 && variable.rfind("XDG_RUNTIME_DIR=", 0) != 0)
            variables.push_back(variable);
    }
    variables.push_back("XDG_DATA_HOME=" + dataHome);
    variables.push_back("XDG_RUNTIME_DIR=" + runtimeDir);
    return variables;
}

std::vector<char*> pointersTo(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

TempFolder::TempFolder() {
    const std::filesystem::path pattern =
        std::filesystem::temp_directory_path() / "pictolex-XXXXXX";
    std::string name = pattern.string();
    if (mkdtemp(name.data()) == nullptr)
        throw std::runtime_error("cannot make a temporary folder");
    path_ = name;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

GameProcess::GameProcess(const std::filesystem::path& ownFiles) {
    if (!ownFiles.empty())
        std::filesystem::copy(ownFiles, dataHome_.path() / "pictolex");
}

void GameProcess::start(const std::string& program, const std::string& logFile) {
    std::vector<std::string> environment =
        gameEnvironment(dataHome_.path().string(), runtimeDir_.path().string());
    std::vector<std::string> arguments{program};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, logFile.c_str(),
                                     O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    const int failed = posix_spawn(&pid_, program.c_str(), &actions, nullptr,
                                   pointersTo(arguments).data(), pointersTo(environment).data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0)
        throw std::runtime_error("cannot start " + program + ": " + std::strerror(failed));
}

GameProcess::~GameProcess() {
    terminate();
}

bool GameProcess::running() {
    if (pid_ < 0)
        return false;
    if (!reaped_ && waitpid(pid_, nullptr, WNOHANG) == pid_)
        reaped_ = true;
    return !reaped_;
}

std::optional<long> GameProcess::peakResidentKiB() const {
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return std::nullopt;
}

double GameProcess::cpuMilliseconds() const {
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid_) + "/task";
    std::error_code error;
    double nanoseconds = 0;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double running = 0;
        if (schedstat >> running)
            nanoseconds += running;
    }
    return nanoseconds / 1e6;
}

void GameProcess::terminate() {
    if (!running())
        return;
    kill(pid_, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (running() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (running()) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        reaped_ = true;
    }
}

} // namespace pictolex
