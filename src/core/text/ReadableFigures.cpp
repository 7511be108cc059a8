// SPDX-License-Identifier: MIT
#include "text/ReadableFigures.h"

#include <fmt/format.h>

#include <charconv>
#include <cmath>

namespace quorvane {

namespace {

bool isMoney(std::string_view key) {
    return key == "dollars" || key == "zdollars" || key == "dollars_per_sgp" ||
           key.ends_with(".dollars");
}

}  // namespace

std::string readableFigure(std::string_view key, std::string_view value) {
    double number = 0.0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error != std::errc() || end != value.data() + value.size() ||
        value.find_first_of(".eE") == std::string_view::npos) {
        return std::string(value);
    }
    const int decimals = isMoney(key) ? 2 : 3;
    const double scale = std::pow(10.0, decimals);
    // Halves away from zero as people round, not to the nearest binary neighbour.
    const double rounded = std::round(number * scale) / scale;
    return fmt::format("{:.{}f}", rounded + 0.0, decimals);
}

}  // namespace quorvane
