// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <vector>

namespace quorvane {

// The standard normal distribution function, from std::erfc so that far tails stay exact.
double normalCdf(double x);

// One team's week in one category: its expected figure and the variance of the figure.
struct CategoryWeek {
    double mean = 0.0;
    double variance = 0.0;
    // False for a team without attempts in a ratio category (a team without counted players
    // among them): it has no ratio at all.
    bool hasAttempts = true;
};

// The chance that team A beats team B in a category: Phi((M_A - M_B) / sqrt(V_A + V_B)), with
// the difference turned round where fewer is better. Two weeks without any variance are decided
// by their means (equal means split the category: one half). A team without attempts loses to
// a team with attempts, and two such teams split the category.
double categoryWinChance(const CategoryWeek& a, const CategoryWeek& b, bool fewerIsBetter);

// Each Category: the categories A expects to win in the week, the sum of the chances.
double expectedCategoryWins(std::span<const double> chances);

// Most Categories: the chance that A wins more than half of the categories, a tie (exactly
// half) counting one half. From the exact distribution of A's category wins, built one
// category at a time; the categories are taken as independent.
double weekWinChance(std::span<const double> chances);

// The slope of weekWinChance in each category's chance: the week's chance when A wins that
// category less when he loses it, the other categories as they are.
std::vector<double> weekWinChanceSlopes(std::span<const double> chances);

}  // namespace quorvane
