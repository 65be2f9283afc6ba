// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <chrono>
#include <vector>

namespace pictolex::bench {

using Instant = std::chrono::steady_clock::time_point;

// Prints one measurement as a line of standard output, SAMPLE<TAB>name<TAB>value<TAB>unit<TAB>
// target; bench/run reports the median of those of each name (see README.md).
void sample(const QString& name, double value, const char* unit, const char* target);

// Quick mode, PICTOLEX_BENCH_QUICK=1 (bench/run --quick), makes one short run of each. The runs
// are firstRun() to runs(full): run 0 warms up and is not counted, and quick mode has 1 alone.
bool quick();
int firstRun();
int runs(int full);

double msSince(Instant start);
// The value at or below which a share `p` of the values lie (0.5 for the median).
double percentile(std::vector<double> values, double p);

} // namespace pictolex::bench
