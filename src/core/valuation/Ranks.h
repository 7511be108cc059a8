// SPDX-License-Identifier: MIT
#pragma once

namespace quorvane {

struct ProgramState;
class UserDialogs;

// Overall ranks (DraftPlayers.draftorder) of every player of the projection season for the open
// draft; in a points league by value-based drafting, with dollar values in a points auction.
// False after a failure was reported; the run's writes are then undone.
bool calcRanks(ProgramState& state, UserDialogs& dialogs);

}  // namespace quorvane
