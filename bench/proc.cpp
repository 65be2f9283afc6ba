// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "proc.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace pictolex::bench {

namespace {

std::filesystem::path procOf(pid_t pid) {
    return std::filesystem::path("/proc") / std::to_string(pid);
}

} // namespace

double statusKiB(pid_t pid, const char* field) {
    std::ifstream status(procOf(pid) / "status");
    const std::string key = std::string(field) + ':';
    for (std::string line; std::getline(status, line);)
        if (line.rfind(key, 0) == 0)
            return std::stod(line.substr(key.size()));
    return -1;
}

double cpuMilliseconds(pid_t pid) {
    std::error_code error;
    double nanoseconds = 0;
    for (const auto& task : std::filesystem::directory_iterator(procOf(pid) / "task", error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double running = 0;
        if (schedstat >> running)
            nanoseconds += running;
    }
    return nanoseconds / 1e6;
}

void resetPeakResident(pid_t pid) {
    std::ofstream(procOf(pid) / "clear_refs") << "5";
}

} // namespace pictolex::bench
