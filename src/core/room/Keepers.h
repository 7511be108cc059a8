// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "room/PickChecks.h"
#include "room/PlayerLists.h"
#include "store/DraftTakenRepository.h"
#include "vocabulary/GridTable.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

struct DraftSession;

inline constexpr std::string_view kKeepersInstruction =
    "Add a keeper to a team by double-clicking on that player from the Available Players list.  "
    "Double-click on the player in the team list to remove the keeper.";

// Every player of the projection season on no team of the draft, by name ("Available
// Players"); the failure to show when the file could not be read (the keepers window then
// closes).
Outcome<GridTable> readKeeperFreeAgents(DraftSession& session);

// The keepers of one team by name ("Listed Keepers for " and the team's name) with the price
// (Price), his dollar value of the last valuation (Value) and the surplus, value minus price
// (Surplus); those three columns are hidden outside auctions.
Outcome<GridTable> readKeepersOf(DraftSession& session, int teamid);
// The grid of the keepers read: the value and surplus with two decimals, blank where a figure
// is missing; the price as the file holds it.
GridTable keeperGrid(const std::vector<KeeperRow>& keepers);
std::string keepersTitle(const DraftSession& session, int teamid);

// The keeper dialog for one player: his name and the draft's slots with his own position
// selected (no substitution for missing slots).
struct KeeperDialog {
    std::string playerName;  // "First Last"
    PositionChoice positions;
    bool showDollars = false;
    double value = 0.0;  // his dollars in the last valuation
};
Outcome<KeeperDialog> readKeeperDialog(DraftSession& session, int playerid);

// What the keeper dialog of an auction says of a price as it is typed: "Value $23.40", and
// "Value $23.40, surplus $16.40" once the text is a price ("surplus -$4.10" below it).
std::string keeperSurplusCaption(double value, std::string_view priceText);

}  // namespace quorvane
