// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

#include "room/RecordPick.h"
#include "room/RefreshMain.h"
#include "session/RoomRefresh.h"
#include "store/TurnHistoryRepository.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;

// The turn operations as the desktop program and the command line hold them: the rule is asked
// over the program's held model, its refusal shown and its questions put to the user, then the
// writer stores the change and the loaded draft follows it. A question the writer meets under
// its lock that the user was not asked (another program changed the draft meanwhile) is asked
// then, and a Yes writes again.

// The price typed in the pick window: a number, or not a number at all (which the pick's rule
// refuses as an invalid bid); 0 outside auctions, where it is not read.
double typedPrice(const DraftSettings& draft, std::string_view text);

// "Add Player": the pick of the form (pickNumber in draftorder), without rebuilding any list:
// for a caller that shows none.
PickResult storePick(ProgramState& state, UserDialogs& dialogs, int playerid, const PickForm& form);

// storePick, then what the desktop program shows at once after it (refreshAfterPick).
PickResult recordPick(ProgramState& state, UserDialogs& dialogs, int playerid,
                      const PickForm& form);

// What a skip or an undo did to the turn history, with the rebuilt draft room.
struct TurnStep {
    RoomView view;
    std::optional<HistoryEntry> entry;  // the skip made, or the entry taken back; none: nothing
};

// A caller that shows no list of available players may leave `list` as it is: the room is then
// rebuilt with every player in the draft's order of value.

// "Skip Pick" (writeSkip), then the draft room is rebuilt. nullopt after a failure (nothing
// changed).
std::optional<TurnStep> skipTurnStep(ProgramState& state, UserDialogs& dialogs,
                                     const PlayerListView& list = {});
std::optional<RoomView> skipTurn(ProgramState& state, UserDialogs& dialogs,
                                 const PlayerListView& list = {});

// "Undo Last Pick" (writeUndo), then the draft room is rebuilt. nullopt after a failure
// (nothing changed).
std::optional<TurnStep> undoLastEntry(ProgramState& state, UserDialogs& dialogs,
                                      const PlayerListView& list = {});
std::optional<RoomView> undoLastPick(ProgramState& state, UserDialogs& dialogs,
                                     const PlayerListView& list = {});

}  // namespace quorvane
