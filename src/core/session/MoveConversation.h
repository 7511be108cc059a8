// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "room/PlayerListView.h"
#include "room/RefreshMain.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;

// A drafted player's move and drop as the desktop program and the command line hold them
// (session/WriteConversation.h), then the draft room rebuilt.

enum class MoveOutcome { Changed, Stopped, Failed };

struct MoveResult {
    MoveOutcome outcome = MoveOutcome::Stopped;
    std::optional<RoomView> view;
};

// "Change": gives the player another team, slot or typed price with the questions of a pick, in
// which his own pick never counts against him. Outside auctions the price is left as it is.
// The rebuilt room's available players are shown as `list` (a caller that shows none leaves it).
MoveResult changePlayer(ProgramState& state, UserDialogs& dialogs, int playerid, int teamid,
                        const std::string& pos, const std::string& dollars,
                        const PlayerListView& list = {});

// "Drop Player": deletes the player's pick on `teamid`; nothing when he is on another team.
MoveResult dropPlayer(ProgramState& state, UserDialogs& dialogs, int playerid, int teamid,
                      const PlayerListView& list = {});

}  // namespace quorvane
