// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "headtohead/WeekChances.h"
#include "hscores/MatchupObjective.h"

namespace quorvane {
namespace {

// The week's chance and each category's slope, by walking every outcome of every category.
struct Enumerated {
    double week = 0.0;
    std::vector<double> slopes;
};

double worthOf(int won, std::size_t categories) {
    const int size = static_cast<int>(categories);
    return 2 * won > size ? 1.0 : 2 * won == size ? 0.5 : 0.0;
}

Enumerated enumerate(const std::vector<double>& chances) {
    const std::size_t size = chances.size();
    Enumerated result;
    result.slopes.assign(size, 0.0);
    for (unsigned outcome = 0; outcome < (1u << size); ++outcome) {
        int won = 0;
        for (std::size_t c = 0; c < size; ++c) {
            won += (outcome >> c) & 1u;
        }
        // The outcome's chance with and without each category's own factor.
        for (std::size_t skipped = 0; skipped <= size; ++skipped) {
            double chance = 1.0;
            for (std::size_t c = 0; c < size; ++c) {
                if (c != skipped) {
                    chance *= (outcome >> c) & 1u ? chances[c] : 1.0 - chances[c];
                }
            }
            if (skipped == size) {
                result.week += chance * worthOf(won, size);
            } else {
                // d/dp of p (won) or 1 - p (lost), times the rest.
                const double sign = (outcome >> skipped) & 1u ? 1.0 : -1.0;
                result.slopes[skipped] += sign * chance * worthOf(won, size);
            }
        }
    }
    return result;
}

TEST(MostCategories, WeekChanceAndSlopesMatchEveryOutcomeWalked) {
    const std::vector<std::vector<double>> leagues = {
        {0.83, 0.35, 0.61, 0.5, 0.27},     // odd: no tie
        {0.9, 0.2, 0.55, 0.7, 0.4, 0.65},  // even: a tie counts one half
        {0.71, 0.64, 0.12, 0.95, 0.33, 0.5, 0.58, 0.81, 0.44},
        {1.0, 0.0, 0.37},  // certain categories
    };
    for (const std::vector<double>& chances : leagues) {
        const Enumerated expected = enumerate(chances);
        EXPECT_NEAR(weekWinChance(chances), expected.week, 1e-12);
        const std::vector<double> slopes = weekWinChanceSlopes(chances);
        ASSERT_EQ(slopes.size(), chances.size());
        for (std::size_t c = 0; c < chances.size(); ++c) {
            EXPECT_NEAR(slopes[c], expected.slopes[c], 1e-12) << chances.size() << " " << c;
        }
    }
}

TEST(MostCategories, ObjectiveIsTheMeanWeekChanceOverOpponents) {
    // Against the first opponent Phi(0) = 1/2 in each of three categories: the week is 1/2.
    // Against the second, two categories are certain wins and one certain loss: the week is won.
    const std::vector<double> edges = {0.0, 0.0, 0.0, 40.0, 40.0, -40.0};
    const std::vector<double> spreads(6, 2.0);
    const MatchupObjective most{MatchupObjective::Kind::MostCategories, 0.0};
    EXPECT_NEAR(objectiveValue(most, edges, spreads, 3).value, 0.75, 1e-12);
    const MatchupObjective each{MatchupObjective::Kind::EachCategory, 0.0};
    EXPECT_NEAR(objectiveValue(each, edges, spreads, 3).value, 3.5 / 6.0, 1e-12);
    const MatchupObjective blend{MatchupObjective::Kind::Blend, 0.4};
    EXPECT_NEAR(objectiveValue(blend, edges, spreads, 3).value, 0.6 * 3.5 / 6.0 + 0.4 * 0.75,
                1e-12);
}

TEST(MatchupObjectiveSlopes, AreWhatFiniteDifferencesFindForEveryKind) {
    const std::vector<double> edges = {0.7, -1.3, 2.1, 0.2, -0.4, 1.1, -2.5, 0.9};
    const std::vector<double> spreads = {2.0, 2.5, 1.5, 3.0, 2.2, 1.9, 2.7, 2.4};
    constexpr double kStep = 1e-6;
    for (const MatchupObjective objective :
         {MatchupObjective{MatchupObjective::Kind::EachCategory, 0.0},
          MatchupObjective{MatchupObjective::Kind::MostCategories, 0.0},
          MatchupObjective{MatchupObjective::Kind::Blend, 0.35}}) {
        const ObjectiveValue value = objectiveValue(objective, edges, spreads, 4);
        for (std::size_t at = 0; at < edges.size(); ++at) {
            std::vector<double> up = edges;
            std::vector<double> down = edges;
            up[at] += kStep;
            down[at] -= kStep;
            const double expected = (objectiveValue(objective, up, spreads, 4).value -
                                     objectiveValue(objective, down, spreads, 4).value) /
                                    (2.0 * kStep);
            EXPECT_NEAR(value.slopes[at], expected, 1e-7) << objective.mostShare() << " " << at;
        }
    }
}

}  // namespace
}  // namespace quorvane
