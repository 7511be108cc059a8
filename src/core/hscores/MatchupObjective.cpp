// SPDX-License-Identifier: MIT
#include "hscores/MatchupObjective.h"

#include <cmath>
#include <numbers>

#include "headtohead/WeekChances.h"
#include "vocabulary/DraftSettings.h"

namespace quorvane {

namespace {

double normalDensity(double x) {
    return std::exp(-0.5 * x * x) / std::sqrt(2.0 * std::numbers::pi);
}

}  // namespace

double MatchupObjective::mostShare() const {
    switch (kind) {
        case Kind::EachCategory:
            return 0.0;
        case Kind::MostCategories:
            return 1.0;
        case Kind::Blend:
            return lambda;
    }
    return 0.0;
}

MatchupObjective leagueObjective(int headToHeadMode) {
    return {headToHeadMode == kHeadToHeadMostCategories ? MatchupObjective::Kind::MostCategories
                                                        : MatchupObjective::Kind::EachCategory,
            0.0};
}

ObjectiveValue objectiveValue(const MatchupObjective& objective, std::span<const double> edges,
                              std::span<const double> spreads, std::size_t categories) {
    ObjectiveValue result;
    result.slopes.assign(edges.size(), 0.0);
    if (categories == 0 || edges.empty()) {
        return result;
    }
    const std::size_t opponents = edges.size() / categories;
    const double most = objective.mostShare();
    const double each = 1.0 - most;
    std::vector<double> chances(categories);
    std::vector<double> densities(categories);
    for (std::size_t o = 0; o < opponents; ++o) {
        for (std::size_t c = 0; c < categories; ++c) {
            const std::size_t at = o * categories + c;
            const double spread = spreads[at];
            if (spread > 0.0) {
                chances[c] = normalCdf(edges[at] / spread);
                densities[c] = normalDensity(edges[at] / spread) / spread;
            } else {
                chances[c] = edges[at] > 0.0 ? 1.0 : edges[at] < 0.0 ? 0.0 : 0.5;
                densities[c] = 0.0;
            }
        }
        const double perCategory = each / static_cast<double>(opponents * categories);
        const double perWeek = most / static_cast<double>(opponents);
        if (each > 0.0) {
            for (std::size_t c = 0; c < categories; ++c) {
                result.value += perCategory * chances[c];
                result.slopes[o * categories + c] += perCategory * densities[c];
            }
        }
        if (most > 0.0) {
            result.value += perWeek * weekWinChance(chances);
            const std::vector<double> slopes = weekWinChanceSlopes(chances);
            for (std::size_t c = 0; c < categories; ++c) {
                result.slopes[o * categories + c] += perWeek * slopes[c] * densities[c];
            }
        }
    }
    return result;
}

}  // namespace quorvane
