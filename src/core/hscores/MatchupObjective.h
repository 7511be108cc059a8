// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace quorvane {

// What an H-score aims at. Each Category: the mean chance of winning a category, over the
// categories and the opponents. Most Categories: the mean chance of winning the week (more than
// half of the categories, a tie counting one half). A blend: (1 - lambda) x Each + lambda x Most.
// Every one is a share from 0 to 1.
struct MatchupObjective {
    enum class Kind { EachCategory, MostCategories, Blend };
    Kind kind = Kind::EachCategory;
    double lambda = 0.0;  // Blend only

    double mostShare() const;
};

// What the league itself plays for: Each or Most Categories by its mode.
MatchupObjective leagueObjective(int headToHeadMode);

// The objective and its slope in each edge, over `opponents` rows of `categories` edges mu (in
// X-score units, the team's side) and spreads (the square root of the edge's variance); the
// category is won with chance Phi(mu / spread).
struct ObjectiveValue {
    double value = 0.0;
    std::vector<double> slopes;  // opponent x category
};
ObjectiveValue objectiveValue(const MatchupObjective& objective, std::span<const double> edges,
                              std::span<const double> spreads, std::size_t categories);

}  // namespace quorvane
