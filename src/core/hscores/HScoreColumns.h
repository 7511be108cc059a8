// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "hscores/HScores.h"
#include "model/DraftModel.h"
#include "vocabulary/GridTable.h"

namespace quorvane {

// A category's weight in the best candidate's punt plan beside its neutral weight. The plan gives
// the category up when, drafting by it, the team expects to lose the category more often than
// win it (its mean chance over the opponents below one half).
struct PuntBar {
    std::string symbol;
    double weight = 0.0;
    double neutral = 0.0;
    double chance = 0.0;

    bool givenUp() const { return chance < 0.5; }
};

// The punt plan of the team's best candidate by H.
struct PuntPlanShown {
    int playerid = 0;
    std::string player;  // "First Last"
    double h = 0.0;
    std::vector<PuntBar> bars;         // in the draft's order of categories
    std::vector<std::string> givenUp;  // symbols, in that order
};

// The H-scores of one run by playerid and the best plan, with the state they were worked out
// for (see hScoreKey), so that a window can tell figures of an older state.
struct HScoresShown {
    std::string key;
    std::unordered_map<int, double> h;
    std::optional<PuntPlanShown> plan;
};
HScoresShown hScoresShown(const DraftModel& model, const std::vector<HScoreRow>& rows,
                          const std::vector<double>& neutral, std::string key);

// What the user's H-scores depend on: the draft's state as availabilityKey has it, and the
// league's mode, week and categories.
std::string hScoreKey(const DraftModel& model);

inline constexpr const char* kHScoreHeading = "H";

// Appends "H" (four places) to every row of the available-players grid, after every other
// column so that the grid's sort columns keep their numbers; blank while `shown` is null and for
// a player who is no candidate.
void addHScoreColumn(GridTable& grid, const HScoresShown* shown);

// "Gives up FT%, TO" or "Gives up nothing".
std::string givenUpText(const PuntPlanShown& plan);

}  // namespace quorvane
