// SPDX-License-Identifier: MIT
#include "headtohead/CategoryScales.h"

#include <cmath>

#include "advice/CategoryFigures.h"

namespace quorvane {

double weeklyShare(double gamesPerWeek) {
    return gamesPerWeek / kSeasonGames;
}

StatLine weeklyLine(const StatLine& season, double gamesPerWeek) {
    StatLine week = season;
    for (double& column : week) {
        column *= weeklyShare(gamesPerWeek);
    }
    return week;
}

double kappaOf(int countedRoster) {
    const double twice = 2.0 * countedRoster;
    return twice / (twice - 1.0);
}

double CategoryScale::tau() const {
    return std::sqrt(tauSquared);
}

std::vector<CategoryScale> categoryScales(const DraftModel& model, const ZScores& zScores) {
    const double share = weeklyShare(model.gamesPerWeek());
    const std::vector<std::size_t>& pool = zScores.pool();
    std::vector<CategoryScale> scales;
    scales.reserve(model.categories.size());
    for (std::size_t c = 0; c < model.categories.size(); ++c) {
        const ModelCategory& category = model.categories[c];
        const CategoryFormula& formula = *category.formula;
        const CategoryMoments& moments = zScores.moments()[c];
        CategoryScale scale;
        scale.ratio = formula.denominator.has_value();
        scale.fewerIsBetter = category.definition->categoryid == kTurnoversCategory;
        scale.varianceRatio = category.varianceRatio;
        if (!scale.ratio) {
            scale.sigma = moments.sd * share;
        } else {
            double attempts = 0.0;
            for (std::size_t player : pool) {
                attempts += denominatorOf(formula, model.players[player].stats);
            }
            const double seasonAttempts =
                pool.empty() ? 0.0 : attempts / static_cast<double>(pool.size());
            scale.meanAttempts = seasonAttempts * share;
            if (formula.kind == FigureKind::PerGame) {
                scale.sigma = moments.sd;
            } else if (seasonAttempts > 0.0) {
                // The weekly impact and the weekly attempts share the factor w / 82.
                scale.sigma = moments.sd / seasonAttempts;
            }
        }
        scale.tauSquared = scale.varianceRatio * scale.sigma * scale.sigma;
        scales.push_back(scale);
    }
    return scales;
}

}  // namespace quorvane
