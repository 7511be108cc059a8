// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "headtohead/Matchups.h"
#include "model/DraftModel.h"
#include "vocabulary/GridTable.h"

namespace quorvane {

// A chance as the grids show it: "63.6%".
std::string chanceText(double chance);

// A cell's colour for a chance: white at one half, greener the likelier a win, redder the
// likelier a loss.
Rgb chanceColour(double chance);

// The head-to-head standings as the Projected Standings tab shows them: "Owner", the figure
// ("Exp. Wins" per week, two decimals, or "Win %" of the week) and "Rank".
GridTable headToHeadStandingsGrid(const DraftModel& model,
                                  const std::vector<HeadToHeadStanding>& standings);

// A team (by index into model.teams) against each other team in draft order and, last, against
// the league's average team: "Opponent", its chance in each category, "Exp. Wins" and "Win %".
// Each figure's cell is coloured by its own chance (the expected wins by the share of the
// categories they make), so a likely loss in one category stands out in a row of wins.
GridTable matchupGrid(const DraftModel& model, const Matchups& matchups, std::size_t team);

inline constexpr const char* kAverageOpponentName = "Average opponent";

}  // namespace quorvane
