#pragma once

#include <string>
#include <vector>

namespace pictolex {

// Median, least and greatest of a set of measurements.
struct Spread {
    double median = 0;
    double min = 0;
    double max = 0;
};

// The spread of a non-empty set of measurements; the median of an even count is the mean of
// the two middle values.
Spread spreadOf(std::vector<double> values);

// One line for bench/run: FIGURE, name, median, unit, target and a free detail, tab-separated.
std::string figureLine(const std::string& name, const Spread& spread, int runs,
                       const std::string& unit, const std::string& target);

} // namespace pictolex
