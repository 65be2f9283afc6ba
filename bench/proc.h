// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

// What the kernel tells of a process in /proc/<pid>/; no other file of the benchmarks reads it.
namespace pictolex::bench {

// A size in its status, such as "VmHWM" (the peak resident set) or "VmRSS", in MB of 10^6
// bytes; negative when the process is gone.
double statusMegabytes(pid_t pid, const char* field);

// The processor time all its threads have run so far, in ms, from the scheduler's accounts.
double cpuMilliseconds(pid_t pid);

// Sets its peak resident set (VmHWM) back to what is resident now.
void resetPeakResident(pid_t pid);

} // namespace pictolex::bench
