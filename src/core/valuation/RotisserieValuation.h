// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

#include "model/DraftModel.h"
#include "model/SgpDenominator.h"
#include "vocabulary/DraftSettings.h"

namespace quorvane {

// A rotisserie draft's dollar values: each projected player's standings gain points (SGP)
// summed over the draft's categories, less the replacement level of his group (centres, or
// everyone else; one level for all when the only slots besides centre are utility), priced at
// the money left per SGP above replacement of the players still to be bought.
struct RotisserieValuation {
    struct Player {
        int playerid = 0;
        bool centre = false;
        std::vector<double> terms;  // one SGP term per draft category with a catalogue entry
        double sgp = 0.0;           // the terms summed
        double aboveLevel = 0.0;    // sgp less his group's replacement level
        double dollars = 0.0;       // minbid + aboveLevel * rate
    };
    std::vector<Player> players;  // the projected players, by playerid
    double centreLevel = 0.0;
    double otherLevel = 0.0;
    double rate = 0.0;  // dollars per SGP above replacement
    bool oneGroup = false;
};

// The statistic a category's SGP term reads for a player: his figure, except assists per
// turnover without turnovers (kAssistsPerNoTurnover).
double sgpWorkStatistic(const CategoryDefinition& category, const StatLine& stats);

// One SGP term of a player. A count category divides his statistic by the denominator; a
// ratio category measures how far his made and attempted figures move a team's figure.
double sgpTerm(const CategoryDefinition& category, const StatLine& stats, double denominator,
               int teams);

// nullopt when the draft has no category with a term or one of its denominators is 0. With
// inflation the money spent, the picks made and the drafted players leave the pools.
std::optional<RotisserieValuation> rotisserieValuation(
    const DraftSettings& draft, const std::vector<SgpDenominator>& denominators,
    const DraftModel& model, bool inflation);

}  // namespace quorvane
