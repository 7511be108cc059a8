// SPDX-License-Identifier: MIT
#include "headtohead/WeekChances.h"

#include <cmath>
#include <numbers>
#include <numeric>

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

namespace {

// The chance of each number of category wins among the categories but `skipped` (none when it
// is past the end), built one category at a time.
std::vector<double> winCounts(std::span<const double> chances, std::size_t skipped) {
    std::vector<double> wins(chances.size() + 1, 0.0);
    wins[0] = 1.0;
    std::size_t taken = 0;
    for (std::size_t c = 0; c < chances.size(); ++c) {
        if (c == skipped) {
            continue;
        }
        const double chance = chances[c];
        ++taken;
        for (std::size_t k = taken; k > 0; --k) {
            wins[k] = wins[k] * (1.0 - chance) + wins[k - 1] * chance;
        }
        wins[0] *= 1.0 - chance;
    }
    return wins;
}

// What k category wins out of `categories` are worth: the week, half of it, or nothing.
double weekShare(std::size_t k, std::size_t categories) {
    return 2 * k > categories ? 1.0 : 2 * k == categories ? 0.5 : 0.0;
}

}  // namespace

double weekWinChance(std::span<const double> chances) {
    const std::vector<double> wins = winCounts(chances, chances.size());
    double week = 0.0;
    for (std::size_t k = 0; k < wins.size(); ++k) {
        week += wins[k] * weekShare(k, chances.size());
    }
    return week;
}

std::vector<double> weekWinChanceSlopes(std::span<const double> chances) {
    const std::size_t categories = chances.size();
    std::vector<double> slopes(categories, 0.0);
    for (std::size_t c = 0; c < categories; ++c) {
        const std::vector<double> others = winCounts(chances, c);
        for (std::size_t k = 0; k < categories; ++k) {
            slopes[c] += others[k] * (weekShare(k + 1, categories) - weekShare(k, categories));
        }
    }
    return slopes;
}

}  // namespace quorvane
