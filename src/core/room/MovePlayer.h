// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "room/PickChecks.h"
#include "room/PlayerLists.h"
#include "room/RefreshMain.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;

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
std::optional<MoveForm> openMovePlayer(ProgramState& state, int playerid, int teamid);

enum class MoveOutcome { Changed, Stopped, Failed };

struct MoveResult {
    MoveOutcome outcome = MoveOutcome::Stopped;
    std::optional<RoomView> view;
};

// "Change": gives the player another team, slot or price with the checks of a pick, in which
// his own pick never counts against him. The pick keeps its number (a keeper stays a keeper).
// Outside auctions the price is left as it is.
// The rebuilt room's available players are shown as `list` (a caller that shows none leaves it).
MoveResult changePlayer(ProgramState& state, UserDialogs& dialogs, int playerid, int teamid,
                        const std::string& pos, const std::string& dollars,
                        const PlayerListView& list = {});

// "Drop Player": deletes the player's pick on `teamid`; nothing when he is on another team.
MoveResult dropPlayer(ProgramState& state, UserDialogs& dialogs, int playerid, int teamid,
                      const PlayerListView& list = {});

// The team a player is on in the open draft, 0 when he is on none.
int teamOfPlayer(ProgramState& state, int playerid);

}  // namespace quorvane
