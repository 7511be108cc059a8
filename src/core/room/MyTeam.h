// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "room/DraftPicks.h"
#include "valuation/Standings.h"
#include "vocabulary/GridTable.h"

namespace quorvane {

struct DraftSettings;

// One row of a team's roster laid out in its slots: a slot the draft gives every team (open
// while nobody fills it), "NA" for a player beyond the team's slots, or empty for a player
// without a slot.
struct RosterSlotLine {
    std::string slot;
    int playerid = 0;  // 0 for an open slot
    std::string name;  // "First Last"
    std::string pos;   // his own position
    std::string paid;  // the price in an auction, else the pick as round.selection.overall
    bool open() const { return playerid == 0; }
};

// A team's place in one category of the projected standings: 1 is the best; teams that share a
// figure share the place.
struct CategoryPlace {
    std::string symbol;
    int place = 0;
    bool tied = false;
};

// What the "My Team" panel shows of one team.
struct MyTeamPanel {
    int teamid = 0;
    std::string teamname;
    std::vector<RosterSlotLine> roster;
    int openSlots = 0;
    bool auction = false;
    double moneyLeft = 0.0;   // auctions only
    double largestBid = 0.0;  // auctions only
    int priceDecimals = 0;
    std::optional<CategoryPlace> total;  // the place in the standings as a whole
    std::vector<CategoryPlace> places;   // by the draft's categories
    int teams = 0;
};

// The team's roster by slot, its money and largest bid in an auction and its category places,
// from the draft's picks and the last standings run (empty standings leave the places out).
MyTeamPanel buildMyTeamPanel(const DraftSettings& draft, int teamid,
                             const std::vector<DraftPick>& picks,
                             const std::vector<StandingsEntry>& standings);

// The panel's roster as a grid: playerid (hidden), "Slot", "Player" and the price ("$") or the
// pick ("Pick"); an open slot's row has an empty player and the open-slot colour.
GridTable myTeamRosterGrid(const MyTeamPanel& panel);
inline constexpr Rgb kOpenSlotRowColour{0xF2, 0xF2, 0xF2};

// "1st", "2nd", "3rd", "4th", "11th", "12th", "13th", "21st", ...
std::string ordinal(int place);

// The panel's places as one line: "Total 4th · PTS 1st · REB T-3rd · ...".
std::string placesLine(const MyTeamPanel& panel);

}  // namespace quorvane
