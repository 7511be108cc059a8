// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "advice/ZScores.h"
#include "model/DraftModel.h"

namespace quorvane {

// The games of a season a player's projection covers.
inline constexpr double kSeasonGames = 82.0;

// The share of a season one week is: a player's weekly figure in a counting category is his
// per-game figure times g = w x games / 82, which is his season figure times w / 82.
double weeklyShare(double gamesPerWeek);

// A player's projection columns in weekly units.
StatLine weeklyLine(const StatLine& season, double gamesPerWeek);

// kappa = 2N / (2N - 1), N the counted roster size (every slot but reserves).
double kappaOf(int countedRoster);

// How one category's weeks vary, measured over the pool of the advice's z-scores.
struct CategoryScale {
    bool ratio = false;  // made over attempts (per-game categories: over games)
    bool fewerIsBetter = false;
    double varianceRatio = 0.0;  // r
    // sigma: the population deviation of the pool's weekly figures; in a ratio category that
    // of the volume impact over the pool's mean weekly attempts (per-game categories: of the
    // per-game figures), so that it is in the ratio's own units.
    double sigma = 0.0;
    double tauSquared = 0.0;    // r x sigma^2: one player's week-to-week variance
    double meanAttempts = 0.0;  // ratio categories: A-bar, the pool's mean weekly attempts

    double tau() const;
};

// One per category of the draft, in its order.
std::vector<CategoryScale> categoryScales(const DraftModel& model, const ZScores& zScores);

}  // namespace quorvane
