// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "online/RoomData.h"

namespace quorvane {

// Whether round `round` of a room's draft runs from slot 1 upwards. A snake alternates; with a
// reversal round R, round R runs like round R-1 and the alternation flips from there. A linear
// draft always runs upwards, and so does an auction, which has no order.
bool roundRunsUp(const RoomDraft& draft, int round);

// The board column (slot) of an overall pick number; 0 outside the draft's rounds.
int slotOfPick(const RoomDraft& draft, int pickNo);

// The pick on the clock: the first pick number the room has not made. Keepers stand at the
// numbers they cost, possibly ahead of the draft, so this is not the count of picks plus one.
// 0 when every pick of every round is made.
int firstOpenPick(const RoomDraft& draft, const std::vector<RoomPick>& picks);

// The room's team that makes a pick: the one holding it when the room lists its picks (trades
// included), else the team at its slot in the first round's order; 0 when neither says.
int teamOfPick(const RoomDraft& draft, int pickNo);

// Turns from the pick on the clock until the room's team picks (0 when it is on the clock); -1
// when it has no open pick left. Keepers already placed ahead are passed over.
int turnsUntilTeam(const RoomDraft& draft, const std::vector<RoomPick>& picks, int team);

}  // namespace quorvane
