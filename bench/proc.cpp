// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "proc.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace pictolex::bench {

double statusMegabytes(pid_t pid, const char* field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    const std::string key = std::string(field) + ':';
    for (std::string line; std::getline(status, line);)
        if (line.rfind(key, 0) == 0)
            return std::stod(line.substr(key.size())) * 1024 / 1e6; // from kB
    return -1;
}

double cpuMilliseconds(pid_t pid) {
    std::error_code error;
    double nanoseconds = 0, running = 0;
    for (const auto& task :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error))
        if (std::ifstream(task.path() / "schedstat") >> running)
            nanoseconds += running;
    return nanoseconds / 1e6;
}

void resetPeakResident(pid_t pid) {
    std::ofstream("/proc/" + std::to_string(pid) + "/clear_refs") << "5";
}

} // namespace pictolex::bench
