// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "model/DraftModel.h"
#include "vocabulary/DraftSettings.h"

namespace quorvane {

// One team's figure in one category (category 0 is the total).
struct StandingsEntry {
    int teamid = 0;
    std::string teamname;
    int categoryid = 0;
    std::string symbol;
    double points = 0.0;
    double rank = 0.0;
};

// The projected standings of a draft from the rosters drafted so far: every team's value per
// category and, in rotisserie, its rank points (1 + the teams it beats + half the teams it
// ties; fewer turnovers is better); in a points league the weighted values. Ratio values are
// rounded to their display precision before teams are compared, so two teams that show the
// same percentage tie. Reserves count only when asked. Team by team from the best total down
// (equal totals in draft order), each team's categories from the highest id down to the total.
std::vector<StandingsEntry> projectedStandings(const DraftSettings& draft, const DraftModel& model,
                                               bool includeReserves);

}  // namespace quorvane
