// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace pictolex::bench {

// The median of a non-empty set of measurements; of an even count, the mean of the middle two.
double median(std::vector<double> values);

// Prints one FIGURE line for bench/run (see README.md): the median with the given number of
// decimals, then the least and the greatest value and the count of runs, and any detail.
void printFigure(const char* name, const std::vector<double>& values, int decimals,
                 const char* unit, const char* target, const char* detail = "");

// Quick mode, PICTOLEX_BENCH_QUICK=1 (bench/run --quick): one short run and no warm-up.
bool quick();
// How many runs to count: `full`, or one in quick mode.
int runs(int full);

} // namespace pictolex::bench
