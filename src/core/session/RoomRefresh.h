// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "room/PlayerLists.h"
#include "room/RefreshMain.h"
#include "vocabulary/Decision.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;

// What the program's lists show besides the draft, as the front ends set it.
ListShowing listShowing(const ProgramState& state);

// Rebuilds the draft room after a change and shows what failed: the money list, the values
// (dollar values in an auction, ranks otherwise), the pick advice when shown, the available
// players, the team selector, the roster of the team on the clock, the draft log and the draft
// notes. The available players are filtered and sorted as the front end's `list` shows them.
RoomView refreshMain(ProgramState& state, UserDialogs& dialogs, const PlayerListView& list);

// The money list and the room's frame after a pick or a keeper change (refreshAfterPick), its
// failure shown.
RoomView refreshAfterPick(ProgramState& state, UserDialogs& dialogs);

}  // namespace quorvane
