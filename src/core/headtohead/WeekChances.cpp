// SPDX-License-Identifier: MIT
#include "headtohead/WeekChances.h"

#include <cmath>
#include <numbers>
#include <numeric>
#include <vector>

namespace quorvane {

double normalCdf(double x) {
    return 0.5 * std::erfc(-x / std::numbers::sqrt2);
}

double categoryWinChance(const CategoryWeek& a, const CategoryWeek& b, bool fewerIsBetter) {
    if (!a.hasAttempts || !b.hasAttempts) {
        if (a.hasAttempts == b.hasAttempts) {
            return 0.5;
        }
        return a.hasAttempts ? 1.0 : 0.0;
    }
    const double edge = fewerIsBetter ? b.mean - a.mean : a.mean - b.mean;
    const double variance = a.variance + b.variance;
    if (variance <= 0.0) {
        return edge > 0.0 ? 1.0 : edge < 0.0 ? 0.0 : 0.5;
    }
    return normalCdf(edge / std::sqrt(variance));
}

double expectedCategoryWins(std::span<const double> chances) {
    return std::accumulate(chances.begin(), chances.end(), 0.0);
}

double weekWinChance(std::span<const double> chances) {
    // wins[k]: the chance of k category wins among the categories taken so far.
    std::vector<double> wins(chances.size() + 1, 0.0);
    wins[0] = 1.0;
    std::size_t taken = 0;
    for (const double chance : chances) {
        ++taken;
        for (std::size_t k = taken; k > 0; --k) {
            wins[k] = wins[k] * (1.0 - chance) + wins[k - 1] * chance;
        }
        wins[0] *= 1.0 - chance;
    }
    const std::size_t categories = chances.size();
    double week = 0.0;
    for (std::size_t k = 0; k <= categories; ++k) {
        if (2 * k > categories) {
            week += wins[k];
        } else if (2 * k == categories) {
            week += 0.5 * wins[k];
        }
    }
    return week;
}

}  // namespace quorvane
