#include "startup_figures.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace pictolex {

namespace {

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

} // namespace

Spread spreadOf(std::vector<double> values) {
    if (values.empty())
        throw std::invalid_argument("no measurements");
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    const double median =
        values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    return {median, values.front(), values.back()};
}

std::string figureLine(const std::string& name, const Spread& spread, int runs,
                       const std::string& unit, const std::string& target) {
    return "FIGURE\t" + name + '\t' + number(spread.median) + '\t' + unit + '\t' + target +
           "\tmin " + number(spread.min) + ", max " + number(spread.max) + ", " +
           std::to_string(runs) + " runs";
}

} // namespace pictolex
