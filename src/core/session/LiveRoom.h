// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "room/DraftBoard.h"
#include "room/DraftPicks.h"
#include "room/RefreshMain.h"
#include "valuation/CategoryTargets.h"
#include "valuation/Standings.h"
#include "vocabulary/GridTable.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;

// Everything the draft room shows during a live draft, so that no figure waits for a button:
// the room (values included), the standings, the user's targets, the board and the banner.
// A part that could not be rebuilt is empty and the window keeps what it showed.
struct LiveRoom {
    RoomView room;
    std::optional<GridTable> standings;
    std::optional<std::vector<TargetRow>> targets;
    std::optional<DraftBoard> board;
    std::string banner;
    std::string bannerDetails;  // what the banner's line leaves out, for its tooltip
    std::vector<DraftPick> picks;
    // The standings run's figures, team by team (the user's places come from them).
    std::optional<std::vector<StandingsEntry>> standingsFigures;
};

// Rebuilds all of it: refreshMain, then the rest.
LiveRoom refreshLiveRoom(ProgramState& state, UserDialogs& dialogs, const PlayerListView& list);

// Adds the standings, targets, board and banner to a room an operation has just rebuilt with
// its values (skip, undo, a move).
LiveRoom completeLiveRoom(ProgramState& state, UserDialogs& dialogs, RoomView room);

// The banner the draft room shows: the room's clock while the draft is followed, else the
// draft's own (clockBanner).
std::string liveBanner(ProgramState& state, const std::vector<DraftPick>& picks);

}  // namespace quorvane
