// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "advice/ZScores.h"
#include "model/DraftModel.h"

namespace quorvane {

// One category's part of a rotisserie valuation: the statistic it read, the denominator and
// the term it added to the player's SGP.
struct SgpCategoryFigures {
    std::string symbol;
    double statistic = 0.0;
    double denominator = 0.0;
    double term = 0.0;
};

// One category's part of a points valuation: the statistic, its weight and the points.
struct PointsCategoryFigures {
    std::string symbol;
    double statistic = 0.0;
    double weight = 0.0;
    double points = 0.0;
};

// What the last valuation computed for one player, as it left it in the database.
struct ValuationFigures {
    bool valued = false;  // false when the last valuation did not take him in
    std::vector<SgpCategoryFigures> sgpCategories;
    std::optional<double> sgp;
    std::string group;  // whose replacement level applies: centres, non-centres, all players
    std::optional<double> replacementLevel;
    std::optional<double> sgpAboveReplacement;
    std::optional<double> dollarsPerSgp;
    std::vector<PointsCategoryFigures> pointsCategories;
    std::optional<double> points;
    std::optional<double> baseline;
    std::optional<double> vbd;
    std::optional<double> dollars;
    int rank = 0;
};

using ExplainLine = std::pair<std::string, std::string>;

// The math of a player's value as key,value lines: the valuation's figures, then per category
// the pool's rate (percentages), mean and deviation and his z-score, the categories punted, the
// pool's size, his total z and, in an auction, his z dollars. Empty for a player the model does
// not hold.
std::vector<ExplainLine> explainLines(const DraftModel& model, const ZScores& zScores,
                                      const ValuationFigures& figures, int playerid);

}  // namespace quorvane
