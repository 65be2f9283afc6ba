// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "figures.h"

#include <QtGlobal>
#include <algorithm>
#include <cstdio>

namespace pictolex::bench {

void sample(const QString& name, double value, const char* unit, const char* target) {
    std::printf("SAMPLE\t%s\t%.4f\t%s\t%s\n", qPrintable(name), value, unit, target);
    std::fflush(stdout);
}

bool quick() {
    return qEnvironmentVariableIntValue("PICTOLEX_BENCH_QUICK") == 1;
}

int firstRun() {
    return quick() ? 1 : 0;
}

int runs(int full) {
    return quick() ? 1 : full;
}

double msSince(Instant start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(p * double(values.size())))];
}

} // namespace pictolex::bench
