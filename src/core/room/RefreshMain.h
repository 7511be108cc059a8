// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "room/PlayerLists.h"
#include "room/PlayerMarks.h"
#include "room/Rosters.h"
#include "vocabulary/GridTable.h"

namespace quorvane {

struct LoadedDraft;
struct ProgramState;
class UserDialogs;

// Everything the draft room shows, as rebuilt from the database. A list that could not be
// rebuilt is empty (nullopt) and the window keeps what it showed before.
struct RoomView {
    std::optional<std::vector<MoneyLine>> money;
    std::optional<GridTable> availablePlayers;
    std::optional<TeamSelector> teamSelector;
    std::optional<RosterGrid> roster;  // the roster of the team on the clock
    std::optional<GridTable> draftLog;
    std::optional<std::string> draftNotes;
    // "Update $" and "Show Inflation" belong to auctions only.
    bool showAuctionControls = false;
    // A straight or snake draft past its last pick: nobody is on the clock.
    bool draftComplete = false;
};

// What changed since the last refresh. After a pick, an undo, a move or a keeper the players'
// projections are as they were, so the pick advice keeps the season it holds in memory.
enum class RoomChange { Anything, PicksOnly };

// Rebuilds the draft room after a change: the money list, the values (dollar values in an
// auction, ranks otherwise), the pick advice when shown, the available players, the team
// selector, the roster of the team on the clock, the draft log and the draft notes.
// The available players are filtered and sorted as the front end's `list` shows them.
RoomView refreshMain(ProgramState& state, UserDialogs& dialogs, const PlayerListView& list,
                     RoomChange change = RoomChange::Anything);

// What the desktop program shows at once after a recorded pick or a keeper change: the money
// list and the room's frame (auction controls, a complete draft). The lists follow with
// refreshMain once the screen is drawn, so none is built here.
RoomView refreshAfterPick(ProgramState& state, UserDialogs& dialogs);

// The team holding the turn, 0 when none does.
int teamOnTheClock(const LoadedDraft& loaded);

// The draft's notes; nullopt after the failure was shown and logged.
std::optional<std::string> loadDraftNotes(ProgramState& state, UserDialogs& dialogs);

}  // namespace quorvane
