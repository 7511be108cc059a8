// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "room/PlayerLists.h"
#include "room/PlayerMarks.h"
#include "room/Rosters.h"
#include "vocabulary/Decision.h"
#include "vocabulary/GridTable.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

struct DraftSession;
struct LoadedDraft;

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

// The room as rebuilt, with the failures a person is shown in the order they happened (each
// already logged).
struct RoomRebuild {
    RoomView view;
    std::vector<Message> failures;
};

// What the desktop program shows at once after a recorded pick or a keeper change: the money
// list and the room's frame (auction controls, a complete draft). The lists follow once the
// screen is drawn, so none is built here.
RoomRebuild refreshAfterPick(DraftSession& session);

// The lists of the room once its values are worked out, added to `read`: the available players
// (filtered and sorted as the front end's `list` shows them, with what `showing` asks for), the
// team selector, the roster of the team on the clock, the draft log and the draft notes.
void readRoomLists(DraftSession& session, const ListShowing& showing, const PlayerListView& list,
                   RoomRebuild& read);

// The team holding the turn, 0 when none does.
int teamOnTheClock(const LoadedDraft& loaded);

// The draft's notes, or the failure to show after it was logged (no message without a draft).
Outcome<std::string> loadDraftNotes(DraftSession& session);

}  // namespace quorvane
