// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "figures.h"

#include <QtGlobal>
#include <algorithm>
#include <cstdio>

namespace pictolex::bench {

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void printFigure(const char* name, const std::vector<double>& values, int decimals,
                 const char* unit, const char* target, const char* detail) {
    const auto [least, most] = std::minmax_element(values.begin(), values.end());
    std::printf("FIGURE\t%s\t%.*f\t%s\t%s\tmin %.*f, max %.*f, %zu runs%s\n", name, decimals,
                median(values), unit, target, decimals, *least, decimals, *most, values.size(),
                detail);
    std::fflush(stdout);
}

bool quick() {
    return qEnvironmentVariableIntValue("PICTOLEX_BENCH_QUICK") == 1;
}

int runs(int full) {
    return quick() ? 1 : full;
}

} // namespace pictolex::bench
