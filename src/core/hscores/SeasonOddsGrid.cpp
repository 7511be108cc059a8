// SPDX-License-Identifier: MIT
#include "hscores/SeasonOddsGrid.h"

#include <algorithm>

#include <fmt/format.h>

#include "headtohead/HeadToHeadGrids.h"

namespace quorvane {

GridTable seasonOddsGrid(const DraftModel& model, std::vector<TeamSeasonOdds> odds) {
    GridTable grid;
    grid.headings = {"Owner", "First", "Top Half", "Mean Wins"};
    std::stable_sort(odds.begin(), odds.end(),
                     [](const TeamSeasonOdds& a, const TeamSeasonOdds& b) {
                         return a.first != b.first ? a.first > b.first : a.meanWins > b.meanWins;
                     });
    for (const TeamSeasonOdds& team : odds) {
        if (team.team >= model.teams.size()) {
            continue;
        }
        grid.rows.push_back({model.teams[team.team].teamname, chanceText(team.first),
                             chanceText(team.topHalf), fmt::format("{:.1f}", team.meanWins)});
    }
    return grid;
}

}  // namespace quorvane
