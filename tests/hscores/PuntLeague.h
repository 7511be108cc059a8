// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "model/DraftModel.h"

namespace quorvane::test {

// A head-to-head league held in memory only, so that each test states the figures it works out
// by hand: no database, no valuation.
struct PuntLeague {
    // `teams` teams in draft order, the first marked the user's; the categories by id, each with
    // its variance ratio; starting slots all UT unless changed.
    PuntLeague(int teams, std::initializer_list<std::pair<int, double>> categories,
               int utilitySlots);

    // A player of the projection season with the given columns.
    PuntLeague& player(int playerid, std::uint8_t positions,
                       std::initializer_list<std::pair<StatColumn, double>> columns);
    // A pick of the team at draft position `position` (1-based), into `slot`.
    PuntLeague& pick(int playerid, int position, const std::string& slot = "UT");
    // A snake whose turn is at `position`, going up.
    PuntLeague& snake(int rounds, int position);
    PuntLeague& slots(SlotCounts counts);

    DraftModel model;
};

}  // namespace quorvane::test
