// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/DraftModel.h"

namespace quorvane {

struct KeeperSurplusRow {
    int playerid = 0;
    std::string firstname;
    std::string lastname;
    int teamid = 0;
    std::string teamname;
    double price = 0.0;
    // His dollars in the last valuation; none in a points draft that is not an auction, whose
    // valuation writes no dollars.
    std::optional<double> value;
    std::optional<double> surplus;  // value - price; auctions only
};

// Every keeper of the draft (a player on a team with pick number 0), by team in draft order,
// then by surplus, largest first (by name outside auctions).
std::vector<KeeperSurplusRow> keeperSurplus(const DraftModel& model);

}  // namespace quorvane
