// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <vector>

#include "hscores/WeightSearch.h"

namespace quorvane {
namespace {

const std::vector<double> kThirds = {1.0 / 3.0, 1.0 / 3.0, 1.0 / 3.0};

// Three categories of equal spread without correlations; three opponents, ten picks still to
// come. The team stands level in the first two categories and 25 X behind in the third, more
// than four spreads: no pick can win that one back.
struct ToyLeague {
    SquareMatrix sigma{3};
    WeightProblem problem;

    ToyLeague() {
        for (std::size_t c = 0; c < 3; ++c) {
            sigma(c, c) = 0.5;
        }
        problem.categories = 3;
        problem.futurePicks = 10.0;
        problem.sigma = &sigma;
        problem.neutral = kThirds;
        for (int opponent = 0; opponent < 3; ++opponent) {
            problem.edges.insert(problem.edges.end(), {0.0, 0.0, -25.0});
            problem.spreads.insert(problem.spreads.end(), 3, std::sqrt(32.0));
        }
    }
};

// The weights only steer the future picks: with Sigma a multiple of the identity the shift depends
// on the direction j takes away from v, and going further only costs gamma. The plan must turn
// from a start that leans toward the first category to one that gives up the third: its future
// picks bring less of it and more of the other two, and the chance in those two rises.
TEST(WeightSearch, GivesUpTheCategoryThatCannotBeWon) {
    ToyLeague toy;
    for (const MatchupObjective objective :
         {MatchupObjective{MatchupObjective::Kind::EachCategory, 0.0},
          MatchupObjective{MatchupObjective::Kind::MostCategories, 0.0}}) {
        WeightSearchSettings settings;
        settings.objective = objective;
        const std::vector<double> start = {0.34, 0.33, 0.33};
        const PuntPlan plan = searchWeights(toy.problem, settings, start);
        ASSERT_EQ(plan.weights.size(), 3u);
        const std::vector<double>& j = plan.weights;
        EXPECT_LT(j[2], kThirds[2] - 0.02) << objective.mostShare();
        EXPECT_NEAR(j[0], j[1], 0.5 * (kThirds[2] - j[2])) << objective.mostShare();
        EXPECT_NEAR(std::accumulate(j.begin(), j.end(), 0.0), 1.0, 1e-12);
        const FuturePickShift future(toy.sigma, kThirds, j, settings.omega, settings.gamma);
        EXPECT_LT(future.shift()[2], -0.4);
        EXPECT_GT(future.shift()[0], 0.2);
        EXPECT_GT(future.shift()[1], 0.2);
        // Drafted in the best direction (1, 1, -2) ten picks bring 10 x 0.95 x sqrt(1/2) x
        // (1, 1, -2) / sqrt 6 = 2.74 X in each of the first two: Phi(2.74 / sqrt 32) = 0.686,
        // from one half at neutral weights. Thirty steps come most of the way.
        const std::vector<double> chances = categoryChances(toy.problem, settings, j);
        EXPECT_GT(chances[0] + chances[1], 2.0 * 0.65);
        EXPECT_LT(chances[0] + chances[1], 2.0 * 0.686 + 1e-9);
        const double atStart = weightValue(toy.problem, settings, start, nullptr).value;
        EXPECT_GT(plan.h, atStart + 0.03) << objective.mostShare();
    }
}

TEST(WeightSearch, KeepsTheNeutralWeightsWithNoPickToCome) {
    ToyLeague toy;
    toy.problem.futurePicks = 0.0;
    const PuntPlan plan = searchWeights(toy.problem, {}, {0.5, 0.5, 0.0});
    EXPECT_EQ(plan.weights, kThirds);
    // Phi(0) twice and Phi(-25 / sqrt 32) = 4.95e-6 once, over three categories.
    EXPECT_NEAR(plan.h, (0.5 + 0.5 + 4.95e-6) / 3.0, 1e-7);
}

TEST(WeightSearch, GradientIsWhatFiniteDifferencesFindThroughTheWholeChain) {
    ToyLeague toy;
    toy.sigma(0, 1) = toy.sigma(1, 0) = 0.2;
    toy.sigma(1, 2) = toy.sigma(2, 1) = -0.1;
    toy.problem.edges = {1.5, -0.5, -3.0, 0.4, 2.0, -1.0, -0.7, 0.1, 0.3};
    const std::vector<double> weights = {0.45, 0.35, 0.20};
    for (const MatchupObjective objective :
         {MatchupObjective{MatchupObjective::Kind::EachCategory, 0.0},
          MatchupObjective{MatchupObjective::Kind::Blend, 0.6}}) {
        WeightSearchSettings settings;
        settings.objective = objective;
        std::vector<double> gradient;
        weightValue(toy.problem, settings, weights, &gradient);
        constexpr double kStep = 1e-6;
        for (std::size_t k = 0; k < 3; ++k) {
            std::vector<double> up = weights;
            std::vector<double> down = weights;
            up[k] += kStep;
            down[k] -= kStep;
            const double expected = (weightValue(toy.problem, settings, up, nullptr).value -
                                     weightValue(toy.problem, settings, down, nullptr).value) /
                                    (2.0 * kStep);
            EXPECT_NEAR(gradient[k], expected, 1e-7) << k;
        }
    }
}

}  // namespace
}  // namespace quorvane
