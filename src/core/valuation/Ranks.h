// SPDX-License-Identifier: MIT
#pragma once

namespace quorvane {

struct ProgramState;
class UserDialogs;

// Overall ranks (DraftPlayers.draftorder) of every player of the projection season for the open
// draft; in a points league by value-based drafting, with dollar values in a points auction.
// False after a failure was reported; the run's writes are then undone.
bool calcRanks(ProgramState& state, UserDialogs& dialogs);

// The values the draft room shows: dollar values in an auction (the "B" run), ranks in a
// straight or snake draft. False after a failure was reported.
bool calcRoomValues(ProgramState& state, UserDialogs& dialogs);

}  // namespace quorvane
