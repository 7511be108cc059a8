// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "room/PickChecks.h"
#include "room/PlayerLists.h"

namespace quorvane {

struct DraftSession;

// The move window for one drafted player: his name, the teams with his own selected, the slots
// with the one he holds selected, and his price.
struct MoveForm {
    std::string playerName;  // "First Last"
    TeamSelector teams;
    PositionChoice positions;
    std::string dollars;
    bool showDollars = false;
};

// Opens the move window for the pick of `playerid` on `teamid` (the roster row double-clicked).
// nullopt when that pick does not exist or cannot be read.
std::optional<MoveForm> openMovePlayer(DraftSession& state, int playerid, int teamid);

// The team a player is on in the open draft, 0 when he is on none.
int teamOfPlayer(DraftSession& state, int playerid);

}  // namespace quorvane
